#include "pathresolve.h"
#include "tempfolders.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ResolvePath, MatchesEveryComponentWithoutRegardToCase)
{
    QTemporaryDir dir;
    const QString root = dir.path() + '/';
    TempFolders::put(root, "Sys/Multable.ini", "x");
    TempFolders::put(root, "sound/Heeh3.WAV", "x");
    QDir().mkpath(root + "both/Sys");
    QDir().mkpath(root + "both/sys");

    const struct { const char *relative, *expected; } cases[] = {
        {"sys\\multable.ini", "Sys/Multable.ini"},
        {"SYS\\MULTABLE.INI", "Sys/Multable.ini"},
        {"Sys\\choices.txt", "Sys/choices.txt"},         // missing file keeps its spelling
        {"sys\\new\\file.txt", "Sys/new/file.txt"},      // below a missing folder too
        {"appdir/sound\\heeh3.wav", "appdir/sound/heeh3.wav"},
        {"sound\\heeh3.wav", "sound/Heeh3.WAV"},
        {"both\\sys", "both/sys"},                        // an exact match wins
        {"both\\SYS", "both/Sys"},                        // else the first in name order
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.relative);
        EXPECT_EQ(resolvePath(root, QString::fromLatin1(c.relative)), root + c.expected);
    }
}

TEST(DataFolders, DerivesTheSharedAndUserFolders)
{
    const DataFolders f = DataFolders::fromProgramFolder("/opt/q/lib/quorvel", "/home/ann/.local/share");
    EXPECT_EQ(f.program, "/opt/q/lib/quorvel/");
    EXPECT_EQ(f.shared, "/opt/q/share/quorvel/");
    EXPECT_EQ(f.user, "/home/ann/.local/share/quorvel/");
    // A failed personal-folder lookup puts the user folder at the root.
    EXPECT_EQ(DataFolders::fromProgramFolder("/usr/lib/quorvel/", "").user, "/quorvel/");
    EXPECT_EQ(GetSystemPath(4), QString());
}
