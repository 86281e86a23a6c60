#pragma once

#include <QString>

#include <array>
#include <span>

// One text of a window in the language files: its key, the French text the window shows until
// the language file is read (empty where the window has none), and the text used when the key is missing.
struct CaptionKey
{
    const char *key;
    const char *french = "";
    const char *fallback = "";
};

// A language-file section and its keys, in reading order.
struct CaptionSection
{
    const char *name;
    std::span<const CaptionKey> keys;

    // Index of 'key' in this section; -1 when it is not one of its keys.
    int indexOf(QStringView key) const;
};

namespace CaptionSections {
extern const CaptionSection FStart;
extern const CaptionSection FCalculator;
extern const CaptionSection FSwap;
extern const CaptionSection FSound;
extern const CaptionSection FAudio;
extern const CaptionSection AfterRecordDlg;
extern const CaptionSection RecordDlg;
extern const CaptionSection PrintDlg;
extern const CaptionSection FColor;
extern const CaptionSection MakeBackGround;

// Every section, in the order a language switch reloads the windows' texts.
const std::array<const CaptionSection *, 10> &all();
} // namespace CaptionSections
