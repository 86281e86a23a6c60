#include "windowcolours.h"

#include "gradient.h"
#include "tfcalculator.h"

WindowColours::WindowColours(TFCalculator &drillWindow, TGradient &startGradient)
    : m_drill(drillWindow), m_start(startGradient)
{
}

GradientTarget &WindowColours::drillGradient() { return *m_drill.gradient(); }
GradientTarget &WindowColours::startGradient() { return m_start; }
void WindowColours::setTopBarColor(ColorValue color) { m_drill.setTopBarColor(color); }
void WindowColours::setTopBarLeftColor(ColorValue color) { m_drill.setTopBarLeftColor(color); }
void WindowColours::setCalculatorColor(ColorValue color) { m_drill.setCalculatorColor(color); }
void WindowColours::setGaugeColor(ColorValue color) { m_drill.setGaugeColor(color); }
