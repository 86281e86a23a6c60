#include "apperror.h"
#include "filebytes.h"
#include "pathresolve.h"
#include "soundfiles.h"
#include "tempfolders.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace SoundFiles;

namespace {

DataFolders windowsLikeFolders()
{
    DataFolders folders;
    folders.program = "/opt/trainer/";
    folders.shared = "/usr/share/quorvel/";
    folders.user = "/home/child/.local/share/quorvel/";
    return folders;
}

} // namespace

TEST(ResolveSoundEntry, TableOfEntries)
{
    const DataFolders folders = windowsLikeFolders();
    struct Case
    {
        const char *entry;
        const char *path;
    } cases[] = {
        {"appdir\\sound\\heeh3.wav", "/usr/share/quorvel/sound/heeh3.wav"},
        {"appdir/sound/heeh3.wav", "/usr/share/quorvel/sound/heeh3.wav"},  // the seventh character is dropped
        {"appdirXsound\\heeh3.wav", "/usr/share/quorvel/sound/heeh3.wav"}, // whatever it is
        {"APPDIR\\sound\\heeh3.wav", "APPDIR\\sound\\heeh3.wav"},          // only lower case is relative
        {"AppDir\\sound\\heeh3.wav", "AppDir\\sound\\heeh3.wav"},
        {"/home/child/Music/bell.mp3", "/home/child/Music/bell.mp3"},
        {"C:\\Sounds\\bell.wav", "C:\\Sounds\\bell.wav"},
        {"", ""},
        {" appdir\\a.wav", " appdir\\a.wav"}, // an entry is the whole line, spaces included
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(ResolveSoundEntry(QString::fromUtf8(c.entry), folders), QString::fromUtf8(c.path));
    }
}

TEST(ResolveSoundEntry, RelativeEntryFindsTheFileInAnyLetterCase)
{
    TempFolders temp;
    TempFolders::put(temp.folders().shared, "Sound/Bell.WAV", "x");
    EXPECT_EQ(ResolveSoundEntry("appdir\\sound\\bell.wav", temp.folders()), temp.folders().shared + "Sound/Bell.WAV");
}

TEST(MakeSoundEntry, TableOfChoices)
{
    struct Case
    {
        const char *file, *root, *program, *entry;
    } cases[] = {
        // The program folder directly below the volume's root: files inside it become relative.
        {"/Trainer/sound/a.wav", "/", "/Trainer/", "appdir\\sound\\a.wav"},
        {"/trainer/sound/sub/a.wav", "/", "/Trainer/", "appdir\\sound\\sub\\a.wav"},
        {"/media/usb/Trainer/sound/a.wav", "/media/usb", "/media/usb/Trainer/", "appdir\\sound\\a.wav"},
        // Deeper program folders, other folders and the shared data folder keep the full path.
        {"/usr/lib/quorvel/sound/a.wav", "/", "/usr/lib/quorvel/", "/usr/lib/quorvel/sound/a.wav"},
        {"/usr/share/quorvel/sound/a.wav", "/", "/usr/lib/quorvel/", "/usr/share/quorvel/sound/a.wav"},
        {"/Other/sound/a.wav", "/", "/Trainer/", "/Other/sound/a.wav"},
        {"/a.wav", "/", "/Trainer/", "/a.wav"},
        {"/Trainer/a.wav", "/", "/Trainer/", "appdir\\a.wav"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(MakeSoundEntry(c.file, c.root, c.program), QString::fromUtf8(c.entry));
    }
}

TEST(SequenceFiles, RoundTripByteForByte)
{
    TempFolders temp;
    const DataFolders &folders = temp.folders();
    QDir().mkpath(folders.user + "sys");
    const QStringList sequence = {"appdir\\sound\\a.wav", "", "/home/child/Musique/été.wav", " spaced ",
                                  "C:\\x.mp3",           "6", "7",                            "8"};
    SaveSequence(folders, 3, sequence);
    const QString path = folders.user + "sys/Sound3.txt";
    EXPECT_EQ(fileBytes(path), QByteArray("appdir\\sound\\a.wav\r\n\r\n/home/child/Musique/\xe9t\xe9.wav\r\n spaced \r\n"
                                          "C:\\x.mp3\r\n6\r\n7\r\n8\r\n"));
    EXPECT_EQ(LoadSequence(folders, 3), sequence); // the last CR LF adds no entry
    // Lone CR and LF end lines too.
    writeBytes(path, "a\rb\nc\r\n");
    EXPECT_EQ(LoadSequence(folders, 3), QStringList({"a", "b", "c"}));
}

TEST(SequenceFiles, BothSpellingsReachOneFile)
{
    TempFolders temp;
    const DataFolders &folders = temp.folders();
    TempFolders::put(folders.user, "sys/Sound2.txt", "one\r\n");
    EXPECT_EQ(loadUserLines(folders, currentSequenceFileName(2)), QStringList({"one"}));
    saveUserLines(folders, currentSequenceFileName(2), {"two"});
    EXPECT_EQ(LoadSequence(folders, 2), QStringList({"two"}));
    EXPECT_EQ(QDir(folders.user + "sys").entryList(QDir::Files), QStringList({"Sound2.txt"}));
}

TEST(SequenceFiles, ResetGivesEightDefaultEntries)
{
    TempFolders temp;
    const DataFolders &folders = temp.folders();
    QDir().mkpath(folders.user + "sys");
    SaveSequence(folders, 1, ResetSequence(folders));
    const QByteArray line = (folders.program + "default.wav\r\n").toUtf8();
    EXPECT_EQ(fileBytes(folders.user + "sys/Sound1.txt"), line.repeated(8));
    EXPECT_EQ(LoadSequence(folders, 1), QStringList(8, folders.program + "default.wav"));
}

TEST(SequenceFiles, ErrorsNameTheFile)
{
    TempFolders temp;
    const DataFolders &folders = temp.folders();
    try {
        LoadSequence(folders, 4);
        FAIL() << "a missing file was read";
    } catch (const AppError &error) {
        EXPECT_EQ(error.text(), "Cannot open file " + folders.user + "sys/Sound4.txt");
    }
    // A folder where the file should be, and a file far too large to be a sequence.
    QDir().mkpath(folders.user + "sys/Sound5.txt");
    EXPECT_THROW(LoadSequence(folders, 5), AppError);
    TempFolders::put(folders.user, "sys/Sound1.txt", QByteArray(5 * 1024 * 1024, 'a'));
    EXPECT_THROW(LoadSequence(folders, 1), AppError);

    // A file where the sys folder should be: nothing can be written below it.
    TempFolders blocked;
    TempFolders::put(blocked.folders().user, "sys", "not a folder");
    try {
        SaveSequence(blocked.folders(), 2, {"new"});
        ADD_FAILURE() << "wrote below a file";
    } catch (const AppError &error) {
        EXPECT_EQ(error.text(), "Cannot create file " + blocked.folders().user + "sys/Sound2.txt");
    }
}

TEST(SequenceFiles, ReadOnlyFolderKeepsTheOldFile)
{
    TempFolders temp;
    const DataFolders &folders = temp.folders();
    TempFolders::put(folders.user, "sys/Sound2.txt", "old\r\n");
    QFile::setPermissions(folders.user + "sys", QFile::ReadOwner | QFile::ExeOwner);
    const bool writable = QFileInfo(folders.user + "sys").isWritable() && QFile(folders.user + "sys/x").open(QIODevice::WriteOnly);
    if (!writable) {
        EXPECT_THROW(SaveSequence(folders, 2, {"new"}), AppError);
    }
    QFile::setPermissions(folders.user + "sys", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (writable)
        GTEST_SKIP() << "this user writes into read-only folders";
    EXPECT_EQ(fileBytes(folders.user + "sys/Sound2.txt"), "old\r\n");
}

TEST(SequenceFiles, TitlesAndEventNames)
{
    TempFolders temp;
    const DataFolders &folders = temp.folders();
    QDir().mkpath(folders.user + "sys");
    QStringList titles = builtinTitles();
    EXPECT_EQ(titles, QStringList({"Silence...", "Sound 1", "Sound 2", "Sound 3", "Sound 4", "Sound 5"}));
    titles[2] = "Fanfare";
    SaveTitles(folders, titles);
    EXPECT_EQ(LoadTitles(folders), titles);

    TempFolders::put(folders.shared, "sys/nl-soundevents.txt", "\xe9\xe9n (1)\r\ntwee (2)\r\n");
    EXPECT_EQ(LoadEventNames(folders, "nl"), QStringList({"één (1)", "twee (2)"}));
    EXPECT_THROW(LoadEventNames(folders, "de"), AppError);
    for (const QString &name : builtinEventNames())
        EXPECT_TRUE(name.endsWith(QStringLiteral("(%1)").arg(builtinEventNames().indexOf(name) + 1))) << qPrintable(name);
}
