#include "startfixture.h"

#include "historystore.h"
#include "tfcalculator.h"
#include "tfprogress.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>

// The progress map in the whole program: the File menu, F9 in the drill window, answers stored.
namespace {

struct ProgramWithHistory : StartProgram
{
    QString historyPath() const { return temp.folders().user + HistoryStore::kFileName; }
};

} // namespace

TEST_F(ProgramWithHistory, DrillAnswersAreStoredAndShownThroughF9AndTheFileMenu)
{
    install();
    putUser("sys/choices.txt", "7\r\n");
    start();
    EXPECT_EQ(menuItem("Progress1")->text(), "Progress map...");

    QString shownInDrill;
    whenModal([&](QWidget *drill) {
        ASSERT_EQ(drill, &program->drillWindow());
        const DrillState &s = program->drillWindow().session().state();
        const int table = s.Table, multiplier = s.Multiplier;
        auto *answer = drill->findChild<QLineEdit *>("Ans");
        ASSERT_TRUE(answer);
        QTest::keyClicks(answer, QString::number(s.Expected));
        QTest::keyClick(answer, Qt::Key_Return);
        whenModal([&](QWidget *progress) {
            auto *map = qobject_cast<TFProgress *>(progress);
            ASSERT_TRUE(map);
            auto *grid = progress->findChild<QTableWidget *>("MultiplyGrid");
            shownInDrill = grid->item(table - 1, multiplier - 1)->toolTip();
        });
        QTest::keyClick(answer, Qt::Key_F9);
    });
    click("BitBtn2");
    EXPECT_TRUE(shownInDrill.contains(": 1 answers, 1 right")) << qPrintable(shownInDrill);

    HistoryStore reread;
    ASSERT_EQ(reread.open(historyPath()), HistoryStore::OpenResult::Opened);
    ASSERT_EQ(reread.records().size(), 1);
    EXPECT_EQ(reread.records()[0].judged.verdict, Verdict::Right);
    EXPECT_EQ(reread.records()[0].judged.table, 7);

    bool opened = false;
    whenModal([&](QWidget *modal) { opened = modal->objectName() == "TFProgress"; });
    menuItem("Progress1")->trigger();
    EXPECT_TRUE(opened);
}

TEST_F(ProgramWithHistory, ADamagedHistoryIsSetAsideWithAMessageThatDoesNotBlock)
{
    install();
    putUser(HistoryStore::kFileName, QByteArray("not a database ").repeated(200));
    start();
    QCoreApplication::processEvents();
    QMessageBox *notice = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == "HistoryNotice" && w->isVisible())
            notice = qobject_cast<QMessageBox *>(w);
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->text().startsWith("The answer history could not be read. It was kept as "));
    EXPECT_FALSE(notice->isModal());
    const QStringList aside = QDir(temp.folders().user).entryList({"history.sqlite.damaged-*"});
    EXPECT_EQ(aside.size(), 1);
    notice->close();
}
