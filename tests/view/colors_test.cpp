#include "view/colors.h"

#include <gtest/gtest.h>

namespace {

TEST(Colors, PackColorPlacesChannelsAndWrapsWideValues) {
    EXPECT_EQ(rca::packColor(255, 0, 0), 0x0000FFu);
    EXPECT_EQ(rca::packColor(0, 0, 255), 0xFF0000u);
    EXPECT_EQ(rca::packColor(1, 2, 3), 1u + 2u * 256u + 3u * 65536u);
    // g modulo 2^24, b as a 16-bit value: the high bits are dropped.
    EXPECT_EQ(rca::packColor(0, 0x1000001, 0), 256u);
    EXPECT_EQ(rca::packColor(0, 0, 0x10002), 2u * 65536u);
}

TEST(Colors, MixChannelTruncatesTowardZero) {
    EXPECT_EQ(rca::mixChannel(0, 255, 0.5), 127);
    EXPECT_EQ(rca::mixChannel(255, 0, 0.5), 127); // 127.5
    EXPECT_EQ(rca::mixChannel(10, 20, 0.0), 10);
    EXPECT_EQ(rca::mixChannel(10, 20, 1.0), 20);
    EXPECT_EQ(rca::mixChannel(100, 0, 0.999), 0); // 0.1 truncates to 0
}

TEST(Colors, GreyLevelAndMixColor) {
    EXPECT_EQ(rca::greyLevel(0.5), 127u + 127u * 256u + 127u * 65536u);
    EXPECT_EQ(rca::greyLevel(0.0), 0u);
    EXPECT_EQ(rca::greyLevel(1.0), 0xFFFFFFu);
    // Red to blue, a quarter of the way: r = 191.25, b = 63.75.
    EXPECT_EQ(rca::mixColor(255, 0, 0, 0, 0, 255, 0.25), rca::packColor(191, 0, 63));
}

TEST(Colors, PlotHelpersUseTheirOwnTransform) {
    rca::PictureState p;
    EXPECT_EQ(rca::plotX(p, 10), 8); // 0.8 * 10
    EXPECT_EQ(rca::plotY(p, -10), -8);
    p.offsetX = 2;
    p.zoom = 2.5;
    p.originX = 100;
    p.scaleY = 0.5;
    p.offsetY = 1;
    p.originY = -3;
    EXPECT_EQ(rca::plotX(p, 10), 125);  // (8 + 2) * 2.5 + 100
    EXPECT_EQ(rca::plotY(p, 3), 3);     // (1.5 + 1) * 2.5 - 3 = 3.25
    EXPECT_EQ(rca::plotY(p, -10), -13); // (-5 + 1) * 2.5 - 3
}

} // namespace
