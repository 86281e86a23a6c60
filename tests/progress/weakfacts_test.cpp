#include "weakfacts.h"

#include "randomsource.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <map>

namespace {

class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(quint32 seed) : m_generator(seed) {}
    int random(int n) override { return int(m_generator.bounded(n)); }

private:
    QRandomGenerator m_generator;
};

ProgressMap mapWith(std::initializer_list<std::tuple<FactOperation, int, int, Mastery>> facts)
{
    ProgressMap map;
    for (auto [op, t, m, mastery] : facts)
        map.cells[int(op)][t - 1][m - 1].mastery = mastery;
    return map;
}

using Count = std::map<std::tuple<int, int, int>, int>;
Count countOf(const QVector<WeakExercise> &drawn)
{
    Count count;
    for (const WeakExercise &e : drawn)
        ++count[{int(e.operation), e.table, e.multiplier}];
    return count;
}

} // namespace

TEST(WeakFacts, OnlyWeakFactsAtMostThreeTimesEach)
{
    const ProgressMap map = mapWith({
        {FactOperation::Multiply, 7, 8, Mastery::NeedsWork},
        {FactOperation::Divide, 6, 9, Mastery::Learning},
        {FactOperation::Multiply, 2, 2, Mastery::Mastered},
    });
    SeededRandom random(1);
    const QVector<WeakExercise> drawn = WeakFacts::draw(map, random);
    const Count count = countOf(drawn);
    EXPECT_EQ(drawn.size(), 6); // two weak facts, three times each
    EXPECT_EQ((count.at({0, 7, 8})), 3);
    EXPECT_EQ((count.at({1, 6, 9})), 3);
    EXPECT_EQ(count.count({0, 2, 2}), 0u);

    SeededRandom again(1);
    EXPECT_EQ(WeakFacts::draw(map, again), drawn); // a seeded source gives the same sheet
    EXPECT_TRUE(WeakFacts::draw(ProgressMap{}, again).isEmpty());
}

TEST(WeakFacts, FillsTheSheetAndFavoursFactsThatNeedWork)
{
    ProgressMap map;
    for (int t = 1; t <= 12; ++t)
        for (int m = 1; m <= 12; ++m)
            map.cells[0][t - 1][m - 1].mastery = t <= 3 ? Mastery::NeedsWork : Mastery::Learning;
    int needsWork = 0;
    for (quint32 seed = 1; seed <= 20; ++seed) {
        SeededRandom random(seed);
        const QVector<WeakExercise> drawn = WeakFacts::draw(map, random);
        ASSERT_EQ(drawn.size(), WeakFacts::kExercises);
        for (const auto &[fact, n] : countOf(drawn))
            ASSERT_LE(n, WeakFacts::kMaxRepeats);
        for (const WeakExercise &e : drawn)
            needsWork += e.table <= 3;
    }
    // 36 facts weigh 3, 108 weigh 1: half the weight, against a quarter of the facts.
    const double share = needsWork / (20.0 * WeakFacts::kExercises);
    EXPECT_GT(share, 0.4);
    EXPECT_LT(share, 0.6);
}

TEST(WeakFacts, TheAnswerKeyMatchesTheExercisesLineByLine)
{
    QVector<WeakExercise> exercises;
    for (int i = 0; i < WeakFacts::kExercises; ++i)
        exercises.append({FactOperation(i % 2), i % 12 + 1, (i * 5) % 12 + 1});
    const auto questions = WeakFacts::columns(exercises, "÷", false);
    const auto key = WeakFacts::columns(exercises, "÷", true);
    for (int c = 0; c < 3; ++c) {
        ASSERT_EQ(questions[c].size(), 50); // as the random sheet: 24 exercises, 26 blank lines
        ASSERT_EQ(key[c].size(), 50);
        EXPECT_EQ(questions[c].at(24), " ");
        EXPECT_EQ(questions[c].at(25), " ");
        for (int i = 0; i < 50; ++i) {
            const QString &q = questions[c].at(i);
            if (q == " ")
                continue;
            SCOPED_TRACE(q.toStdString());
            ASSERT_TRUE(q.endsWith(" =  ____"));
            const QString k = key[c].at(i);
            EXPECT_TRUE(k.startsWith(q.chopped(7) + "= "));
            const QStringList parts = k.split(' ');
            const int a = parts[0].toInt(), b = parts[2].toInt(), result = parts[4].toInt();
            EXPECT_EQ(parts[1] == "x" ? a * b : a / b, result);
            EXPECT_TRUE(parts[1] == "x" || a == b * result);
        }
    }
    EXPECT_EQ(WeakFacts::line({FactOperation::Divide, 7, 3}, ":", false), "21 : 7 =  ____");
    EXPECT_EQ(WeakFacts::line({FactOperation::Multiply, 7, 3}, ":", true), "3 x 7 = 21");
}
