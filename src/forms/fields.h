#pragma once
// Model values by name, for the script's `print` and `set`. Arrays print over
// cells 0 .. lineLength - 1; `NAME[i]` is one element, or one row of a grid.
#include "state/cell.h"
#include "state/picture_state.h"

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

namespace rca {

struct FieldError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Fields {
  public:
    // `length` gives the number of cells printed for line and cell arrays.
    explicit Fields(std::function<int()> length) : length_(std::move(length)) {}

    void add(const std::string& name, int32_t* v);
    void add(const std::string& name, uint8_t* v);
    void add(const std::string& name, bool* v);
    void add(const std::string& name, uint32_t* v);
    void add(const std::string& name, double* v);
    void add(const std::string& name, Line* v);
    void add(const std::string& name, CellInts* v);
    template <class T, size_t N>
    void addGrid(const std::string& name, std::array<std::array<T, maxLineCells>, N>* g) {
        addGridImpl(
            name, N, [g](int r, int c) { return static_cast<int64_t>((*g)[r][c]); },
            [g](int r, int c, int64_t v) { (*g)[r][c] = static_cast<T>(v); });
    }
    // A list with its own count (point lists).
    template <class T, size_t N>
    void addList(const std::string& name, std::array<T, N>* list, int32_t* count) {
        addListImpl(
            name, N, count, [list](int i) { return static_cast<int64_t>((*list)[i]); },
            [list](int i, int64_t v) { (*list)[i] = static_cast<T>(v); });
    }

    // A fixed-size array of numbers (integers or doubles): the whole array
    // prints as one line, NAME[i] is one element.
    template <class T, size_t N> void addArray(const std::string& name, std::array<T, N>* a) {
        addArrayImpl(
            name, static_cast<int>(N), [a](int i) { return formatNumber((*a)[i]); },
            [a](int i, const std::string& s) { (*a)[i] = parseNumberAs<T>(s); });
    }

    bool has(const std::string& name) const;
    // The number of rows of a grid (which prints a row at a time), 0 for
    // any other value.
    int gridRows(const std::string& name) const;
    // NAME or NAME[i]. Throws FieldError with a readable reason.
    std::string print(const std::string& ref) const;
    void set(const std::string& ref, const std::string& value);

  private:
    struct Entry {
        std::function<std::string(std::optional<int>)> print;
        std::function<void(std::optional<int>, const std::string&)> set;
        int gridRows = 0;
    };
    void addGridImpl(const std::string& name, int rows, std::function<int64_t(int, int)> get,
                     std::function<void(int, int, int64_t)> put);
    void addListImpl(const std::string& name, int capacity, int32_t* count,
                     std::function<int64_t(int)> get, std::function<void(int, int64_t)> put);
    template <class T> void addScalar(const std::string& name, T* v);
    void addArrayImpl(const std::string& name, int size, std::function<std::string(int)> get,
                      std::function<void(int, const std::string&)> put);
    static std::string formatNumber(double v);
    static std::string formatNumber(int64_t v) { return std::to_string(v); }
    template <class T> static std::string formatNumber(T v) {
        return formatNumber(static_cast<int64_t>(v));
    }
    static double parseDouble(const std::string& s);
    static int64_t parseInteger(const std::string& s);
    template <class T> static T parseNumberAs(const std::string& s) {
        if constexpr (std::is_floating_point_v<T>)
            return static_cast<T>(parseDouble(s));
        else
            return static_cast<T>(parseInteger(s));
    }
    const Entry& entry(const std::string& name) const;
    int cells() const { return boundedLength(length_()); }

    std::function<int()> length_;
    std::map<std::string, Entry> table_;
};

} // namespace rca
