#include "apperror.h"
#include "filebytes.h"
#include "inifile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct IniFixture : ::testing::Test
{
    QTemporaryDir dir;
    QString path = dir.filePath("test.ini");
    IniFile ini{path};
    void contents(const QByteArray &bytes) { writeBytes(path, bytes); }
};

} // namespace

TEST_F(IniFixture, ReadsValuesByTheLookupRules)
{
    contents("; comment=ignored\r\n"
             "[global]\r\n"
             "range = 7 \r\n"
             "Quoted=\" a b \"\r\n"
             "Single='x'\r\n"
             "Odd=\"a'\r\n"
             "Equals=a=b\r\n"
             "Twice=first\r\n"
             "Twice=second\r\n"
             "no equals sign here\r\n"
             "[Other]\r\n"
             "Only=other\r\n"
             "[GLOBAL]\r\n"
             "Later=ignored because only the first section counts\r\n");
    const struct { const char *section, *key, *expected; } cases[] = {
        {"GLOBAL", "Range", "7"},        // section and key without regard to case, blanks trimmed
        {"GLOBAL", "Quoted", " a b "},   // matching double quotes removed, inner blanks kept
        {"GLOBAL", "Single", "x"},       // matching single quotes removed
        {"GLOBAL", "Odd", "\"a'"},       // unmatched quotes kept
        {"GLOBAL", "Equals", "a=b"},     // split at the first "="
        {"GLOBAL", "Twice", "first"},    // first entry wins
        {"GLOBAL", "Only", "default"},   // key of another section
        {"GLOBAL", "Later", "default"},
        {"Missing", "Range", "default"},
        {"GLOBAL", "comment", "default"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), QString::fromLatin1(c.expected));
    }
}

TEST_F(IniFixture, CapsValuesAt2047Characters)
{
    contents("[S]\r\nK=" + QByteArray(3000, 'v') + "\r\n");
    EXPECT_EQ(ini.ReadString("S", "K", {}).size(), 2047);
}

TEST_F(IniFixture, ReadsIntegersAndBooleans)
{
    const struct { const char *value; int expected; } cases[] = {
        {"10", 10}, {"-5", -5}, {"+3", 3}, {"0x0A", 10}, {"0XFF", 255}, {"$A", 10}, {"$FFFFFFFF", -1},
        {"-2147483648", INT_MIN}, {"ten", 99}, {"", 99}, {"0x", 99}, {"12abc", 99}, {"$", 99}, {"2147483648", 99},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        contents(QByteArray("[S]\r\nK=") + c.value + "\r\n");
        EXPECT_EQ(ini.ReadInteger("S", "K", 99), c.expected);
    }
    contents("[S]\r\nSeven=7\r\nZero=0\r\nWord=yes\r\n");
    EXPECT_TRUE(ini.ReadBool("S", "Seven", false));
    EXPECT_FALSE(ini.ReadBool("S", "Zero", true));
    EXPECT_TRUE(ini.ReadBool("S", "Word", true));
    EXPECT_FALSE(ini.ReadBool("S", "Missing", false));
    EXPECT_EQ(IniFile(dir.filePath("absent.ini")).ReadInteger("S", "K", 4), 4);
}

TEST_F(IniFixture, WritesInPlaceAtTheEndOfTheSectionOrInANewSection)
{
    contents("[GLOBAL]\r\nrange=1\r\nUnknown=kept\r\n\r\n[CHRONO]\r\nTimer1=3\r\n");
    ini.WriteInteger("global", "Range", 12);  // replaced in place, the file's spelling of the key kept
    ini.WriteBool("GLOBAL", "Jauge", true);   // appended after the section's last entry
    ini.WriteInteger("SON", "Bouton", -1);    // new section at the end
    ini.WriteString("chrono", "Timer1", "5");
    EXPECT_EQ(fileBytes(path), QByteArray("[GLOBAL]\r\nrange=12\r\nUnknown=kept\r\nJauge=1\r\n\r\n"
                                          "[CHRONO]\r\nTimer1=5\r\n[SON]\r\nBouton=-1\r\n"));
}

TEST_F(IniFixture, CreatesAMissingFile)
{
    ini.WriteBool("GLOBAL", "HideTextLeft", false);
    EXPECT_EQ(fileBytes(path), QByteArray("[GLOBAL]\r\nHideTextLeft=0\r\n"));
}

TEST_F(IniFixture, ReportsAFailedWriteAndLeavesNothingBehind)
{
    const QString noFolder = dir.filePath("missing/multable.ini");
    try {
        IniFile(noFolder).WriteString("GLOBAL", "Language", "fr");
        FAIL() << "no error";
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "Unable to write to " + noFolder);
    }
    EXPECT_FALSE(QFile::exists(noFolder));

    // A path that exists but cannot be read is never replaced.
    const QString folderPath = dir.filePath("folder.ini");
    QDir().mkpath(folderPath);
    EXPECT_THROW(IniFile(folderPath).WriteString("S", "K", "v"), AppError);
    EXPECT_TRUE(QFileInfo(folderPath).isDir());
}
