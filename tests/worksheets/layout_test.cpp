#include "apperror.h"
#include "fakes.h"
#include "gridpicture.h"
#include "pdfexport.h"
#include "pdfwords.h"
#include "previewwindow.h"
#include "worksheetlayouts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

constexpr double kTolerance = 0.5; // mm

// The sheet written as a PDF and read back.
QList<PdfWord> wordsOf(const Report &report, const QString &date = QStringLiteral("11/06/2024"))
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    PdfExport::write(report, path, date);
    return readPdfWords(path);
}

// Words whose text is 'text', in reading order.
QList<PdfWord> find(const QList<PdfWord> &words, const QString &text)
{
    QList<PdfWord> found;
    for (const PdfWord &word : words) {
        if (word.text == text)
            found.append(word);
    }
    return found;
}

// The one word 'text' whose top-left corner is near (left, top).
const PdfWord *wordAt(const QList<PdfWord> &words, const QString &text, double left, double top)
{
    for (const PdfWord &word : words) {
        if (word.text == text && qAbs(word.box.left() - left) < kTolerance && qAbs(word.box.top() - top) < kTolerance)
            return &word;
    }
    return nullptr;
}

void expectNear(double actual, double expected, const char *what)
{
    EXPECT_NEAR(actual, expected, kTolerance) << what;
}

} // namespace

TEST(Layouts, RandomSheetTitleDateAndThreeColumnsWithTheirTailsLinedUp)
{
    Report report(WorksheetLayouts::random(QStringLiteral("https://quorvel.example.org/")));
    report.setText(QStringLiteral("QRRandomTitle"), QStringLiteral("Random sums"));
    report.setText(QStringLiteral("QRRandomComment"), QStringLiteral("Tables: 3, 7 *"));
    report.setText(QStringLiteral("QROptions"), QStringLiteral("Options:"));
    report.setText(QStringLiteral("QRDate"), QStringLiteral("Made with Quorvel on"));
    ScriptedRandom random;
    DrawState state;
    const auto columns = SheetContent::drawExercises({{"3", "7"}, {"11", "12"}, 1, false, "en"}, state, random);
    const char *names[] = {"QRMemo1", "QRMemo2", "QRMemo3"};
    for (int c = 0; c < 3; ++c) {
        for (const QString &line : columns[size_t(c)])
            report.appendLine(QString::fromLatin1(names[c]), line);
    }
    const QList<PdfWord> words = wordsOf(report);

    ASSERT_TRUE(wordAt(words, QStringLiteral("Random"), 16.35, 17.41)) << "title";
    ASSERT_TRUE(wordAt(words, QStringLiteral("Tables:"), 16.35, 23.76)) << "comment";
    ASSERT_TRUE(wordAt(words, QStringLiteral("Options:"), 156.05, 13.18)) << "options heading";
    ASSERT_TRUE(wordAt(words, QStringLiteral("https://quorvel.example.org/"), 27.52, 261.67)) << "web line";

    // The lead-in ends just before the date, which starts at its own place.
    const QList<PdfWord> on = find(words, QStringLiteral("on"));
    ASSERT_EQ(on.size(), 1);
    expectNear(on[0].box.right(), 133.35 + 45.24, "lead-in's right end");
    expectNear(on[0].box.top(), 262.47, "lead-in's top");
    const QList<PdfWord> date = find(words, QStringLiteral("11/06/2024"));
    ASSERT_EQ(date.size(), 1);
    expectNear(date[0].box.left(), 179.39, "date's left");

    // 24 exercises per column, the first at the column's top, every "____" ending at its right edge.
    const double rights[] = {16.93 + 35.72, 82.55 + 35.72, 152.40 + 35.72};
    const QList<PdfWord> tails = find(words, QStringLiteral("____"));
    ASSERT_EQ(tails.size(), 72);
    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        QList<double> tops;
        for (const PdfWord &tail : tails) {
            if (qAbs(tail.box.right() - rights[c]) < kTolerance)
                tops.append(tail.box.top());
        }
        ASSERT_EQ(tops.size(), 24);
        std::sort(tops.begin(), tops.end());
        expectNear(tops.first(), 34.92, "first line's top");
        EXPECT_LT(tops.last(), 262.46) << "the column ends above the date line";
    }
}

TEST(Layouts, TablesSheetsPutTheir144TextsInTwelveEvenlySpacedBlocks)
{
    for (const bool withAnswers : {true, false}) {
        SCOPED_TRACE(withAnswers ? "with answers" : "without answers");
        Report report(withAnswers ? WorksheetLayouts::tablesWithAnswers(QStringLiteral("web"))
                                  : WorksheetLayouts::tablesWithoutAnswers(QStringLiteral("web")));
        report.setText(QStringLiteral("QRDate"), QStringLiteral("A rather long lead-in made on"));
        const QList<PdfWord> words = wordsOf(report);

        // The lead-in ends just before the date, whatever its length.
        const QList<PdfWord> on = find(words, QStringLiteral("on"));
        ASSERT_EQ(on.size(), 1);
        expectNear(on[0].box.right(), withAnswers ? 124.30 + 50.80 : 131.71 + 43.39, "lead-in's right end");
        const QList<PdfWord> date = find(words, QStringLiteral("11/06/2024"));
        ASSERT_EQ(date.size(), 1);
        expectNear(date[0].box.left(), withAnswers ? 176.16 : 175.89, "date's left");
        int placed = 0;
        for (int table = 1; table <= 12; ++table) {
            const WorksheetLayouts::TableBlock block = WorksheetLayouts::tableBlock(table, withAnswers);
            for (int m = 1; m <= 12; ++m) {
                const double top = block.firstTop + (block.lastTop - block.firstTop) * (m - 1) / 11;
                const PdfWord *first = wordAt(words, QString::number(m), block.left, top);
                if (!first) {
                    ADD_FAILURE() << "no " << m << " x " << table << " at " << block.left << ", " << top;
                    continue;
                }
                // The rest of the line follows on the same baseline: x, the table, =, and the product or nothing.
                QStringList rest;
                for (const PdfWord &word : words) {
                    if (qAbs(word.box.top() - first->box.top()) < 0.1 && word.box.left() > first->box.left() &&
                        word.box.left() < first->box.left() + 30)
                        rest.append(word.text);
                }
                QStringList expected = {QStringLiteral("x"), QString::number(table), QStringLiteral("=")};
                if (withAnswers)
                    expected.append(QString::number(table * m));
                EXPECT_EQ(rest, expected) << m << " x " << table;
                ++placed;
            }
        }
        EXPECT_EQ(placed, 144);
    }
}

TEST(Layouts, GridHolds23HeadersAnd132ProductsCentredInTheirCells)
{
    Report report(WorksheetLayouts::grid(QStringLiteral("web")));
    report.setText(QStringLiteral("QRGridCaption"), QStringLiteral("Double Entry Multiplication Grid"));
    report.setText(QStringLiteral("QRDate"), QStringLiteral("Made on"));
    const QList<PdfWord> words = wordsOf(report);
    ASSERT_TRUE(wordAt(words, QStringLiteral("Double"), 20.58, 18.47));
    ASSERT_TRUE(wordAt(words, QStringLiteral("Made"), 128.53, 20.32)) << "the grid's lead-in is left-aligned";
    ASSERT_TRUE(wordAt(words, QStringLiteral("11/06/2024"), 168.22, 20.58));

    const QPointF origin(23.28, 46.57);
    int found = 0;
    const auto expectNumber = [&](int value, int row, int column) {
        const QPointF centre = GridPicture::cell(origin, row, column).center();
        for (const PdfWord &word : words) {
            if (word.text == QString::number(value) && qAbs(word.box.center().x() - centre.x()) < kTolerance &&
                qAbs(word.box.center().y() - centre.y()) < 1.0) {
                ++found;
                return;
            }
        }
        ADD_FAILURE() << value << " not in the cell of row " << row << ", column " << column;
    };
    for (int c = 2; c <= 12; ++c)
        expectNumber(c, 0, c);
    for (int r = 1; r <= 12; ++r) {
        expectNumber(r, r, 0);
        for (int c = 2; c <= 12; ++c)
            expectNumber(r * c, r, c);
    }
    EXPECT_EQ(found, 23 + 132);
    EXPECT_TRUE(find(words, QStringLiteral("1")).size() == 1) << "no column for 1";
}

TEST(Layouts, SeveralSheetsMakeOnePdfAPageEachInOrder)
{
    QList<Report> pages;
    for (const char *title : {"First sheet", "Second sheet"}) {
        Report page(WorksheetLayouts::random(QStringLiteral("web")));
        page.setText(QStringLiteral("QRRandomTitle"), QString::fromLatin1(title));
        pages.append(page);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.pdf"));
    PdfExport::write(pages, path, QStringLiteral("today"));
    QStringList firstWords;
    for (const PdfWord &word : readPdfWords(path))
        if (word.text == QLatin1String("First") || word.text == QLatin1String("Second"))
            firstWords << word.text + QLatin1Char('@') + QString::number(word.page);
    EXPECT_EQ(firstWords, (QStringList{"First@1", "Second@2"}));
}

TEST(Layouts, ThePrinterDialogsPageRangeChoosesThePagesPrinted)
{
    struct Case
    {
        QPrinter::PrintRange range;
        int from, to;
        QList<int> pages;
    };
    const Case cases[] = {
        {QPrinter::AllPages, 0, 0, {0, 1}},
        {QPrinter::PageRange, 1, 1, {0}},
        {QPrinter::PageRange, 2, 2, {1}},
        {QPrinter::PageRange, 1, 2, {0, 1}},
        {QPrinter::PageRange, 2, 9, {1}},
        {QPrinter::PageRange, 0, 0, {0, 1}}, // no range typed: everything
    };
    for (const Case &c : cases) {
        QPrinter printer;
        printer.setPrintRange(c.range);
        printer.setFromTo(c.from, c.to);
        EXPECT_EQ(PreviewWindow::pagesToPrint(printer, 2), c.pages) << c.from << "-" << c.to;
    }
}

TEST(Layouts, APdfInAMissingFolderLeavesNoFile)
{
    const Report report(WorksheetLayouts::grid(QStringLiteral("web")));
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath(QStringLiteral("no/such/folder/sheet.pdf"));
    try {
        PdfExport::write(report, missingFolder, QStringLiteral("today"));
        ADD_FAILURE() << "no error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.text(), QStringLiteral("Cannot create file %1").arg(missingFolder));
    }
    EXPECT_FALSE(QFileInfo::exists(missingFolder));
}

TEST(Layouts, APdfInAReadOnlyFolderLeavesNoFile)
{
    const Report report(WorksheetLayouts::grid(QStringLiteral("web")));
    QTemporaryDir dir;
    const QString readOnly = dir.filePath(QStringLiteral("locked"));
    QDir().mkdir(readOnly);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    if (QFile probe(readOnly + QStringLiteral("/probe")); probe.open(QIODevice::WriteOnly))
        GTEST_SKIP() << "folder permissions do not bind this user (root)";
    EXPECT_THROW(PdfExport::write(report, readOnly + QStringLiteral("/sheet.pdf"), QStringLiteral("today")), AppError);
    EXPECT_TRUE(QDir(readOnly).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(Layouts, VeryLongTextsRunOnWithoutHarm)
{
    Report report(WorksheetLayouts::random(QStringLiteral("web")));
    const QString longText = QStringLiteral("Sehr lange Übersetzung ").repeated(120);
    for (const char *slot : {"QRRandomTitle", "QRRandomComment", "QRDate", "QROptions", "QROptionCrossed",
                             "QROptionMultiplier", "QRLabel2"})
        report.setText(QString::fromLatin1(slot), longText);
    report.appendLine(QStringLiteral("QRMemo1"), longText); // wraps between words
    report.appendLine(QStringLiteral("QRMemo2"), QStringLiteral("x").repeated(400)); // one word: runs over
    const QList<PdfWord> words = wordsOf(report);
    const QList<PdfWord> inColumn = find(words, QStringLiteral("Übersetzung"));
    ASSERT_FALSE(inColumn.isEmpty());
    EXPECT_TRUE(std::any_of(inColumn.begin(), inColumn.end(), [](const PdfWord &w) {
        return qAbs(w.box.right() - (16.93 + 35.72)) < kTolerance && w.box.top() > 40;
    })) << "the long column line wraps onto further lines, right-aligned";
}
