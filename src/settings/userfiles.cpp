#include "userfiles.h"

#include "apperror.h"
#include "pathresolve.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const char *const kUserTemplates[] = {
    "Sys\\Multable.ini", "Sys\\choices.txt", "Sys\\Sound1.txt", "Sys\\Sound2.txt",
    "Sys\\Sound3.txt",   "Sys\\Sound4.txt",  "Sys\\Sound5.txt", "Sys\\SoundStr.txt",
};

} // namespace

void FileCopy(const QString &source, const QString &destination)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw AppError::cannotOpen(source);
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        throw AppError::cannotOpen(source);
    QSaveFile out(destination);
    // Unbuffered, as TextFile::writeLines: a failed write must not commit an empty file.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || out.write(bytes) != bytes.size() || !out.commit())
        throw AppError::cannotCreate(destination);
}

void CopyUserFiles(const DataFolders &folders)
{
    const QString sys = resolvePath(folders.user, QStringLiteral("Sys"));
    if (!QFileInfo(sys).isDir())
        QDir().mkpath(sys); // a failure shows up as "Cannot create file" below
    for (const char *name : kUserTemplates) {
        const QString target = resolvePath(folders.user, QString::fromLatin1(name));
        if (!QFileInfo(target).isFile())
            FileCopy(resolvePath(folders.shared, QString::fromLatin1(name)), target);
    }
}

QStringList defaultOperationNames()
{
    return {QStringLiteral("Operator: Multiply"), QStringLiteral("Operator: Divide"),
            QStringLiteral("Operator: Alternate"), QStringLiteral("Operator: Random")};
}

void writeDefaultOperationLists(const DataFolders &folders)
{
    const QString english = resolvePath(folders.shared, QStringLiteral("sys\\enOpSel.txt"));
    if (QFileInfo(english).isFile())
        return;
    TextFile::writeLines(english, defaultOperationNames());
    TextFile::writeLines(resolvePath(folders.shared, QStringLiteral("sys\\frOpSel.txt")),
                         {QStringLiteral("Operateur: Multiplier"), QStringLiteral("Operateur: Diviser"),
                          QString::fromUtf8("Operateur: Alterné"), QString::fromUtf8("Operateur: Aléatoire")});
}
