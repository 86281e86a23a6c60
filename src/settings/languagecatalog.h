#pragma once

#include "datafolders.h"
#include "languagekeys.h"

#include <QString>
#include <QStringList>

#include <array>

// A language the program knows, with its item in the start window's language menu.
struct LanguageEntry
{
    const char *code;
    const char *menuItem; // object name of the menu item
    const char *caption;  // fixed caption of the menu item
};

// The texts of one section, in the section's key order.
class Captions
{
public:
    Captions() = default;
    Captions(const CaptionSection &section, QStringList texts) : m_section(&section), m_texts(std::move(texts)) {}

    // The French texts the windows show until their language file is read.
    static Captions designTime(const CaptionSection &section);

    // The text of 'key'; asking for a key that is not in the section is a programming error.
    QString text(QStringView key) const;
    const QStringList &texts() const { return m_texts; }

private:
    const CaptionSection *m_section = nullptr;
    QStringList m_texts;
};

namespace LanguageCatalog {

// The seven languages, in menu order.
const std::array<LanguageEntry, 7> &languages();
// Position of 'code' in the menu (letter case counts); -1 when none matches.
int menuIndexOf(const QString &code);

QString languageFile(const DataFolders &folders, const QString &code);      // sys\<code>.lng
QString operationListFile(const DataFolders &folders, const QString &code); // sys\<code>OpSel.txt
QString helpDocument(const DataFolders &folders, const QString &code);      // sys\<code>-help.html
QString soundEventsFile(const DataFolders &folders, const QString &code);   // sys\<code>-soundevents.txt

// The stored language, or when it is empty "fr" on a French system and "en" on any other.
QString startupLanguage(const QString &stored, bool systemIsFrench);
bool systemLanguageIsFrench();

// Whether each language's file exists, in menu order.
std::array<bool, 7> availableLanguages(const DataFolders &folders);

// Reads the section's keys, in order, from the language file (opened once, nothing kept).
// A missing file, section or key gives the key's fallback text (empty for nearly all).
Captions LoadCaptions(const QString &languageFilePath, const CaptionSection &section);

} // namespace LanguageCatalog
