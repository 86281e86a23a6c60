#include "colortable.h"

namespace {

ColorValue interpolateColor(ColorValue from, ColorValue to, int step)
{
    return colorValue(interpolateChannel(redOf(from), redOf(to), step),
                      interpolateChannel(greenOf(from), greenOf(to), step),
                      interpolateChannel(blueOf(from), blueOf(to), step));
}

} // namespace

ColorTable RebuildColorTable(const GradientProperties &properties)
{
    // Flipping swaps the ends only; the middle colour stays where it is.
    const ColorValue first = properties.flipped ? properties.endColor : properties.startColor;
    const ColorValue last = properties.flipped ? properties.startColor : properties.endColor;

    ColorTable table;
    constexpr int steps = GradientStripeCount / 2;
    for (int step = 0; step < steps; ++step) {
        if (properties.doubleGradient) {
            table[step] = interpolateColor(first, properties.middleColor, step);
            table[steps + step] = interpolateColor(properties.middleColor, last, step);
        } else {
            const ColorValue color = interpolateColor(first, last, step);
            table[2 * step] = color;
            table[2 * step + 1] = color;
        }
    }
    return table;
}
