// The mask test window 'Is MASK RCA' and its 'T=6' menu entry: the pattern
// boxes and their squares, the stock patterns and the '70' preset loaders.
#include "analysis/mask_pattern.h"
#include "analysis/tform13.h"
#include "engine/number_parse.h"
#include "files/preset_byte.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "state/fixed_paths.h"

#include <memory>
#include <string>

namespace rca {

namespace {

constexpr int presetSide = 70;

void refreshSquares(TForm13& f) {
    for (int b = 1; b <= maskBoxes; ++b)
        f.squareOf(b).setVisible(f.box(b).checked());
}

// Each box that changes refreshes the squares through its own handler.
void setPattern(TForm13& f, const MaskPattern& p) {
    for (int b = 1; b <= maskBoxes; ++b)
        f.box(b).setChecked(p.test(b - 1));
    refreshSquares(f);
}

void uncheckPresetBoxes(TForm13& f, const CheckBox* keep) {
    for (const StockPattern& s : stockPatterns())
        if (s.isBox) {
            auto* c = f.findAs<CheckBox>(std::string(s.control));
            if (c != keep) c->setChecked(false);
        }
}

// Only the byte is loaded: what the presets were meant to start next is not
// part of this program.
void loadPreset(Bench& wb, const std::string& file, bool showLength) {
    Model& m = wb.model();
    if (showLength) writeField(wb, wb.form1().Edit1, presetSide);
    m.squareRows = m.squareCols = presetSide;
    if (!readPresetByte(fixedPath(file), m))
        wb.report("cannot read " + file + ": the file is missing, empty or not readable");
}

// Button '1': the main window's number field picks the file.
void loadChosenPreset(Bench& wb) {
    const int32_t n = parseNumber(wb.form1().Edit10.text());
    if (const auto file = preset70File(n))
        loadPreset(wb, *file, true);
    else
        wb.report("no '70' preset numbered " + std::to_string(n) + "; 0 .. 4 are");
}

void defineStockPatterns(Bench& wb, TForm13& f) {
    for (const StockPattern& s : stockPatterns()) {
        const MaskPattern p = s.boxes;
        if (!s.isBox) {
            define(wb, *f.findAs<Button>(std::string(s.control)), "Click", [&f, p] {
                setPattern(f, p);
                uncheckPresetBoxes(f, nullptr);
            });
            continue;
        }
        auto& c = *f.findAs<CheckBox>(std::string(s.control));
        // Unchecking a preset box leaves the pattern as it is.
        define(wb, c, "Click", [&f, &c, p] {
            if (c.checked()) {
                setPattern(f, p);
                uncheckPresetBoxes(f, &c);
            }
            refreshSquares(f);
        });
    }
}

void definePresetLoaders(Bench& wb, TForm13& f) {
    define(wb, f.Button14, "Click", [&wb] { loadChosenPreset(wb); });
    Button* const others[] = {&f.Button15, &f.Button16, &f.Button17, &f.Button18};
    for (int i = 0; i < 4; ++i) {
        const std::string file = paths::preset70[i + 1];
        define(wb, *others[i], "Click", [&wb, file] { loadPreset(wb, file, false); });
    }
}

} // namespace

void registerMaskTest(Bench& wb) {
    auto& f = wb.addForm(std::make_unique<TForm13>());
    for (int b = 1; b <= maskBoxes; ++b)
        define(wb, f.box(b), "Click", [&f] { refreshSquares(f); });
    define(wb, f.Button5, "Click", [&f] { refreshSquares(f); });
    defineStockPatterns(wb, f);
    definePresetLoaders(wb, f);
    defineForm(wb, f, "Show", [&wb, &f] {
        wb.form1().RadioGroup2.setItemIndex(1); // 'Circle'
        wb.model().borderMode = 1;              // even when the group was already there
        f.Label1.setVisible(true);
        uncheckPresetBoxes(f, nullptr);
        refreshSquares(f);
    });

    auto& item = wb.form1().add<MenuItem>("Showt61", "(F) Show mask", "T=6");
    defineOpener(wb, item, f);

    wb.atStartupStep(20, [&f] { setPattern(f, patternOf({1, 2, 3, 4, 5, 6, 7, 8, 11})); });
}

} // namespace rca
