#include "fakes.h"
#include "printstep.h"
#include "sheetcontent.h"
#include "worksheetlayouts.h"

#include <QRegularExpression>

namespace {

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list.append(QString::number(n));
    return list;
}

// The exercise lines of the three columns, in order, without the blank lines.
QStringList exercises(const std::array<QStringList, 3> &columns)
{
    QStringList lines;
    for (const QStringList &column : columns) {
        for (const QString &line : column) {
            if (line != QLatin1String(" "))
                lines.append(line);
        }
    }
    return lines;
}

struct Parsed
{
    int left;
    QString sign;
    int right;
};
Parsed parse(const QString &line)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+) (x|:|\u00F7) (\\d+) =  ____$"));
    const QRegularExpressionMatch match = pattern.match(line);
    EXPECT_TRUE(match.hasMatch()) << qPrintable(line);
    return {match.captured(1).toInt(), match.captured(2), match.captured(3).toInt()};
}

} // namespace

TEST(SheetContent, EachColumnHolds24ExercisesAndBlankLinesInFixedPlaces)
{
    ScriptedRandom random;
    DrawState state;
    const auto columns = SheetContent::drawExercises({numbers(3, 7), numbers(1, 12), 0, false, "en"}, state, random);
    for (const QStringList &column : columns) {
        ASSERT_EQ(column.size(), 50);
        for (int i = 0; i < 50; ++i) {
            // Lines 0, 2, ... 22 and 26, 28, ... 48 are exercises; the rest a single blank.
            const bool exercise = (i < 24 || i >= 26) && (i % 2 == 0);
            SCOPED_TRACE(i);
            if (exercise)
                EXPECT_TRUE(column[i].endsWith(QLatin1String(" =  ____"))) << qPrintable(column[i]);
            else
                EXPECT_EQ(column[i], QLatin1String(" "));
        }
    }
}

TEST(SheetContent, DrawsInAFixedOrderMultiplierTableOperatorCrossing)
{
    ScriptedRandom random;
    // Exercise 1: multiplier 0 (same as before, so drawn again) then 5, table 1, operator "x", crossed.
    // Exercise 2: multiplier 2, table 0, operator division; a division is never crossed.
    random.values = {0, 5, 1, 0, 1, 2, 0, 1};
    DrawState state;
    const auto columns =
        SheetContent::drawExercises({{"3", "7"}, numbers(1, 12), 3, true, "en"}, state, random);
    EXPECT_EQ(columns[0][0], QStringLiteral("7 x 6 =  ____"));
    EXPECT_EQ(columns[0][2], QStringLiteral("9 \u00F7 3 =  ____"));
    EXPECT_EQ(random.ranges.mid(0, 8), (QList<int>{12, 12, 2, 2, 2, 12, 2, 2}));
}

TEST(SheetContent, EdgeCases)
{
    struct Case
    {
        const char *name;
        ExerciseInputs inputs;
        std::function<void(const QStringList &lines, const ScriptedRandom &random)> check;
    };
    const Case cases[] = {
        {"one table, one multiplier: the same exercise 72 times, nothing drawn",
         {{"7"}, {"12"}, 0, false, "en"},
         [](const QStringList &lines, const ScriptedRandom &random) {
             EXPECT_EQ(lines.size(), 72);
             EXPECT_EQ(lines.count(QStringLiteral("12 x 7 =  ____")), 72);
             EXPECT_TRUE(random.ranges.isEmpty());
         }},
        {"one table, one multiplier, crossing: only the operand order varies",
         {{"7"}, {"12"}, 0, true, "en"},
         [](const QStringList &lines, const ScriptedRandom &) {
             EXPECT_EQ(lines.count(QStringLiteral("12 x 7 =  ____")) + lines.count(QStringLiteral("7 x 12 =  ____")), 72);
             EXPECT_GT(lines.count(QStringLiteral("7 x 12 =  ____")), 0);
         }},
        {"two tables alternate strictly, the first exercise of the run using the second",
         {{"4", "9"}, numbers(1, 12), 0, false, "en"},
         [](const QStringList &lines, const ScriptedRandom &) {
             for (int i = 0; i < lines.size(); ++i)
                 EXPECT_EQ(parse(lines[i]).right, i % 2 == 0 ? 9 : 4) << i;
         }},
        {"multiply without crossing: the multiplier comes first",
         {{"4"}, {"10"}, 0, false, "en"},
         [](const QStringList &lines, const ScriptedRandom &) {
             EXPECT_EQ(lines.first(), QStringLiteral("10 x 4 =  ____"));
         }},
        {"any other mode multiplies",
         {{"4"}, {"10"}, -1, false, "en"},
         [](const QStringList &lines, const ScriptedRandom &) {
             EXPECT_EQ(lines.count(QStringLiteral("10 x 4 =  ____")), 72);
         }},
        {"divide in French: a colon",
         {{"6"}, {"4"}, 1, true, "fr"},
         [](const QStringList &lines, const ScriptedRandom &random) {
             EXPECT_EQ(lines.count(QStringLiteral("24 : 6 =  ____")), 72);
             EXPECT_TRUE(random.ranges.isEmpty()) << "a division is never crossed";
         }},
        {"divide in English: the division sign",
         {{"6"}, {"4"}, 1, false, "en"},
         [](const QStringList &lines, const ScriptedRandom &) {
             EXPECT_EQ(lines.count(QStringLiteral("24 \u00F7 6 =  ____")), 72);
         }},
        {"divide in German: the division sign, although the drill uses a colon",
         {{"6"}, {"4"}, 1, false, "de"},
         [](const QStringList &lines, const ScriptedRandom &) {
             EXPECT_EQ(lines.first(), QStringLiteral("24 \u00F7 6 =  ____"));
         }},
        {"FR in capitals is not French",
         {{"6"}, {"4"}, 1, false, "FR"},
         [](const QStringList &lines, const ScriptedRandom &) {
             EXPECT_EQ(lines.first(), QStringLiteral("24 \u00F7 6 =  ____"));
         }},
        {"alternate: divisions and multiplications alternate from a division; only multiplications cross",
         {numbers(2, 12), numbers(1, 12), 2, true, "fr"},
         [](const QStringList &lines, const ScriptedRandom &) {
             for (int i = 0; i < lines.size(); ++i) {
                 const Parsed p = parse(lines[i]);
                 if (i % 2 == 0) {
                     EXPECT_EQ(p.sign, QStringLiteral(":")) << i;
                     EXPECT_EQ(p.left % p.right, 0) << "a product divided by its table: " << qPrintable(lines[i]);
                 } else {
                     EXPECT_EQ(p.sign, QStringLiteral("x")) << i;
                 }
             }
         }},
        {"random mode: both operators appear; divisions hold a product",
         {{"3", "8"}, numbers(1, 12), 3, false, "en"},
         [](const QStringList &lines, const ScriptedRandom &) {
             int divisions = 0;
             for (const QString &line : lines) {
                 const Parsed p = parse(line);
                 if (p.sign != QLatin1String("x")) {
                     ++divisions;
                     EXPECT_TRUE(p.right == 3 || p.right == 8);
                     EXPECT_EQ(p.left % p.right, 0);
                 }
             }
             EXPECT_GT(divisions, 10);
             EXPECT_LT(divisions, 62);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom random;
        DrawState state;
        c.check(exercises(SheetContent::drawExercises(c.inputs, state, random)), random);
    }
}

TEST(SheetContent, CrossingSwapsOnlyMultiplicationsAndPutsTheTableFirst)
{
    // Table 11 with multipliers 2..5: a crossed line starts with 11, an uncrossed one ends with it.
    ScriptedRandom random;
    DrawState state;
    const QStringList lines =
        exercises(SheetContent::drawExercises({{"11"}, numbers(2, 5), 2, true, "en"}, state, random));
    int crossed = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const Parsed p = parse(lines[i]);
        if (p.sign == QLatin1String("x") && p.left == 11) {
            ++crossed;
            EXPECT_LE(p.right, 5);
        } else if (p.sign == QLatin1String("x")) {
            EXPECT_EQ(p.right, 11);
        } else {
            EXPECT_EQ(p.right, 11) << "a division is never swapped";
        }
    }
    EXPECT_GT(crossed, 0);
    EXPECT_LT(crossed, 36);
}

TEST(SheetContent, FirstExerciseOfTheRunAvoidsTheFirstEntries)
{
    ScriptedRandom random;
    random.values = {0, 0, 3, 0, 1}; // drawn again while equal to the previous index 0
    DrawState state;
    const auto columns = SheetContent::drawExercises({{"2", "5"}, numbers(1, 12), 0, false, "en"}, state, random);
    EXPECT_EQ(columns[0][0], QStringLiteral("4 x 5 =  ____"));
    EXPECT_EQ(random.ranges.mid(0, 5), (QList<int>{12, 12, 12, 2, 2}));
}

TEST(SheetContent, TableListEndsWithAStar)
{
    EXPECT_EQ(SheetContent::tableList({"1", "3", "12"}), QStringLiteral("1, 3, 12 *"));
    EXPECT_EQ(SheetContent::tableList({"7"}), QStringLiteral("7 *"));
}

// ---- The print step ----

namespace {

Captions printTexts()
{
    QStringList texts;
    for (const CaptionKey &key : CaptionSections::PrintDlg.keys)
        texts.append(QStringLiteral("<%1>").arg(QString::fromLatin1(key.key)));
    return Captions(CaptionSections::PrintDlg, texts);
}

struct PrintStepTest : ::testing::Test
{
    ScriptedRandom random;
    PrintStep step{random};
    RecordingOutput output;
    Report randomSheet{WorksheetLayouts::random("web")};
    Report without{WorksheetLayouts::tablesWithoutAnswers("web")};
    Report with{WorksheetLayouts::tablesWithAnswers("web")};
    Report grid{WorksheetLayouts::grid("web")};
    WorksheetReports reports{&randomSheet, &without, &with, &grid};
    Captions texts = printTexts();

    PrintChoice randomChoice()
    {
        PrintChoice choice;
        choice.exercises = {{"1", "3", "12"}, numbers(5, 12), 0, false, "en"};
        choice.operationText = "Operator: Multiply";
        choice.smallestMultiplier = 5;
        return choice;
    }
    static QString text(const PageLayout &page, const char *name) { return page.find(name)->text; }
    static QStringList lines(const PageLayout &page, const char *name) { return page.find(name)->lines; }
};

} // namespace

TEST_F(PrintStepTest, RandomSheetFillsEverySlotPreviewsBlockingThenEmptiesItsColumns)
{
    step.run(randomChoice(), texts, reports, output);
    ASSERT_EQ(output.calls.size(), 1);
    EXPECT_EQ(output.calls[0].kind, "blocking");
    const PageLayout &shown = output.calls[0].snapshot;
    EXPECT_EQ(text(shown, "QRRandomTitle"), "<vQRRandSheetTitle>");
    EXPECT_EQ(text(shown, "QRRandomComment"), "<vQRRandSheetComment> 1, 3, 12 *");
    EXPECT_EQ(text(shown, "QRDate"), "<vQRDateString>");
    EXPECT_EQ(text(shown, "QROptions"), "<vQROptions>");
    EXPECT_EQ(text(shown, "QROptionCrossed"), "<vQRRandSheetNotCrossed>");
    EXPECT_EQ(text(shown, "QROptionMultiplier"), "<vQRRandSheetMult> 5");
    EXPECT_EQ(text(shown, "QRLabel2"), "Operator: Multiply");
    for (const char *column : {"QRMemo1", "QRMemo2", "QRMemo3"}) {
        EXPECT_EQ(lines(shown, column).size(), 50) << column;
        EXPECT_TRUE(randomSheet.lines(column).isEmpty()) << column;
    }

    // A second sheet has 50 lines again, never 100.
    PrintChoice crossed = randomChoice();
    crossed.exercises.crossing = true;
    crossed.output = SheetOutput::Paper;
    step.run(crossed, texts, reports, output);
    ASSERT_EQ(output.calls.size(), 2);
    EXPECT_EQ(output.calls[1].kind, "print");
    EXPECT_EQ(lines(output.calls[1].snapshot, "QRMemo1").size(), 50);
    EXPECT_EQ(text(output.calls[1].snapshot, "QROptionCrossed"), "<vQRRandSheetCrossed>");
}

TEST_F(PrintStepTest, ASecondSheetGoesOnFromTheDrawStateOfTheFirst)
{
    const PrintChoice choice = randomChoice(); // multipliers 5 to 12, tables 1, 3 and 12
    step.run(choice, texts, reports, output);
    const DrawState last = step.drawState();
    const int nextMultiplier = last.multiplier == 0 ? 1 : 0;
    const int nextTable = last.table == 0 ? 1 : 0;
    random.ranges.clear();
    // The first draw of each index repeats the last sheet's, so it is drawn again.
    random.values = {last.multiplier, nextMultiplier, last.table, nextTable};
    step.run(choice, texts, reports, output);
    EXPECT_EQ(random.ranges.mid(0, 4), (QList<int>{8, 8, 3, 3}));
    EXPECT_EQ(lines(output.calls[1].snapshot, "QRMemo1").first(),
              QStringLiteral("%1 x %2 =  ____").arg(5 + nextMultiplier).arg(choice.exercises.tables[nextTable]));
}

TEST_F(PrintStepTest, OtherSheetsFillTheirSlotsAndPreviewWithoutBlocking)
{
    PrintChoice choice;
    choice.sheet = SheetKind::TablesWithoutAnswers;
    step.run(choice, texts, reports, output);
    choice.sheet = SheetKind::TablesWithAnswers;
    step.run(choice, texts, reports, output);
    choice.sheet = SheetKind::Grid;
    choice.output = SheetOutput::Paper;
    step.run(choice, texts, reports, output);

    ASSERT_EQ(output.calls.size(), 3);
    EXPECT_EQ(output.calls[0].page, "TRPrintAllWithout");
    EXPECT_EQ(output.calls[0].kind, "nonblocking");
    EXPECT_EQ(text(output.calls[0].snapshot, "QROtherTitle"), "<vQROtherSheetTitle>");
    EXPECT_EQ(text(output.calls[0].snapshot, "QRComment"), "<vQROtherSheetComment>");
    EXPECT_EQ(text(output.calls[0].snapshot, "QRDate"), "<vQRDateString>");
    EXPECT_EQ(output.calls[1].page, "TRPrintAllWith");
    EXPECT_EQ(text(output.calls[1].snapshot, "QROtherTitle"), "<vQROtherSheetTitle>");
    EXPECT_EQ(text(output.calls[1].snapshot, "QRDate"), "<vQRDateString>");
    EXPECT_EQ(output.calls[2].page, "TRPrintGrid");
    EXPECT_EQ(output.calls[2].kind, "print");
    EXPECT_EQ(text(output.calls[2].snapshot, "QRGridCaption"), "<vQRPrintGridCaption>");
    EXPECT_TRUE(random.ranges.isEmpty()) << "only the random sheet draws";
}

TEST(WorksheetLayouts, TablesSheetsHoldTheirFixedOperationTexts)
{
    const PageLayout with = WorksheetLayouts::tablesWithAnswers("web");
    const PageLayout without = WorksheetLayouts::tablesWithoutAnswers("web");
    EXPECT_EQ(with.find(WorksheetLayouts::operationTextName(8, 7))->text, "7 x 8 = 56");
    EXPECT_EQ(without.find(WorksheetLayouts::operationTextName(8, 7))->text, "7 x 8 =");
    EXPECT_EQ(with.elements.size(), 4u + 144u);
    EXPECT_EQ(without.elements.size(), 5u + 144u);
}
