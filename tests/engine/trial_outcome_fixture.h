#pragma once
// A finished trial written by hand, shared by the outcome and batch tests.
#include "model/model.h"

#include <memory>
#include <string>

namespace rca::trialtest {

inline void setLine(Line& line, const std::string& cells) {
    for (size_t i = 0; i < cells.size(); ++i)
        line[i] = cells[i] == 'A' ? A : cells[i] == 'B' ? B : C;
}

// A finished trial on four cells: lines and times as the trial B A A A under
// left 1 / right 1 on a circle leaves them (worked out step by step).
inline std::unique_ptr<Model> finishedTrial() {
    auto m = std::make_unique<Model>();
    m->lineLength = 4;
    setLine(m->startLineI, "BAAA");
    setLine(m->endLineI, "AABA");
    setLine(m->endLineII, "BBAB");
    m->doneTimeI = 4;
    m->doneTimeII = 5;
    m->cellDriftI.fill(2);
    m->cellDriftII.fill(-2);
    m->lineIDone = m->lineIIDone = 1;
    m->stepTime = 5;
    return m;
}

} // namespace rca::trialtest
