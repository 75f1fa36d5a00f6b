#pragma once
// Cases in a NumPy .npy file: one packed little-endian record per case, so
// millions of them load with numpy.load (also memory-mapped) at 35 bytes
// each. The record, in order (documented in docs/verdicts.md):
//   cells      <u8 (2,)  bit i of cells[i / 64]: cell i is B
//   length     u1
//   verdict    u1        0 "OK!!", 1 "NOT", 2 timeout
//   endStep    <i4       -1 where the JSON line has null
//   row        <i2       -1 likewise
//   column     <i2       -1 likewise
//   leftMask   <u2       bit d-1: distance d of the mask (1..11)
//   rightMask  <u2
//   border     u1        0 frozen, 1 circle
//   stepLimit  <i4
#include "theory/case_file.h"

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rca {

constexpr size_t npyCaseBytes = 35;
// The record's last bytes: the masks, the border and the step limit.
constexpr size_t npyRuleBytes = 9;

// Whether the file name asks for the .npy format.
bool isNpyName(const std::string& file);

// The header's dtype as numpy.dtype(...).descr prints it.
const std::string& npyCaseDescr();

// Writes the records as they come, in whole records; the header's count is
// rewritten at finish(), so after a stop or a failed write the file holds a
// valid array of exactly the records written. problem() as CheckedOutput's.
class NpyCasesWriter {
  public:
    explicit NpyCasesWriter(const std::filesystem::path& file);
    ~NpyCasesWriter();
    NpyCasesWriter(const NpyCasesWriter&) = delete;
    NpyCasesWriter& operator=(const NpyCasesWriter&) = delete;

    // False once a write has failed; nothing more is written then.
    bool add(const VerdictCase& c);
    bool failed() const { return !problem_.empty(); }
    const std::string& problem() const { return problem_; }
    // Writes what is left and the final count, closes; then problem().
    const std::string& finish();

  private:
    bool flush();
    bool writeAt(const std::string& bytes, off_t at);
    void fail(int error);

    int fd_ = -1;
    std::string name_;
    std::string pending_;
    std::optional<VerdictRule> tailRule_;
    std::array<char, npyRuleBytes> ruleTail_{};
    int64_t written_ = 0; // records in the file
    bool finished_ = false;
    std::string problem_;
};

// Whether the file starts as a .npy file does.
bool isNpyFile(const std::string& file);

// Record `number` (1 for the first) of a cases .npy file, or an empty result
// with `error` saying why.
std::optional<VerdictCase> readNpyCase(const std::string& file, int64_t number, std::string& error);

} // namespace rca
