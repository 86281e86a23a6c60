#include "stripegeometry.h"

#include "colortable.h"

StripeGeometry::StripeGeometry(int width, int height, GradientOrientation orientation)
    : m_width(width), m_height(height), m_orientation(orientation),
      m_thickness((orientation == GradientOrientation::Vertical ? height : width) / GradientStripeCount + 1)
{
}

int StripeGeometry::offset(int index) const
{
    const qint64 extent = m_orientation == GradientOrientation::Vertical ? m_height : m_width;
    // index × extent / 512 rounded to the nearest dot, halves down; 64 bits because the
    // product overflows an int for the largest widget sizes.
    return int((index * extent + GradientStripeCount / 2 - 1) / GradientStripeCount);
}

QRect StripeGeometry::rect(int index) const
{
    if (m_orientation == GradientOrientation::Vertical)
        return QRect(0, offset(index), m_width, m_thickness);
    return QRect(offset(index), 0, m_thickness, m_height);
}
