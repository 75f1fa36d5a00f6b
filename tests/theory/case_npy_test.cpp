// Cases as NumPy records: every field through a file and back, and files
// that are short, corrupt or not ours refused with the reason, reading no
// byte past the end.
#include "theory/case_npy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace rca {
namespace {

std::string scratch(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            (name + "-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ".npy"))
        .string();
}

std::vector<VerdictCase> someCases() {
    VerdictCase longest; // every field at its widest
    longest.length = maxLineCells;
    longest.bCells = (CellBits{1} << 99) | (CellBits{1} << 64) | 5;
    longest.rule.mask = NeighbourMask{};
    longest.rule.mask.left[11] = longest.rule.mask.right[1] = true;
    longest.rule.borderMode = 0;
    longest.rule.stepLimit = INT32_MAX - 1;
    longest.endStep = INT32_MAX - 1;
    longest.row = 1023;
    longest.column = 99;
    VerdictCase timeout;
    timeout.length = 6;
    timeout.verdict = Verdict::Timeout;
    VerdictCase ok = timeout;
    ok.verdict = Verdict::Ok;
    ok.endStep = 3;
    return {longest, timeout, ok};
}

std::string bytesOf(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::string& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(CaseNpy, RecordsReadBackAsWrittenAndTheCountBoundsTheNumber) {
    const std::string file = scratch("rcalab-npy");
    NpyCasesWriter writer(file);
    const std::vector<VerdictCase> cases = someCases();
    for (const VerdictCase& c : cases)
        ASSERT_TRUE(writer.add(c));
    ASSERT_EQ(writer.finish(), "");
    EXPECT_EQ(std::filesystem::file_size(file), 320 + cases.size() * npyCaseBytes);
    std::string error;
    for (size_t n = 1; n <= cases.size(); ++n) {
        const std::optional<VerdictCase> c = readCase(file, static_cast<int64_t>(n), error);
        ASSERT_TRUE(c) << error;
        EXPECT_EQ(caseLine(*c), caseLine(cases[n - 1]));
    }
    EXPECT_FALSE(readNpyCase(file, 4, error));
    EXPECT_NE(error.find("has no case 4 (it holds 3)"), std::string::npos) << error;
    std::filesystem::remove(file);
}

TEST(CaseNpy, ShortCorruptOrForeignFilesAreRefusedWithTheReason) {
    const std::string file = scratch("rcalab-npy-bad");
    NpyCasesWriter writer(file);
    for (const VerdictCase& c : someCases())
        writer.add(c);
    writer.finish();
    const std::string good = bytesOf(file);
    const size_t third = 320 + 2 * npyCaseBytes; // where the third record starts
    auto withByte = [&](size_t at, char value) {
        std::string b = good;
        b[at] = value;
        return b;
    };
    std::string foreign = good;
    foreign.replace(foreign.find("'<u8', (2,)"), 11, "'<f8', (2,)");
    const struct {
        std::string bytes;
        int64_t number;
        std::string why;
    } bad[] = {
        {good.substr(0, third + 20), 3, "cut short: case 3 is not all there"},
        {good.substr(0, 8), 1, "is not a .npy file"},
        {good.substr(0, 100), 1, "cut short in its header"},
        {foreign, 1, "not a cases file of rcalab-cli verdicts"},
        {withByte(6, 9), 1, "unknown version"},
        {withByte(third + 17, 7), 3, "verdict is not 0"},                  // verdict
        {withByte(third + 16, 0), 3, "length is not in 1..100"},           // length
        {withByte(third + 2, 1), 3, "past the line's length"},             // cell 17 of 6
        {withByte(third + 27, 8), 3, "distance past 11"},                  // leftMask bit 12
        {withByte(third + 30, 2), 3, "border is not 0"},                   // border
        {withByte(third + 25, 2), 3, "stepLimit, endStep, row or column"}, // column 2 << 8
    };
    std::string error;
    for (const auto& [bytes, number, why] : bad) {
        writeBytes(file, bytes);
        EXPECT_FALSE(readCase(file, number, error)) << why;
        EXPECT_NE(error.find(why), std::string::npos) << error;
    }
    // A cut record leaves the whole ones before it readable.
    writeBytes(file, good.substr(0, third + 20));
    EXPECT_TRUE(readCase(file, 2, error)) << error;
    std::filesystem::remove(file);
}

TEST(CaseNpy, AWriteTheDeviceRefusesIsReported) {
    NpyCasesWriter full("/dev/full");
    EXPECT_FALSE(full.add(someCases()[0]));
    EXPECT_EQ(full.finish(), "writing /dev/full failed: No space left on device");
}

} // namespace
} // namespace rca
