#pragma once

#include "gradientproperties.h"

#include <QRect>

// Where the gradient's stripes fall in a width × height area. Stripes are a dot thicker than
// their spacing, so they overlap and leave no gap; where several start on the same row (or
// column), the one painted last shows.
class StripeGeometry
{
public:
    StripeGeometry(int width, int height, GradientOrientation orientation);

    int thickness() const { return m_thickness; }
    // Top (vertical) or left (horizontal) edge of stripe index.
    int offset(int index) const;
    QRect rect(int index) const;

private:
    int m_width;
    int m_height;
    GradientOrientation m_orientation;
    int m_thickness;
};
