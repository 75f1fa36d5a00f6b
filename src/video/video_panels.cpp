// 'Make video' and 'Unmake video', and the two '70' presets of the menu.
#include "files/preset_byte.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "video/video_registration.h"

#include <array>

namespace rca {

namespace {

constexpr uint32_t gridOlive = 0x008080; // red 128, green 128

// The groups beside the picture that a film should not need.
std::array<GroupBox*, 4> filmHidden(MainControls& f) {
    return {&f.GroupBoxManage, &f.GroupBoxStepWork, &f.GroupBoxLength, &f.GroupBoxInitial};
}

void makeVideo(Bench& wb) {
    Canvas& c = wb.canvas();
    c.pen.color = gridOlive;
    c.pen.style = PenStyle::Solid;
    c.pen.width = 1;
    for (int i = 0; i < 70; ++i) {
        c.line(0, 5 * i, 350, 5 * i);
        c.line(5 * i, 0, 5 * i, 350);
    }
    for (GroupBox* g : filmHidden(wb.form1()))
        g->setVisible(false);
}

// The '70' preset: a 70 x 70 square and the first byte of the chosen file.
void read70(Bench& wb) {
    MainControls& f = wb.form1();
    writeField(wb, f.Edit1, 70);
    wb.model().squareRows = wb.model().squareCols = 70;
    const auto file = preset70File(f.UpDown6.position());
    if (!file || !readPresetByte(*file, wb.model()))
        wb.report("cannot read " + file.value_or("the '70' preset") +
                  ": the file is missing, empty or not readable");
}

} // namespace

void registerVideoPanels(Bench& wb) {
    MainControls& f = wb.form1();
    auto& make = f.add<MenuItem>("Maevideo1", "Make video", "Video");
    auto& unmake = f.add<MenuItem>("Unmakevideo1", "Unmake video", "Video");
    Bench* w = &wb;
    define(wb, make, "Click", [w] { makeVideo(*w); });
    // Here 'L=' sits in 'Length' and 'Random' in 'Initial', so both come back.
    define(wb, unmake, "Click", [&f] {
        for (GroupBox* g : filmHidden(f))
            g->setVisible(true);
    });
}

void registerVideoPresets(Bench& wb) {
    MainControls& f = wb.form1();
    auto& first = f.add<MenuItem>("Read702", "Read 70+ (1)", "Video");
    auto& second = f.add<MenuItem>("Read7022", "Read 70+ (2)", "Video");
    MenuItem& apres = f.add<MenuItem>("XXXn1", "Iz+Acjun+Apres", "T=6", true);
    Bench* w = &wb;
    // A view switch of the square drawings: the picture shows it at once.
    define(wb, apres, "Click", [w, &apres] {
        apres.toggle();
        w->run("Button3Click");
    });
    // The mask test window is reached by name: it belongs to another
    // subsystem, and its boxes change its pattern through their own handlers.
    define(wb, first, "Click", [w, &f] {
        f.RadioGroup2.setItemIndex(1); // 'Circle'
        if (Form* maskTest = w->form("TForm13"))
            for (const char* box : {"CheckBox12", "CheckBox10", "CheckBox9"})
                if (auto* b = maskTest->findAs<CheckBox>(box)) b->setChecked(true);
        f.RadioGroup3.setItemIndex(1); // 'Mask'
    });
    define(wb, second, "Click", [w, &apres] {
        read70(*w);
        apres.setChecked(true);
        setStepsToOne(*w);
    });
    wb.atStartupStep(13, [&apres] { apres.setChecked(false); });
}

void setStepsToOne(Bench& wb) {
    MainControls& f = wb.form1();
    wb.model().stepsPerPress = 1;
    f.Edit2.setText("1");
    f.UpDown1.setPosition(1);
}

} // namespace rca
