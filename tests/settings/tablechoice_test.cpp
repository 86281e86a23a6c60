#include "filebytes.h"
#include "tablechoice.h"
#include "tempfolders.h"
#include "userfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TableChoice, ChoiceFileLinesTickTablesOneToTwelveAndStopAtAnInvalidLine)
{
    const TableChoice::RestoredTables restored = TableChoice::ticksFromFile({"10", "3", "15", "0", "-2", "$C", "x", "5"});
    EXPECT_EQ(TableChoice::fromTicks(restored.ticked), QStringList({"3", "10", "12"})); // 5 comes after the bad line
    ASSERT_TRUE(restored.stop.has_value());
    EXPECT_EQ(restored.stop->text(), "'x' is not a valid integer value");
    EXPECT_FALSE(TableChoice::ticksFromFile({"7", ""}).ticked[5]);

    // From the file, the reading ends at the line that stops it, however much follows.
    QTemporaryDir dir;
    const QString path = dir.filePath("choices.txt");
    writeBytes(path, "10\r\n3\r\n15\r\nx\r\n5\r\n" + QByteArray(100000, '\n') + "y\r\n");
    const TableChoice::RestoredTables fromFile = TableChoice::readChoiceFile(path);
    EXPECT_EQ(TableChoice::fromTicks(fromFile.ticked), QStringList({"3", "10"}));
    ASSERT_TRUE(fromFile.stop.has_value());
    EXPECT_EQ(fromFile.stop->text(), "'x' is not a valid integer value");

    EXPECT_FALSE(TableChoice::canGo(TableChoice::fromTicks({})));
    EXPECT_TRUE(TableChoice::canGo({"1"}));
}

TEST(TableChoice, AllowedMultipliersRunFromTheSmallestToTwelve)
{
    EXPECT_EQ(TableChoice::multipliersFrom(9), QStringList({"9", "10", "11", "12"}));
    EXPECT_EQ(TableChoice::multipliersFrom(12), QStringList({"12"}));
    EXPECT_EQ(TableChoice::multipliersFrom(-3).size(), 12); // never empty
    EXPECT_EQ(TableChoice::multipliersFrom(40), QStringList({"12"}));
    EXPECT_EQ(TableChoice::smallestMultiplier({"9", "10"}, 4), 9);
    EXPECT_EQ(TableChoice::smallestMultiplier({}, 4), 4);
}

TEST(TableChoice, OperationListOpensOnTheSavedModeOrTheFirst)
{
    const struct { const char *list; const char *saved; QStringList names; int selected; } cases[] = {
        {"A\r\nB\r\nC\r\n", "Operation=2", {"A", "B", "C"}, 2},
        {"A\r\nB\r\nC\r\n", "Operation=3", {"A", "B", "C"}, 0},
        {"A\r\nB\r\nC\r\n", "Operation=-1", {"A", "B", "C"}, 0},
        {"A\r\nB\r\nC\r\n", "", {"A", "B", "C"}, 0},
        {"", "Operation=0", {}, -1},
        {nullptr, "Operation=1", defaultOperationNames(), 1}, // unreadable list: the built-in names
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << (c.list ? c.list : "no list") << " " << c.saved);
        TempFolders temp;
        if (c.list)
            TempFolders::put(temp.folders().shared, "sys/enOpSel.txt", c.list);
        TempFolders::put(temp.folders().user, "Sys/Multable.ini", QByteArray("[GLOBAL]\r\n") + c.saved + "\r\n");
        const TableChoice::OperationModes modes = TableChoice::loadOperationModes(temp.folders(), "en");
        EXPECT_EQ(modes.names, c.names);
        EXPECT_EQ(modes.selected, c.selected);
    }
}
