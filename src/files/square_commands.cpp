// The five square-file slots of the File menu, 'Re 15 9 10' and the one-byte
// writer Button53.
#include "app/subsystems.h"
#include "app/wiring.h"
#include "app/workbench.h"
#include "files/preset_byte.h"
#include "files/square_codec.h"
#include "files/square_reset.h"
#include "setup/random_line.h"
#include "setup/square_generators.h"
#include "setup/trial_setup.h"

#include <array>
#include <string>

namespace rca {

namespace {

// Slot n is squareSlots[n - 1].
const std::array<const char*, 5> squareSlots = {"CA/ca.dat", "CA/ca2.dat", "CA/ca3.dat",
                                                "CA/ca4.dat", "CA/ca5.dat"};

void writeSlot(Workbench& wb, int slot) {
    const std::string file = squareSlots[slot - 1];
    if (!writeSquareFile(file, wb.model().lineLength, wb.model().lineI))
        wb.report("cannot write " + file + ": the file is missing or not writable");
}

// A length outside the line from a file is kept inside 0..100, as a typed
// one is, so no later loop over the line reads past its 100 cells.
void readSlot(Workbench& wb, int slot) {
    Model& m = wb.model();
    const std::string file = squareSlots[slot - 1];
    const auto got = readSquareFile(file, m.lineLength, m.lineI);
    m.lineLength = boundedLength(m.lineLength);
    if (!got)
        wb.report("cannot read " + file + ": the file is missing or not readable");
    else if (*got < squareFileBytes)
        wb.report(file + " is short: " + std::to_string(*got) + " of " +
                  std::to_string(squareFileBytes) + " bytes read");
}

// Short reset, step 5: menus and the picture origin.
void resetReadControls(Workbench& wb) {
    wb.form1().Vnacalo1.setChecked(false);
    wb.model().pictureLeft = 0;
    wb.form1().Estobr1.setChecked(false);
}

// The ZAD planes of the original are not part of this program.
void readAndRedraw(Workbench& wb, int slot) {
    readSlot(wb, slot);
    mirrorIntoLineII(wb.model());
    wb.run("Button3Click");
}

void readSquare(Workbench& wb, int slot, bool clearFirst) {
    resetForSquareRead(wb.model(), false);
    if (clearFirst) wb.run("Button8Click");
    resetReadControls(wb);
    readAndRedraw(wb, slot);
}

void readSquare5(Workbench& wb) {
    resetForSquareRead(wb.model(), true);
    resetSetUpControls(wb, 0, 704);
    readSlot(wb, 5);
    mirrorIntoLineII(wb.model());
    wb.run("Button8Click");
    wb.run("Button3Click");
}

void readSquare2(Workbench& wb) {
    Model& m = wb.model();
    readSlot(wb, 2);
    m.squareRows = m.squareCols = boundedSquareExtent(m.lineLength);
    wb.form1().Edit1.setText(std::to_string(m.lineLength));
}

// 'Re 15 9 10': B at 3, 4 and 9 on ten cells.
void readBuiltIn(Workbench& wb) {
    Model& m = wb.model();
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

void writeFirstSquareByte(Workbench& wb) {
    const std::string file = "CA/cawri.dat";
    if (!writePresetByte(file, wb.model()))
        wb.report("cannot write " + file + ": the file is missing or not writable");
}

} // namespace

void registerFiles(Workbench& wb) {
    TForm1& f = wb.form1();
    Workbench* w = &wb;

    define(wb, f.ReadCA1, "ReadCA1Click", [w] { readSquare(*w, 1, false); });
    define(wb, f.sq21, "sq21Click", [w] { readSquare2(*w); });
    define(wb, f.Rsq31, "Rsq31Click", [w] { readSquare(*w, 3, true); });
    define(wb, f.sq41, "sq41Click", [w] { readSquare(*w, 4, true); });
    define(wb, f.Rsq51, "Rsq51Click", [w] { readSquare5(*w); });
    define(wb, f.WriteCA1, "WriteCA1Click", [w] { writeSlot(*w, 1); });
    define(wb, f.Wsq21, "Wsq21Click", [w] { writeSlot(*w, 2); });
    define(wb, f.Wsq31, "Wsq31Click", [w] { writeSlot(*w, 3); });
    define(wb, f.Wsq41, "Wsq41Click", [w] { writeSlot(*w, 4); });
    define(wb, f.Wsq51, "Wsq51Click", [w] { writeSlot(*w, 5); });
    define(wb, f.N159101, "N159101Click", [w] { readBuiltIn(*w); });
    define(wb, f.Button22, "Button22Click", [w] { w->run("ReadCA1Click"); });
    define(wb, f.Button25, "Button25Click", [w] { w->run("sq21Click"); });
    define(wb, f.Button53, "Button53Click", [w] { writeFirstSquareByte(*w); });
}

} // namespace rca
