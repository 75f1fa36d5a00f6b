// The square-field generator commands: field, frame, time reset.
#include "app/workbench.h"
#include "engine/step.h"

#include <gtest/gtest.h>

using namespace rca;

namespace {

struct GeneratorCommands : ::testing::Test {
    Workbench wb;
    Model& m = wb.model();
    void SetUp() override {
        m.squareRows = m.squareCols = 10;
        m.squareField.fill(C);
        m.stepTime = 25;
    }
};

} // namespace

TEST_F(GeneratorCommands, LineFillsThenPlacesAndFinishes) {
    wb.run("Line1Click");
    EXPECT_EQ(m.squareField[0], A);
    EXPECT_EQ(m.squareField[4], A);
    EXPECT_EQ(m.squareField[5], C);
    EXPECT_EQ(m.squareField[14], C);
    EXPECT_EQ(m.squareField[15], B);
    EXPECT_EQ(m.squareField[16], A);
    EXPECT_EQ(m.squareField[19], C); // beyond the filled strip 0..18
    EXPECT_EQ(m.stepTime, 0);
    EXPECT_EQ(wb.canvas().pixel(20, 55), clBlack); // the frame
}

TEST_F(GeneratorCommands, CenterMarksTwoBAndResetsTime) {
    wb.run("Center1Click");
    EXPECT_EQ(m.squareField[9], A);
    EXPECT_EQ(m.squareField[10], B);
    EXPECT_EQ(m.squareField[11], B);
    EXPECT_EQ(m.bPositionCount, 1);
    EXPECT_EQ(m.bPositions[0], 5);
    EXPECT_EQ(m.stepTime, 0);
}

// Both end with seven backward batches and ten single steps: line I ends
// three steps on, line II seventeen, and the time at 0.
TEST_F(GeneratorCommands, CenterAndRandomStepTheLines) {
    NeighbourMask rightOne;
    rightOne.right[1] = true;
    const auto stepped = [&rightOne](const std::string& text, int steps) {
        Line line{}, next{};
        for (size_t i = 0; i < text.size(); ++i)
            line[i] = text[i] == 'A' ? A : text[i] == 'B' ? B : C;
        for (int k = 0; k < steps; ++k) {
            stepLineRule(line, next, 5, true, rightOne);
            line = next;
        }
        return line;
    };
    for (const char* command : {"Center1Click", "RANDOM1Click"}) {
        m.lineLength = 5;
        m.borderMode = 1;
        m.neighbourMask = rightOne;
        m.stepsPerPress = 1;
        m.stepTime = 0;
        wb.fields().set("lineI", "AAAAC");
        wb.fields().set("lineII", "BBBBA");
        wb.run(command);
        EXPECT_EQ(m.lineI, stepped("AAAAC", 3)) << command;
        EXPECT_EQ(m.lineII, stepped("BBBBA", 17)) << command;
        EXPECT_EQ(m.stepTime, 0) << command;
    }
}

TEST_F(GeneratorCommands, CBCStartsTheRunWithoutFill) {
    m.bPointCount = 3;
    wb.form1().Timer1.setEnabled(false);
    wb.run("CBCnBtimes1Click");
    EXPECT_EQ(m.squareField[9], C); // no fill
    EXPECT_EQ(m.squareField[10], C);
    EXPECT_EQ(m.squareField[11], B);
    EXPECT_EQ(m.squareField[12], C);
    EXPECT_EQ(m.stepTime, 0);
}

TEST_F(GeneratorCommands, HugeCountsStayBounded) {
    m.cPointCount = 2000000000;
    m.bPointCount = 2000000000;
    m.squareRows = m.squareCols = 100000; // only reachable by a script
    wb.run("NtimesCB1Click");
    wb.run("CBCnBtimes1Click");
    wb.run("Nrandpoint1Click");
    EXPECT_EQ(m.cPositionCount, maxPoints);
    // The field's strip 0..261 is all the extents can reach; the sanitizers
    // watch every write.
    wb.run("DO2Click");
    wb.run("N6Npoints1Click");
    EXPECT_EQ(m.squareField[260], A);
    // 261 = 130 + 131: written B by the alternation, beyond every fill.
    EXPECT_EQ(m.squareField[261], B);
}

TEST_F(GeneratorCommands, NRandPointThenDO) {
    m.cPointCount = 2;
    m.randomState = 1;
    wb.run("Nrandpoint1Click");
    // Draws 346, 130, 10982, 1090 modulo 10: (6, 0) and (2, 0).
    EXPECT_EQ(m.squareField[6], C);
    EXPECT_EQ(m.squareField[2], C);
    EXPECT_EQ(m.squareField[3], A);
    EXPECT_EQ(m.bPositionCount, 0);

    m.bPositions[0] = 1;
    m.bPositionsY[0] = 3;
    m.bPositionCount = 1;
    wb.run("DO2Click");
    EXPECT_EQ(m.squareField[6], C);
    EXPECT_EQ(m.squareField[4], B);
    EXPECT_EQ(m.squareField[5], A);
}
