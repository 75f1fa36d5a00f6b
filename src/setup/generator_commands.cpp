// The legacy square-field generators of the 'Initial' menu.
#include "forms/bench.h"
#include "forms/wiring.h"
#include "setup/setup_registration.h"
#include "setup/square_generators.h"
#include "setup/trial_setup.h"

namespace rca {

namespace {

struct Extents {
    int rows, cols;
};

Extents extents(const Model& m) {
    return {boundedSquareExtent(m.squareRows), boundedSquareExtent(m.squareCols)};
}

// Redraw the unchanged lines, frame the field, restart the time.
void finishGenerator(Bench& wb) {
    wb.run("Button3Click");
    drawFieldFrame(wb);
    wb.model().stepTime = 0;
}

// 'Center' and 'RANDOM' then run the automaton: seven backward batches and
// ten single steps, and end with only the time reset.
void runBackAndForth(Bench& wb) {
    for (int k = 0; k < 7; ++k)
        wb.run("Button50Click");
    for (int k = 0; k < 10; ++k)
        wb.run("Button1Click");
    wb.model().stepTime = 0;
}

// Clear the picture, then fill the field with A.
Extents clearAndFill(Bench& wb) {
    wb.run("Button8Click");
    const Extents e = extents(wb.model());
    fillSquareWithA(wb.model(), e.rows, e.cols);
    return e;
}

Extents fill(Bench& wb) {
    const Extents e = extents(wb.model());
    fillSquareWithA(wb.model(), e.rows, e.cols);
    return e;
}

} // namespace

void registerSquareGenerators(Bench& wb) {
    MainControls& f = wb.form1();
    Bench* w = &wb;
    Model& m = wb.model();

    define(wb, f.Center1, "Click", [w, &m] {
        const Extents e = clearAndFill(*w);
        placeCenterPoint(m, m, e.rows, e.cols);
        runBackAndForth(*w);
    });
    define(wb, f.LineCenter1, "Click", [w, &m] {
        const Extents e = fill(*w);
        placeLineCenter(m, e.rows, e.cols);
        finishGenerator(*w);
    });
    define(wb, f.Line1, "Click", [w, &m] {
        placeLine(m, fill(*w).rows);
        finishGenerator(*w);
    });
    define(wb, f.CBCnBtimes1, "Click", [w, &m] {
        w->run("Button6Click");
        placeAlternatingCB(m, extents(m).rows, m.bPointCount);
        finishGenerator(*w);
    });
    define(wb, f.NtimesCB1, "Click", [w, &m] {
        fill(*w);
        placeRandomCBPairs(m, m.randomState, m.cPointCount);
        finishGenerator(*w);
    });
    define(wb, f.RANDOM1, "Click", [w, &m] {
        const Extents e = clearAndFill(*w);
        randomiseSquareABC(m, m.randomState, e.rows, e.cols);
        runBackAndForth(*w);
    });
    define(wb, f.Nrandpoint1, "Click", [w, &m] {
        const Extents e = clearAndFill(*w);
        drawSquareCPoints(m, m.randomState, e.rows, e.cols, m.cPointCount);
        placeSquarePoints(m, m.cPositions, m.cPositionsY, m.cPositionCount, C);
        finishGenerator(*w);
    });
    // Only the start of '6*N points' is known: the randomised field, redrawn,
    // then cleared and filled. Its groups of points are left out.
    define(wb, f.N6Npoints1, "Click", [w, &m] {
        const Extents e = extents(m);
        randomiseSquareCells(m, m.randomState, e.rows, e.cols);
        w->run("Button3Click");
        clearAndFill(*w);
        finishGenerator(*w);
    });
    define(wb, f.DO2, "Click", [w, &m] {
        clearAndFill(*w);
        placeSquarePoints(m, m.cPositions, m.cPositionsY, m.cPositionCount, C);
        placeSquarePoints(m, m.bPositions, m.bPositionsY, m.bPositionCount, B);
        finishGenerator(*w);
    });
}

} // namespace rca
