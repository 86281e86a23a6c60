#include "stripegeometry.h"

#include "colortable.h"

#include <gtest/gtest.h>

TEST(StripeGeometry, TallAreaGivesOverlappingStripes)
{
    const StripeGeometry stripes(100, 1024, GradientOrientation::Vertical);
    EXPECT_EQ(stripes.thickness(), 3);
    EXPECT_EQ(stripes.rect(0), QRect(0, 0, 100, 3));
    for (int index = 1; index < GradientStripeCount; ++index)
        ASSERT_EQ(stripes.offset(index), stripes.offset(index - 1) + 2) << "stripe " << index;
    EXPECT_EQ(stripes.rect(511), QRect(0, 1022, 100, 3)); // bottom edge exactly at 1024
}

TEST(StripeGeometry, ShortAreaPutsSeveralStripesOnOneRow)
{
    const StripeGeometry stripes(80, 300, GradientOrientation::Vertical);
    EXPECT_EQ(stripes.thickness(), 1);
    EXPECT_EQ(stripes.offset(0), 0);
    EXPECT_EQ(stripes.offset(170), 100);
    EXPECT_EQ(stripes.offset(171), 100);
    EXPECT_EQ(stripes.offset(172), 101);
    EXPECT_EQ(stripes.offset(511), 299);
    // Every row is covered: offsets never skip a row.
    for (int index = 1; index < GradientStripeCount; ++index)
        ASSERT_LE(stripes.offset(index) - stripes.offset(index - 1), stripes.thickness()) << "stripe " << index;
}

TEST(StripeGeometry, HorizontalStripesRunAcrossTheWidth)
{
    const StripeGeometry stripes(1024, 77, GradientOrientation::Horizontal);
    EXPECT_EQ(stripes.thickness(), 3);
    EXPECT_EQ(stripes.rect(1), QRect(2, 0, 3, 77));
    EXPECT_EQ(stripes.rect(511), QRect(1022, 0, 3, 77));
    // The height plays no part in a horizontal gradient's stripe width.
    EXPECT_EQ(StripeGeometry(300, 5000, GradientOrientation::Horizontal).thickness(), 1);
}

TEST(StripeGeometry, HugeAreasDoNotOverflow)
{
    const StripeGeometry stripes(10, 16'777'215, GradientOrientation::Vertical);
    EXPECT_EQ(stripes.offset(511), 16'744'447); // (511 × 16777215 + 255) / 512
}
