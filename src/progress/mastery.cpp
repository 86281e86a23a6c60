#include "mastery.h"

#include <algorithm>

namespace MasteryRule {

Mastery of(const QVector<Verdict> &verdicts)
{
    if (verdicts.isEmpty())
        return Mastery::NotSeen;
    switch (verdicts.last()) {
    case Verdict::Wrong:
    case Verdict::RightLate:
    case Verdict::WrongLate:
    case Verdict::NothingTyped:
        return Mastery::NeedsWork;
    case Verdict::Right:
    case Verdict::Revealed:
        break;
    }
    if (verdicts.size() < kMasteredStreak)
        return Mastery::Learning;
    const bool streak = std::all_of(verdicts.end() - kMasteredStreak, verdicts.end(),
                                    [](Verdict v) { return v == Verdict::Right; });
    return streak ? Mastery::Mastered : Mastery::Learning;
}

} // namespace MasteryRule

qint64 periodStart(Period period, const QDateTime &now)
{
    switch (period) {
    case Period::Today:
        return QDateTime(now.toLocalTime().date(), QTime(0, 0)).toMSecsSinceEpoch();
    case Period::SevenDays:
        return now.addDays(-7).toMSecsSinceEpoch();
    case Period::ThirtyDays:
        return now.addDays(-30).toMSecsSinceEpoch();
    case Period::All:
        break;
    }
    return 0;
}

ProgressMap ProgressMap::build(const QVector<AnswerRecord> &records)
{
    ProgressMap map;
    constexpr int kFacts = 2 * kTables * kTables;
    std::array<QVector<Verdict>, kFacts> last;   // the last three verdicts of each fact
    std::array<QVector<qint64>, kFacts> times;
    for (const AnswerRecord &r : records) {
        const JudgedAnswer &j = r.judged;
        if (j.table < 1 || j.table > kTables || j.multiplier < 1 || j.multiplier > kTables)
            continue;
        const int op = int(j.operation);
        const int index = (op * kTables + j.table - 1) * kTables + j.multiplier - 1;
        FactCell &cell = map.cells[op][j.table - 1][j.multiplier - 1];
        const bool right = j.verdict == Verdict::Right;
        ++cell.answers;
        cell.right += right;
        ++map.tables[op][j.table - 1].answers;
        map.tables[op][j.table - 1].right += right;
        ++map.answers;
        QVector<Verdict> &v = last[index];
        if (v.size() == MasteryRule::kMasteredStreak)
            v.removeFirst();
        v.append(j.verdict);
        times[index].append(r.thinkingMs);
    }
    for (int index = 0; index < kFacts; ++index) {
        FactCell &cell = map.cells[index / (kTables * kTables)][index / kTables % kTables][index % kTables];
        cell.mastery = MasteryRule::of(last[index]);
        QVector<qint64> &t = times[index];
        if (t.isEmpty())
            continue;
        const auto middle = t.begin() + t.size() / 2;
        std::nth_element(t.begin(), middle, t.end());
        cell.medianMs = *middle;
        if (t.size() % 2 == 0) // the mean of the two middle values
            cell.medianMs = (cell.medianMs + *std::max_element(t.begin(), middle)) / 2;
    }
    return map;
}
