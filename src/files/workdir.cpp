#include "files/workdir.h"

#include "files/frame_bmp.h"
#include "files/square_codec.h"
#include "files/weight_profile_file.h"
#include "io/checked_output.h"
#include "io/folder_boundary.h"
#include "state/fixed_paths.h"

#include <functional>

namespace rca {

namespace {

namespace fs = std::filesystem;
using Bytes = std::string;

// A square file: length 11 little-endian, then 100 cells of A.
Bytes defaultSquare() {
    Bytes b = {11, 0, 0, 0};
    b.append(squareFileBytes - 4, static_cast<char>(A));
    return b;
}

Bytes defaultProfiles() {
    ProfileValues start;
    start.fill(0.21);
    const auto bytes = profileBytes(start);
    return Bytes(bytes.begin(), bytes.end());
}

// A fixed file and the fewest bytes a good one has: anything shorter was
// cut off (a full disk while it was written) and is written again.
struct FixedFile {
    std::string name;
    Bytes contents;
    size_t fewest;
};

std::vector<FixedFile> fixedFiles() {
    std::vector<FixedFile> files;
    for (const char* slot : paths::squareSlots)
        files.push_back({slot, defaultSquare(), squareFileBytes});
    files.push_back({paths::squareByte, Bytes(1, static_cast<char>(A)), 1});
    files.push_back({paths::weightProfiles, defaultProfiles(), profileFileBytes});
    // Frame templates: a header of the right size is all a template needs.
    for (const FrameSize& size : frameSizes()) {
        const auto header = bmpHeader(size.width, size.height);
        files.push_back({size.templatePath, Bytes(header.begin(), header.end()), header.size()});
    }
    // The mask file starts empty: 'Write mask' never creates it.
    files.push_back({paths::freezeMaskFile, "", 0});
    // Two sample records of eight points each, inside a 51 x 51 square.
    files.push_back({fixedPath(paths::pointsFile),
                     "0  10 10  10 12  12 10  12 12  30 30  30 32  32 30  32 32\n"
                     "1  20 5  21 5  22 5  23 5  24 5  25 5  26 5  27 5\n",
                     1});
    return files;
}

// Creates what the layout lacks and remembers what it made; after the first
// failure it does nothing more and keeps the reason.
class Maker {
  public:
    Maker(const fs::path& dir, std::vector<std::string>* made, std::vector<std::string>* repaired,
          std::vector<std::string>* leftAlone)
        : dir_(dir), made_(made), repaired_(repaired), leftAlone_(leftAlone) {}

    // "" is the working folder itself.
    void folder(const std::string& name) {
        if (!error_.empty()) return;
        std::error_code ec;
        const fs::path p = name.empty() ? dir_ : dir_ / name;
        const bool existed = fs::is_directory(p);
        fs::create_directories(p, ec);
        if (ec)
            error_ = "cannot create " + p.string() + ": " + ec.message();
        else if (!existed)
            note(made_, name.empty() ? name : name + "/");
    }

    // Written whole when missing or short; a good file is left as it is.
    void file(const FixedFile& f) {
        const fs::path p = dir_ / f.name;
        std::error_code ec;
        const bool exists = fs::exists(fs::symlink_status(p, ec));
        if (!error_.empty() || (exists && !isShort(p, f.fewest))) return;
        // A link leading out of the folder is not ours to repair.
        std::error_code aec;
        if (std::string out = outsideWrite(fs::absolute(dir_, aec), fs::absolute(p, aec));
            !out.empty())
            return note(leftAlone_, out);
        auto out = CheckedOutput::writing(p);
        out->stream() << f.contents;
        if (out->finish().empty()) return note(exists ? repaired_ : made_, f.name);
        error_ = out->problem();
        // A short file is one the next run repairs; a new one is not left half made.
        if (!exists) fs::remove(p, ec);
    }

    const std::string& error() const { return error_; }

  private:
    // Something that is not a plain file (a folder, say) is the user's.
    static bool isShort(const fs::path& p, size_t fewest) {
        std::error_code ec;
        return fs::is_regular_file(p, ec) && fs::file_size(p, ec) < fewest && !ec;
    }

    static void note(std::vector<std::string>* list, const std::string& what) {
        if (list) list->push_back(what);
    }

    fs::path dir_;
    std::vector<std::string>*made_, *repaired_, *leftAlone_;
    std::string error_;
};

} // namespace

std::string initWorkdir(const fs::path& dir, std::vector<std::string>* made,
                        std::vector<std::string>* repaired, std::vector<std::string>* leftAlone) {
    Maker m(dir, made, repaired, leftAlone);
    m.folder("");
    for (const char* f : paths::folders)
        m.folder(f);
    for (const FixedFile& f : fixedFiles())
        m.file(f);
    return m.error();
}

bool isWorkdir(const fs::path& dir) {
    std::error_code ec;
    for (const char* f : paths::folders)
        if (!fs::is_directory(dir / f, ec)) return false;
    for (const char* slot : paths::squareSlots)
        if (!fs::is_regular_file(dir / slot, ec)) return false;
    return true;
}

} // namespace rca
