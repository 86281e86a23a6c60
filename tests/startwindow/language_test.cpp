#include "startfixture.h"

#include "progresstexts.h"
#include "tfaudio.h"
#include "tfprogress.h"
#include "tfsound.h"
#include "tprintdlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

namespace {

QStringList tickedItems(StartProgram &t)
{
    QStringList ticked;
    for (const LanguageEntry &language : LanguageCatalog::languages()) {
        if (t.menuItem(language.menuItem)->isChecked())
            ticked.append(language.menuItem);
    }
    return ticked;
}

} // namespace

TEST_F(StartProgram, OnlyLanguagesWithAFileCanBeChosen)
{
    install({"en", "fr"});
    start();
    for (const LanguageEntry &language : LanguageCatalog::languages()) {
        SCOPED_TRACE(language.menuItem);
        QAction *item = menuItem(language.menuItem);
        EXPECT_EQ(item->text(), QString::fromUtf8(language.caption));
        const bool hasFile = QByteArray(language.code) == "en" || QByteArray(language.code) == "fr";
        EXPECT_EQ(item->isEnabled(), hasFile);
    }
}

struct StartupLanguageCase
{
    const char *name;
    QByteArray settings;
    bool frenchSystem;
    QStringList ticked;
    QString textsOf; // the language whose texts the window shows
};

TEST_F(StartProgram, ChoosesTheLanguageAtStartUp)
{
    const StartupLanguageCase cases[] = {
        {"no language, French system", "", true, {"Fr"}, "fr"},
        {"no language, other system", "", false, {"En"}, "en"},
        {"a stored language", "[GLOBAL]\r\nLanguage=fr\r\n", false, {"Fr"}, "fr"},
        // Codes compare with letter case, file names do not.
        {"a code in capitals", "[GLOBAL]\r\nLanguage=EN\r\n", true, {}, "en"},
    };
    for (const StartupLanguageCase &c : cases) {
        SCOPED_TRACE(c.name);
        program.reset();
        install();
        putUser("sys/multable.ini", c.settings);
        systemIsFrench = c.frenchSystem;
        start();
        EXPECT_EQ(tickedItems(*this), c.ticked);
        EXPECT_EQ(button("BitBtn2")->text(), installedText(c.textsOf, CaptionSections::FStart, u"vStartWorkBtn"));
        EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join('\n'));
    }
}

TEST_F(StartProgram, ALanguageSwitchUpdatesTheWindowsAtOnceAndTheDialogsWhenShown)
{
    install({"en", "fr"});
    putUser("sys/multable.ini", "[GLOBAL]\r\nLanguage=en\r\n");
    putUser("sys/choices.txt", "7\r\n"); // a table chosen, so Start opens the drill window
    start();
    // The drill window makes its controls at its first showing.
    QPushButton *drillBack = nullptr;
    whenModal([&](QWidget *drill) {
        drillBack = drill->findChild<QPushButton *>("BitBtn1");
        QTest::mouseClick(drillBack, Qt::LeftButton);
    });
    click("BitBtn2");
    ASSERT_TRUE(drillBack);
    EXPECT_EQ(drillBack->text(), installedText("en", CaptionSections::FCalculator, u"vCaptionBtn1"));

    menuItem("Fr")->trigger();
    EXPECT_EQ(state().settings.Language, "fr");
    EXPECT_EQ(tickedItems(*this), QStringList({"Fr"}));
    EXPECT_EQ(button("BitBtn2")->text(), installedText("fr", CaptionSections::FStart, u"vStartWorkBtn"));
    EXPECT_EQ(find<QGroupBox>("GroupBox1")->title(),
              ' ' + installedText("fr", CaptionSections::FStart, u"vCaptionGroupBox") + ' ');
    EXPECT_EQ(find<QMenu>("Files")->title(), installedText("fr", CaptionSections::FStart, u"vMenuFilesCaption"));
    EXPECT_EQ(drillBack->text(), installedText("fr", CaptionSections::FCalculator, u"vCaptionBtn1"));

    QString expertTitle;
    whenModal([&](QWidget *modal) { expertTitle = modal->windowTitle(); });
    click("BitBtn9");
    EXPECT_EQ(expertTitle, installedText("fr", CaptionSections::FSwap, u"vFSWapCaption"));

    click("BitBtn1");
    EXPECT_TRUE(userFile("sys/multable.ini").startsWith("[GLOBAL]\r\nLanguage=fr\r\n"));
}

// A language file is input: markup in it is shown as it stands, in every label of the window.
TEST_F(StartProgram, ShowsMarkupInALanguageFileLiterally)
{
    install({"en"});
    QByteArray language = fileBytes(dataPath("sys/en.lng"));
    language.replace("vComment=Click with your mouse", "vComment=<b>x</b>Click with your mouse");
    TempFolders::put(temp.folders().shared, "sys/en.lng", language);
    putUser("sys/multable.ini", "[GLOBAL]\r\nLanguage=en\r\n");
    start();
    QLabel *comment = find<QLabel>("Label1");
    ASSERT_TRUE(comment);
    EXPECT_TRUE(comment->text().startsWith("<b>x</b>Click"));
    for (QLabel *label : window().findChildren<QLabel *>()) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
}

// The dialogs make their controls at their first opening: one first opened after a language
// switch shows the new language, and the state that steps set while it had no controls.
TEST_F(StartProgram, DialogsFirstOpenedAfterASwitchShowTheNewLanguageAndTheStateSetBefore)
{
    install({"en", "de"});
    putUser("sys/multable.ini", "[GLOBAL]\r\nLanguage=en\r\n[SON]\r\nBouton=3\r\n");
    start(); // the welcome sound selects sequence 3 in the sound options
    menuItem("De")->trigger();

    struct Case
    {
        const char *name;
        std::function<void()> open;
        QString title;
        const char *checked; // a choice the dialog shows as made
    };
    const Case cases[] = {
        {"sound options", [this] { program->soundOptions().exec(); },
         installedText("de", CaptionSections::FSound, u"vFSoundCaption"), "RadioGroup1Item3"},
        {"sound editor", [this] { program->soundEditor().exec(); },
         installedText("de", CaptionSections::FAudio, u"vFAudioCaption"), "RadioGroup1Item0"},
        {"print dialog", [this] { program->printDialog().showModal(); },
         installedText("de", CaptionSections::PrintDlg, u"vPrintDlgCaption"), "RadioButton3"},
        {"progress map", [this] { program->progressWindow().showModal(); },
         installedText("de", ProgressTexts::section, u"vProgressCaption"), nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QString title;
        bool checked = false;
        whenModal([&](QWidget *dialog) {
            title = dialog->windowTitle();
            if (c.checked) {
                auto *choice = dialog->findChild<QRadioButton *>(QString::fromLatin1(c.checked));
                checked = choice && choice->isChecked();
            }
        });
        c.open();
        EXPECT_FALSE(title.isEmpty());
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(checked, c.checked != nullptr);
    }
    EXPECT_EQ(menuItem("Progress1")->text(), installedText("de", ProgressTexts::section, u"vProgressMenuItem"));
}
