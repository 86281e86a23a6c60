#pragma once

#include "colourtargets.h"
#include "settings.h"

#include <array>

// The steps of the screen colours dialog: ready gradients, a solid colour, flip and turn, the
// calculator and gauge colours, all shown at once behind the dialog; OK hands the drill window's
// gradient to the start window, Cancel puts back what was there when the dialog opened.
class ScreenColours
{
public:
    struct Preset
    {
        const char *button;  // its caption button
        const char *caption; // the same in every language
        const char *swatch;  // the swatch's gradient
        GradientProperties properties;
    };
    // Aqua, Ocean, Nature, Lila, Magma, Pastel, Honey: the order of Button1 to Button7.
    static const std::array<Preset, 7> &presets();

    ScreenColours(ColourTargets &targets, Settings &settings, ColourChooser &chooser);

    void shown();                                         // show step: remembers what Cancel restores
    void ChangeMenuColor(const GradientProperties &preset); // Button1 to Button7
    void solidColour();                                   // Button8
    void flip();                                          // BitBtn2
    void turn();                                          // BitBtn3
    void calculatorColour();                              // BitBtn6
    void gaugeColour();                                   // BitBtn7
    void ok();                                            // BitBtn1, as the dialog closes
    void cancel();                                        // BitBtn4 and Escape, as the dialog closes

private:
    ColourTargets &m_targets;
    Settings &m_settings;
    RememberingChooser m_chooser;
    ColorValue m_rememberedCalcColor = 0;
    ColorValue m_rememberedCouleur = 0;
    GradientProperties m_rememberedGradient;
};

// The steps of the background dialog, which designs the drill window's gradient colour by colour.
// It keeps no copy: undoing is the screen colours dialog's Cancel.
class BackgroundDesign
{
public:
    BackgroundDesign(ColourTargets &targets, ColourChooser &chooser);

    bool doubleTicked() const { return m_doubleTicked; }           // CheckBox1, for the whole run
    bool middleColourEnabled() const { return m_middleEnabled; }   // BitBtn2

    void shown();                       // show step: the tick decides the double gradient
    void setDoubleTicked(bool ticked);  // CheckBox1 changed
    void startColour();                 // BitBtn1
    void middleColour();                // BitBtn2
    void endColour();                   // BitBtn3

private:
    ColourTargets &m_targets;
    RememberingChooser m_chooser;
    bool m_doubleTicked = true;
    bool m_middleEnabled = true;
};
