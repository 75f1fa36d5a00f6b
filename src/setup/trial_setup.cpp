#include "setup/trial_setup.h"

#include "engine/random_line.h"
#include "engine/trial_check.h"
#include "forms/bench.h"
#include "setup/setup_drawing.h"
#include "setup/square_generators.h"

#include <string>

namespace rca {

void applyThreeXMode(Bench& wb) {
    MainControls& f = wb.form1();
    if (f.RadioGroup7.itemIndex() != 0) return;
    wb.model().stepsPerPress = 1;
    wb.model().singleStepMode = true;
    f.Edit2.setText("1");
    f.UpDown1.setPosition(1);
}

// The experimental working tables, the ZAD values and the 'Est obr' counter
// of the original are not part of this program; their steps are left out.
void trialResetSteps2to8(Bench& wb, int eraseLeft) {
    Model& m = wb.model();
    clearMarkGrids(m, m.lineLength);
    resetTrialRunState(m);
    resetSetUpControls(wb, eraseLeft, setUpEraseRight(wb.form1().Timer101.checked()));
    fillLineIWithA(m);
}

void resetSetUpControls(Bench& wb, int left, int right) {
    MainControls& f = wb.form1();
    f.Vnacalo1.setChecked(false);
    wb.model().pictureLeft = 0;
    f.Estobr1.setChecked(false);
    applyThreeXMode(wb);
    f.GroupBoxManage.setColor(clBtnFace);
    eraseSetUpArea(wb.canvas(), left, right);
}

void showAndSaveSetUp(Bench& wb) {
    abandonTrial(wb);
    wb.run("Button3Click");
    showStepTime(wb);
    wb.run("Wsq51Click");
}

void finishTrialLines(Bench& wb) {
    Model& m = wb.model();
    placePointLists(m, m);
    deriveTrialLines(m);
    showAndSaveSetUp(wb);
}

void finishTrialSetup(Bench& wb) {
    finishTrialLines(wb);
    wb.run("Button5Click");
}

void drawFieldFrame(Bench& wb) {
    drawSquareFrame(wb.canvas(), boundedSquareExtent(wb.model().squareRows),
                    boundedSquareExtent(wb.model().squareCols));
}

} // namespace rca
