#include "forms/fields.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

namespace rca {

namespace {

// The whole text as one number. Throws FieldError, or std::out_of_range for
// a number too large for the type.
template <class Parse> auto parseWhole(const std::string& s, Parse parse) {
    size_t used = 0;
    decltype(parse(s, &used)) v{};
    try {
        v = parse(s, &used);
    } catch (const std::invalid_argument&) {
        throw FieldError("not a number: " + s);
    }
    if (used != s.size()) throw FieldError("not a number: " + s);
    return v;
}

int64_t parseInt(const std::string& s) {
    try {
        return parseWhole(s,
                          [](const std::string& t, size_t* used) { return std::stoll(t, used); });
    } catch (const std::out_of_range&) {
        throw FieldError("not a number: " + s);
    }
}

std::string boundText(double v) {
    std::ostringstream os;
    os.precision(17);
    os << v;
    return os.str();
}

[[noreturn]] void outside(const std::string& name, const std::string& s, Range r) {
    throw FieldError(name + " takes " + boundText(r.lo) + " .. " + boundText(r.hi) + ", not " + s);
}

CellState parseCell(char ch) {
    switch (std::toupper(static_cast<unsigned char>(ch))) {
    case 'C':
        return C;
    case 'B':
        return B;
    case 'A':
        return A;
    default:
        if (ch >= '0' && ch <= '2') return static_cast<CellState>(ch - '0');
        throw FieldError(std::string("not a cell letter: ") + ch);
    }
}

int checkIndex(std::optional<int> i, int limit, const std::string& what) {
    if (!i) throw FieldError(what + " needs an index");
    if (*i < 0 || *i >= limit)
        throw FieldError("index " + std::to_string(*i) + " outside 0.." +
                         std::to_string(limit - 1));
    return *i;
}

void noIndex(std::optional<int> i) {
    if (i) throw FieldError("this value takes no index");
}

// Splits "name[3]" into name and index.
std::pair<std::string, std::optional<int>> splitRef(const std::string& ref) {
    auto open = ref.find('[');
    if (open == std::string::npos) return {ref, std::nullopt};
    if (ref.back() != ']') throw FieldError("malformed reference: " + ref);
    std::string inner = ref.substr(open + 1, ref.size() - open - 2);
    const int64_t index = parseInt(inner);
    if (index < std::numeric_limits<int>::min() || index > std::numeric_limits<int>::max())
        throw FieldError("index " + inner + " is out of range");
    return {ref.substr(0, open), static_cast<int>(index)};
}

// Words of a printed row, one blank apart.
void addWord(std::string& out, bool first, const std::string& word) {
    if (!first) out += ' ';
    out += word;
}

} // namespace

void Fields::addScalar(const std::string& name, std::function<std::string()> get,
                       std::function<void(const std::string&)> put) {
    table_[name] = Entry{[get](std::optional<int> i) {
                             noIndex(i);
                             return get();
                         },
                         [put](std::optional<int> i, const std::string& s) {
                             noIndex(i);
                             put(s);
                         }};
}

void Fields::add(const std::string& name, Line* v) {
    kinds_[name] = FieldKind::Cells;
    table_[name] =
        Entry{[this, v](std::optional<int> i) {
                  if (i) return std::string(1, cellLetter((*v)[checkIndex(i, maxLineCells, "")]));
                  std::string out;
                  for (int c = 0; c < cells(); ++c)
                      out += cellLetter((*v)[c]);
                  return out;
              },
              [v](std::optional<int> i, const std::string& s) {
                  if (i) {
                      if (s.size() != 1) throw FieldError("one cell takes one letter");
                      (*v)[checkIndex(i, maxLineCells, "")] = parseCell(s[0]);
                      return;
                  }
                  if (s.size() > maxLineCells) throw FieldError("more than 100 cells");
                  Line cells = *v;
                  for (size_t c = 0; c < s.size(); ++c)
                      cells[c] = parseCell(s[c]);
                  *v = cells;
              }};
}

void Fields::add(const std::string& name, CellInts* v, Range r) {
    kinds_[name] = FieldKind::Wholes;
    table_[name] = Entry{[this, v](std::optional<int> i) {
                             if (i) return std::to_string((*v)[checkIndex(i, maxLineCells, "")]);
                             std::string out;
                             for (int c = 0; c < cells(); ++c)
                                 addWord(out, c == 0, std::to_string((*v)[c]));
                             return out;
                         },
                         [v, name, r](std::optional<int> i, const std::string& s) {
                             if (i) {
                                 (*v)[checkIndex(i, maxLineCells, "")] =
                                     parseNumberAs<int32_t>(name, s, r);
                                 return;
                             }
                             // Every word is checked before any cell changes.
                             std::istringstream in(s);
                             std::vector<int32_t> values;
                             for (std::string word; in >> word;) {
                                 if (values.size() >= maxLineCells)
                                     throw FieldError("more than 100 values");
                                 values.push_back(parseNumberAs<int32_t>(name, word, r));
                             }
                             std::copy(values.begin(), values.end(), v->begin());
                         }};
}

void Fields::addGridImpl(const std::string& name, int rows,
                         std::function<std::string(int, int)> get,
                         std::function<int64_t(const std::string&)> parse,
                         std::function<void(int, int, int64_t)> put) {
    table_[name] = Entry{[this, rows, get](std::optional<int> i) {
                             int r = checkIndex(i, rows, "a grid");
                             std::string out;
                             for (int c = 0; c < cells(); ++c)
                                 addWord(out, c == 0, get(r, c));
                             return out;
                         },
                         [rows, parse, put](std::optional<int> i, const std::string& s) {
                             int r = checkIndex(i, rows, "a grid");
                             std::istringstream in(s);
                             std::vector<int64_t> values;
                             for (std::string word; in >> word;) {
                                 if (values.size() >= maxLineCells)
                                     throw FieldError("more than 100 values");
                                 values.push_back(parse(word));
                             }
                             for (size_t c = 0; c < values.size(); ++c)
                                 put(r, static_cast<int>(c), values[c]);
                         },
                         rows};
}

void Fields::addListImpl(const std::string& name, int capacity, int32_t* count,
                         std::function<std::string(int)> get,
                         std::function<void(int, const std::string&)> put) {
    table_[name] = Entry{[capacity, count, get](std::optional<int> i) {
                             if (i) return get(checkIndex(i, capacity, ""));
                             std::string out;
                             int n = std::min(std::max(*count, 0), capacity);
                             for (int k = 0; k < n; ++k)
                                 addWord(out, k == 0, get(k));
                             return out;
                         },
                         [capacity, put](std::optional<int> i, const std::string& s) {
                             put(checkIndex(i, capacity, "a list"), s);
                         }};
}

// The shortest text that reads back as the same double.
std::string Fields::formatNumber(double v) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, end) : std::string("nan");
}

std::string Fields::formatScalar(double v) {
    std::ostringstream os;
    os << v;
    return os.str();
}

double Fields::parseDouble(const std::string& name, const std::string& s, Range r) {
    double v = 0;
    try {
        v = parseWhole(s, [](const std::string& t, size_t* used) { return std::stod(t, used); });
    } catch (const std::out_of_range&) {
        outside(name, s, r);
    }
    if (!std::isfinite(v) || v < r.lo || v > r.hi) outside(name, s, r);
    return v;
}

int64_t Fields::parseInteger(const std::string& name, const std::string& s, Range r) {
    int64_t v = 0;
    try {
        v = parseWhole(s, [](const std::string& t, size_t* used) { return std::stoll(t, used); });
    } catch (const std::out_of_range&) {
        outside(name, s, r);
    }
    if (static_cast<double>(v) < r.lo || static_cast<double>(v) > r.hi) outside(name, s, r);
    return v;
}

void Fields::addArrayImpl(const std::string& name, int size, std::function<std::string(int)> get,
                          std::function<void(int, const std::string&)> put) {
    table_[name] = Entry{[size, get](std::optional<int> i) {
                             if (i) return get(checkIndex(i, size, ""));
                             std::string out;
                             for (int k = 0; k < size; ++k)
                                 addWord(out, k == 0, get(k));
                             return out;
                         },
                         [size, put](std::optional<int> i, const std::string& s) {
                             put(checkIndex(i, size, "an array"), s);
                         }};
}

int Fields::gridRows(const std::string& name) const {
    auto it = table_.find(name);
    return it == table_.end() ? 0 : it->second.gridRows;
}

std::vector<std::string> Fields::names() const {
    std::vector<std::string> out;
    for (const auto& [name, entry] : table_)
        out.push_back(name);
    return out;
}

std::optional<FieldKind> Fields::kind(const std::string& ref) const {
    // A malformed reference has no kind: reading it is what reports the fault.
    auto it = kinds_.find(ref.substr(0, ref.find('[')));
    if (it == kinds_.end()) return std::nullopt;
    return it->second;
}

bool Fields::has(const std::string& name) const {
    return table_.count(splitRef(name).first) != 0;
}

const Fields::Entry& Fields::entry(const std::string& name) const {
    auto it = table_.find(name);
    if (it == table_.end()) throw FieldError("unknown value: " + name);
    return it->second;
}

std::string Fields::print(const std::string& ref) const {
    auto [name, index] = splitRef(ref);
    return entry(name).print(index);
}

void Fields::set(const std::string& ref, const std::string& value) {
    auto [name, index] = splitRef(ref);
    entry(name).set(index, value);
}

} // namespace rca
