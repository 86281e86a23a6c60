#include "drilltimer.h"
#include "fakes.h"
#include "mark.h"
#include "operation.h"

#include <gtest/gtest.h>

namespace {
const QStringList kAllMultipliers = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
const QString kDivide = QString(QChar(0x00F7));
} // namespace

TEST(Operation, DrawsInTheFixedOrderAndShowsDivisionsAsProductByTable)
{
    const struct {
        const char *name;
        int mode;
        const char *language;
        bool crossing;
        QList<int> draws;  // scripted values, in draw order
        QList<int> ranges; // the n of each draw
        QString first, op, second;
        int expected;
    } cases[] = {
        {"multiply", 0, "en", false, {2, 0}, {12, 1}, "3", "x", "7", 21},
        {"multiply crossed", 0, "en", true, {2, 0, 1}, {12, 1, 2}, "7", "x", "3", 21},
        {"multiply not crossed", 0, "en", true, {2, 0, 0}, {12, 1, 2}, "3", "x", "7", 21},
        {"divide", 1, "en", false, {2, 0}, {12, 1}, "21", kDivide, "7", 3},
        {"divide in French", 1, "fr", false, {2, 0}, {12, 1}, "21", ":", "7", 3},
        {"divide in German", 1, "de", true, {2, 0}, {12, 1}, "21", ":", "7", 3},
        {"divide in Dutch", 1, "nl", false, {2, 0}, {12, 1}, "21", kDivide, "7", 3},
        {"random gives x, never crossed", 3, "en", true, {0, 2, 0}, {2, 12, 1}, "3", "x", "7", 21},
        {"random gives division", 3, "es", false, {1, 2, 0}, {2, 12, 1}, "21", kDivide, "7", 3},
        {"nothing selected", -1, "en", true, {2, 0, 0}, {12, 1, 2}, "3", "x", "7", 21},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom random;
        random.values = c.draws;
        DrillState state;
        const int mode = Operation::chooseOperator(state, c.mode, c.language, random);
        EXPECT_EQ(mode, c.mode < 0 ? 0 : c.mode);
        Operation::draw(state, {QStringList{"7"}, kAllMultipliers, mode, c.crossing}, random);
        EXPECT_EQ(random.ranges, c.ranges);
        EXPECT_EQ(state.FirstText, c.first);
        EXPECT_EQ(state.Operator, c.op);
        EXPECT_EQ(state.SecondText, c.second);
        EXPECT_EQ(state.Expected, c.expected);
        EXPECT_EQ(state.Table, 7);
        EXPECT_EQ(state.Multiplier, 3);
    }
}

TEST(Operation, NeverRepeatsTheMultiplierOfTheLastDrawnOperation)
{
    ScriptedRandom random;
    DrillState state;
    state.Operator = "x";
    random.values = {2, 0, 2, 2, 5, 1};
    Operation::draw(state, {QStringList{"4", "9"}, kAllMultipliers, 0, false}, random);
    EXPECT_EQ(state.Multiplier, 3);
    Operation::draw(state, {QStringList{"4", "9"}, kAllMultipliers, 0, false}, random);
    EXPECT_EQ(state.Multiplier, 6); // 3 was drawn twice more and refused
    EXPECT_EQ(state.Table, 9);
    EXPECT_EQ(state.PrevMultiplier, 6);

    // A single allowed multiplier is used every time, without a draw.
    random.ranges.clear();
    random.values = {0, 0};
    Operation::draw(state, {QStringList{"5"}, QStringList{"12"}, 0, false}, random);
    Operation::draw(state, {QStringList{"5"}, QStringList{"12"}, 0, false}, random);
    EXPECT_EQ(random.ranges, QList<int>({1, 1}));
    EXPECT_EQ(state.FirstText, "12");
}

TEST(Operation, AlternateFollowsWhateverTheLastOperationUsed)
{
    ScriptedRandom random;
    DrillState state; // program start: no operator yet
    Operation::chooseOperator(state, 2, "en", random);
    EXPECT_EQ(state.Operator, "x");
    Operation::chooseOperator(state, 2, "en", random);
    EXPECT_EQ(state.Operator, kDivide);
    Operation::chooseOperator(state, 1, "fr", random); // a divide-mode operation
    Operation::chooseOperator(state, 2, "fr", random);
    EXPECT_EQ(state.Operator, "x");
    Operation::chooseOperator(state, 7, "fr", random); // unknown index keeps the operator
    EXPECT_EQ(state.Operator, "x");
}

TEST(Operation, ReplaysRecordedLinesWhateverTheLanguage)
{
    const struct { const char *line; QString op, first, second; int expected; } cases[] = {
        {"3x7", "x", "3", "7", 21},
        {"7x3", "x", "7", "3", 21},
        {"21\xC3\xB7" "7", kDivide, "21", "7", 3},
        {"21:7", ":", "21", "7", 3},
        {"144:12", ":", "144", "12", 12},
        {"5:0", ":", "5", "0", 0}, // never written by a recording; must not crash
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        DrillState state;
        state.PrevMultiplier = 9;
        Operation::replay(state, QString::fromUtf8(c.line));
        EXPECT_EQ(state.Operator, c.op);
        EXPECT_EQ(state.FirstText, c.first);
        EXPECT_EQ(state.SecondText, c.second);
        EXPECT_EQ(state.Expected, c.expected);
        EXPECT_EQ(state.PrevMultiplier, 9);
        EXPECT_EQ(Operation::recordedLine(state), QString::fromUtf8(c.line));
    }
}

TEST(Mark, ShowsOneDecimalOnlyWhenItSaysSomething)
{
    const struct { int errors, operations; QLocale::Language language; const char *text; } cases[] = {
        {0, 1, QLocale::English, "10"},   {1, 2, QLocale::English, "5"},    {1, 3, QLocale::English, "6.7"},
        {1, 4, QLocale::English, "7.5"},  {1, 10, QLocale::English, "9"},   {1, 100, QLocale::English, "9.9"},
        {1, 1000, QLocale::English, "10"}, {3, 3, QLocale::English, "0"},   {1, 3, QLocale::French, "6,7"},
        {3, 8, QLocale::English, "6.3"},  {1, 4, QLocale::German, "7,5"},
        // Native digits of the locale would differ from the counters' ASCII digits.
        {1, 3, QLocale::Arabic, nullptr}, {1, 3, QLocale::Persian, nullptr}, {1, 2, QLocale::Arabic, "5"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.errors << " in " << c.operations);
        const QLocale locale(c.language);
        const QString expected = c.text ? QString::fromLatin1(c.text) : QStringLiteral("6") + locale.decimalPoint() + u'7';
        EXPECT_EQ(Mark::text(Mark::compute(c.errors, c.operations), locale), expected);
    }
}

TEST(DrillTimer, RestartsOnlyWhenIntervalOrEnabledReallyChange)
{
    ManualTimer backend;
    DrillTimer timer(backend);
    timer.setInterval(3000);
    EXPECT_FALSE(backend.running); // not enabled yet
    timer.setEnabled(true);
    EXPECT_TRUE(backend.running);
    EXPECT_EQ(backend.starts, 1);
    timer.setInterval(3000);
    timer.setEnabled(true);
    EXPECT_EQ(backend.starts, 1); // same values: the count goes on
    timer.restart(3000);
    EXPECT_EQ(backend.starts, 2);
    EXPECT_EQ(backend.interval, 3000);
    timer.setInterval(0);
    EXPECT_FALSE(backend.running); // interval 0 stops it
    EXPECT_TRUE(timer.enabled());
    timer.setInterval(1);
    EXPECT_TRUE(backend.running);
    timer.setEnabled(false);
    EXPECT_FALSE(backend.running);
}
