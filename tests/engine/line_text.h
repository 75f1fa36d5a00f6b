#pragma once
// Lines and masks written as text in tests.
#include "state/engine_state.h"

#include <initializer_list>
#include <string>

namespace rca::test {

inline Line letters(const std::string& s) {
    Line l{};
    for (size_t i = 0; i < s.size(); ++i)
        l[i] = s[i] == 'C' ? C : s[i] == 'B' ? B : A;
    return l;
}

inline std::string show(const Line& l, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += cellLetter(l[i]);
    return s;
}

inline NeighbourMask maskOf(std::initializer_list<int> left, std::initializer_list<int> right) {
    NeighbourMask m;
    for (int d : left)
        m.left[d] = true;
    for (int d : right)
        m.right[d] = true;
    return m;
}

} // namespace rca::test
