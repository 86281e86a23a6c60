#include "fakes.h"
#include "filebytes.h"
#include "historystore.h"
#include "inifile.h"
#include "masterylook.h"
#include "pdfwords.h"
#include "previewwindow.h"
#include "progresstexts.h"
#include "tempfolders.h"
#include "tfprogress.h"

#include <QApplication>
#include <QComboBox>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 3, 10), QTime(15, 0));

// The window over a real history file, English texts, a fixed clock and a recording output.
struct ProgressWindow : ::testing::Test
{
    TempFolders temp;
    ProgramState state;
    HistoryStore store;
    RecordingOutput output;
    QStringList questions;
    bool answerYes = false;
    QString pdfPath;
    std::unique_ptr<TFProgress> window;

    ProgressWindow()
    {
        state.folders = temp.folders();
        state.settings.Language = "en";
        TempFolders::put(state.folders.shared, "sys/en.lng",
                         fileBytes(QStringLiteral(QUORVEL_SOURCE_DIR "/data/sys/en.lng")));
        EXPECT_EQ(store.open(temp.root() + HistoryStore::kFileName), HistoryStore::OpenResult::Opened);
        window = std::make_unique<TFProgress>(state, store, "www.example.org");
        window->setEdges({[] { return kNow; },
                          [this](QWidget *, const QString &q) { questions << q; return answerYes; },
                          [this](QWidget *) { return pdfPath; }, &output});
        window->LoadCaptions();
    }

    void add(int table, int multiplier, Verdict verdict, qint64 ms = 2000, int daysAgo = 0,
             FactOperation op = FactOperation::Multiply)
    {
        AnswerRecord r;
        r.moment = kNow.addDays(-daysAgo).toMSecsSinceEpoch();
        r.judged.table = table;
        r.judged.multiplier = multiplier;
        r.judged.operation = op;
        r.judged.verdict = verdict;
        r.thinkingMs = ms;
        ASSERT_TRUE(store.append(r));
    }
    template <typename T>
    T *child(const char *name)
    {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    QTableWidgetItem *cell(const char *grid, int table, int multiplier)
    {
        return child<QTableWidget>(grid)->item(table - 1, multiplier - 1);
    }
    void expectCell(const char *grid, int table, int multiplier, Mastery mastery)
    {
        SCOPED_TRACE(testing::Message() << grid << " " << table << "," << multiplier);
        QTableWidgetItem *item = cell(grid, table, multiplier);
        EXPECT_EQ(item->text(), MasteryLook::symbol(mastery));
        EXPECT_EQ(item->background().color(), MasteryLook::colour(mastery));
    }
    // A week of drilling: 7 x 3 known, 7 x 4 wrong last, 54 ÷ 6 on its way, 2 x 2 a month ago.
    void week()
    {
        for (qint64 ms : {1000, 3000, 2000})
            add(7, 3, Verdict::Right, ms, 2);
        add(7, 4, Verdict::Right);
        add(7, 4, Verdict::WrongLate, 5000);
        add(6, 9, Verdict::Right, 4000, 1, FactOperation::Divide);
        add(2, 2, Verdict::Wrong, 1000, 20);
    }
};

} // namespace

TEST_F(ProgressWindow, GridsShowEachFactsMasteryByColourAndSymbolWithTotalsAndHints)
{
    week();
    window->refresh();
    expectCell("MultiplyGrid", 7, 3, Mastery::Mastered);
    expectCell("MultiplyGrid", 7, 4, Mastery::NeedsWork);
    expectCell("MultiplyGrid", 2, 2, Mastery::NeedsWork);
    expectCell("MultiplyGrid", 6, 9, Mastery::NotSeen);
    expectCell("DivideGrid", 6, 9, Mastery::Learning);
    expectCell("DivideGrid", 7, 3, Mastery::NotSeen);

    EXPECT_EQ(cell("MultiplyGrid", 7, 3)->toolTip(), "3 x 7: 3 answers, 3 right, median time 2.0 s");
    EXPECT_EQ(cell("DivideGrid", 6, 9)->toolTip(), "54 \u00F7 6: 1 answers, 1 right, median time 4.0 s");
    EXPECT_EQ(cell("MultiplyGrid", 7, 3)->data(Qt::AccessibleTextRole).toString(), "3 x 7, Mastered");
    EXPECT_EQ(cell("MultiplyGrid", 1, 1)->data(Qt::AccessibleTextRole).toString(), "1 x 1, Not yet seen");
    EXPECT_EQ(child<QTableWidget>("MultiplyGrid")->item(6, 12)->text(), "4 / 5"); // table 7's totals
    EXPECT_EQ(child<QTableWidget>("DivideGrid")->item(5, 12)->text(), "1 / 1");
    EXPECT_EQ(child<QTableWidget>("DivideGrid")->accessibleName(), "Division");
    EXPECT_FALSE(child<QLabel>("NoHistoryLbl")->isVisibleTo(window.get()));

    child<QComboBox>("PeriodBox")->setCurrentIndex(int(Period::SevenDays));
    expectCell("MultiplyGrid", 2, 2, Mastery::NotSeen);
    expectCell("MultiplyGrid", 7, 3, Mastery::Mastered);
    child<QComboBox>("PeriodBox")->setCurrentIndex(int(Period::Today));
    expectCell("MultiplyGrid", 7, 3, Mastery::NotSeen);
    expectCell("MultiplyGrid", 7, 4, Mastery::NeedsWork);
    EXPECT_EQ(window->map().answers, 2);
}

TEST_F(ProgressWindow, WithoutHistoryItSaysSoAndForgetAsksFirst)
{
    window->refresh();
    EXPECT_TRUE(child<QLabel>("NoHistoryLbl")->isVisibleTo(window.get()));
    EXPECT_EQ(child<QLabel>("NoHistoryLbl")->text(),
              "No answers stored for this period yet. Answers given while calculating will show here.");

    week();
    window->refresh();
    child<QPushButton>("ForgetBtn")->click();
    EXPECT_EQ(questions, QStringList{"Forget every stored answer? This cannot be undone."});
    EXPECT_EQ(store.records().size(), 7);
    answerYes = true;
    child<QPushButton>("ForgetBtn")->click();
    EXPECT_TRUE(store.records().isEmpty());
    expectCell("MultiplyGrid", 7, 3, Mastery::NotSeen);
    EXPECT_TRUE(child<QLabel>("NoHistoryLbl")->isVisibleTo(window.get()));
}

TEST_F(ProgressWindow, PrintsTheMapAndTheWeakFactsSheetWithItsKey)
{
    week();
    window->refresh();
    child<QPushButton>("PrintBtn")->click();
    ASSERT_EQ(output.calls.size(), 1);
    const PageLayout &map = output.calls[0].snapshot;
    EXPECT_EQ(map.find("Title")->text, "Progress map - All");
    EXPECT_EQ(map.find("MultiplyCell7x3")->text, "+");
    EXPECT_EQ(map.find("MultiplyCell7x4")->text, "!");
    EXPECT_EQ(map.find("DivideCell6x9")->text, "~");
    EXPECT_EQ(map.find("MultiplyTotal7")->text, "4 / 5");

    child<QPushButton>("WeakSheetBtn")->click();
    ASSERT_EQ(output.calls.size(), 2);
    EXPECT_EQ(output.calls[1].kind, "pages");
    ASSERT_EQ(output.calls[1].document.size(), 2) << "the sheet and its key make one document";
    const PageLayout &sheet = output.calls[1].document[0];
    const PageLayout &key = output.calls[1].document[1];
    EXPECT_EQ(sheet.name, "TRPrintRandom");
    EXPECT_EQ(sheet.find("QRRandomTitle")->text, "The facts to work on");
    EXPECT_EQ(key.find("QRRandomTitle")->text, "Answer key");
    // Three weak facts (7 x 4, 2 x 2, 54 ÷ 6), three times each.
    QStringList exercises, answers;
    for (const char *column : {"QRMemo1", "QRMemo2", "QRMemo3"}) {
        exercises += sheet.find(column)->lines;
        answers += key.find(column)->lines;
    }
    exercises.removeAll(" ");
    answers.removeAll(" ");
    ASSERT_EQ(exercises.size(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(answers[i], QString(exercises[i]).replace("=  ____", "= ")
                                  + (exercises[i].startsWith("4 x 7") ? "28"
                                     : exercises[i].startsWith("2 x 2") ? "4"
                                                                        : "9"));
    EXPECT_EQ(exercises.count("4 x 7 =  ____"), 3);
}

TEST_F(ProgressWindow, TheWeakFactsPreviewHoldsTheSheetThenItsKeyOnTwoPages)
{
    week();
    window->refresh();
    TFProgress::Edges edges;
    edges.now = [] { return kNow; };
    window->setEdges(edges); // the window's own report engine
    child<QPushButton>("WeakSheetBtn")->click();
    PreviewWindow *preview = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *p = qobject_cast<PreviewWindow *>(w); p && p->isVisible())
            preview = p;
    ASSERT_TRUE(preview);
    preview->view()->updatePreview();
    EXPECT_EQ(preview->view()->pageCount(), 2);

    QTemporaryDir dir;
    preview->savePdf(dir.filePath("weak.pdf"));
    QString pages[3];
    for (const PdfWord &w : readPdfWords(dir.filePath("weak.pdf")))
        pages[qBound(0, w.page, 2)] += w.text + ' ';
    EXPECT_TRUE(pages[0].isEmpty());
    EXPECT_TRUE(pages[1].contains("The facts to work on")) << pages[1].toStdString();
    EXPECT_TRUE(pages[1].contains("4 x 7 = ____"));
    EXPECT_TRUE(pages[2].contains("Answer key")) << pages[2].toStdString();
    EXPECT_TRUE(pages[2].contains("4 x 7 = 28"));
    EXPECT_FALSE(pages[2].contains("____"));
    preview->close();
}

TEST_F(ProgressWindow, SavesTheMapAsAPdf)
{
    week();
    window->refresh();
    QTemporaryDir dir;
    pdfPath = dir.filePath("map");
    child<QPushButton>("PdfBtn")->click();
    ASSERT_TRUE(QFile::exists(pdfPath + ".pdf"));
    QStringList words;
    for (const PdfWord &w : readPdfWords(pdfPath + ".pdf"))
        words << w.text;
    EXPECT_TRUE(words.contains("Multiplication"));
    EXPECT_TRUE(words.contains("Division"));
    // The cells' symbols, and each once more in the legend.
    EXPECT_EQ(words.count("+"), 1 + 1);
    EXPECT_EQ(words.count("!"), 2 + 1);
}

TEST(ProgressTexts, EveryLanguageFileHasTheWholeSection)
{
    for (const char *code : {"en", "fr", "nl", "de", "it", "es"}) {
        const QString file = QStringLiteral(QUORVEL_SOURCE_DIR "/data/sys/%1.lng").arg(QLatin1String(code));
        ASSERT_TRUE(fileBytes(file).contains("\r\n[Progress]\r\n"));
        const IniDocument doc = IniFile(file).read();
        for (const CaptionKey &key : ProgressTexts::section.keys) {
            SCOPED_TRACE(testing::Message() << code << " " << key.key);
            EXPECT_FALSE(doc.value("Progress", key.key).value_or(QString()).isEmpty()) << "missing";
        }
    }
}
