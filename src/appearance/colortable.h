#pragma once

#include "gradientproperties.h"

#include <array>

// A gradient is painted as this many stripes, one table entry each.
inline constexpr int GradientStripeCount = 512;

using ColorTable = std::array<ColorValue, GradientStripeCount>;

// One channel moved from a toward b at step 0..255. The quotient truncates toward zero,
// so a falling channel stops one short of b at step 255; the painted colours depend on it.
constexpr int interpolateChannel(int a, int b, int step)
{
    return a + (step * (b - a) + 127) / 255;
}

// The stripe colours, first stripe (top or left) at index 0. A single gradient gives each of
// its 256 steps two stripes; a double one runs first to middle in 0..255 and middle to last
// in 256..511. Bits 24..31 of the colours are ignored.
ColorTable RebuildColorTable(const GradientProperties &properties);
