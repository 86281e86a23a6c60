#pragma once

#include "filebytes.h"
#include "languagecatalog.h"
#include "mainblock.h"
#include "pathresolve.h"
#include "soundfakes.h"
#include "tempfolders.h"
#include "tfcalculator.h"
#include "tfstart.h"
#include "tfswap.h"
#include "userinterface.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// Readable QString values in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

// The whole program, as the main block creates it, on temporary folders: the shared folder holds
// the installed files of the languages asked for, the user folder what a test puts there.
// Message boxes, the desktop's "open" action and the end of the program are recorded.
struct StartProgram : ::testing::Test
{
    TempFolders temp;
    QStringList messages;
    QStringList opened;        // addresses handed to the desktop
    bool desktopOpens = true;  // what the desktop answers
    bool systemIsFrench = false;
    int programEnds = 0;
    FakeDevices sound; // the players and the audio device count
    std::unique_ptr<MainBlock> program;

    StartProgram()
    {
        UserInterface::setOverrides({[this](const QString &text) { messages.append(text); },
                                     [this](const QString &address) {
                                         opened.append(address);
                                         return desktopOpens;
                                     }});
    }
    ~StartProgram() override
    {
        program.reset();
        UserInterface::setOverrides({});
    }

    // Copies the installed data: the user-file templates, the pictures, and each language's files.
    void install(const QStringList &languages = {"en", "fr"}, bool withChoiceTemplate = true)
    {
        QStringList files = {"Multable.ini", "Sound1.txt", "Sound2.txt", "Sound3.txt",
                             "Sound4.txt",   "Sound5.txt", "SoundStr.txt"};
        if (withChoiceTemplate)
            files << "choices.txt";
        for (const QString &code : languages)
            files << code + ".lng" << code + "OpSel.txt" << code + "-help.html" << code + "-soundevents.txt";
        for (const QString &file : files)
            copyData("sys/" + file);
        for (const QString &picture : QDir(dataPath("pictures")).entryList(QDir::Files))
            copyData("pictures/" + picture);
        for (const QString &sound : QDir(dataPath("sound")).entryList(QDir::Files))
            copyData("sound/" + sound);
        TempFolders::put(temp.folders().program, "default.wav", fileBytes(dataPath("default.wav")));
    }
    static QString dataPath(const QString &relative) { return QStringLiteral(QUORVEL_SOURCE_DIR "/data/") + relative; }
    void copyData(const QString &relative) { TempFolders::put(temp.folders().shared, relative, fileBytes(dataPath(relative))); }

    // A user file, whatever the letter case of its name on disk.
    QString userPath(QString relative) const { return resolvePath(temp.folders().user, relative.replace('/', '\\')); }
    void putUser(const QString &relative, const QByteArray &bytes) { TempFolders::put(temp.folders().user, relative, bytes); }
    QByteArray userFile(const QString &relative) const { return fileBytes(userPath(relative)); }

    // Creates every window, shows the start window and runs its activate step.
    void start()
    {
        StartEnvironment environment;
        environment.folders = [this] { return temp.folders(); };
        environment.systemIsFrench = [this] { return systemIsFrench; };
        environment.endProgram = [this] { ++programEnds; };
        environment.soundDevices = [this] { return sound.make(); };
        program = std::make_unique<MainBlock>(environment);
        program->showStartWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }

    TFStart &window() { return program->startWindow(); }
    ProgramState &state() { return program->state(); }

    template <typename T = QWidget>
    T *find(const QString &name)
    {
        T *found = window().findChild<T *>(name);
        EXPECT_TRUE(found) << qPrintable(name);
        return found;
    }
    QCheckBox *table(int n) { return find<QCheckBox>(QStringLiteral("CheckBox%1").arg(n)); }
    QPushButton *button(const char *name) { return find<QPushButton>(name); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QAction *menuItem(const char *name) { return find<QAction>(name); }

    QList<int> tickedTables()
    {
        QList<int> ticked;
        for (int n = 1; n <= 12; ++n) {
            if (table(n)->isChecked())
                ticked.append(n);
        }
        return ticked;
    }

    // A text of the installed language file.
    static QString installedText(const QString &code, const CaptionSection &section, const char16_t *key)
    {
        return LanguageCatalog::LoadCaptions(dataPath("sys/" + code + ".lng"), section).text(key);
    }

    // Runs 'step' on the next modal window once it is on screen, then closes that window if the
    // step left it open, so a failing step cannot leave the test waiting.
    static void whenModal(std::function<void(QWidget *)> step)
    {
        QTimer::singleShot(0, [step] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal) {
                ADD_FAILURE() << "no modal window";
                return;
            }
            step(modal);
            if (modal->isVisible())
                modal->close();
        });
    }
};
