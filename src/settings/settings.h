#pragma once

#include "colorvalue.h"

#include <QString>

// The user's options, one record shared by every window for the whole run.
// The 8-bit fields keep only the low 8 bits of what the settings file holds.
struct Settings
{
    QString Language;          // at most 8 characters
    qint8 Range = 0;           // smallest multiplier, 1..12 in use
    bool HideTextLeft = false; // mental-mode panel texts hidden
    bool HideTextRight = false;// information panel texts covered
    ColorValue CalcColor = 0;  // calculator body
    bool Inversion = false;    // operands crossed now and then
    qint8 Timer1 = 0;          // thinking time in seconds, 1..15 in use
    qint8 Timer2 = 0;          // answer display slider position, 1..4 in use
    bool Jauge = false;        // thinking-time gauge shown
    ColorValue Couleur = 0;    // gauge colour
    qint8 Bouton = 0;          // 0 silence, 1..5 sound sequence

    static constexpr int kLanguageLength = 8;
    static constexpr ColorValue kDefaultColor = 32647; // red 0x87, green 0x7F, blue 0
};
