#include "filebytes.h"
#include "languagecatalog.h"
#include "tempfolders.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace LanguageCatalog;

TEST(LanguageCatalog, ChoosesTheStartupLanguage)
{
    EXPECT_EQ(startupLanguage("", true), "fr");
    EXPECT_EQ(startupLanguage("", false), "en");
    EXPECT_EQ(startupLanguage("de", true), "de");
    EXPECT_EQ(menuIndexOf("es"), 5);
    EXPECT_EQ(menuIndexOf("New"), 6);
    EXPECT_EQ(menuIndexOf("EN"), -1); // codes compare with letter case
}

TEST(LanguageCatalog, OffersOnlyTheLanguagesWhoseFileExists)
{
    TempFolders temp;
    TempFolders::put(temp.folders().shared, "sys/en.lng", "");
    TempFolders::put(temp.folders().shared, "sys/FR.LNG", "");
    const std::array<bool, 7> expected = {true, true, false, false, false, false, false};
    EXPECT_EQ(availableLanguages(temp.folders()), expected);
    EXPECT_EQ(helpDocument(temp.folders(), "de"), temp.folders().shared + "sys/de-help.html");
    EXPECT_EQ(operationListFile(temp.folders(), "nl"), temp.folders().shared + "sys/nlOpSel.txt");
}

TEST(LanguageCatalog, LoadsASectionInKeyOrderWithEmptyTextsForWhatIsMissing)
{
    TempFolders temp;
    const QString file = languageFile(temp.folders(), "fr");
    TempFolders::put(temp.folders().shared, "sys/fr.lng",
                     "[FSWAP]\r\nvCrossYesRadioBtnCaption=Oui\r\nvfswapcaption=\" Titre \"\r\n"
                     "vSeeHelpFileLbl=\r\n[PrintDlg]\r\nvPrintDlgCaption=Imprimer\r\n");
    const Captions swap = LoadCaptions(file, CaptionSections::FSwap);
    EXPECT_EQ(swap.texts(), QStringList({" Titre ", "", "Oui", "", "", ""}));
    EXPECT_EQ(swap.text(u"vCrossYesRadioBtnCaption"), "Oui");

    // A missing key of the print dialog falls back to its own default; the grid caption's is "xxx".
    const Captions print = LoadCaptions(file, CaptionSections::PrintDlg);
    EXPECT_EQ(print.text(u"vPrintDlgCaption"), "Imprimer");
    EXPECT_EQ(print.text(u"vQRPrintGridCaption"), "xxx");

    const Captions none = LoadCaptions(temp.folders().shared + "sys/xx.lng", CaptionSections::FStart);
    EXPECT_EQ(none.texts().size(), qsizetype(CaptionSections::FStart.keys.size()));
    EXPECT_TRUE(none.text(u"vQuitBtn").isEmpty());
    EXPECT_EQ(Captions::designTime(CaptionSections::FStart).text(u"vQuitBtn"), "Quitter Quorvel");
}

TEST(LanguageCatalog, KeyTablesHoldEachKeyOnce)
{
    QSet<QString> sections;
    for (const CaptionSection *section : CaptionSections::all()) {
        SCOPED_TRACE(section->name);
        EXPECT_FALSE(sections.contains(section->name));
        sections.insert(section->name);
        QSet<QString> keys;
        for (const CaptionKey &key : section->keys) {
            EXPECT_TRUE(QString(key.key).startsWith('v')) << key.key;
            EXPECT_FALSE(keys.contains(key.key)) << key.key;
            keys.insert(key.key);
        }
    }
    EXPECT_EQ(CaptionSections::FCalculator.keys.size(), 44u);
    EXPECT_EQ(CaptionSections::PrintDlg.keys.size(), 20u);
}
