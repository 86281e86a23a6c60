#pragma once

#include "colourtargets.h"

#include <QList>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const GradientProperties &p, std::ostream *os)
{
    *os << std::hex << "{start 0x" << p.startColor << ", middle 0x" << p.middleColor << ", end 0x" << p.endColor
        << std::dec << (p.orientation == GradientOrientation::Vertical ? ", vertical" : ", horizontal")
        << (p.doubleGradient ? ", double" : ", single") << (p.flipped ? ", flipped}" : "}");
}

class FakeGradient : public GradientTarget
{
public:
    GradientProperties p;

    ColorValue StartColor() const override { return p.startColor; }
    ColorValue MiddleColor() const override { return p.middleColor; }
    ColorValue EndColor() const override { return p.endColor; }
    GradientOrientation Orientation() const override { return p.orientation; }
    bool DoubleGradient() const override { return p.doubleGradient; }
    bool Flipped() const override { return p.flipped; }

    void SetStartColor(ColorValue color) override { p.startColor = color; }
    void SetMiddleColor(ColorValue color) override { p.middleColor = color; }
    void SetEndColor(ColorValue color) override { p.endColor = color; }
    void SetOrientation(GradientOrientation orientation) override { p.orientation = orientation; }
    void SetDoubleGradient(bool doubleGradient) override { p.doubleGradient = doubleGradient; }
    void SetFlipped(bool flipped) override { p.flipped = flipped; }
};

// The drill and start windows as the colour dialogs see them. The top bar keeps its left part
// (Panel16) apart from its right part (Panel17 with Panel18).
class FakeTargets : public ColourTargets
{
public:
    FakeGradient drill, start;
    ColorValue topBarLeft = 0, topBarRight = 0, calculator = 0, gauge = 0;

    GradientTarget &drillGradient() override { return drill; }
    GradientTarget &startGradient() override { return start; }
    void setTopBarColor(ColorValue color) override { topBarLeft = topBarRight = color; }
    void setTopBarLeftColor(ColorValue color) override { topBarLeft = color; }
    void setCalculatorColor(ColorValue color) override { calculator = color; }
    void setGaugeColor(ColorValue color) override { gauge = color; }
};

// Answers with the scripted colours in turn (nothing = the user cancels) and remembers the
// colour it was opened on each time.
class ScriptedChooser : public ColourChooser
{
public:
    QList<std::optional<ColorValue>> answers;
    QList<ColorValue> openedOn;

    std::optional<ColorValue> chooseColor(ColorValue initial) override
    {
        openedOn.append(initial);
        if (answers.isEmpty()) {
            ADD_FAILURE() << "the colour chooser opened unexpectedly";
            return std::nullopt;
        }
        return answers.takeFirst();
    }
};
