#include "screencolours.h"

namespace {

GradientOrientation turned(GradientOrientation orientation)
{
    return orientation == GradientOrientation::Vertical ? GradientOrientation::Horizontal : GradientOrientation::Vertical;
}

// The colour of the gradient's first stripe, which the top bar takes.
ColorValue firstColour(const GradientTarget &gradient)
{
    return gradient.Flipped() ? gradient.EndColor() : gradient.StartColor();
}

// OK's and Cancel's order: the colours, the double switch, the orientation, then the flip.
void copyProperties(GradientTarget &to, const GradientProperties &from)
{
    to.SetStartColor(from.startColor);
    to.SetMiddleColor(from.middleColor);
    to.SetEndColor(from.endColor);
    to.SetDoubleGradient(from.doubleGradient);
    to.SetOrientation(from.orientation);
    to.SetFlipped(from.flipped);
}

GradientProperties propertiesOf(const GradientTarget &gradient)
{
    GradientProperties p;
    p.startColor = gradient.StartColor();
    p.middleColor = gradient.MiddleColor();
    p.endColor = gradient.EndColor();
    p.orientation = gradient.Orientation();
    p.doubleGradient = gradient.DoubleGradient();
    p.flipped = gradient.Flipped();
    return p;
}

GradientProperties preset(ColorValue start, ColorValue middle, ColorValue end, GradientOrientation orientation,
                          bool doubleGradient)
{
    return {start, middle, end, orientation, doubleGradient, false};
}

} // namespace

const std::array<ScreenColours::Preset, 7> &ScreenColours::presets()
{
    using enum GradientOrientation;
    static const std::array<Preset, 7> table = {{
        {"Button1", "Aqua", "Gradient1", preset(0x8DAE0B, 0x8DAE0B, 0xFFFFFF, Vertical, false)},
        {"Button2", "Ocean", "Gradient2", preset(0xFFFF80, 0xFF0000, 0x800000, Vertical, false)},
        {"Button3", "Nature", "Gradient3", preset(0xFFAC00, 0x408000, 0x6767B1, Vertical, true)},
        {"Button4", "Lila", "Gradient4", preset(0xFEB8E3, 0xFFFFFF, 0xFEB8E3, Horizontal, true)},
        {"Button5", "Magma", "Gradient6", preset(0x0000AE, 0xFF0000, 0xA4A4FF, Vertical, false)},
        {"Button6", "Pastel", "Gradient7", preset(0xC4C4FF, 0xFFFFFF, 0xFFDB91, Vertical, true)},
        {"Button7", "Honey", "Gradient5", preset(0xDDFFFF, 0x40D5FF, 0xDDFFFF, Vertical, true)},
    }};
    return table;
}

// ---- Screen colours ----------------------------------------------------------------------

ScreenColours::ScreenColours(ColourTargets &targets, Settings &settings, ColourChooser &chooser)
    : m_targets(targets), m_settings(settings), m_chooser(chooser)
{
}

void ScreenColours::shown()
{
    m_rememberedCalcColor = m_settings.CalcColor;
    m_rememberedCouleur = m_settings.Couleur;
    m_rememberedGradient = propertiesOf(m_targets.drillGradient());
}

void ScreenColours::ChangeMenuColor(const GradientProperties &preset)
{
    // Only the drill window changes; the start window follows at OK.
    GradientTarget &drill = m_targets.drillGradient();
    drill.SetStartColor(preset.startColor);
    drill.SetMiddleColor(preset.middleColor);
    drill.SetEndColor(preset.endColor);
    drill.SetOrientation(preset.orientation);
    drill.SetDoubleGradient(preset.doubleGradient);
    drill.SetFlipped(preset.flipped);
    m_targets.setTopBarColor(preset.startColor);
}

void ScreenColours::solidColour()
{
    const std::optional<ColorValue> colour = m_chooser.choose();
    if (!colour)
        return;
    for (GradientTarget *gradient : {&m_targets.drillGradient(), &m_targets.startGradient()}) {
        gradient->SetStartColor(*colour);
        gradient->SetMiddleColor(*colour);
        gradient->SetEndColor(*colour);
    }
    m_targets.setTopBarColor(*colour);
}

void ScreenColours::flip()
{
    // Each gradient turns its own value over, so two that differ keep differing.
    GradientTarget &drill = m_targets.drillGradient();
    drill.SetFlipped(!drill.Flipped());
    m_targets.setTopBarColor(firstColour(drill));
    GradientTarget &start = m_targets.startGradient();
    start.SetFlipped(!start.Flipped());
}

void ScreenColours::turn()
{
    GradientTarget &drill = m_targets.drillGradient();
    drill.SetOrientation(turned(drill.Orientation()));
    GradientTarget &start = m_targets.startGradient();
    start.SetOrientation(turned(start.Orientation()));
}

void ScreenColours::calculatorColour()
{
    if (const std::optional<ColorValue> colour = m_chooser.choose()) {
        m_settings.CalcColor = *colour;
        m_targets.setCalculatorColor(*colour);
    }
}

void ScreenColours::gaugeColour()
{
    if (const std::optional<ColorValue> colour = m_chooser.choose()) {
        m_settings.Couleur = *colour;
        m_targets.setGaugeColor(*colour);
    }
}

void ScreenColours::ok()
{
    GradientTarget &drill = m_targets.drillGradient();
    copyProperties(m_targets.startGradient(), propertiesOf(drill));
    // Only the left part of the top bar: the right part keeps the colour it was given last.
    m_targets.setTopBarLeftColor(firstColour(drill));
}

void ScreenColours::cancel()
{
    m_settings.CalcColor = m_rememberedCalcColor;
    m_settings.Couleur = m_rememberedCouleur;
    m_targets.setCalculatorColor(m_rememberedCalcColor);
    // The gauge keeps its colour until the drill window's next operation takes Couleur again.
    copyProperties(m_targets.drillGradient(), m_rememberedGradient);
    copyProperties(m_targets.startGradient(), m_rememberedGradient);
    m_targets.setTopBarColor(m_rememberedGradient.flipped ? m_rememberedGradient.endColor
                                                          : m_rememberedGradient.startColor);
}

// ---- Background design -------------------------------------------------------------------

BackgroundDesign::BackgroundDesign(ColourTargets &targets, ColourChooser &chooser)
    : m_targets(targets), m_chooser(chooser)
{
}

void BackgroundDesign::shown()
{
    m_middleEnabled = m_doubleTicked;
    m_targets.drillGradient().SetDoubleGradient(m_doubleTicked);
}

void BackgroundDesign::setDoubleTicked(bool ticked)
{
    if (ticked == m_doubleTicked)
        return;
    m_doubleTicked = ticked;
    // The show step made the button and the gradient match the tick; each change turns both over.
    m_middleEnabled = !m_middleEnabled;
    GradientTarget &drill = m_targets.drillGradient();
    drill.SetDoubleGradient(!drill.DoubleGradient());
}

void BackgroundDesign::startColour()
{
    if (const std::optional<ColorValue> colour = m_chooser.choose()) {
        m_targets.drillGradient().SetStartColor(*colour);
        // Even on a flipped gradient, whose top shows the end colour.
        m_targets.setTopBarColor(*colour);
    }
}

void BackgroundDesign::middleColour()
{
    if (const std::optional<ColorValue> colour = m_chooser.choose())
        m_targets.drillGradient().SetMiddleColor(*colour);
}

void BackgroundDesign::endColour()
{
    if (const std::optional<ColorValue> colour = m_chooser.choose())
        m_targets.drillGradient().SetEndColor(*colour);
}
