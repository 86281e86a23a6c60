#pragma once

#include "mastery.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

class RandomSource;

// One exercise of the weak-facts sheet.
struct WeakExercise
{
    FactOperation operation = FactOperation::Multiply;
    int table = 0;
    int multiplier = 0;

    bool operator==(const WeakExercise &) const = default;
};

namespace WeakFacts {

inline constexpr int kExercises = 72;  // as many as the random sheet holds
inline constexpr int kMaxRepeats = 3;  // times one fact may appear on a sheet
inline constexpr int kNeedsWorkWeight = 3;
inline constexpr int kLearningWeight = 1;

// Draws up to 72 exercises from the facts that need work (weight 3) and are still learning
// (weight 1), each fact at most three times. Fewer weak facts give a shorter sheet.
QVector<WeakExercise> draw(const ProgressMap &map, RandomSource &random);

// "3 x 7 =  ____", "21 ÷ 7 =  ____" as on the random sheet; with 'answer' the key's "3 x 7 = 21".
QString line(const WeakExercise &exercise, const QString &divisionSign, bool answer);

// The three columns of a sheet, laid out as the random sheet's: 12 exercises with a blank line
// after each, two more blank lines, 12 more.
std::array<QStringList, 3> columns(const QVector<WeakExercise> &exercises, const QString &divisionSign, bool answers);

} // namespace WeakFacts
