#include "weakfacts.h"

#include "randomsource.h"

namespace WeakFacts {

namespace {

struct Candidate
{
    WeakExercise exercise;
    int weight = 0;
    int drawn = 0;
};

} // namespace

QVector<WeakExercise> draw(const ProgressMap &map, RandomSource &random)
{
    QVector<Candidate> candidates;
    for (int op = 0; op < 2; ++op)
        for (int t = 1; t <= kTables; ++t)
            for (int m = 1; m <= kTables; ++m) {
                const Mastery mastery = map.cells[op][t - 1][m - 1].mastery;
                const int weight = mastery == Mastery::NeedsWork ? kNeedsWorkWeight
                                   : mastery == Mastery::Learning ? kLearningWeight
                                                                  : 0;
                if (weight > 0)
                    candidates.append({{FactOperation(op), t, m}, weight, 0});
            }

    QVector<WeakExercise> drawn;
    int total = 0;
    for (const Candidate &c : candidates)
        total += c.weight;
    while (drawn.size() < kExercises && total > 0) {
        int pick = random.random(total);
        for (Candidate &c : candidates) {
            if (c.drawn == kMaxRepeats)
                continue;
            if (pick >= c.weight) {
                pick -= c.weight;
                continue;
            }
            drawn.append(c.exercise);
            if (++c.drawn == kMaxRepeats)
                total -= c.weight;
            break;
        }
    }
    return drawn;
}

QString line(const WeakExercise &e, const QString &divisionSign, bool answer)
{
    const int product = e.table * e.multiplier;
    const QString question = e.operation == FactOperation::Multiply
                                 ? QStringLiteral("%1 x %2").arg(e.multiplier).arg(e.table)
                                 : QStringLiteral("%1 %2 %3").arg(product).arg(divisionSign).arg(e.table);
    if (!answer)
        return question + QStringLiteral(" =  ____");
    return question + QStringLiteral(" = ")
           + QString::number(e.operation == FactOperation::Multiply ? product : e.multiplier);
}

std::array<QStringList, 3> columns(const QVector<WeakExercise> &exercises, const QString &divisionSign, bool answers)
{
    constexpr int kPerColumn = kExercises / 3;
    constexpr int kPerPass = kPerColumn / 2;
    const QString blank = QStringLiteral(" ");
    std::array<QStringList, 3> result;
    for (qsizetype i = 0; i < exercises.size(); ++i) {
        QStringList &lines = result[size_t(i / kPerColumn)];
        if (i % kPerColumn == kPerPass)
            lines << blank << blank;
        lines << line(exercises.at(i), divisionSign, answers) << blank;
    }
    return result;
}

} // namespace WeakFacts
