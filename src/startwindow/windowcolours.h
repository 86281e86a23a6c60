#pragma once

#include "colourtargets.h"

class TFCalculator;
class TGradient;

// What the colour dialogs change: the drill window's gradient, top bar, calculator and gauge,
// and the start window's gradient.
class WindowColours : public ColourTargets
{
public:
    WindowColours(TFCalculator &drillWindow, TGradient &startGradient);

    GradientTarget &drillGradient() override;
    GradientTarget &startGradient() override;
    void setTopBarColor(ColorValue color) override;
    void setTopBarLeftColor(ColorValue color) override;
    void setCalculatorColor(ColorValue color) override;
    void setGaugeColor(ColorValue color) override;

private:
    TFCalculator &m_drill;
    TGradient &m_start;
};
