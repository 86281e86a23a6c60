// Reads every file installed with the program through the program's own text and INI modules.
#include "datafolders.h"
#include "filebytes.h"
#include "inifile.h"
#include "languagecatalog.h"
#include "pathresolve.h"
#include "settingsstore.h"
#include "tempfolders.h"
#include "textfile.h"
#include "userfiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const char *const kLanguages[] = {"en", "fr", "nl", "de", "it", "es"};

// The staged install layout of the build tree.
DataFolders installed()
{
    return DataFolders::fromProgramFolder(QStringLiteral(QUORVEL_STAGE_DIR "/lib/quorvel"), QString());
}

QString sys(const QString &name) { return resolvePath(installed().shared, "sys\\" + name); }

} // namespace

TEST(InstalledData, TextFilesAreWindows1252WithCrLf)
{
    const QStringList files = QDir(installed().shared + "sys").entryList({"*.lng", "*.txt", "*.ini"}, QDir::Files);
    EXPECT_GE(files.size(), 6 * 3 + 8);
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = fileBytes(sys(name));
        EXPECT_EQ(TextFile::joinLines(TextFile::splitLines(TextFile::decode(bytes))), bytes)
            << "not Windows-1252 text with CR LF after every line";
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << "UTF-8 byte order mark";
    }
}

TEST(InstalledData, AccentedTextsReadBackAsWritten)
{
    // A UTF-8 file would pass the line check above; its accented letters would not read back.
    // English texts have no letter outside ASCII.
    const struct { const char *code, *section, *key, *text; } cases[] = {
        {"fr", "FStart", "vSelectAllBtn", "Tout sélectionner"},
        {"de", "FStart", "vSelectAllBtn", "Alle auswählen"},
        {"it", "FCalculator", "vResultRightLbl", "Bravo, è giusto!"},
        {"es", "FCalculator", "vLastCalcLbl", "Último cálculo"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        const IniDocument doc = IniFile(LanguageCatalog::languageFile(installed(), c.code)).read();
        EXPECT_EQ(doc.value(c.section, c.key).value_or(QString()), QString::fromUtf8(c.text));
    }
}

TEST(InstalledData, LanguageFilesHoldEveryTextOfEveryWindow)
{
    for (const char *code : kLanguages) {
        const QString file = LanguageCatalog::languageFile(installed(), code);
        ASSERT_TRUE(QFileInfo(file).isFile()) << code;
        for (const CaptionSection *section : CaptionSections::all()) {
            const Captions captions = LanguageCatalog::LoadCaptions(file, *section);
            const IniDocument doc = IniFile(file).read();
            for (size_t i = 0; i < section->keys.size(); ++i) {
                const char *key = section->keys[i].key;
                SCOPED_TRACE(testing::Message() << code << " " << section->name << " " << key);
                EXPECT_TRUE(doc.value(section->name, key).has_value()) << "missing";
                EXPECT_FALSE(captions.texts().at(qsizetype(i)).trimmed().isEmpty()) << "empty";
            }
        }
        // Outcome texts are cut to 20 characters on screen: they must be whole.
        const Captions drill = LanguageCatalog::LoadCaptions(file, CaptionSections::FCalculator);
        for (auto key : {u"vResultRightLbl", u"vResultWrongLbl", u"vResultLateLbl", u"vResultRightLateLbl",
                         u"vResultWrongLateLbl"})
            EXPECT_LE(drill.text(key).size(), 20) << code;
    }
}

TEST(InstalledData, PerLanguageListsAndHelp)
{
    TempFolders written; // what the program writes when the lists are missing
    writeDefaultOperationLists(written.folders());
    for (const char *code : kLanguages) {
        SCOPED_TRACE(code);
        const QStringList modes = TextFile::readLines(LanguageCatalog::operationListFile(installed(), code));
        EXPECT_EQ(modes.size(), 4);
        if (QString(code) == "en" || QString(code) == "fr") {
            EXPECT_EQ(fileBytes(LanguageCatalog::operationListFile(installed(), code)),
                      fileBytes(LanguageCatalog::operationListFile(written.folders(), code)));
        }

        const QStringList events = TextFile::readLines(LanguageCatalog::soundEventsFile(installed(), code));
        ASSERT_EQ(events.size(), 8);
        for (int n = 0; n < 8; ++n)
            EXPECT_TRUE(events.at(n).endsWith(QString("(%1)").arg(n + 1))) << events.at(n).toStdString();

        const QString help = QString::fromUtf8(fileBytes(LanguageCatalog::helpDocument(installed(), code)));
        EXPECT_TRUE(help.contains("charset=utf-8", Qt::CaseInsensitive));
        EXPECT_TRUE(help.contains("href=\"https://quorvel.example.org/"));
        EXPECT_TRUE(help.contains("href=\"mailto:"));
        EXPECT_FALSE(help.contains("<script", Qt::CaseInsensitive));
        EXPECT_FALSE(help.contains("<img", Qt::CaseInsensitive));
        const QRegularExpression link("href=\"#([^\"]+)\"");
        for (auto it = link.globalMatch(help); it.hasNext();) {
            const QString anchor = it.next().captured(1);
            EXPECT_TRUE(help.contains("name=\"" + anchor + "\"")) << "no target for #" << anchor.toStdString();
        }
    }
}

namespace {

// Captions the program sets itself, in every language.
const char *const kFixedCaptions[] = {"OK",    "Rec",   "Playing", "Testing...", "Web Page", "Aqua", "Ocean",
                                      "Nature", "Lila", "Honey",   "Magma",      "Pastel"};

// A control's name as a reader sees it: no accelerator mark, no quotes or blanks around it, no
// closing colon, one plain blank between words.
QString controlName(QString text)
{
    text.replace(QChar(0xA0), u' ');
    text = text.simplified();
    if (text.size() > 1 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2).trimmed();
    text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(u'&').replace(u'\x01', u'&');
    if (text.endsWith(u':'))
        text.chop(1);
    return text.trimmed();
}

// Every name a control of this language can show.
QSet<QString> namesOnScreen(const char *code)
{
    QSet<QString> names;
    for (const char *caption : kFixedCaptions)
        names.insert(QString::fromUtf8(caption));
    for (const LanguageEntry &language : LanguageCatalog::languages())
        names.insert(QString::fromUtf8(language.caption));
    const QString file = LanguageCatalog::languageFile(installed(), code);
    for (const CaptionSection *section : CaptionSections::all()) {
        const Captions captions = LanguageCatalog::LoadCaptions(file, *section);
        for (const QString &text : captions.texts())
            names.insert(controlName(text));
    }
    // An operation mode is also named by what follows its list's lead-in ("Operator: ").
    for (const QString &mode : TextFile::readLines(LanguageCatalog::operationListFile(installed(), code))) {
        names.insert(controlName(mode));
        names.insert(controlName(mode.section(QLatin1String(": "), 1)));
    }
    for (const QString &event : TextFile::readLines(LanguageCatalog::soundEventsFile(installed(), code)))
        names.insert(controlName(event.section(QLatin1String(" ("), 0, 0)));
    for (const QString &title : TextFile::readLines(sys("SoundStr.txt")))
        names.insert(controlName(title));
    return names;
}

QString plainText(QString html)
{
    return html.replace(QLatin1String("&nbsp;"), QString(QChar(0xA0)))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

} // namespace

TEST(InstalledData, HelpNamesEachControlAsTheScreenShowsIt)
{
    // The help marks every control it names with <b class="ui">; each must be a text that
    // language shows, so a renamed button cannot leave the help behind.
    const QRegularExpression marked(QStringLiteral("<b class=\"ui\">(.*?)</b>"),
                                    QRegularExpression::DotMatchesEverythingOption);
    for (const char *code : kLanguages) {
        SCOPED_TRACE(code);
        const QSet<QString> names = namesOnScreen(code);
        const QString help = QString::fromUtf8(fileBytes(LanguageCatalog::helpDocument(installed(), code)));
        int count = 0;
        for (auto it = marked.globalMatch(help); it.hasNext(); ++count) {
            const QString name = controlName(plainText(it.next().captured(1)));
            EXPECT_TRUE(names.contains(name)) << "not on screen: " << name.toStdString();
        }
        EXPECT_GE(count, 100) << "the help marks too few control names";
    }
}

TEST(InstalledData, TemplatesOfTheUsersFiles)
{
    const DataFolders folders = installed();
    Settings settings;
    GradientProperties background;
    const IniFile ini(sys("Multable.ini"));
    SettingsStore::load(ini, settings, background);
    EXPECT_EQ(settings.Range, 1);
    EXPECT_EQ(settings.Timer1, 3);
    EXPECT_EQ(settings.Timer2, 1);
    EXPECT_TRUE(settings.Jauge);
    EXPECT_EQ(settings.Bouton, 1);
    EXPECT_EQ(settings.CalcColor, Settings::kDefaultColor);
    EXPECT_EQ(SettingsStore::readLanguage(ini), QString());
    EXPECT_EQ(fileBytes(sys("choices.txt")), QByteArray());

    const QStringList titles = TextFile::readLines(sys("SoundStr.txt"));
    ASSERT_EQ(titles.size(), 6);
    EXPECT_EQ(titles.first(), "Silence...");
    for (const QString &title : titles)
        EXPECT_LE(title.size(), 10);

    QSet<QStringList> sequences;
    for (int n = 1; n <= 5; ++n) {
        const QStringList entries = TextFile::readLines(sys(QString("Sound%1.txt").arg(n)));
        ASSERT_EQ(entries.size(), 8) << n;
        sequences.insert(entries);
        for (const QString &entry : entries) {
            SCOPED_TRACE(entry.toStdString());
            ASSERT_TRUE(entry.startsWith("appdir\\"));
            const QByteArray sound = fileBytes(resolvePath(folders.shared, entry.mid(7)));
            const bool wav = sound.startsWith("RIFF") && sound.mid(8, 4) == "WAVE";
            const bool mp3 = sound.startsWith("ID3") || (sound.size() > 2 && uchar(sound[0]) == 0xFF
                                                         && (uchar(sound[1]) & 0xE0) == 0xE0);
            EXPECT_TRUE(wav || mp3) << "not a WAV or MP3 file";
        }
    }
    EXPECT_EQ(sequences.size(), 5);
    EXPECT_TRUE(fileBytes(folders.program + "default.wav").startsWith("RIFF"));
}
