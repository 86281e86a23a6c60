#pragma once

#include <QtGlobal>

// A colour as stored: 0x00BBGGRR, red in the low byte; signed like the settings file writes it.
using ColorValue = qint32;

constexpr int redOf(ColorValue c) { return c & 0xFF; }
constexpr int greenOf(ColorValue c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(ColorValue c) { return (c >> 16) & 0xFF; }
constexpr ColorValue colorValue(int red, int green, int blue)
{
    return ColorValue(quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16);
}
