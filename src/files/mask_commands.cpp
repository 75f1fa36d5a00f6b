// 'Read mask' and 'Write mask' of the File menu over the fixed mask file,
// and the 'Clear RCA' menu's 'Do find' with its two inert neighbours.
#include "files/fixed_write.h"
#include "files/mask_file.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "io/file_problem.h"
#include "state/fixed_paths.h"

#include <string>

namespace rca {

namespace {

// A failed read still copies the buffer (the last image read) into the mask.
void readMask(Bench& wb) {
    Model& m = wb.model();
    const MaskExtents e = MaskExtents::of(m);
    const std::string file = fixedPath(paths::freezeMaskFile);
    const auto got = readMaskFile(wb.file(file), m, e);
    const std::string expected = std::to_string(e.fileBytes());
    if (!got)
        wb.report("cannot read " + file + ": " + openFailure(wb.file(file), false));
    else if (got->bytes < e.fileBytes())
        wb.report(file + " is short: " + std::to_string(got->bytes) + " of " + expected +
                  " bytes read");
    else if (got->longer)
        wb.report(file + " is longer than " + expected +
                  " bytes: it was written for other extents; its first " + expected +
                  " bytes were read");
    copyBufferToMask(m, e);
    wb.run("Button3Click");
}

// The mask is cleared even when the file cannot be written, so the next
// FREEZE search starts from an empty mask either way.
void writeMask(Bench& wb) {
    Model& m = wb.model();
    const MaskExtents e = MaskExtents::of(m);
    copyMaskToBuffer(m, e);
    clearFreezeMask(m, e);
    const std::string file = fixedPath(paths::freezeMaskFile);
    const auto path = fixedWriteTarget(wb, file);
    if (!path) return;
    const std::string failure = writeMaskFile(*path, m, e);
    if (!failure.empty()) wb.report("cannot write " + file + ": " + failure);
}

void doFind(Bench& wb) {
    MainControls& f = wb.form1();
    wb.run("Center1Click");
    wb.model().stepsPerPress = 1;
    f.Edit2.setText("1");
    f.UpDown1.setPosition(1);
    wb.run("Button3Click");
    wb.run("Button6Click");
}

} // namespace

void registerMaskFile(Bench& wb) {
    MainControls& f = wb.form1();
    Bench* w = &wb;
    define(wb, f.add<MenuItem>("Readmask1", "Read mask", "File"), "Click", [w] { readMask(*w); });
    define(wb, f.add<MenuItem>("Writemask1", "Write mask", "File"), "Click",
           [w] { writeMask(*w); });
    define(wb, f.add<MenuItem>("Dofind1", "Do find", "Clear RCA"), "Click", [w] { doFind(*w); });
    // Present in the menu, with no action.
    define(wb, f.add<MenuItem>("Makeclear1", "Make clear", "Clear RCA"), "Click", [] {});
    define(wb, f.add<MenuItem>("Makeunclear1", "Make unclear", "Clear RCA"), "Click", [] {});
    wb.fields().addArray("freezeMask", &wb.model().freezeMask);
    wb.fields().addArray("maskTransferBuffer", &wb.model().maskTransferBuffer);
}

} // namespace rca
