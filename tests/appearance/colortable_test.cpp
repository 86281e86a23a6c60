#include "colortable.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorValue White = 0xFFFFFF;
constexpr ColorValue Blue = 0xFF0000;
constexpr ColorValue Navy = 0x800000;

GradientProperties gradient(ColorValue start, ColorValue middle, ColorValue end, bool doubleGradient, bool flipped)
{
    return {start, middle, end, GradientOrientation::Vertical, doubleGradient, flipped};
}

} // namespace

TEST(InterpolateChannel, RoundsAndTruncatesTowardZero)
{
    struct Case { int a, b, step, expected; };
    const Case cases[] = {
        {0, 255, 0, 0},
        {0, 255, 200, 200},    // a full rising channel moves one per step
        {0, 255, 255, 255},
        {0, 100, 1, 0},        // 227 / 255
        {0, 100, 2, 1},        // 327 / 255
        {255, 0, 0, 255},
        {255, 0, 255, 1},      // -64898 / 255 truncates to -254, not -255
        {255, 128, 255, 129},
        {100, 0, 3, 100},      // -173 / 255 truncates to 0
        {100, 0, 4, 99},       // -273 / 255 truncates to -1, flooring would give -2
        {42, 42, 128, 42},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " -> " << c.b << " step " << c.step);
        EXPECT_EQ(interpolateChannel(c.a, c.b, c.step), c.expected);
    }
}

TEST(RebuildColorTable, SingleGradientGivesEachStepTwoEntries)
{
    const ColorTable table = RebuildColorTable(gradient(White, Blue, Navy, false, false));
    EXPECT_EQ(table[0], White);
    EXPECT_EQ(table[1], White);
    EXPECT_EQ(table[510], 0x810101); // every channel falls, so none reaches navy
    EXPECT_EQ(table[511], 0x810101);
    EXPECT_EQ(table[256], 0xC08080); // step 128
    for (int step = 0; step < 256; ++step)
        ASSERT_EQ(table[2 * step], table[2 * step + 1]) << "step " << step;
}

TEST(RebuildColorTable, FlippedSwapsTheEnds)
{
    const ColorTable table = RebuildColorTable(gradient(White, Blue, Navy, false, true));
    EXPECT_EQ(table[0], Navy);
    EXPECT_EQ(table[511], White);
}

TEST(RebuildColorTable, DoubleGradientRunsThroughTheMiddleColour)
{
    const ColorTable table = RebuildColorTable(gradient(White, Blue, Navy, true, false));
    EXPECT_EQ(table[0], White);
    EXPECT_EQ(table[255], 0xFF0101);
    EXPECT_EQ(table[256], Blue);
    EXPECT_EQ(table[511], 0x810000);
}

TEST(RebuildColorTable, FlippedDoubleGradientKeepsTheMiddle)
{
    const ColorTable table = RebuildColorTable(gradient(White, Blue, Navy, true, true));
    EXPECT_EQ(table[0], Navy);
    EXPECT_EQ(table[256], Blue);
    EXPECT_EQ(table[511], 0xFFFFFF);
}

TEST(RebuildColorTable, SeparatesChannelsAndIgnoresTheHighByte)
{
    // Black to white through a grey: every channel equals the step in the first half.
    const ColorTable grey = RebuildColorTable(gradient(0x000000, 0xFFFFFF, 0x000000, true, false));
    EXPECT_EQ(grey[100], 0x646464);

    // A system-colour constant is read as its plain bits: red 15.
    const ColorTable system = RebuildColorTable(gradient(0x8000000F, 0x8000000F, 0x8000000F, true, false));
    for (ColorValue entry : system)
        ASSERT_EQ(entry, 0x00000F);

    // Red to blue: red falls while blue rises, green stays 0.
    const ColorTable redToBlue = RebuildColorTable(gradient(0x0000FF, 0, 0xFF0000, false, false));
    EXPECT_EQ(redToBlue[0], 0x0000FF);
    EXPECT_EQ(redToBlue[511], 0xFF0001);
}
