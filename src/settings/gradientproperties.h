#pragma once

#include "colorvalue.h"

enum class GradientOrientation { Vertical, Horizontal };

// The six properties of a background gradient, as painted and as kept in the settings file.
struct GradientProperties
{
    ColorValue startColor = 0xFFFFFF;
    ColorValue middleColor = 0xFF0000;
    ColorValue endColor = 0x800000;
    GradientOrientation orientation = GradientOrientation::Vertical;
    bool doubleGradient = false;
    bool flipped = false;

    bool operator==(const GradientProperties &) const = default;
};
