#include "apperror.h"
#include "filebytes.h"
#include "settingsstore.h"
#include "tablechoice.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Store : ::testing::Test
{
    QTemporaryDir dir;
    QString path = dir.filePath("multable.ini");
    IniFile ini{path};
    Settings settings;
    GradientProperties background;

    void load(const QByteArray &bytes)
    {
        writeBytes(path, bytes);
        SettingsStore::load(ini, settings, background);
    }
};

} // namespace

TEST_F(Store, MissingKeysGiveTheDefaults)
{
    load("[GLOBAL]\r\n");
    EXPECT_EQ(settings.Range, 1);
    EXPECT_EQ(settings.Timer1, 3);
    EXPECT_EQ(settings.Timer2, 1);
    EXPECT_TRUE(settings.Jauge);
    EXPECT_EQ(settings.CalcColor, 32647);
    EXPECT_EQ(settings.Couleur, 32647);
    EXPECT_EQ(settings.Bouton, 1);
    EXPECT_FALSE(settings.Inversion);
    EXPECT_FALSE(settings.HideTextLeft);
    EXPECT_FALSE(settings.HideTextRight);
    EXPECT_EQ(background, (GradientProperties{0, 0, 0, GradientOrientation::Horizontal, false, false}));
    EXPECT_EQ(SettingsStore::readLanguage(ini), QString());
    EXPECT_EQ(SettingsStore::readOperation(ini), 0);
}

TEST_F(Store, ReadsValuesWithTheFileRules)
{
    load("[global]\r\nrange=0x0A\r\nLanguage=abcdefghij\r\nOperation=-1\r\n"
         "[CHRONO]\r\nTimer1=259\r\nTimer2=$2\r\nJauge=7\r\nCouleur=-16777216\r\n"
         "[SON]\r\nBouton=ten\r\n[BACKGRD]\r\nOrientation=1\r\nStart=255\r\nFlipped=1\r\n");
    EXPECT_EQ(settings.Range, 10);
    EXPECT_EQ(SettingsStore::readLanguage(ini), "abcdefgh");
    EXPECT_EQ(SettingsStore::readOperation(ini), -1);
    EXPECT_EQ(settings.Timer1, 3); // low 8 bits of 259
    EXPECT_EQ(settings.Timer2, 2);
    EXPECT_TRUE(settings.Jauge);
    EXPECT_EQ(settings.Couleur, -16777216);
    EXPECT_EQ(settings.Bouton, 1);
    EXPECT_EQ(background.orientation, GradientOrientation::Vertical);
    EXPECT_EQ(background.startColor, 255);
    EXPECT_TRUE(background.flipped);
}

TEST_F(Store, SavesEveryKeyInItsOrderAndKeepsUnknownEntries)
{
    writeBytes(path, "[GLOBAL]\r\nMine=1\r\nJauge=7\r\n");
    settings.Language = "fr";
    settings.HideTextRight = true;
    settings.CalcColor = 32647;
    settings.Timer1 = 15;
    settings.Timer2 = 4;
    settings.Jauge = true;
    settings.Couleur = int(0x80FF0000u); // top bit set: written as a negative number
    settings.Bouton = 3;
    settings.Inversion = true;
    const GradientProperties bg{0xFFFF80, 0xFF0000, 0x800000, GradientOrientation::Vertical, true, false};
    SettingsStore::save(ini, settings, 5, -1, bg);
    EXPECT_EQ(fileBytes(path), QByteArray("[GLOBAL]\r\nMine=1\r\nJauge=7\r\nLanguage=fr\r\nRange=5\r\n"
                                          "HideTextLeft=0\r\nHideTextRight=1\r\nCalcColor=32647\r\nOperation=-1\r\n"
                                          "[CHRONO]\r\nTimer1=15\r\nTimer2=4\r\nJauge=1\r\nCouleur=-2130771968\r\n"
                                          "[SON]\r\nBouton=3\r\n"
                                          "[BACKGRD]\r\nStart=16777088\r\nMiddle=16711680\r\nEnd=8388608\r\n"
                                          "DblGr=1\r\nFlipped=0\r\nOrientation=1\r\n"
                                          "[CALCULS]\r\nInversion=1\r\n"));

    // What was saved loads back to the same values.
    Settings again;
    GradientProperties bgAgain;
    SettingsStore::load(ini, again, bgAgain);
    EXPECT_EQ(bgAgain, bg);
    EXPECT_EQ(again.Range, 5);
    EXPECT_EQ(again.Couleur, settings.Couleur);
    EXPECT_TRUE(again.Inversion);
}

TEST_F(Store, ChoiceFileHoldsOneTablePerLine)
{
    const QString choices = dir.filePath("choices.txt");
    SettingsStore::writeChoiceFile(choices, {"2", "7"});
    EXPECT_EQ(fileBytes(choices), QByteArray("2\r\n7\r\n"));
    EXPECT_EQ(TableChoice::fromTicks(TableChoice::readChoiceFile(choices).ticked), QStringList({"2", "7"}));
    SettingsStore::writeChoiceFile(choices, {});
    EXPECT_EQ(fileBytes(choices).size(), 0);

    const QString missing = dir.filePath("none.txt");
    try {
        TableChoice::readChoiceFile(missing);
        FAIL() << "no error";
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "Cannot open file " + missing);
    }
}
