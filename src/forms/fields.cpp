#include "forms/fields.h"

#include <cctype>
#include <charconv>
#include <sstream>

namespace rca {

namespace {

// The whole text as one number, or FieldError.
template <class Parse> auto parseWhole(const std::string& s, Parse parse) {
    size_t used = 0;
    decltype(parse(s, &used)) v{};
    try {
        v = parse(s, &used);
    } catch (const std::exception&) {
        throw FieldError("not a number: " + s);
    }
    if (used != s.size()) throw FieldError("not a number: " + s);
    return v;
}

int64_t parseInt(const std::string& s) {
    return parseWhole(s, [](const std::string& t, size_t* used) { return std::stoll(t, used); });
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
        if (std::isdigit(static_cast<unsigned char>(ch))) return static_cast<CellState>(ch - '0');
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
    return {ref.substr(0, open), static_cast<int>(parseInt(inner))};
}

// Words of a printed row, one blank apart.
void addWord(std::string& out, bool first, const std::string& word) {
    if (!first) out += ' ';
    out += word;
}

} // namespace

template <class T> void Fields::addScalar(const std::string& name, T* v) {
    table_[name] = Entry{[v](std::optional<int> i) {
                             noIndex(i);
                             if constexpr (std::is_same_v<T, double>) {
                                 std::ostringstream os;
                                 os << *v;
                                 return os.str();
                             } else {
                                 return std::to_string(static_cast<int64_t>(*v));
                             }
                         },
                         [v](std::optional<int> i, const std::string& s) {
                             noIndex(i);
                             if constexpr (std::is_same_v<T, double>) {
                                 try {
                                     *v = std::stod(s);
                                 } catch (const std::exception&) {
                                     throw FieldError("not a number: " + s);
                                 }
                             } else {
                                 *v = static_cast<T>(parseInt(s));
                             }
                         }};
}

void Fields::add(const std::string& name, int32_t* v) {
    addScalar(name, v);
}
void Fields::add(const std::string& name, uint8_t* v) {
    addScalar(name, v);
}
void Fields::add(const std::string& name, bool* v) {
    addScalar(name, v);
}
void Fields::add(const std::string& name, uint32_t* v) {
    addScalar(name, v);
}
void Fields::add(const std::string& name, double* v) {
    addScalar(name, v);
}

void Fields::add(const std::string& name, Line* v) {
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
                  for (size_t c = 0; c < s.size(); ++c)
                      (*v)[c] = parseCell(s[c]);
              }};
}

void Fields::add(const std::string& name, CellInts* v) {
    table_[name] = Entry{[this, v](std::optional<int> i) {
                             if (i) return std::to_string((*v)[checkIndex(i, maxLineCells, "")]);
                             std::string out;
                             for (int c = 0; c < cells(); ++c)
                                 addWord(out, c == 0, std::to_string((*v)[c]));
                             return out;
                         },
                         [v](std::optional<int> i, const std::string& s) {
                             if (i) {
                                 (*v)[checkIndex(i, maxLineCells, "")] =
                                     static_cast<int32_t>(parseInt(s));
                                 return;
                             }
                             std::istringstream in(s);
                             std::string word;
                             int c = 0;
                             while (in >> word) {
                                 if (c >= maxLineCells) throw FieldError("more than 100 values");
                                 (*v)[c++] = static_cast<int32_t>(parseInt(word));
                             }
                         }};
}

void Fields::addGridImpl(const std::string& name, int rows, std::function<int64_t(int, int)> get,
                         std::function<void(int, int, int64_t)> put) {
    table_[name] = Entry{[this, rows, get](std::optional<int> i) {
                             int r = checkIndex(i, rows, "a grid");
                             std::string out;
                             for (int c = 0; c < cells(); ++c)
                                 addWord(out, c == 0, std::to_string(get(r, c)));
                             return out;
                         },
                         [rows, put](std::optional<int> i, const std::string& s) {
                             int r = checkIndex(i, rows, "a grid");
                             std::istringstream in(s);
                             std::string word;
                             int c = 0;
                             while (in >> word) {
                                 if (c >= maxLineCells) throw FieldError("more than 100 values");
                                 put(r, c++, parseInt(word));
                             }
                         },
                         rows};
}

void Fields::addListImpl(const std::string& name, int capacity, int32_t* count,
                         std::function<int64_t(int)> get, std::function<void(int, int64_t)> put) {
    table_[name] = Entry{[capacity, count, get](std::optional<int> i) {
                             if (i) return std::to_string(get(checkIndex(i, capacity, "")));
                             std::string out;
                             int n = std::min(std::max(*count, 0), capacity);
                             for (int k = 0; k < n; ++k)
                                 addWord(out, k == 0, std::to_string(get(k)));
                             return out;
                         },
                         [capacity, put](std::optional<int> i, const std::string& s) {
                             put(checkIndex(i, capacity, "a list"), parseInt(s));
                         }};
}

// The shortest text that reads back as the same double.
std::string Fields::formatNumber(double v) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, end) : std::string("nan");
}

double Fields::parseDouble(const std::string& s) {
    return parseWhole(s, [](const std::string& t, size_t* used) { return std::stod(t, used); });
}

int64_t Fields::parseInteger(const std::string& s) {
    return parseInt(s);
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
