#pragma once
// The cases file of `rcalab-cli verdicts`: one JSON object per line for
// every start line whose verdict was asked for (NOT and timeout unless
// --cases-of says otherwise), with what it takes to set the trial up again
// in the window. theory/case_npy.h holds the same as NumPy records.
#include "theory/verdict.h"

#include <optional>
#include <string>

namespace rca {

struct VerdictCase {
    int32_t length = 0;
    CellBits bCells = 0; // the start line: B where set, A elsewhere
    Verdict verdict = Verdict::Not;
    VerdictRule rule;
    int32_t endStep = -1, row = -1, column = -1; // -1 is written as null
};

// {"length": L, "line": "AABAB", "verdict": "NOT", "mask": {"left": [1],
// "right": [1, 2]}, "border": "circle", "stepLimit": N, "endStep": E,
// "row": R, "column": C}, cells 0 .. L-1 as letters.
std::string caseLine(const VerdictCase& c);

// One line of a cases file, or an empty result with `error` saying why.
std::optional<VerdictCase> parseCaseLine(const std::string& text, std::string& error);

// Case `number` (1 for the first) of a JSON lines or .npy cases file.
std::optional<VerdictCase> readCase(const std::string& file, int64_t number, std::string& error);

// "FILE:N" (N counted from 1) into the file and the number; false when it has no ":N".
bool splitCaseReference(const std::string& text, std::string& file, int64_t& number);

} // namespace rca
