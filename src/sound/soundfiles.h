#pragma once

#include "datafolders.h"

#include <QString>
#include <QStringList>

// The sound sequence files, the titles file and the event names files, and the two forms of an
// entry: a full path, or "appdir" + one separator + a path below the shared data folder.
// Pure file code: no widgets, no audio.
namespace SoundFiles {

inline constexpr int kEventCount = 8;    // events 0 to 7, one line each in a sequence file
inline constexpr int kSequenceCount = 5; // sequences 1 to 5; 0 is silence

// "sys\Sound<n>.txt", the name the loading and saving steps build.
QString sequenceFileName(int n);
// "sys\sound<n>.TXT", the name kept as the current sequence file. On disk both reach one file.
QString currentSequenceFileName(int n);
// The path of a relative name in the user data folder, whatever its letter case on disk.
QString userPath(const DataFolders &folders, const QString &relative);

// The lines of a file of the user data folder; "Cannot open file %s" when it cannot be read.
QStringList LoadSequence(const DataFolders &folders, int n);
// Replaces the file at once as a whole; "Cannot create file %s" when it cannot be written.
void SaveSequence(const DataFolders &folders, int n, const QStringList &sequence);
// The same two, by a relative name such as the current sequence file.
QStringList loadUserLines(const DataFolders &folders, const QString &relative);
void saveUserLines(const DataFolders &folders, const QString &relative, const QStringList &lines);

// The six titles: silence, then sequences 1 to 5 ("sys\SoundStr.txt").
QStringList builtinTitles();
QStringList LoadTitles(const DataFolders &folders);
void SaveTitles(const DataFolders &folders, const QStringList &titles);

// The eight event names of a language ("sys\<code>-soundevents.txt" in the shared data folder).
QStringList builtinEventNames();
QStringList LoadEventNames(const DataFolders &folders, const QString &languageCode);

// The file an entry names: "appdir" (lower case only) drops its first seven characters and looks
// below the shared data folder; anything else is a path as it stands.
QString ResolveSoundEntry(const QString &entry, const DataFolders &folders);
// The entry stored for a chosen file. 'volumeRoot' is the root path of the browser's volume
// ("/" or a mount point). When the volume root followed by the file's first folder is the
// program folder, the entry is "appdir\" + the rest of the path; otherwise the native full path.
QString MakeSoundEntry(const QString &filePath, const QString &volumeRoot, const QString &programFolder);

// The program folder's default.wav: what a repair puts in place of an unplayable entry.
QString defaultEntry(const DataFolders &folders);
// Eight default entries.
QStringList ResetSequence(const DataFolders &folders);

} // namespace SoundFiles
