#pragma once

#include "randomsource.h"

#include <QString>
#include <QStringList>

#include <array>

// What the random sheet's exercises are drawn from, read at the moment of the print step.
struct ExerciseInputs
{
    QStringList tables;      // LBChoice: the ticked tables, increasing
    QStringList multipliers; // LBRange: the allowed multipliers
    int operationMode = 0;   // 0 multiply, 1 divide, 2 alternate, 3 random; any other value multiplies
    bool crossing = false;   // operands of a multiplication swapped now and then
    QString language;        // Settings.Language, for the division sign
};

// The draw indices, kept for the whole run (8-bit, as the lists hold at most 12 entries).
// Set to 0 once at program start; each random sheet goes on from where the last one stopped.
struct DrawState
{
    qint8 multiplier = 0;
    qint8 table = 0;
    qint8 previousMultiplier = 0;
    qint8 previousTable = 0;
};

namespace SheetContent {

inline constexpr int kColumns = 3;
inline constexpr int kExercisesPerPass = 12;
inline constexpr QStringView kBlankLine = u" ";

// ":" only for exactly "fr"; "÷" in every other language.
QString divisionSign(const QString &language);

// The three columns of the random sheet: 50 lines each, 24 exercises each followed by a blank
// line, with two more blank lines after the twelfth. Draws from 'random' in a fixed order, so a
// known generator state gives a known sheet. The lists must not be empty.
std::array<QStringList, kColumns> drawExercises(const ExerciseInputs &inputs, DrawState &state, RandomSource &random);

// The chosen tables joined by ", " and followed by " *".
QString tableList(const QStringList &tables);

} // namespace SheetContent
