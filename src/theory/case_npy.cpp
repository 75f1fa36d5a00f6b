#include "theory/case_npy.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace rca {

namespace {

const char npyMagic[] = "\x93NUMPY";
constexpr size_t magicBytes = 6;
// Room for any count: the header is rewritten in place at the end.
constexpr size_t headerBytes = 320;
constexpr size_t chunkBytes = 64 * 1024;
constexpr int64_t largestStep = INT32_MAX - 1;

// Little-endian whatever the machine.
template <class T> void put(char*& out, T v) {
    using U = std::make_unsigned_t<T>;
    const auto u = static_cast<U>(v);
    for (size_t k = 0; k < sizeof(T); ++k)
        *out++ = static_cast<char>((u >> (8 * k)) & 0xff);
}

template <class T> T get(const unsigned char*& p) {
    using U = std::make_unsigned_t<T>;
    U u = 0;
    for (size_t k = 0; k < sizeof(T); ++k)
        u = static_cast<U>(u | static_cast<U>(U{p[k]} << (8 * k)));
    p += sizeof(T);
    return static_cast<T>(u);
}

uint16_t maskWord(const std::array<bool, maxDistance + 1>& side) {
    uint16_t bits = 0;
    for (int d = 1; d <= maxDistance; ++d)
        if (side[d]) bits = static_cast<uint16_t>(bits | (1u << (d - 1)));
    return bits;
}

// Version 1.0: magic, 1, 0, the header's length, the header ending in '\n'.
std::string header(int64_t count) {
    std::string text = "{'descr': " + npyCaseDescr() + ", 'fortran_order': False, 'shape': (" +
                       std::to_string(count) + ",), }";
    text.resize(headerBytes - magicBytes - 4 - 1, ' ');
    char length[2];
    char* at = length;
    put(at, static_cast<uint16_t>(text.size() + 1));
    return std::string(npyMagic, magicBytes) + '\x01' + '\x00' + std::string(length, 2) + text +
           '\n';
}

// The record's last bytes, which come from the rule alone.
std::array<char, npyRuleBytes> ruleBytesOf(const VerdictRule& rule) {
    std::array<char, npyRuleBytes> bytes;
    char* at = bytes.data();
    put(at, maskWord(rule.mask.left));
    put(at, maskWord(rule.mask.right));
    put(at, static_cast<uint8_t>(rule.borderMode == 0 ? 0 : 1));
    put(at, rule.stepLimit);
    return bytes;
}

bool sameRule(const VerdictRule& a, const VerdictRule& b) {
    return a.mask.left == b.mask.left && a.mask.right == b.mask.right &&
           a.borderMode == b.borderMode && a.stepLimit == b.stepLimit;
}

void appendRecord(std::string& out, const VerdictCase& c,
                  const std::array<char, npyRuleBytes>& ruleTail) {
    char record[npyCaseBytes];
    char* at = record;
    put(at, static_cast<uint64_t>(c.bCells));
    put(at, static_cast<uint64_t>(c.bCells >> 64));
    put(at, static_cast<uint8_t>(c.length));
    put(at, static_cast<uint8_t>(c.verdict));
    put(at, c.endStep);
    put(at, static_cast<int16_t>(c.row));
    put(at, static_cast<int16_t>(c.column));
    std::copy(ruleTail.begin(), ruleTail.end(), at);
    out.append(record, npyCaseBytes);
}

std::optional<VerdictCase> fail(std::string& error, const std::string& why) {
    error = why;
    return std::nullopt;
}

bool readMask(uint16_t bits, std::array<bool, maxDistance + 1>& side) {
    if (bits >> maxDistance) return false;
    for (int d = 1; d <= maxDistance; ++d)
        side[d] = (bits >> (d - 1)) & 1;
    return true;
}

// -1 (none) or lo..hi.
bool inRange(int64_t v, int64_t lo, int64_t hi) {
    return v == -1 || (v >= lo && v <= hi);
}

std::optional<VerdictCase> decode(const unsigned char* p, std::string& error) {
    VerdictCase c;
    const auto low = get<uint64_t>(p), high = get<uint64_t>(p);
    c.bCells = (CellBits{high} << 64) | low;
    c.length = get<uint8_t>(p);
    const uint8_t verdict = get<uint8_t>(p);
    c.endStep = get<int32_t>(p);
    c.row = get<int16_t>(p);
    c.column = get<int16_t>(p);
    const auto left = get<uint16_t>(p), right = get<uint16_t>(p);
    const uint8_t border = get<uint8_t>(p);
    c.rule.stepLimit = get<int32_t>(p);
    if (c.length < 1 || c.length > maxLineCells) return fail(error, "length is not in 1..100");
    if ((c.bCells >> c.length) != 0)
        return fail(error, "cells holds B cells past the line's length");
    if (verdict > static_cast<uint8_t>(Verdict::Timeout))
        return fail(error, "verdict is not 0 (OK!!), 1 (NOT) or 2 (timeout)");
    c.verdict = static_cast<Verdict>(verdict);
    c.rule.mask = NeighbourMask{};
    if (!readMask(left, c.rule.mask.left) || !readMask(right, c.rule.mask.right))
        return fail(error, "leftMask or rightMask holds a distance past 11");
    if (border > 1) return fail(error, "border is not 0 (frozen) or 1 (circle)");
    c.rule.borderMode = border;
    if (c.rule.stepLimit < 0 || c.rule.stepLimit > largestStep ||
        !inRange(c.endStep, 0, largestStep) || !inRange(c.row, 0, largestStep) ||
        !inRange(c.column, 0, maxLineCells - 1))
        return fail(error, "stepLimit, endStep, row or column is out of range");
    return c;
}

std::string withoutSpaces(std::string s) {
    s.erase(std::remove_if(s.begin(), s.end(), [](char ch) { return ch == ' ' || ch == '\n'; }),
            s.end());
    return s;
}

// The record count the header gives, or -1 when it is not our dtype.
int64_t headerCount(const std::string& text) {
    const std::string h = withoutSpaces(text);
    if (h.find("'descr':" + withoutSpaces(npyCaseDescr()) + ",") == std::string::npos ||
        h.find("'fortran_order':False") == std::string::npos)
        return -1;
    const std::string key = "'shape':(";
    size_t at = h.find(key);
    if (at == std::string::npos) return -1;
    at += key.size();
    int64_t n = 0;
    size_t digits = 0;
    for (; at < h.size() && h[at] >= '0' && h[at] <= '9' && digits < 15; ++at, ++digits)
        n = n * 10 + (h[at] - '0');
    return digits > 0 && h.compare(at, 2, ",)") == 0 ? n : -1;
}

} // namespace

bool isNpyName(const std::string& file) {
    return file.size() >= 4 && file.compare(file.size() - 4, 4, ".npy") == 0;
}

const std::string& npyCaseDescr() {
    static const std::string descr =
        "[('cells', '<u8', (2,)), ('length', '|u1'), ('verdict', '|u1'), ('endStep', '<i4'), "
        "('row', '<i2'), ('column', '<i2'), ('leftMask', '<u2'), ('rightMask', '<u2'), "
        "('border', '|u1'), ('stepLimit', '<i4')]";
    return descr;
}

NpyCasesWriter::NpyCasesWriter(const std::filesystem::path& file) : name_(file.string()) {
    fd_ = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0)
        fail(errno);
    else
        writeAt(header(0), 0);
    pending_.reserve(chunkBytes + npyCaseBytes);
}

NpyCasesWriter::~NpyCasesWriter() {
    if (fd_ >= 0) ::close(fd_);
}

bool NpyCasesWriter::add(const VerdictCase& c) {
    if (failed() || finished_) return false;
    // A run's cases share their rule: its bytes are made once.
    if (!tailRule_ || !sameRule(*tailRule_, c.rule)) {
        tailRule_ = c.rule;
        ruleTail_ = ruleBytesOf(c.rule);
    }
    appendRecord(pending_, c, ruleTail_);
    return pending_.size() < chunkBytes || flush();
}

bool NpyCasesWriter::flush() {
    if (failed() || pending_.empty()) return !failed();
    const auto at = static_cast<off_t>(headerBytes + written_ * npyCaseBytes);
    const bool ok = writeAt(pending_, at);
    if (ok) written_ += static_cast<int64_t>(pending_.size() / npyCaseBytes);
    pending_.clear();
    return ok;
}

// All of `bytes` at `at`; a part written is taken back, so the file never
// ends in part of a record.
bool NpyCasesWriter::writeAt(const std::string& bytes, off_t at) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd_, bytes.data() + done, bytes.size() - done, at + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            if (done > 0 && at >= static_cast<off_t>(headerBytes)) (void)::ftruncate(fd_, at);
            fail(error);
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

const std::string& NpyCasesWriter::finish() {
    if (finished_ || fd_ < 0) return problem_;
    finished_ = true;
    flush();
    // After a failed write too: the count is what the file holds.
    const std::string problem = problem_;
    problem_.clear();
    writeAt(header(written_), 0);
    if (!problem.empty()) problem_ = problem;
    if (::close(fd_) != 0 && !failed()) fail(errno);
    fd_ = -1;
    return problem_;
}

void NpyCasesWriter::fail(int error) {
    if (problem_.empty()) problem_ = "writing " + name_ + " failed: " + std::strerror(error);
    pending_.clear();
}

bool isNpyFile(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    char magic[magicBytes] = {};
    return in.read(magic, magicBytes) && std::memcmp(magic, npyMagic, magicBytes) == 0;
}

std::optional<VerdictCase> readNpyCase(const std::string& file, int64_t number,
                                       std::string& error) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return fail(error, "cannot read " + file);
    unsigned char pre[12] = {};
    if (!in.read(reinterpret_cast<char*>(pre), 10) || std::memcmp(pre, npyMagic, magicBytes) != 0)
        return fail(error, file + " is not a .npy file");
    const unsigned char* p = pre + 8;
    size_t length = get<uint16_t>(p), start = 10;
    if (pre[6] == 2 || pre[6] == 3) { // a four-byte header length
        if (!in.read(reinterpret_cast<char*>(pre + 10), 2))
            return fail(error, file + " is cut short in its header");
        p = pre + 8;
        length = get<uint32_t>(p);
        start = 12;
    } else if (pre[6] != 1) {
        return fail(error, file + " is a .npy file of an unknown version");
    }
    if (length > 65536) return fail(error, file + " has a header too long for a cases file");
    std::string text(length, '\0');
    if (!in.read(text.data(), static_cast<std::streamsize>(length)))
        return fail(error, file + " is cut short in its header");
    const int64_t count = headerCount(text);
    if (count < 0)
        return fail(error, file +
                               " is not a cases file of rcalab-cli verdicts (its dtype "
                               "or shape is not " +
                               npyCaseDescr() + ", (N,))");
    if (number < 1 || number > count)
        return fail(error, file + " has no case " + std::to_string(number) + " (it holds " +
                               std::to_string(count) + ")");
    unsigned char bytes[npyCaseBytes];
    in.seekg(static_cast<std::streamoff>(start + length) +
             static_cast<std::streamoff>(number - 1) * static_cast<std::streamoff>(npyCaseBytes));
    if (!in.read(reinterpret_cast<char*>(bytes), npyCaseBytes))
        return fail(error,
                    file + " is cut short: case " + std::to_string(number) + " is not all there");
    std::optional<VerdictCase> c = decode(bytes, error);
    if (!c) error = file + " case " + std::to_string(number) + ": " + error;
    return c;
}

} // namespace rca
