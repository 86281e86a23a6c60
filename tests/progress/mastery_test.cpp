#include "mastery.h"

#include <gtest/gtest.h>

namespace {

constexpr Verdict R = Verdict::Right, W = Verdict::Wrong, RL = Verdict::RightLate,
                  WL = Verdict::WrongLate, N = Verdict::NothingTyped, V = Verdict::Revealed;

AnswerRecord record(int table, int multiplier, Verdict verdict, qint64 ms = 1000,
                    FactOperation op = FactOperation::Multiply)
{
    AnswerRecord r;
    r.judged.table = table;
    r.judged.multiplier = multiplier;
    r.judged.operation = op;
    r.judged.verdict = verdict;
    r.thinkingMs = ms;
    return r;
}

} // namespace

TEST(MasteryRule, FromTheLastAnswers)
{
    struct Case { const char *name; QVector<Verdict> history; Mastery expected; };
    const Case cases[] = {
        {"nothing", {}, Mastery::NotSeen},
        {"one right", {R}, Mastery::Learning},
        {"two right", {R, R}, Mastery::Learning},
        {"three right", {R, R, R}, Mastery::Mastered},
        {"old error, three right since", {W, W, R, R, R}, Mastery::Mastered},
        {"late before the streak", {RL, R, R, R}, Mastery::Mastered},
        {"late among the last three", {R, RL, R}, Mastery::Learning},
        {"revealed among the last three", {R, V, R, R}, Mastery::Learning},
        {"last wrong", {R, R, R, W}, Mastery::NeedsWork},
        {"last right but late", {R, R, R, RL}, Mastery::NeedsWork},
        {"last wrong and late", {WL}, Mastery::NeedsWork},
        {"last empty", {R, N}, Mastery::NeedsWork},
        {"last revealed", {W, V}, Mastery::Learning},
        {"right after an error", {W, R}, Mastery::Learning},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MasteryRule::of(c.history), c.expected);
    }
}

TEST(ProgressMap, GroupsAnswersByFactWithTotalsAndMedians)
{
    const QVector<AnswerRecord> records = {
        record(7, 3, W, 4000), record(7, 3, R, 1000), record(7, 3, R, 3000), record(7, 3, R, 2000),
        record(7, 4, R, 500), record(7, 4, W, 1500),
        record(7, 3, R, 9000, FactOperation::Divide),
        record(13, 3, R), record(7, 0, R), // outside the grid
    };
    const ProgressMap map = ProgressMap::build(records);
    EXPECT_EQ(map.answers, 7);

    const FactCell &seven3 = map.cell(FactOperation::Multiply, 7, 3);
    EXPECT_EQ(seven3.mastery, Mastery::Mastered);
    EXPECT_EQ(seven3.answers, 4);
    EXPECT_EQ(seven3.right, 3);
    EXPECT_EQ(seven3.medianMs, 2500); // 1000 2000 3000 4000
    EXPECT_EQ(map.cell(FactOperation::Multiply, 7, 4).mastery, Mastery::NeedsWork);
    EXPECT_EQ(map.cell(FactOperation::Multiply, 7, 4).medianMs, 1000);
    EXPECT_EQ(map.cell(FactOperation::Divide, 7, 3).mastery, Mastery::Learning);
    EXPECT_EQ(map.cell(FactOperation::Divide, 7, 3).medianMs, 9000);
    EXPECT_EQ(map.cell(FactOperation::Multiply, 3, 7).mastery, Mastery::NotSeen);
    EXPECT_EQ(map.cell(FactOperation::Multiply, 3, 7).medianMs, -1);

    EXPECT_EQ(map.tables[0][6].answers, 6);
    EXPECT_EQ(map.tables[0][6].right, 4);
    EXPECT_EQ(map.tables[1][6].answers, 1);
    EXPECT_EQ(map.tables[0][11].answers, 0);
}

TEST(ProgressMap, PeriodsStartAtMidnightOrDaysBack)
{
    const QDateTime now(QDate(2026, 3, 10), QTime(15, 30));
    EXPECT_EQ(periodStart(Period::Today, now), QDateTime(QDate(2026, 3, 10), QTime(0, 0)).toMSecsSinceEpoch());
    EXPECT_EQ(periodStart(Period::SevenDays, now), QDateTime(QDate(2026, 3, 3), QTime(15, 30)).toMSecsSinceEpoch());
    EXPECT_EQ(periodStart(Period::ThirtyDays, now), QDateTime(QDate(2026, 2, 8), QTime(15, 30)).toMSecsSinceEpoch());
    EXPECT_EQ(periodStart(Period::All, now), 0);
}
