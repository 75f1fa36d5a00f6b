#include "theory/case_file.h"

#include "io/regular_file.h"
#include "theory/case_npy.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fstream>

namespace rca {

namespace {

std::string numberOrNull(int32_t v) {
    return v < 0 ? "null" : std::to_string(v);
}

std::string distances(const std::array<bool, maxDistance + 1>& side) {
    std::string out = "[";
    for (int d = 1; d <= maxDistance; ++d)
        if (side[d]) out += (out.size() > 1 ? ", " : "") + std::to_string(d);
    return out + "]";
}

bool readDistances(const QJsonValue& v, std::array<bool, maxDistance + 1>& side) {
    if (!v.isArray()) return false;
    for (const QJsonValue& d : v.toArray()) {
        const int n = d.toInt(0);
        if (!d.isDouble() || n < 1 || n > maxDistance) return false;
        side[n] = true;
    }
    return true;
}

// A whole number in lo..hi, or null (-1) where that is allowed.
bool readWhole(const QJsonObject& o, const char* key, int64_t lo, int64_t hi, bool nullable,
               int32_t& out) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (nullable && (v.isNull() || v.isUndefined())) {
        out = -1;
        return true;
    }
    const double d = v.toDouble(-1.0);
    if (!v.isDouble() || d != static_cast<double>(static_cast<int64_t>(d)) || d < lo || d > hi)
        return false;
    out = static_cast<int32_t>(d);
    return true;
}

std::optional<VerdictCase> fail(std::string& error, const std::string& why) {
    error = why;
    return std::nullopt;
}

} // namespace

std::string caseLine(const VerdictCase& c) {
    std::string line;
    const int n = boundedLength(c.length);
    for (int i = 0; i < n; ++i)
        line.push_back((c.bCells >> i) & 1 ? 'B' : 'A');
    return "{\"length\": " + std::to_string(n) + ", \"line\": \"" + line + "\", \"verdict\": \"" +
           verdictText(c.verdict) + "\", \"mask\": {\"left\": " + distances(c.rule.mask.left) +
           ", \"right\": " + distances(c.rule.mask.right) + "}, \"border\": \"" +
           (c.rule.borderMode == 0 ? "frozen" : "circle") +
           "\", \"stepLimit\": " + std::to_string(c.rule.stepLimit) +
           ", \"endStep\": " + numberOrNull(c.endStep) + ", \"row\": " + numberOrNull(c.row) +
           ", \"column\": " + numberOrNull(c.column) + "}";
}

std::optional<VerdictCase> parseCaseLine(const std::string& text, std::string& error) {
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject())
        return fail(error, "not a JSON object");
    const QJsonObject o = doc.object();
    VerdictCase c;
    if (!readWhole(o, "length", 1, maxLineCells, false, c.length))
        return fail(error, "\"length\" is not a whole number in 1..100");
    const std::string cells = o.value("line").toString().toStdString();
    if (static_cast<int32_t>(cells.size()) != c.length)
        return fail(error, "\"line\" does not hold \"length\" cells");
    for (int i = 0; i < c.length; ++i) {
        if (cells[i] == 'B')
            c.bCells |= CellBits{1} << i;
        else if (cells[i] != 'A')
            return fail(error, "\"line\" holds a cell other than A or B; a trial starts from "
                               "A and B cells only");
    }
    const std::string verdict = o.value("verdict").toString().toStdString();
    if (verdict == verdictText(Verdict::Ok))
        c.verdict = Verdict::Ok;
    else if (verdict == verdictText(Verdict::Timeout))
        c.verdict = Verdict::Timeout;
    else if (verdict != verdictText(Verdict::Not))
        return fail(error, "\"verdict\" is not \"OK!!\", \"NOT\" or \"timeout\"");
    const QJsonObject mask = o.value("mask").toObject();
    c.rule.mask = NeighbourMask{};
    if (!readDistances(mask.value("left"), c.rule.mask.left) ||
        !readDistances(mask.value("right"), c.rule.mask.right))
        return fail(error, "\"mask\" is not {\"left\": [distances], \"right\": [distances]}");
    const QString border = o.value("border").toString();
    if (border != "circle" && border != "frozen")
        return fail(error, "\"border\" is not \"circle\" or \"frozen\"");
    c.rule.borderMode = border == "circle" ? 1 : 0;
    const int64_t big = INT32_MAX - 1;
    if (!readWhole(o, "stepLimit", 0, big, false, c.rule.stepLimit) ||
        !readWhole(o, "endStep", 0, big, true, c.endStep) ||
        !readWhole(o, "row", 0, big, true, c.row) ||
        !readWhole(o, "column", 0, maxLineCells - 1, true, c.column))
        return fail(error, "\"stepLimit\", \"endStep\", \"row\" or \"column\" is not a whole "
                           "number in range");
    return c;
}

std::optional<VerdictCase> readCase(const std::string& file, int64_t number, std::string& error) {
    // A pipe or folder named by mistake must not hold the window.
    if (RegularFile probe(file, RegularFile::Access::Read); !probe.isOpen())
        return fail(error, "cannot read " + file + ": " + probe.problem());
    if (isNpyFile(file)) return readNpyCase(file, number, error);
    std::ifstream in(file);
    if (!in) return fail(error, "cannot read " + file);
    std::string text;
    for (int64_t n = 1; std::getline(in, text); ++n) {
        if (n < number) continue;
        std::optional<VerdictCase> c = parseCaseLine(text, error);
        if (!c) error = file + " line " + std::to_string(n) + ": " + error;
        return c;
    }
    return fail(error, file + " has no case " + std::to_string(number));
}

bool splitCaseReference(const std::string& text, std::string& file, int64_t& number) {
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon + 1 >= text.size()) return false;
    int64_t n = 0;
    for (size_t i = colon + 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9' || n > INT32_MAX) return false;
        n = n * 10 + (text[i] - '0');
    }
    if (n < 1) return false;
    file = text.substr(0, colon);
    number = n;
    return true;
}

} // namespace rca
