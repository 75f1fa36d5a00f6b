#include "analysis/points_file.h"

#include "io/regular_file.h"

#include <cctype>
#include <charconv>
#include <ext/stdio_filebuf.h>
#include <iomanip>
#include <istream>
#include <limits>
#include <optional>
#include <string>

namespace rca {

namespace {

// One integer of the file, possibly too large for 64 bits.
struct FileInteger {
    int64_t value = 0;
    bool tooLarge = false;
};

// Reads the next whitespace-separated integer; nullopt at the end of the
// file or at a word that does not start with one.
class IntegerReader {
  public:
    explicit IntegerReader(std::istream& in) : in_(in) {}

    std::optional<FileInteger> next() {
        std::string word;
        // A word is taken in pieces, so a file of one endless word (a sparse
        // file of zeros, say) is never held in memory whole.
        if (ended_ || !(in_ >> std::setw(longestWord) >> word)) return std::nullopt;
        const char* first = word.data();
        const char* end = word.data() + word.size();
        if (*first == '+' && end - first > 1 && first[1] != '-') ++first;
        FileInteger n;
        const auto [ptr, ec] = std::from_chars(first, end, n.value);
        if (ec == std::errc::invalid_argument) return ended_ = true, std::nullopt;
        n.tooLarge = ec == std::errc::result_out_of_range;
        if (ptr == end && !atWordEnd()) {
            // Digits beyond the piece: a number far too large, to its last digit.
            n.tooLarge = true;
            while (std::isdigit(in_.peek()))
                in_.get();
        }
        ended_ = ptr != end || !atWordEnd(); // non-numeric text after the digits ends the file
        return n;
    }

  private:
    static constexpr std::streamsize longestWord = 64; // longer than any 64-bit number

    bool atWordEnd() {
        const int c = in_.peek();
        return c == std::istream::traits_type::eof() || std::isspace(c);
    }

    std::istream& in_;
    bool ended_ = false;
};

bool fits16(const FileInteger& n) {
    return !n.tooLarge && n.value >= std::numeric_limits<int16_t>::min() &&
           n.value <= std::numeric_limits<int16_t>::max();
}

} // namespace

PointsRead readPointsRecord(const std::filesystem::path& file, int32_t record, SetupState& s) {
    PointsRead got;
    if (record < 0) {
        got.negativeRecord = true;
        return got;
    }
    RegularFile f(file, RegularFile::Access::Read);
    got.opened = f.isOpen();
    if (!got.opened) return got;
    __gnu_cxx::stdio_filebuf<char> buffer(f.release(), std::ios::in); // closes it
    std::istream in(&buffer);
    IntegerReader read(in);
    const int64_t skip = int64_t{recordIntegers} * record;
    for (int64_t i = 0; i < skip; ++i)
        if (!read.next()) return got;
    if (!read.next()) return got; // the leading integer
    for (int k = 0; k < 2 * recordPoints; ++k) {
        const auto n = read.next();
        if (!n) break;
        if (!fits16(*n)) {
            ++got.rejected;
            continue;
        }
        auto& slot = k % 2 == 0 ? s.bPositions[k / 2] : s.bPositionsY[k / 2];
        slot = static_cast<int16_t>(n->value);
        ++got.coordinates;
    }
    return got;
}

int pointsOutsideSquare(const SetupState& s, int count, int rows, int cols) {
    int outside = 0;
    for (int k = 0; k < count && k < maxPoints; ++k) {
        const int x = s.bPositions[k], y = s.bPositionsY[k];
        if (x < 0 || x >= rows || y < 0 || y >= cols) ++outside;
    }
    return outside;
}

} // namespace rca
