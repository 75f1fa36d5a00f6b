#pragma once
// Model values by name, for the script's `print` and `set`. Arrays print over
// cells 0 .. lineLength - 1; `NAME[i]` is one element, or one row of a grid.
#include "state/cell.h"
#include "state/picture_state.h"

#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace rca {

struct FieldError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The values `set` accepts for a number: what its storage type holds unless
// the value has narrower bounds of its own. Doubles are finite besides.
struct Range {
    double lo, hi;
    template <class T> static constexpr Range of() {
        if constexpr (std::is_same_v<T, bool>)
            return {0, 1};
        else if constexpr (std::is_floating_point_v<T>)
            return {std::numeric_limits<T>::lowest(), std::numeric_limits<T>::max()};
        else
            return {static_cast<double>(std::numeric_limits<T>::min()),
                    static_cast<double>(std::numeric_limits<T>::max())};
    }
};

// What a value holds, for callers that want it typed rather than printed.
enum class FieldKind { Flag, Whole, Real, Cells, Wholes, Reals, Grid };

class Fields {
  public:
    // `length` gives the number of cells printed for line and cell arrays.
    explicit Fields(std::function<int()> length) : length_(std::move(length)) {}

    template <class T> void add(const std::string& name, T* v, Range r = Range::of<T>()) {
        static_assert(std::is_arithmetic_v<T>);
        kinds_[name] = std::is_same_v<T, bool>       ? FieldKind::Flag
                       : std::is_floating_point_v<T> ? FieldKind::Real
                                                     : FieldKind::Whole;
        addScalar(
            name,
            [v] {
                if constexpr (std::is_floating_point_v<T>)
                    return formatScalar(*v);
                else
                    return formatNumber(*v);
            },
            [v, name, r](const std::string& s) { *v = parseNumberAs<T>(name, s, r); });
    }
    void add(const std::string& name, Line* v);
    void add(const std::string& name, CellInts* v, Range r = Range::of<int32_t>());
    template <class T, size_t N>
    void addGrid(const std::string& name, std::array<std::array<T, maxLineCells>, N>* g,
                 Range r = Range::of<T>()) {
        kinds_[name] = FieldKind::Grid;
        addGridImpl(
            name, N, [g](int row, int c) { return formatNumber((*g)[row][c]); },
            [name, r](const std::string& s) {
                return static_cast<int64_t>(parseNumberAs<T>(name, s, r));
            },
            [g](int row, int c, int64_t v) { (*g)[row][c] = static_cast<T>(v); });
    }
    // A list with its own count (point lists).
    template <class T, size_t N>
    void addList(const std::string& name, std::array<T, N>* list, int32_t* count,
                 Range r = Range::of<T>()) {
        kinds_[name] = rowKind<T>();
        addListImpl(
            name, N, count, [list](int i) { return formatNumber((*list)[i]); },
            [list, name, r](int i, const std::string& s) {
                (*list)[i] = parseNumberAs<T>(name, s, r);
            });
    }

    // A fixed-size array of numbers (integers or doubles): the whole array
    // prints as one line, NAME[i] is one element.
    template <class T, size_t N>
    void addArray(const std::string& name, std::array<T, N>* a, Range r = Range::of<T>()) {
        kinds_[name] = rowKind<T>();
        addArrayImpl(
            name, static_cast<int>(N), [a](int i) { return formatNumber((*a)[i]); },
            [a, name, r](int i, const std::string& s) { (*a)[i] = parseNumberAs<T>(name, s, r); });
    }

    bool has(const std::string& name) const;
    // Every value's name, in order.
    std::vector<std::string> names() const;
    // The number of rows of a grid (which prints a row at a time), 0 for
    // any other value.
    int gridRows(const std::string& name) const;
    // The kind of NAME (an index is ignored); nothing for an unknown name.
    std::optional<FieldKind> kind(const std::string& ref) const;
    // NAME or NAME[i]. Throws FieldError with a readable reason.
    std::string print(const std::string& ref) const;
    void set(const std::string& ref, const std::string& value);

  private:
    struct Entry {
        std::function<std::string(std::optional<int>)> print;
        std::function<void(std::optional<int>, const std::string&)> set;
        int gridRows = 0;
    };
    void addScalar(const std::string& name, std::function<std::string()> get,
                   std::function<void(const std::string&)> put);
    // A row is parsed whole before any of it is written; `parse` has
    // checked each value fits, so `put` stores it as it is.
    void addGridImpl(const std::string& name, int rows, std::function<std::string(int, int)> get,
                     std::function<int64_t(const std::string&)> parse,
                     std::function<void(int, int, int64_t)> put);
    void addListImpl(const std::string& name, int capacity, int32_t* count,
                     std::function<std::string(int)> get,
                     std::function<void(int, const std::string&)> put);
    void addArrayImpl(const std::string& name, int size, std::function<std::string(int)> get,
                      std::function<void(int, const std::string&)> put);
    static std::string formatNumber(double v);
    // Six significant digits, as scalars have always printed.
    static std::string formatScalar(double v);
    static std::string formatNumber(int64_t v) { return std::to_string(v); }
    template <class T> static std::string formatNumber(T v) {
        return formatNumber(static_cast<int64_t>(v));
    }
    // The whole text as a number inside `r`, or FieldError naming the value.
    static double parseDouble(const std::string& name, const std::string& s, Range r);
    static int64_t parseInteger(const std::string& name, const std::string& s, Range r);
    template <class T>
    static T parseNumberAs(const std::string& name, const std::string& s, Range r) {
        if constexpr (std::is_floating_point_v<T>)
            return static_cast<T>(parseDouble(name, s, r));
        else
            return static_cast<T>(parseInteger(name, s, r));
    }
    const Entry& entry(const std::string& name) const;
    template <class T> static constexpr FieldKind rowKind() {
        return std::is_floating_point_v<T> ? FieldKind::Reals : FieldKind::Wholes;
    }
    int cells() const { return boundedLength(length_()); }

    std::function<int()> length_;
    std::map<std::string, Entry> table_;
    std::map<std::string, FieldKind> kinds_;
};

} // namespace rca
