#include "filebytes.h"
#include "inputblocker.h"
#include "languagecatalog.h"
#include "soundfakes.h"
#include "soundfiles.h"
#include "soundservice.h"
#include "tempfolders.h"
#include "tfaudio.h"
#include "tfsound.h"
#include "userinterface.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

// Readable QString values in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

QString sourceData(const QString &relative)
{
    return QStringLiteral(QUORVEL_SOURCE_DIR "/data/") + relative;
}

// Runs 'step' on the modal window once it is on screen.
void whenModal(std::function<void(QWidget *)> step)
{
    QTimer::singleShot(0, [step] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no modal window";
            return;
        }
        step(modal);
    });
}

template <typename T = QWidget>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    EXPECT_TRUE(found) << name;
    return found;
}

// The sound dialogs on temporary folders, in English, with fake players.
struct SoundDialogs : ::testing::Test
{
    TempFolders temp;
    ProgramState state;
    FakeDevices devices;
    std::unique_ptr<SoundService> sound;
    QStringList messages;

    SoundDialogs()
    {
        UserInterface::setOverrides({[this](const QString &text) { messages.append(text); }, {}});
        const DataFolders &f = temp.folders();
        state.folders = f;
        state.settings.Language = "en";
        state.settings.Bouton = 2;
        for (const char *file : {"sys/en.lng", "sys/en-soundevents.txt"})
            TempFolders::put(f.shared, file, fileBytes(sourceData(file)));
        TempFolders::put(f.shared, "sound/a.mp3", "x");
        TempFolders::put(f.shared, "sound/B.WAV", "x");
        TempFolders::put(f.shared, "sound/readme.txt", "x");
        QDir().mkpath(f.shared + "sound/empty");
        TempFolders::put(f.program, "default.wav", "x");
        TempFolders::put(f.user, "sys/SoundStr.txt", "Silence...\r\nChimes\r\nFanfare\r\nC\r\nD\r\nE\r\n");
        for (int n = 1; n <= 5; ++n)
            TempFolders::put(f.user, QStringLiteral("sys/Sound%1.txt").arg(n), sequenceBytes());
        sound = std::make_unique<SoundService>(state, devices.make());
        SoundLinks links;
        links.message = [this](const QString &text) { messages.append(text); };
        sound->setLinks(links);
    }
    ~SoundDialogs() override { UserInterface::setOverrides({}); }

    QByteArray sequenceBytes() const { return (temp.folders().program + "default.wav\r\n").toLatin1().repeated(8); }
    QString userFile(const char *name) const { return temp.folders().user + "sys/" + name; }
    QString text(const CaptionSection &section, const char16_t *key) const
    {
        return LanguageCatalog::LoadCaptions(state.languageFile(), section).text(key);
    }
};

} // namespace

TEST(InputBlocker, DropsInputThatArrivesDuringTheWait)
{
    QLineEdit field;
    field.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
    const auto typeA = [&field] {
        QCoreApplication::postEvent(&field, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    };
    typeA();
    QCoreApplication::processEvents();
    ASSERT_EQ(field.text(), "a"); // the key reaches the field when nothing blocks it

    bool timerRan = false;
    InputBlocker::run(
        [&](std::function<void()> finished) {
            typeA();
            QTimer::singleShot(30, [&timerRan, finished] {
                timerRan = true; // timers go on during the wait
                finished();
            });
        },
        5000);
    QCoreApplication::processEvents();
    EXPECT_TRUE(timerRan);
    EXPECT_EQ(field.text(), "a");
}

TEST_F(SoundDialogs, SoundOptionsDialogChoosesSilence)
{
    TFSound dialog(state, *sound);
    whenModal([&](QWidget *window) {
        EXPECT_EQ(window->windowTitle(), text(CaptionSections::FSound, u"vFSoundCaption"));
        EXPECT_TRUE(child<QRadioButton>(window, "RadioGroup1Item2")->isChecked());
        EXPECT_EQ(child<QRadioButton>(window, "RadioGroup1Item2")->text(), "Fanfare");
        EXPECT_TRUE(child<QPushButton>(window, "BitBtn8")->isEnabled());
        EXPECT_TRUE(child<QLabel>(window, "Label1")->isHidden());
        QTest::keyClick(window, Qt::Key_Escape); // OK is the only way out
        EXPECT_TRUE(window->isVisible());
        child<QRadioButton>(window, "RadioGroup1Item0")->click();
        EXPECT_FALSE(child<QPushButton>(window, "BitBtn8")->isEnabled());
        EXPECT_FALSE(child<QLabel>(window, "Label1")->isHidden());
        child<QPushButton>(window, "BitBtn1")->click();
    });
    dialog.exec();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(state.settings.Bouton, 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SoundDialogs, EditorAssociatesRenamesAndAsksBeforeSaving)
{
    sound->options().FormActivate(); // the sound options dialog, open on sequence 2
    TFAudio editor(state, *sound);
    QStringList questions;
    bool answer = false;
    editor.setConfirm([&](const QString &question) {
        questions.append(question);
        return answer;
    });
    const QString soundFolder = temp.folders().shared + "sound";

    const auto session = [&](QWidget *window) {
        auto *events = child<QGroupBox>(window, "RadioGroup1");
        EXPECT_EQ(events->title(), text(CaptionSections::FAudio, u"vRadioGroupCaption") + " \"Fanfare\" ");
        EXPECT_TRUE(child<QRadioButton>(window, "RadioGroup1Item0")->isChecked());
        auto *title = child<QLineEdit>(window, "Edit1");
        EXPECT_EQ(title->text(), "Fanfare");
        EXPECT_EQ(window->width(), 419);

        child<QRadioButton>(window, "RadioGroup1Item4")->click();
        EXPECT_TRUE(child<QLabel>(window, "Label2")->text().endsWith(" (5)"));
        EXPECT_EQ(child<QLabel>(window, "Label3")->text(), temp.folders().program + "default.wav");

        child<QPushButton>(window, "BitBtn1")->click(); // the browser
        EXPECT_EQ(window->width(), 626);
        EXPECT_TRUE(child<QWidget>(window, "Panel1")->isVisible());
        EXPECT_FALSE(child<QPushButton>(window, "BitBtn1")->isEnabled());
        EXPECT_EQ(child<QComboBox>(window, "DriveComboBox1")->itemText(0), "/");
        auto *files = child<QListWidget>(window, "FileListBox1");
        ASSERT_EQ(files->count(), 2);
        EXPECT_EQ(files->item(0)->text(), "a.mp3");
        EXPECT_EQ(files->item(1)->text(), "B.WAV");
        EXPECT_EQ(devices.MP2->fileName(), soundFolder + "/a.mp3");

        // A folder without sound files.
        auto *folders = child<QTreeWidget>(window, "DirectoryListBox1");
        const QList<QTreeWidgetItem *> empty = folders->findItems("empty", Qt::MatchRecursive);
        ASSERT_EQ(empty.size(), 1);
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(empty.first()).center());
        EXPECT_EQ(files->count(), 0);
        EXPECT_FALSE(child<QPushButton>(window, "MP2Play")->isVisible());
        EXPECT_FALSE(child<QPushButton>(window, "BitBtn4")->isEnabled());
        const QList<QTreeWidgetItem *> back = folders->findItems("sound", Qt::MatchRecursive);
        ASSERT_FALSE(back.isEmpty());
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(back.first()).center());
        ASSERT_EQ(files->count(), 2);
        EXPECT_TRUE(child<QPushButton>(window, "MP2Play")->isVisible());

        files->setCurrentRow(1);
        child<QPushButton>(window, "BitBtn4")->click(); // associate
        EXPECT_EQ(child<QLabel>(window, "Label3")->text(), soundFolder + "/B.WAV");
        child<QPushButton>(window, "MP3Play")->click();
        EXPECT_EQ(devices.played.last(), soundFolder + "/B.WAV");

        // The title takes ten characters; leaving the field renames the sequence at once.
        QApplication::setActiveWindow(window);
        title->setFocus();
        title->selectAll();
        QTest::keyClicks(title, "Trumpets!!X");
        EXPECT_EQ(title->text(), "Trumpets!!");
        child<QRadioButton>(window, "RadioGroup1Item1")->setFocus();
        EXPECT_EQ(child<QGroupBox>(window, "GroupBox3")->title(), "Personnalisation de \"Trumpets!!\"");
        EXPECT_EQ(events->title(), text(CaptionSections::FAudio, u"vRadioGroupCaption") + " \"Trumpets!!\" ");
        EXPECT_EQ(sound->options().display().items.at(2), "Trumpets!!");

        child<QPushButton>(window, "BitBtn2")->click(); // OK
    };

    whenModal(session);
    editor.exec();
    EXPECT_FALSE(editor.isVisible());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions.first(), "\"Trumpets!!\" " + text(CaptionSections::FAudio, u"vChangedMessageDlg"));
    EXPECT_EQ(fileBytes(userFile("Sound2.txt")), sequenceBytes()); // No keeps the file
    EXPECT_EQ(sound->context().CurrentSequence.at(4), soundFolder + "/B.WAV"); // but plays the new sound
    EXPECT_EQ(fileBytes(userFile("SoundStr.txt")), "Silence...\r\nChimes\r\nTrumpets!!\r\nC\r\nD\r\nE\r\n");
    EXPECT_EQ(editor.width(), 419); // OK closed the browser
    EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join('\n'));

    // Again, answering Yes: the sequence file is written.
    answer = true;
    whenModal([&](QWidget *window) {
        child<QRadioButton>(window, "RadioGroup1Item7")->click();
        child<QPushButton>(window, "BitBtn1")->click();
        child<QListWidget>(window, "FileListBox1")->setCurrentRow(0);
        child<QPushButton>(window, "BitBtn4")->click();
        child<QPushButton>(window, "BitBtn2")->click();
    });
    editor.exec();
    const QStringList saved = SoundFiles::LoadSequence(temp.folders(), 2);
    ASSERT_EQ(saved.size(), 8);
    EXPECT_EQ(saved.at(7), soundFolder + "/a.mp3");
    EXPECT_EQ(saved.at(4), temp.folders().program + "default.wav"); // reloaded from the file at activation
}

TEST_F(SoundDialogs, EditorWithoutEventNamesKeepsTheBuiltInNames)
{
    QFile::remove(temp.folders().shared + "sys/en-soundevents.txt");
    TFAudio editor(state, *sound);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith("Cannot open file ")) << qPrintable(messages.first());
    EXPECT_EQ(sound->context().EventNames, SoundFiles::builtinEventNames());
    EXPECT_TRUE(sound->context().CurrentSequence.isEmpty()); // creation stopped before loading
}

TEST(InstalledSoundData, EventNamesEndInTheirNumbers)
{
    for (const char *code : {"en", "fr", "nl", "de", "it", "es"}) {
        DataFolders folders;
        folders.shared = QStringLiteral(QUORVEL_SOURCE_DIR "/data/");
        const QStringList names = SoundFiles::LoadEventNames(folders, QString::fromLatin1(code));
        ASSERT_EQ(names.size(), 8) << code;
        for (int k = 0; k < 8; ++k)
            EXPECT_TRUE(names.at(k).endsWith(QStringLiteral("(%1)").arg(k + 1))) << code << " " << qPrintable(names.at(k));
    }
}
