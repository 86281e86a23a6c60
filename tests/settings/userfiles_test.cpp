#include "apperror.h"
#include "filebytes.h"
#include "fulldisk.h"
#include "pathresolve.h"
#include "tempfolders.h"
#include "userfiles.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const char *const kTemplates[] = {"Multable.ini", "choices.txt", "Sound1.txt", "Sound2.txt",
                                  "Sound3.txt",   "Sound4.txt",  "Sound5.txt", "SoundStr.txt"};

struct UserFiles : ::testing::Test
{
    TempFolders temp;
    const DataFolders &f = temp.folders();

    void putTemplates()
    {
        for (const char *name : kTemplates)
            TempFolders::put(f.shared, QString("sys/") + name, QByteArray("template of ") + name);
    }
    QByteArray user(const char *name) const { return fileBytes(resolvePath(f.user, QString("sys\\") + name)); }
};

} // namespace

TEST_F(UserFiles, FirstStartCopiesEveryTemplateAndLaterStartsKeepTheUsersFiles)
{
    putTemplates();
    CopyUserFiles(f);
    for (const char *name : kTemplates)
        EXPECT_EQ(user(name), QByteArray("template of ") + name) << name;

    // The user changed two files and deleted one.
    writeBytes(resolvePath(f.user, "sys\\multable.ini"), "mine");
    writeBytes(resolvePath(f.user, "sys\\Sound1.txt"), "my sounds");
    QFile::remove(resolvePath(f.user, "sys\\Sound3.txt"));
    CopyUserFiles(f);
    EXPECT_EQ(user("Multable.ini"), "mine");
    EXPECT_EQ(user("Sound1.txt"), "my sounds");
    EXPECT_EQ(user("Sound3.txt"), "template of Sound3.txt");
}

TEST_F(UserFiles, StopsAtTheFirstMissingTemplate)
{
    putTemplates();
    QFile::remove(f.shared + "sys/Sound2.txt");
    const QString missing = resolvePath(f.shared, "Sys\\Sound2.txt");
    try {
        CopyUserFiles(f);
        FAIL() << "no error";
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "Cannot open file " + missing);
    }
    EXPECT_EQ(user("Sound1.txt"), "template of Sound1.txt");
    EXPECT_FALSE(QFileInfo::exists(resolvePath(f.user, "sys\\Sound3.txt")));
}

TEST_F(UserFiles, ReportsAUserFolderThatCannotBeWritten)
{
    putTemplates();
    TempFolders::put(temp.root(), "blocked", "a file where the user folder should be");
    DataFolders blocked = f;
    blocked.user = temp.root() + "blocked/quorvel/";
    try {
        CopyUserFiles(blocked);
        FAIL() << "no error";
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "Cannot create file " + blocked.user + "Sys/Multable.ini");
    }
}

TEST_F(UserFiles, FileCopyReplacesTheDestinationByteForByte)
{
    const QByteArray bytes("\x00\xFF\r\n\x1A", 5);
    TempFolders::put(temp.root(), "a.bin", bytes);
    TempFolders::put(temp.root(), "b.bin", "old and longer content");
    FileCopy(temp.root() + "a.bin", temp.root() + "b.bin");
    EXPECT_EQ(fileBytes(temp.root() + "b.bin"), bytes);
}

TEST_F(UserFiles, WritesBothOperationListsOnlyWhenTheEnglishOneIsMissing)
{
    const struct { bool english, french; QByteArray englishAfter, frenchAfter; } cases[] = {
        {false, false, "Operator: Multiply\r\nOperator: Divide\r\nOperator: Alternate\r\nOperator: Random\r\n",
         "Operateur: Multiplier\r\nOperateur: Diviser\r\nOperateur: Altern\xE9\r\nOperateur: Al\xE9" "atoire\r\n"},
        {false, true, "Operator: Multiply\r\nOperator: Divide\r\nOperator: Alternate\r\nOperator: Random\r\n",
         "Operateur: Multiplier\r\nOperateur: Diviser\r\nOperateur: Altern\xE9\r\nOperateur: Al\xE9" "atoire\r\n"},
        {true, false, "mine\r\n", ""},
        {true, true, "mine\r\n", "mien\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.english << c.french);
        TempFolders t;
        if (c.english)
            TempFolders::put(t.folders().shared, "sys/enOpSel.txt", "mine\r\n");
        if (c.french)
            TempFolders::put(t.folders().shared, "sys/frOpSel.txt", "mien\r\n");
        writeDefaultOperationLists(t.folders());
        EXPECT_EQ(fileBytes(t.folders().shared + "sys/enOpSel.txt"), c.englishAfter);
        EXPECT_EQ(fileBytes(t.folders().shared + "sys/frOpSel.txt"), c.frenchAfter);
    }

    DataFolders noShared = f;
    noShared.shared = temp.root() + "nowhere/";
    EXPECT_THROW(writeDefaultOperationLists(noShared), AppError);
}

TEST_F(UserFiles, FileCopyOntoAFullDiskKeepsTheDestination)
{
    const QString source = temp.root() + "source.txt";
    const QString destination = temp.root() + "destination.txt";
    TempFolders::put(temp.root(), "source.txt", "new bytes");
    TempFolders::put(temp.root(), "destination.txt", "old bytes");
    try {
        FullDisk full;
        FileCopy(source, destination);
        ADD_FAILURE() << "no error";
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "Cannot create file " + destination);
    }
    EXPECT_EQ(fileBytes(destination), "old bytes");
}
