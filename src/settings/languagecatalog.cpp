#include "languagecatalog.h"

#include "inifile.h"
#include "pathresolve.h"

#include <QFileInfo>
#include <QLocale>

Captions Captions::designTime(const CaptionSection &section)
{
    QStringList texts;
    for (const CaptionKey &key : section.keys)
        texts.append(QString::fromUtf8(key.french));
    return Captions(section, texts);
}

QString Captions::text(QStringView key) const
{
    const int index = m_section ? m_section->indexOf(key) : -1;
    Q_ASSERT_X(index >= 0, "Captions::text", "key is not in the section");
    return index >= 0 && index < m_texts.size() ? m_texts.at(index) : QString();
}

namespace LanguageCatalog {

const std::array<LanguageEntry, 7> &languages()
{
    static const std::array<LanguageEntry, 7> list = {{
        {"en", "En", "English"},
        {"fr", "Fr", "Français"},
        {"nl", "Nl", "Dutch"},
        {"de", "De", "Deutsch"},
        {"it", "It", "Italiano"},
        {"es", "Sp", "Español"},
        {"New", "New", "New"},
    }};
    return list;
}

int menuIndexOf(const QString &code)
{
    const auto &list = languages();
    for (size_t i = 0; i < list.size(); ++i) {
        if (code == QLatin1StringView(list[i].code))
            return int(i);
    }
    return -1;
}

namespace {
QString sysFile(const DataFolders &folders, const QString &name)
{
    return resolvePath(folders.shared, QStringLiteral("sys\\") + name);
}
} // namespace

QString languageFile(const DataFolders &folders, const QString &code)
{
    return sysFile(folders, code + QStringLiteral(".lng"));
}

QString operationListFile(const DataFolders &folders, const QString &code)
{
    return sysFile(folders, code + QStringLiteral("OpSel.txt"));
}

QString helpDocument(const DataFolders &folders, const QString &code)
{
    return sysFile(folders, code + QStringLiteral("-help.html"));
}

QString soundEventsFile(const DataFolders &folders, const QString &code)
{
    return sysFile(folders, code + QStringLiteral("-soundevents.txt"));
}

QString startupLanguage(const QString &stored, bool systemIsFrench)
{
    if (!stored.isEmpty())
        return stored;
    return systemIsFrench ? QStringLiteral("fr") : QStringLiteral("en");
}

bool systemLanguageIsFrench()
{
    return QLocale::system().language() == QLocale::French;
}

std::array<bool, 7> availableLanguages(const DataFolders &folders)
{
    std::array<bool, 7> available{};
    const auto &list = languages();
    for (size_t i = 0; i < list.size(); ++i)
        available[i] = QFileInfo(languageFile(folders, QString::fromLatin1(list[i].code))).isFile();
    return available;
}

Captions LoadCaptions(const QString &languageFilePath, const CaptionSection &section)
{
    const IniDocument doc = IniFile(languageFilePath).read();
    const QString sectionName = QString::fromLatin1(section.name);
    QStringList texts;
    for (const CaptionKey &key : section.keys)
        texts.append(doc.value(sectionName, QString::fromLatin1(key.key)).value_or(QString::fromUtf8(key.fallback)));
    return Captions(section, texts);
}

} // namespace LanguageCatalog
