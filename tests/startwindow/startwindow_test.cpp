#include "startfixture.h"

#include "gradient.h"
#include "helpviewer.h"
#include "inifile.h"
#include "settingsstore.h"
#include "weblinks.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>

using Tables = QList<int>;

TEST_F(StartProgram, TickingATableEnablesStartAndPrint)
{
    install();
    start();
    EXPECT_FALSE(button("BitBtn2")->isEnabled());

    QTest::mouseClick(table(7), Qt::LeftButton);
    EXPECT_EQ(state().LBChoice, QStringList({"7"}));
    EXPECT_TRUE(button("BitBtn2")->isEnabled());
    EXPECT_TRUE(button("BitBtn5")->isEnabled());

    QTest::mouseClick(table(7), Qt::LeftButton);
    EXPECT_TRUE(state().LBChoice.isEmpty());
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
    EXPECT_FALSE(button("BitBtn5")->isEnabled());

    QTest::mouseClick(table(2), Qt::LeftButton);
    click("BitBtn3"); // Select all
    EXPECT_EQ(state().LBChoice.size(), 12);
    EXPECT_EQ(state().LBChoice.first(), "1");
    EXPECT_EQ(state().LBChoice.last(), "12");
    click("BitBtn4"); // Inverse selection
    EXPECT_EQ(tickedTables(), Tables());
    EXPECT_TRUE(state().LBChoice.isEmpty());
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
    click("BitBtn4");
    EXPECT_EQ(state().LBChoice.size(), 12);
}

struct ChoiceFileCase
{
    const char *name;
    QByteArray choices;
    Tables ticked;
    QStringList messages;
};

TEST_F(StartProgram, RestoresTheTablesOfTheChoiceFile)
{
    const ChoiceFileCase cases[] = {
        {"numbers beyond 12 are ignored", "3\r\n10\r\n15\r\n", {3, 10}, {}},
        {"the list is in increasing order", "10\r\n3\r\n", {3, 10}, {}},
        {"a line that is no number stops the ticking", "4\r\nabc\r\n6\r\n", {4},
         {"'abc' is not a valid integer value"}},
    };
    for (const ChoiceFileCase &c : cases) {
        SCOPED_TRACE(c.name);
        program.reset();
        messages.clear();
        install();
        putUser("sys/choices.txt", c.choices);
        start();
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(tickedTables(), c.ticked);
        QStringList expected;
        for (int n : c.ticked)
            expected.append(QString::number(n));
        EXPECT_EQ(state().LBChoice, expected);
        EXPECT_TRUE(button("BitBtn2")->isEnabled());
    }
}

TEST_F(StartProgram, WithoutAChoiceFileTheWindowOpensWithNothingReadAndKeepsTheSettingsFile)
{
    install({"en", "fr"}, /*withChoiceTemplate=*/false);
    const QByteArray settings = "[GLOBAL]\r\nLanguage=en\r\nRange=5\r\n[CHRONO]\r\nTimer1=9\r\n";
    putUser("sys/multable.ini", settings);
    start();

    // Without a language, the sound editor's creation finds no event names either.
    EXPECT_EQ(messages, QStringList({"Cannot open file " + temp.folders().shared + "sys/choices.txt",
                                     "Cannot open file " + temp.folders().shared + "sys/-soundevents.txt"}));
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(state().settings.Timer1, 0);
    EXPECT_EQ(state().settings.Bouton, 0);
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
    EXPECT_EQ(button("BitBtn1")->text(), "Quitter Quorvel"); // texts were not loaded yet
    EXPECT_FALSE(state().LBRange.isEmpty());

    // Quitting writes the ticked tables but does not put this run's zeros over the user's settings.
    QTest::mouseClick(table(2), Qt::LeftButton);
    click("BitBtn1");
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(userFile("sys/choices.txt"), "2\r\n");
    EXPECT_EQ(userFile("sys/multable.ini"), settings);
}

TEST_F(StartProgram, AStartThatStoppedBeforeTheChoiceFileKeepsItAtQuit)
{
    install();
    QFile::remove(temp.folders().shared + "sys/Sound1.txt"); // copying the user files stops there
    putUser("sys/choices.txt", "3\r\n5\r\n");
    start();
    ASSERT_TRUE(messages.contains("Cannot open file " + temp.folders().shared + "sys/Sound1.txt"));
    EXPECT_FALSE(button("BitBtn2")->isEnabled()); // the tables were never read
    click("BitBtn1");
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(userFile("sys/choices.txt"), "3\r\n5\r\n");
}

TEST_F(StartProgram, QuitWritesTheChoiceFileAndEveryKeyInTheSavingOrder)
{
    const QByteArray before = "[GLOBAL]\r\nLanguage=en\r\nRange=3\r\nHideTextLeft=1\r\nCalcColor=255\r\nMine=kept\r\n"
                              "[CHRONO]\r\nTimer1=7\r\nJauge=7\r\n"
                              "[BACKGRD]\r\nStart=-1\r\nOrientation=1\r\n";
    const QByteArray after = "[GLOBAL]\r\nLanguage=en\r\nRange=3\r\nHideTextLeft=1\r\nCalcColor=255\r\nMine=kept\r\n"
                             "HideTextRight=0\r\nOperation=-1\r\n"
                             "[CHRONO]\r\nTimer1=7\r\nJauge=1\r\nTimer2=1\r\nCouleur=32647\r\n"
                             "[BACKGRD]\r\nStart=-1\r\nOrientation=1\r\nMiddle=0\r\nEnd=0\r\nDblGr=0\r\nFlipped=0\r\n"
                             "[SON]\r\nBouton=1\r\n"
                             "[CALCULS]\r\nInversion=0\r\n";
    const std::pair<const char *, std::function<void(StartProgram &)>> ways[] = {
        {"Quit button", [](StartProgram &t) { t.click("BitBtn1"); }},
        {"menu Files, Quit", [](StartProgram &t) { t.menuItem("Quit")->trigger(); }},
        {"close box", [](StartProgram &t) { EXPECT_TRUE(t.window().close()); }},
    };
    for (const auto &[name, quit] : ways) {
        SCOPED_TRACE(name);
        program.reset();
        programEnds = 0;
        install();
        putUser("sys/multable.ini", before);
        putUser("sys/choices.txt", "10\r\n3\r\n");
        start();
        QTest::mouseClick(table(12), Qt::LeftButton);

        quit(*this);
        EXPECT_EQ(programEnds, 1);
        EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join('\n'));
        EXPECT_EQ(userFile("sys/choices.txt"), "3\r\n10\r\n12\r\n");
        EXPECT_EQ(userFile("sys/multable.ini"), after);
        EXPECT_FALSE(find<QLabel>("Image1")->isHidden()); // sound on: the loudspeaker shows
    }
}

TEST_F(StartProgram, AFailedSaveIsShownAndTheProgramStaysOpen)
{
    install();
    const QByteArray settings = "[SON]\r\nBouton=0\r\n";
    putUser("sys/multable.ini", settings);
    start();
    // A folder where the choice file should be cannot be replaced by a file.
    QFile::remove(userPath("sys/choices.txt"));
    QDir().mkpath(userPath("sys/choices.txt"));

    click("BitBtn1");
    EXPECT_EQ(messages, QStringList({"Cannot create file " + userPath("sys/choices.txt")}));
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(find<QLabel>("Image1")->isHidden()); // sound off: no loudspeaker
    EXPECT_EQ(userFile("sys/multable.ini"), settings); // the save stopped before the settings

    EXPECT_FALSE(window().close());
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(messages.size(), 2);

    // Once the cause is gone, quitting works.
    QDir().rmdir(userPath("sys/choices.txt"));
    EXPECT_TRUE(window().close());
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(userFile("sys/choices.txt"), "");
}

TEST_F(StartProgram, EnterActsOnTheFocusedButtonOrElseOnStart)
{
    install();
    putUser("sys/choices.txt", "3\r\n");
    start();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    ASSERT_EQ(QApplication::focusWidget(), button("BitBtn1"));
    ASSERT_TRUE(button("BitBtn2")->isEnabled());

    // On a table box Enter goes to the default button, Start.
    table(3)->setFocus();
    bool drillOpened = false;
    whenModal([&](QWidget *modal) {
        drillOpened = modal == &program->drillWindow();
        EXPECT_FALSE(window().isVisible());
    });
    QTest::keyClick(window().windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(drillOpened);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(programEnds, 0);

    // Shown again, the window has its focus on Quit, and Enter quits.
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    EXPECT_EQ(QApplication::focusWidget(), button("BitBtn1"));
    QTest::keyClick(window().windowHandle(), Qt::Key_Return);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(StartProgram, StartOpensTheDrillWindowInTheStartWindowsStateAndCopiesTheBackground)
{
    install();
    putUser("sys/multable.ini", "[BACKGRD]\r\nStart=255\r\nMiddle=65280\r\nEnd=16711680\r\nFlipped=1\r\n");
    putUser("sys/choices.txt", "3\r\n");
    start();
    EXPECT_EQ(program->drillWindow().gradient()->properties(), window().gradient()->properties());

    window().setWindowState(Qt::WindowMaximized);
    Qt::WindowStates drillState;
    whenModal([&](QWidget *) { drillState = program->drillWindow().windowState(); });
    click("BitBtn2");
    EXPECT_TRUE(drillState & Qt::WindowMaximized);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().windowState() & Qt::WindowMaximized);
}

TEST_F(StartProgram, HelpPanelCoversTheClientAreaLessTwentyPixels)
{
    install();
    start();
    menuItem("Help1")->trigger();
    auto *panel = find<QFrame>("Panel4");
    ASSERT_TRUE(panel);
    QWidget *client = window().centralWidget();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->height(), client->height() - 20);
    EXPECT_EQ(find<QLabel>("Label5")->text(), program->drillWindow().helpTitleText());
    EXPECT_EQ(button("BitBtn6")->text(), program->drillWindow().helpCloseText());
    EXPECT_EQ(QApplication::focusWidget(), find<HelpViewer>("htmlLite1"));
    EXPECT_FALSE(find<HelpViewer>("htmlLite1")->toPlainText().isEmpty());

    window().resize(window().width() + 100, window().height() + 150);
    QApplication::processEvents();
    EXPECT_EQ(panel->height(), client->height() - 20);
    const QWidget *framedPanel = find("Panel3");
    EXPECT_EQ(framedPanel->geometry().center(), client->rect().center());

    click("BitBtn6");
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(StartProgram, WebLinkOpensTheHomePageAndReportsAFailure)
{
    install();
    start();
    auto *link = find<QLabel>("Label3");
    EXPECT_EQ(link->toolTip(), "Click!");
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_TRUE(messages.isEmpty());

    desktopOpens = false;
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList({WebLinks::kHomePage, WebLinks::kHomePage}));
    EXPECT_EQ(messages, QStringList({"Web Browser Error!"}));
}

// The logo is drawn from its file at the first paint, and looks as the label with its pixmap did.
TEST_F(StartProgram, TheLogoLooksAsALabelShowingItsPixmap)
{
    install();
    start();
    QWidget *logo = find("Image4");
    QLabel label(logo->parentWidget());
    label.setGeometry(logo->geometry());
    label.setPixmap(QIcon(dataPath("pictures/logo.svg")).pixmap(logo->size()));
    label.show();
    const QImage drawn = logo->grab().toImage();
    EXPECT_EQ(drawn, label.grab().toImage());
    EXPECT_NE(drawn, QLabel(logo->parentWidget()).grab(QRect(QPoint(), logo->size())).toImage()); // not blank
}
