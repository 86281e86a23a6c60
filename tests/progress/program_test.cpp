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
    void expectDamagedHistoryFoundBy(const std::function<void()> &open);
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

namespace {

QMessageBox *visibleNotice()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == "HistoryNotice" && w->isVisible())
            return qobject_cast<QMessageBox *>(w);
    return nullptr;
}

} // namespace

// The history is opened at the first drill or progress map, not at start-up: a damaged one is
// found then, and told over the window that opened, in a message that does not block.
void ProgramWithHistory::expectDamagedHistoryFoundBy(const std::function<void()> &open)
{
    install();
    const QByteArray damaged = QByteArray("not a database ").repeated(200);
    putUser(HistoryStore::kFileName, damaged);
    putUser("sys/choices.txt", "7\r\n");
    start();
    QCoreApplication::processEvents();
    EXPECT_FALSE(visibleNotice());
    EXPECT_EQ(fileBytes(historyPath()), damaged);

    QString noticeText;
    bool noticeModal = true;
    QWidget *noticeOwner = nullptr;
    QWidget *opened = nullptr;
    whenModal([&](QWidget *modal) {
        opened = modal;
        EXPECT_TRUE(QTest::qWaitFor([] { return visibleNotice() != nullptr; }, 2000));
        if (QMessageBox *notice = visibleNotice()) {
            noticeText = notice->text();
            noticeModal = notice->isModal();
            noticeOwner = notice->parentWidget();
            notice->close();
        }
        modal->close();
    });
    open();
    EXPECT_TRUE(noticeText.startsWith("The answer history could not be read. It was kept as ")) << qPrintable(noticeText);
    EXPECT_FALSE(noticeModal);
    EXPECT_EQ(noticeOwner, opened); // not behind the modal window, where it could not be answered
    EXPECT_EQ(QDir(temp.folders().user).entryList({"history.sqlite.damaged-*"}).size(), 1);
}

TEST_F(ProgramWithHistory, ADamagedHistoryIsFoundAtTheFirstDrill)
{
    expectDamagedHistoryFoundBy([this] { click("BitBtn2"); });
}

TEST_F(ProgramWithHistory, ADamagedHistoryIsFoundAtTheFirstProgressMap)
{
    expectDamagedHistoryFoundBy([this] { menuItem("Progress1")->trigger(); });
}
