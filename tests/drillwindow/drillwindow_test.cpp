#include "drillwindowfixture.h"

#include "drillwidgets.h"
#include "helpviewer.h"
#include "infotextlabel.h"
#include "linklabel.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>

TEST_F(DrillWindow, OpeningPresentsAnOperationAndTypedOrClickedAnswersAreJudged)
{
    open();
    EXPECT_EQ(text("F1"), "3");
    EXPECT_EQ(text("Label2"), "x");
    EXPECT_EQ(text("F2"), "7");
    EXPECT_EQ(find<QComboBox>("OpSel")->count(), 4);
    EXPECT_EQ(find<QComboBox>("OpSel")->currentIndex(), 0);
    EXPECT_FALSE(find("BitBtn2")->isEnabled()); // nothing typed yet

    QTest::keyClicks(answer(), "2x1");
    EXPECT_EQ(answer()->text(), "21"); // letters are dropped
    QTest::keyClick(answer(), Qt::Key_Return);
    EXPECT_EQ(sound.events, QList<int>({2}));
    EXPECT_EQ(text("Label12"), "3 x 7 = 21");
    EXPECT_EQ(text("Label8"), "1");
    EXPECT_TRUE(answer()->text().isEmpty());

    for (const char *key : {"SpeedButton2", "SpeedButton1", "SpeedButton3", "SpeedButton4"})
        click(key); // 8, 7, 9: the fourth digit is ignored
    EXPECT_EQ(answer()->text(), "879");
    click("BitBtn11");
    EXPECT_TRUE(answer()->text().isEmpty());
    click("SpeedButton8");
    click("SpeedButton10");
    QTest::keyClick(answer(), Qt::Key_Enter); // the numeric keypad's Enter
    EXPECT_EQ(sound.events.last(), 3);
    EXPECT_EQ(text("Label10"), "1");
    EXPECT_EQ(text("Label11"), "5 out of 10");

    QTest::keyClick(answer(), Qt::Key_Return); // empty: Enter does nothing
    EXPECT_EQ(sound.events.size(), 2);
}

TEST_F(DrillWindow, StopwatchTimesOutAndMentalModeRevealsTheAnswer)
{
    open();
    click("BitBtn12");
    EXPECT_TRUE(find("Panel7")->isVisible());
    EXPECT_EQ(find<QPushButton>("BitBtn12")->text(), "Stop the stopwatch");
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_EQ(window->session().thinkingTimer().interval(), 3000);

    window->session().thinkingTimeOut(); // the thinking time ran out with nothing typed
    EXPECT_EQ(sound.events, QList<int>({6}));
    EXPECT_EQ(text("Label10"), "1");

    find<QGroupBox>("RadioGroup2")->findChildren<QRadioButton *>().at(1)->click(); // Mental
    EXPECT_TRUE(find("GroupBox2")->isVisible());
    EXPECT_TRUE(find("Panel9")->isVisible());
    EXPECT_TRUE(answer()->isReadOnly());
    EXPECT_FALSE(find("Label10")->isVisible());
    window->session().thinkingTimeOut();
    EXPECT_EQ(answer()->text(), "21");
    EXPECT_EQ(window->session().displayTimer().interval(), 300);
    EXPECT_TRUE(find("Button1")->hasFocus());
    window->session().displayTimeOut();
    EXPECT_TRUE(answer()->text().isEmpty());

    find<QSpinBox>("SpinEdit1")->setValue(15);
    EXPECT_EQ(state.settings.Timer1, 15);
    EXPECT_EQ(find<QProgressBar>("Gauge1")->maximum(), 120);

    window->close(); // closing with the stopwatch engaged
    EXPECT_FALSE(find("Panel7")->isVisible());
    open();
    EXPECT_EQ(find<QPushButton>("BitBtn12")->text(), "Start the stopwatch");
    EXPECT_FALSE(window->session().thinkingTimer().running());
}

TEST_F(DrillWindow, RecordsThroughBothDialogsThenReviewsAndErases)
{
    open();
    whenModal([](QWidget *dialog) {
        dialog->findChild<QRadioButton *>("RadioButton1")->click(); // next operations
        QTest::mouseClick(dialog->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    click("BitBtn7");
    EXPECT_FALSE(record->isVisible());
    EXPECT_EQ(find<StackedButton>("BitBtn7")->caption(), "Rec");
    EXPECT_EQ(text("Label8"), "0");

    for (int i = 0; i < 9; ++i) {
        QTest::keyClicks(answer(), i % 2 ? "21" : "20");
        QTest::keyClick(answer(), Qt::Key_Return);
    }
    whenModal([](QWidget *dialog) {
        EXPECT_EQ(dialog->objectName(), "AfterRecordDlg");
        QTest::keyClick(dialog, Qt::Key_Return); // Review
    });
    QTest::keyClicks(answer(), "21");
    QTest::keyClick(answer(), Qt::Key_Return); // the 10th
    EXPECT_EQ(find<StackedButton>("BitBtn7")->caption(), "Playing");
    EXPECT_EQ(text("Label8"), "0");

    for (int i = 0; i < 9; ++i) {
        QTest::keyClicks(answer(), "21");
        QTest::keyClick(answer(), Qt::Key_Return);
    }
    QTest::keyClicks(answer(), "21");
    QTest::keyClick(answer(), Qt::Key_Return); // the last recorded operation: then the erase message
    EXPECT_EQ(messages, QStringList({"The recorded sums have been erased."}));
    EXPECT_TRUE(find<StackedButton>("BitBtn7")->caption().isEmpty());
    EXPECT_EQ(text("Label8"), "0");
    EXPECT_EQ(text("Label10"), "0");
}

TEST_F(DrillWindow, EscapeInTheAfterRecordingDialogErases)
{
    open();
    whenModal([](QWidget *dialog) {
        dialog->findChild<QRadioButton *>("RadioButton2")->click(); // next errors
        QTest::mouseClick(dialog->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    click("BitBtn7");
    QTest::keyClicks(answer(), "20");
    QTest::keyClick(answer(), Qt::Key_Return);
    whenModal([](QWidget *dialog) {
        dialog->findChild<QRadioButton *>("RadioButton3")->click(); // stop: one error recorded
        whenModal([](QWidget *after) { QTest::keyClick(after, Qt::Key_Escape); });
        QTest::mouseClick(dialog->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    click("BitBtn7");
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(window->session().recordedOperations().isEmpty());
    EXPECT_FALSE(record->isVisible() || afterRecord->isVisible());
}

TEST_F(DrillWindow, HelpOpensOverTheCalculatorAndDisengagesTheStopwatch)
{
    open();
    click("BitBtn12");
    click("BitBtn9");
    EXPECT_TRUE(find("Panel14")->isVisible());
    EXPECT_FALSE(find("Panel5")->isVisible());
    EXPECT_FALSE(find("BitBtn1")->isEnabled());
    EXPECT_FALSE(window->session().engaged());
    EXPECT_EQ(find("Panel14")->height(), find("Panel12")->height() - 40);
    EXPECT_TRUE(find<HelpViewer>("htmlLite1")->toPlainText().contains("Quorvel"));

    window->showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(find("Panel14")->height(), find("Panel12")->height() - 40);

    const int opCount = window->session().state().OpCount;
    click("BitBtn4");
    EXPECT_FALSE(find("Panel14")->isVisible());
    EXPECT_TRUE(find("Panel5")->isVisible());
    EXPECT_TRUE(find("BitBtn1")->isEnabled());
    EXPECT_EQ(window->session().state().OpCount, opCount);
    EXPECT_FALSE(window->session().engaged());
}

TEST(HelpViewer, HandsWebAndMailLinksToTheDesktop)
{
    for (const char *link : {"mailto:hello@quorvel.example.org", "MAILTO:X@Y", "http://a.b/", "https://quorvel.example.org/"})
        EXPECT_TRUE(HelpViewer::isExternalLink(link)) << link;
    for (const char *link : {"#contents", "other.html", "fr-help.html#start"})
        EXPECT_FALSE(HelpViewer::isExternalLink(link)) << link;
}

TEST_F(DrillWindow, HideLinksCoverAndRestoreTheTexts)
{
    open();
    click("BitBtn9");
    click("BitBtn4");
    EXPECT_FALSE(find("Image4")->isVisible());
    find<LinkLabel>("Label27")->clicked();
    EXPECT_TRUE(state.settings.HideTextRight);
    EXPECT_TRUE(find("Image4")->isVisible() && find("Image6")->isVisible());
    EXPECT_EQ(text("Label27"), "Show text");
    QTest::mouseClick(find("Label27"), Qt::LeftButton);
    EXPECT_FALSE(state.settings.HideTextRight);
    EXPECT_EQ(text("Label27"), "Hide text");
}

TEST_F(DrillWindow, TheOperationListComesFromTheSavedModeAndPresentsAtOnce)
{
    QDir().mkpath(home.path() + "/quorvel/sys");
    QFile settings(home.path() + "/quorvel/sys/multable.ini");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[GLOBAL]\r\nOperation=7\r\n"); // no such mode: the first one
    settings.close();
    open();
    auto *list = find<QComboBox>("OpSel");
    EXPECT_EQ(list->currentIndex(), 0);
    const int opCount = window->session().state().OpCount;
    list->setCurrentIndex(1);
    EXPECT_EQ(text("F1"), "21");
    EXPECT_EQ(window->session().state().OpCount, opCount + 1);
    EXPECT_EQ(window->operationIndex(), 1);
}

TEST_F(DrillWindow, ReopenedAfterMentalModeTheAnswerFieldTakesDigitsAgain)
{
    open();
    click("BitBtn12");
    find<QGroupBox>("RadioGroup2")->findChildren<QRadioButton *>().at(1)->click(); // Mental
    EXPECT_TRUE(answer()->isReadOnly());
    click("SpeedButton8"); // under the mental-mode panel: nothing is typed
    EXPECT_TRUE(answer()->text().isEmpty());
    click("BitBtn1");

    open();
    EXPECT_FALSE(answer()->isReadOnly());
    EXPECT_TRUE(find("Label22")->isVisible());
    EXPECT_FALSE(find("Panel9")->isVisible());
    EXPECT_EQ(window->focusWidget(), answer());
    QTest::keyClicks(answer(), "21");
    EXPECT_EQ(answer()->text(), "21");
    click("BitBtn3"); // Reset
    EXPECT_EQ(window->focusWidget(), answer());
}

TEST_F(DrillWindow, EscapeInADialogGivesTheFocusBackToTheAnswerField)
{
    QDialog dialog(window.get());
    window->setLinks({.openExpertOptions = {}, .openSoundOptions = [&] { dialog.exec(); }, .openScreenColours = {}});
    open();
    find("OpSel")->setFocus();
    whenModal([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    click("BitBtn8");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(window->focusWidget(), answer());
}

TEST_F(DrillWindow, TabNeverReachesTheKeysUnderTheMentalModePanel)
{
    open();
    click("BitBtn12");
    find<QGroupBox>("RadioGroup2")->findChildren<QRadioButton *>().at(1)->click(); // Mental
    ASSERT_TRUE(find("Panel9")->isVisible());
    QStringList reached;
    for (QWidget *w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window.get()) && w->isEnabled())
            reached << w->objectName();
    }
    EXPECT_TRUE(reached.contains("BitBtn12"));
    for (const char *key : {"SpeedButton1", "SpeedButton10", "SpeedButton11", "BitBtn11", "BitBtn7"})
        EXPECT_FALSE(reached.contains(key)) << key;
}

TEST_F(DrillWindow, LinksStayUnderlinedInTheirOwnFont)
{
    open();
    for (const char *link : {"Label26", "Label27"})
        EXPECT_TRUE(find(link)->font().underline()) << link;
    LinkLabel label;
    label.setFont(UserInterface::pixelFont("Arial", 12));
    EXPECT_TRUE(label.font().underline());
}

TEST_F(DrillWindow, RecordingDialogStepsByTenAndOpensInTheMiddleOfTheScreen)
{
    open();
    window->move(0, 0);
    QList<int> values;
    QPoint centre, screenCentre;
    whenModal([&](QWidget *dialog) {
        auto *number = dialog->findChild<QSpinBox *>("UpDown1");
        for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Up}) {
            QTest::keyClick(number, key);
            values << number->value();
        }
        centre = dialog->frameGeometry().center();
        screenCentre = dialog->screen()->availableGeometry().center();
        dialog->findChild<QRadioButton *>("RadioButton3")->click();
        QTest::mouseClick(dialog->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    click("BitBtn7");
    EXPECT_EQ(values, QList<int>({20, 30, 20, 30}));
    EXPECT_LE((centre - screenCentre).manhattanLength(), 2);
}

namespace {

// Pixels of text ink inside 'place' when the label alone is drawn at 'scale'.
int inkIn(QWidget *label, QRect place, qreal scale)
{
    QImage image((QSizeF(label->size()) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    label->render(&image);
    const QRect pixels((QPointF(place.topLeft()) * scale).toPoint(), (QSizeF(place.size()) * scale).toSize());
    int ink = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            ink += image.valid(x, y) && qGray(image.pixel(x, y)) < 160;
    }
    return ink;
}

// The drill window in one language, outside a fixture.
struct DrillWindowIn : DrillWindow
{
    using DrillWindow::DrillWindow;
    void TestBody() override {}
};

} // namespace

TEST(InformationPanel, KeyPicturesSitInTheRoomTheTextLeavesInEveryLanguageAndScale)
{
    for (const char *language : {"en", "fr", "nl", "de", "it", "es"}) {
        SCOPED_TRACE(language);
        DrillWindowIn drill{QString::fromLatin1(language)};
        drill.open();
        auto *label = drill.find<InfoTextLabel>("Label16");
        const QRect tick = label->tickPlace();
        const QRect ambulance = label->ambulancePlace();
        ASSERT_FALSE(tick.isEmpty());
        ASSERT_FALSE(ambulance.isEmpty());
        // Within the label, so clear of the instruction below it, and on the words' lines.
        EXPECT_TRUE(label->rect().contains(tick));
        EXPECT_TRUE(label->rect().contains(ambulance));
        EXPECT_FALSE(tick.intersects(ambulance));
        EXPECT_EQ(drill.find("Image1")->geometry(), tick.translated(label->pos()));
        EXPECT_EQ(drill.find("Image2")->geometry(), ambulance.translated(label->pos()));
        EXPECT_GT(inkIn(label, label->rect(), 1), 100); // the text is drawn
        for (qreal scale : {1.0, 1.25, 1.5, 2.0}) {
            SCOPED_TRACE(scale);
            EXPECT_EQ(inkIn(label, tick, scale), 0);
            EXPECT_EQ(inkIn(label, ambulance, scale), 0);
        }
    }
}
