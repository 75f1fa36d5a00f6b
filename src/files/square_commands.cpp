// The five square-file slots of the File menu, 'Re 15 9 10' and the one-byte
// writer Button53.
#include "engine/random_line.h"
#include "engine/trial_check.h"
#include "files/fixed_write.h"
#include "files/preset_byte.h"
#include "files/square_codec.h"
#include "files/square_reset.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "io/file_problem.h"
#include "setup/square_generators.h"
#include "setup/trial_setup.h"
#include "state/fixed_paths.h"

#include <array>
#include <string>

namespace rca {

namespace {

using paths::squareSlots; // slot n is squareSlots[n - 1]

void writeSlot(Bench& wb, int slot) {
    const std::string file = squareSlots[slot - 1];
    const auto path = fixedWriteTarget(wb, file);
    if (path && !writeSquareFile(*path, wb.model().lineLength, wb.model().lineI))
        wb.report("cannot write " + file + ": " + writeFailure(*path, true));
}

// What was wrong with a square file that was read: its size, a length
// outside the line, cells that are not C, B or A.
std::string squareProblems(const FrontRead& got, int32_t length, int strays) {
    std::string out;
    auto add = [&out](const std::string& s) { out += (out.empty() ? "" : "; ") + s; };
    const std::string expected = std::to_string(squareFileBytes);
    if (got.bytes < squareFileBytes)
        add("it is short: " + std::to_string(got.bytes) + " of " + expected + " bytes read");
    else if (got.size > squareFileBytes)
        add("it holds " + std::to_string(got.size) + " bytes, not " + expected +
            ": only its first " + expected + " were read");
    if (length != boundedLength(length))
        add("its length " + std::to_string(length) + " is outside 0 .. " +
            std::to_string(maxLineCells) + ", so " + std::to_string(boundedLength(length)) +
            " is used");
    if (strays > 0)
        add(std::to_string(strays) + " cells held a value other than C, B or A and are now A");
    return out;
}

// A length outside the line from a file is kept inside 0..100, as a typed
// one is, so no later loop over the line reads past its 100 cells.
void readSlot(Bench& wb, int slot) {
    Model& m = wb.model();
    const std::string file = squareSlots[slot - 1];
    const FrontRead got = readSquareFile(wb.file(file), m.lineLength, m.lineI);
    const int32_t length = m.lineLength;
    m.lineLength = boundedLength(length);
    if (!got.opened()) {
        wb.report("cannot read " + file + ": " + got.problem);
        return;
    }
    const std::string problems = squareProblems(got, length, keepCellStates(m.lineI));
    if (!problems.empty()) wb.report(file + ": " + problems);
}

// Short reset, step 5: menus and the picture origin.
void resetReadControls(Bench& wb) {
    wb.form1().Vnacalo1.setChecked(false);
    wb.model().pictureLeft = 0;
    wb.form1().Estobr1.setChecked(false);
}

// The ZAD planes of the original are not part of this program.
void readAndRedraw(Bench& wb, int slot) {
    readSlot(wb, slot);
    mirrorIntoLineII(wb.model());
    wb.run("Button3Click");
}

// A read set-up is a trial of the user's: a driver's run under way (the T=6
// sweep) must not tally it.
void readSquare(Bench& wb, int slot, bool clearFirst) {
    abandonTrial(wb);
    resetForSquareRead(wb.model(), false);
    if (clearFirst) wb.run("Button8Click");
    resetReadControls(wb);
    readAndRedraw(wb, slot);
}

void readSquare5(Bench& wb) {
    abandonTrial(wb);
    resetForSquareRead(wb.model(), true);
    resetSetUpControls(wb, 0, 704);
    readSlot(wb, 5);
    mirrorIntoLineII(wb.model());
    wb.run("Button8Click");
    wb.run("Button3Click");
}

void readSquare2(Bench& wb) {
    Model& m = wb.model();
    readSlot(wb, 2);
    m.squareRows = m.squareCols = boundedSquareExtent(m.lineLength);
    wb.form1().Edit1.setText(std::to_string(m.lineLength));
}

// 'Re 15 9 10': B at 3, 4 and 9 on ten cells.
void readBuiltIn(Bench& wb) {
    Model& m = wb.model();
    abandonTrial(wb);
    wb.run("Button8Click");
    m.lineLength = m.squareRows = m.squareCols = 10;
    wb.form1().Edit1.setText("10");
    resetForSquareRead(m, false);
    resetReadControls(wb);
    std::fill_n(m.lineI.begin(), 10, A);
    m.lineI[3] = m.lineI[4] = m.lineI[9] = B;
    mirrorIntoLineII(m);
    wb.run("Button3Click");
}

void writeFirstSquareByte(Bench& wb) {
    const std::string file = paths::squareByte;
    const auto path = fixedWriteTarget(wb, file);
    if (path && !writePresetByte(*path, wb.model()))
        wb.report("cannot write " + file + ": " + writeFailure(*path, true));
}

} // namespace

void registerFiles(Bench& wb) {
    MainControls& f = wb.form1();
    Bench* w = &wb;

    define(wb, f.ReadCA1, "Click", [w] { readSquare(*w, 1, false); });
    define(wb, f.sq21, "Click", [w] { readSquare2(*w); });
    define(wb, f.Rsq31, "Click", [w] { readSquare(*w, 3, true); });
    define(wb, f.sq41, "Click", [w] { readSquare(*w, 4, true); });
    define(wb, f.Rsq51, "Click", [w] { readSquare5(*w); });
    define(wb, f.WriteCA1, "Click", [w] { writeSlot(*w, 1); });
    define(wb, f.Wsq21, "Click", [w] { writeSlot(*w, 2); });
    define(wb, f.Wsq31, "Click", [w] { writeSlot(*w, 3); });
    define(wb, f.Wsq41, "Click", [w] { writeSlot(*w, 4); });
    define(wb, f.Wsq51, "Click", [w] { writeSlot(*w, 5); });
    define(wb, f.N159101, "Click", [w] { readBuiltIn(*w); });
    define(wb, f.Button22, "Click", [w] { w->run("ReadCA1Click"); });
    define(wb, f.Button25, "Click", [w] { w->run("sq21Click"); });
    define(wb, f.Button53, "Click", [w] { writeFirstSquareByte(*w); });
}

} // namespace rca
