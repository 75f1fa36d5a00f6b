#include "view/colors.h"

#include <cmath>
#include <limits>

namespace rca {

namespace {

// Truncates toward zero, saturating instead of overflowing the int32 range.
int32_t truncated(double v) {
    if (std::isnan(v)) return 0;
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    if (v <= lo) return std::numeric_limits<int32_t>::min();
    if (v >= hi) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(v);
}

int32_t plot(double v, double scale, int32_t offset, double zoom, int32_t origin) {
    return truncated((scale * v + offset) * zoom + origin);
}

} // namespace

uint32_t packColor(int32_t r, int32_t g, int32_t b) {
    const uint32_t green = static_cast<uint32_t>(g) & 0xFFFFFFu;
    const uint32_t blue = static_cast<uint32_t>(b) & 0xFFFFu;
    return static_cast<uint32_t>(r) + green * 256u + blue * 65536u;
}

int32_t mixChannel(uint16_t a, uint16_t b, double f) {
    return truncated(a + (static_cast<double>(b) - a) * f);
}

uint32_t mixColor(uint16_t r1, uint16_t g1, uint16_t b1, uint16_t r2, uint16_t g2, uint16_t b2,
                  double f) {
    return packColor(mixChannel(r1, r2, f), mixChannel(g1, g2, f), mixChannel(b1, b2, f));
}

uint32_t greyLevel(double f) {
    return mixColor(0, 0, 0, 255, 255, 255, f);
}

int32_t plotX(const PictureState& p, double x) {
    return plot(x, p.scaleX, p.offsetX, p.zoom, p.originX);
}

int32_t plotY(const PictureState& p, double y) {
    return plot(y, p.scaleY, p.offsetY, p.zoom, p.originY);
}

} // namespace rca
