// The RCA table items of the File menu: 'Read RCA' and 'Write RCA' through
// the file dialogs, 'Read Exr.dat' and 'Write Exr.dat' at the fixed example.
#include "files/fixed_write.h"
#include "files/rca_codec.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "io/file_problem.h"
#include "state/fixed_paths.h"

#include <string>

namespace rca {

namespace {

constexpr const char* openFilter = "RCA (*.dat)|*.dat";
constexpr const char* saveFilter = "*.dat|";

void readTable(Bench& wb, const std::string& file) {
    const auto got = readRcaFile(wb.resolve(file), wb.model().rcaTable);
    if (!got)
        wb.report("cannot read " + file + ": " + openFailure(wb.resolve(file), true));
    else if (*got < static_cast<size_t>(rcaTableBytes))
        wb.report(file + " is short: " + std::to_string(*got) + " of " +
                  std::to_string(rcaTableBytes) + " bytes read");
}

void writeTable(Bench& wb, const std::string& file) {
    const std::string failure = writeRcaFile(wb.resolve(file), wb.model().rcaTable);
    if (!failure.empty()) wb.report("cannot write " + file + ": " + failure);
}

// The border goes through its control so that 'Frozen A' is shown and a
// later choice of 'Circle' is a change that acts.
void readChosen(Bench& wb) {
    const auto file = wb.host().openFileName(openFilter);
    if (!file) return;
    wb.model().rcaFileName = *file;
    readTable(wb, *file);
    wb.form1().RadioGroup2.setItemIndex(0);
    wb.model().borderMode = 0; // even if the control already showed it
    wb.run("Button3Click");
}

void writeChosen(Bench& wb) {
    const auto file = wb.host().saveFileName(saveFilter);
    if (!file) return;
    wb.model().rcaFileName = *file;
    writeTable(wb, *file);
}

void writeExample(Bench& wb) {
    const std::string file = fixedPath(paths::rcaExample);
    if (fixedWriteTarget(wb, file)) writeTable(wb, file);
}

void readExample(Bench& wb) {
    readTable(wb, fixedPath(paths::rcaExample));
    wb.run("Button3Click");
}

} // namespace

void registerRcaFiles(Bench& wb) {
    MainControls& f = wb.form1();
    Bench* w = &wb;
    auto item = [&f](const char* name, const char* caption) -> MenuItem& {
        return f.add<MenuItem>(name, caption, "File");
    };
    define(wb, item("ReadRCA1", "Read RCA"), "Click", [w] { readChosen(*w); });
    define(wb, item("WriteRCA1", "Write RCA"), "Click", [w] { writeChosen(*w); });
    define(wb, item("Readrandom1", "Read Exr.dat"), "Click", [w] { readExample(*w); });
    define(wb, item("Writerandom1", "Write Exr.dat"), "Click", [w] { writeExample(*w); });
    wb.fields().addArray("rcaTable", &wb.model().rcaTable);
}

} // namespace rca
