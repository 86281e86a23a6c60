#pragma once

#include "answerrecord.h"

#include <QDateTime>
#include <QVector>

#include <array>

// How well a fact is known, from its last answers.
enum class Mastery {
    NotSeen,   // no answer in the period
    NeedsWork, // the last answer was wrong, late or empty
    Learning,  // anything between
    Mastered,  // the last three answers right and in time
};

namespace MasteryRule {

inline constexpr int kMasteredStreak = 3;

// 'verdicts' oldest first; only the last three matter. A revealed answer proves nothing either
// way: as the last answer it leaves the fact learning.
Mastery of(const QVector<Verdict> &verdicts);

} // namespace MasteryRule

// The periods the progress window offers.
enum class Period { Today = 0, SevenDays = 1, ThirtyDays = 2, All = 3 };

// The first moment (ms since 1970 UTC) of 'period' seen from 'now': today starts at local midnight.
qint64 periodStart(Period period, const QDateTime &now);

inline constexpr int kTables = 12;

// One fact of the map: an operation, a table and a multiplier from 1 to 12.
struct FactCell
{
    Mastery mastery = Mastery::NotSeen;
    int answers = 0;
    int right = 0;        // right and in time
    qint64 medianMs = -1; // of the thinking times; -1 without answers
};

struct TableTotals
{
    int answers = 0;
    int right = 0;
};

// The two 12 × 12 grids built from a history; facts outside 1..12 are left out.
struct ProgressMap
{
    // [operation][table - 1][multiplier - 1]
    std::array<std::array<std::array<FactCell, kTables>, kTables>, 2> cells{};
    std::array<std::array<TableTotals, kTables>, 2> tables{};
    int answers = 0;

    static ProgressMap build(const QVector<AnswerRecord> &records);

    const FactCell &cell(FactOperation op, int table, int multiplier) const
    {
        return cells[int(op)][table - 1][multiplier - 1];
    }
};
