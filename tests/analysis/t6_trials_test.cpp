// The period-six trial generator's pure steps and the graph window's plots.
#include "analysis/t6_plots.h"
#include "analysis/t6_trials.h"
#include "forms/canvas.h"

#include <gtest/gtest.h>

#include <memory>

using namespace rca;

TEST(T6Trials, OffsetsFollowTheRowsOfSecondPoints) {
    struct Case {
        int trial;
        SquarePoint at;
    };
    for (const Case& c :
         {Case{0, {0, 0}}, Case{1, {0, 1}}, Case{2, {1, 1}}, Case{5, {2, 2}}, Case{36, {0, 8}},
          Case{119, {14, 14}}, Case{120, {0, 15}}, Case{134, {14, 15}}, Case{135, {15, 15}}}) {
        const auto got = trialOffset(c.trial);
        ASSERT_TRUE(got) << c.trial;
        EXPECT_EQ(*got, c.at) << c.trial;
    }
    for (int outside : {-1, 136, 249, 1 << 30})
        EXPECT_FALSE(trialOffset(outside)) << outside;
}

TEST(T6Trials, SeedsAreTwoCPointsOrOneCAndOneB) {
    auto s = std::make_unique<SetupState>();
    setT6Seeds(*s, {3, 4}, 31, 30, false);
    EXPECT_EQ(s->cPositionCount, 2);
    EXPECT_EQ(s->bPositionCount, 0);
    EXPECT_EQ(s->cPositions[0], 3);
    EXPECT_EQ(s->cPositionsY[0], 4);
    EXPECT_EQ(s->cPositions[1], 15);  // cols / 2
    EXPECT_EQ(s->cPositionsY[1], 15); // rows / 2
    setT6Seeds(*s, {0, 0}, 31, 31, true);
    EXPECT_EQ(s->cPositionCount, 1);
    EXPECT_EQ(s->bPositionCount, 1);
    EXPECT_EQ(s->bPositions[0], 15);
    EXPECT_EQ(s->bPositionsY[0], 15);
}

TEST(T6Plots, RangeIsBoundedToTheSeries) {
    struct Case {
        int32_t begin, end, size;
        PlotRange want;
    };
    for (const Case& c :
         {Case{0, 10, 100, {0, 10}}, Case{-5, 3, 100, {0, 3}}, Case{90, 200, 100, {90, 100}},
          Case{10, 10, 100, {10, 10}}, Case{20, 5, 100, {20, 20}}, Case{500, 900, 100, {100, 100}},
          Case{-9, -2, 100, {0, 0}}}) {
        const PlotRange r = plotRange(c.begin, c.end, c.size);
        EXPECT_EQ(r.begin, c.want.begin) << c.begin << ".." << c.end;
        EXPECT_EQ(r.end, c.want.end) << c.begin << ".." << c.end;
    }
}

namespace {

struct Plots : ::testing::Test {
    std::unique_ptr<T6State> s = std::make_unique<T6State>();
};

} // namespace

TEST_F(Plots, ViewTakesEachCurveToItsSeries) {
    s->graphBegin = 2;
    s->graphEnd = 4;
    for (size_t c = 0; c < viewCurveCount; ++c)
        for (size_t i = 0; i < 5; ++i)
            s->viewCurves[c][i] = static_cast<int32_t>(100 * (c + 1) + i);
    const auto points = viewPlot(*s);
    ASSERT_EQ(points.size(), 10u);
    const int series[] = {1, 2, 3, 7, 4};
    const uint32_t colors[] = {clGreen, clBlue, clRed, clBlack, clBlack};
    for (size_t c = 0; c < 5; ++c)
        for (size_t k = 0; k < 2; ++k) {
            const PlotPoint& p = points[2 * c + k];
            EXPECT_EQ(p.series, series[c]);
            EXPECT_EQ(p.x, static_cast<int32_t>(2 + k));
            EXPECT_EQ(p.y, static_cast<int64_t>(100 * (c + 1) + 2 + k));
            EXPECT_EQ(p.color, colors[c]);
        }
}

TEST_F(Plots, DifferenceIsLiftedPerPhaseAndKeptIn64Bits) {
    s->graphBegin = 0;
    s->graphEnd = 1;
    s->phaseFirst[0][0] = INT32_MAX;
    s->phaseSecond[0][0] = -1;
    s->phaseFirst[1][0] = 7;
    s->phaseSecond[1][0] = 10;
    s->phaseFirst[2][0] = INT32_MIN;
    s->phaseSecond[2][0] = INT32_MAX;
    const auto all = phaseDifferencePlot(*s, {true, true, true});
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].y, int64_t{INT32_MAX} + 1);
    EXPECT_EQ(all[1].y, 7 + 200 - 10);
    EXPECT_EQ(all[2].y, int64_t{INT32_MIN} + 400 - INT32_MAX);
    EXPECT_EQ(all[0].color, clRed);
    EXPECT_EQ(all[1].color, clGreen);
    EXPECT_EQ(all[2].series, 3);
    const auto one = phaseDifferencePlot(*s, {false, true, false});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].series, 2);
}

TEST_F(Plots, ValuesAreCutAtTheThresholdWithTheirColours) {
    s->graphBegin = 0;
    s->graphEnd = 2;
    s->graphThreshold = 50;
    for (size_t f = 0; f < phaseCount; ++f) {
        s->phaseFirst[f][0] = 10;
        s->phaseFirst[f][1] = 50; // at the threshold: cut
        s->phaseSecond[f][0] = 70;
        s->phaseSecond[f][1] = 49;
    }
    struct Want {
        int64_t y;
        uint32_t color;
    };
    const Want first[3][2] = {
        {{10, clRed}, {50, clGreen}}, {{10, clGreen}, {50, clRed}}, {{10, clBlue}, {50, clBlue}}};
    const auto points = phaseValuePlot(*s, {true, true, true}, false);
    ASSERT_EQ(points.size(), 6u);
    for (size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(points[k].series, static_cast<int>(k / 2) + 1);
        EXPECT_EQ(points[k].y, first[k / 2][k % 2].y) << k;
        EXPECT_EQ(points[k].color, first[k / 2][k % 2].color) << k;
    }
    const auto second = phaseValuePlot(*s, {true, false, false}, true);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0].y, 50);
    EXPECT_EQ(second[0].color, clGreen);
    EXPECT_EQ(second[1].y, 49);
    EXPECT_EQ(second[1].color, clRed);
}

TEST_F(Plots, EmptyWhenBeginIsNotBeforeEnd) {
    s->graphBegin = 10;
    for (int32_t end : {10, 3, -4}) {
        s->graphEnd = end;
        EXPECT_TRUE(viewPlot(*s).empty());
        EXPECT_TRUE(phaseDifferencePlot(*s, {true, true, true}).empty());
        EXPECT_TRUE(phaseValuePlot(*s, {true, true, true}, true).empty());
    }
}
