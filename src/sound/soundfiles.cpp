#include "soundfiles.h"

#include "apperror.h"
#include "languagecatalog.h"
#include "pathresolve.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>

namespace SoundFiles {

namespace {

// These files hold a few short lines; anything this large is not one of them, and reading it
// whole could exhaust memory.
constexpr qint64 kLargestTextFile = 4 * 1024 * 1024;

QStringList readSmallTextFile(const QString &path)
{
    if (QFileInfo(path).size() > kLargestTextFile)
        throw AppError::cannotOpen(path);
    return TextFile::readLines(path);
}

} // namespace

QString sequenceFileName(int n)
{
    return QStringLiteral("sys\\Sound%1.txt").arg(n);
}

QString currentSequenceFileName(int n)
{
    return QStringLiteral("sys\\sound%1.TXT").arg(n);
}

QString userPath(const DataFolders &folders, const QString &relative)
{
    return resolvePath(folders.user, relative);
}

QStringList loadUserLines(const DataFolders &folders, const QString &relative)
{
    return readSmallTextFile(userPath(folders, relative));
}

void saveUserLines(const DataFolders &folders, const QString &relative, const QStringList &lines)
{
    TextFile::writeLines(userPath(folders, relative), lines);
}

QStringList LoadSequence(const DataFolders &folders, int n)
{
    return loadUserLines(folders, sequenceFileName(n));
}

void SaveSequence(const DataFolders &folders, int n, const QStringList &sequence)
{
    saveUserLines(folders, sequenceFileName(n), sequence);
}

QStringList builtinTitles()
{
    return {QStringLiteral("Silence..."), QStringLiteral("Sound 1"), QStringLiteral("Sound 2"),
            QStringLiteral("Sound 3"),    QStringLiteral("Sound 4"), QStringLiteral("Sound 5")};
}

QStringList LoadTitles(const DataFolders &folders)
{
    return loadUserLines(folders, QStringLiteral("sys\\SoundStr.txt"));
}

void SaveTitles(const DataFolders &folders, const QStringList &titles)
{
    saveUserLines(folders, QStringLiteral("sys\\SoundStr.txt"), titles);
}

QStringList builtinEventNames()
{
    return {QStringLiteral("Entrée dans Brintel (1)"),         QStringLiteral("Commencer à calculer (2)"),
            QStringLiteral("Réponse juste (3)"),               QStringLiteral("Réponse fausse ou tardive (4)"),
            QStringLiteral("Réponse tardive mais juste (5)"),  QStringLiteral("Réponse tardive et fausse (6)"),
            QStringLiteral("Nouveau calcul, mode mental (7)"), QStringLiteral("Quitter Brintel (8)")};
}

QStringList LoadEventNames(const DataFolders &folders, const QString &languageCode)
{
    return readSmallTextFile(LanguageCatalog::soundEventsFile(folders, languageCode));
}

QString ResolveSoundEntry(const QString &entry, const DataFolders &folders)
{
    if (entry.startsWith(QLatin1String("appdir"), Qt::CaseSensitive))
        return resolvePath(folders.shared, entry.mid(7));
    return entry;
}

QString MakeSoundEntry(const QString &filePath, const QString &volumeRoot, const QString &programFolder)
{
    QString root = QDir::fromNativeSeparators(volumeRoot);
    if (!root.endsWith(u'/'))
        root += u'/';
    const QString path = QDir::fromNativeSeparators(filePath);
    if (!path.startsWith(root))
        return QDir::toNativeSeparators(filePath);
    const QString belowRoot = path.mid(root.size());
    const qsizetype slash = belowRoot.indexOf(u'/');
    const QString firstFolder = slash < 0 ? QString() : belowRoot.left(slash + 1);
    QString program = QDir::fromNativeSeparators(programFolder);
    if (!program.endsWith(u'/'))
        program += u'/';
    if (slash >= 0 && (root + firstFolder).toLower() == program.toLower())
        return QStringLiteral("appdir") + belowRoot.mid(slash).replace(u'/', u'\\');
    return QDir::toNativeSeparators(filePath);
}

QString defaultEntry(const DataFolders &folders)
{
    return folders.program + QStringLiteral("default.wav");
}

QStringList ResetSequence(const DataFolders &folders)
{
    return QStringList(kEventCount, defaultEntry(folders));
}

} // namespace SoundFiles
