#pragma once
// Colour and plot helpers shared by the picture, the experimental drawings
// and the auxiliary windows. Colours are packed as r + g * 256 + b * 65536.
#include "state/picture_state.h"

#include <cstdint>

namespace rca {

// g is taken modulo 2^24 and b as a 16-bit value, so the sum never overflows
// its 32 bits.
uint32_t packColor(int32_t r, int32_t g, int32_t b);

// a + (b - a) * f, truncated toward zero.
int32_t mixChannel(uint16_t a, uint16_t b, double f);

uint32_t mixColor(uint16_t r1, uint16_t g1, uint16_t b1, uint16_t r2, uint16_t g2, uint16_t b2,
                  double f);

// Black at 0, white at 1.
uint32_t greyLevel(double f);

// The experimental plots' transform: (scale * v + offset) * zoom + origin,
// truncated toward zero.
int32_t plotX(const PictureState& p, double x);
int32_t plotY(const PictureState& p, double y);

} // namespace rca
