#pragma once

#include "gradientproperties.h"

#include <optional>

// A background gradient changed property by property. Each setter ignores the current value and
// otherwise repaints at once, so the change is on screen when it returns.
class GradientTarget
{
public:
    virtual ~GradientTarget() = default;

    virtual ColorValue StartColor() const = 0;
    virtual ColorValue MiddleColor() const = 0;
    virtual ColorValue EndColor() const = 0;
    virtual GradientOrientation Orientation() const = 0;
    virtual bool DoubleGradient() const = 0;
    virtual bool Flipped() const = 0;

    virtual void SetStartColor(ColorValue color) = 0;
    virtual void SetMiddleColor(ColorValue color) = 0;
    virtual void SetEndColor(ColorValue color) = 0;
    virtual void SetOrientation(GradientOrientation orientation) = 0;
    virtual void SetDoubleGradient(bool doubleGradient) = 0;
    virtual void SetFlipped(bool flipped) = 0;
};

// What the colour dialogs change in the other windows, at once.
class ColourTargets
{
public:
    virtual ~ColourTargets() = default;

    virtual GradientTarget &drillGradient() = 0;          // the drill window's background
    virtual GradientTarget &startGradient() = 0;          // the start window's background
    virtual void setTopBarColor(ColorValue color) = 0;     // the drill window's Panel16, Panel17, Panel18
    virtual void setTopBarLeftColor(ColorValue color) = 0; // Panel16 alone
    virtual void setCalculatorColor(ColorValue color) = 0; // Panel13
    virtual void setGaugeColor(ColorValue color) = 0;      // Gauge1, until the next operation sets it again
};

// The window system's colour chooser, opened on 'initial'; nothing when the user cancels.
class ColourChooser
{
public:
    virtual ~ColourChooser() = default;
    virtual std::optional<ColorValue> chooseColor(ColorValue initial) = 0;
};

// A dialog's one colour chooser, opening on the colour last chosen in it (black the first time).
class RememberingChooser
{
public:
    explicit RememberingChooser(ColourChooser &chooser) : m_chooser(chooser) {}

    std::optional<ColorValue> choose()
    {
        const std::optional<ColorValue> chosen = m_chooser.chooseColor(m_last);
        if (chosen)
            m_last = *chosen;
        return chosen;
    }

private:
    ColourChooser &m_chooser;
    ColorValue m_last = 0;
};
