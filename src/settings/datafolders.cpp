#include "datafolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString withSlash(QString path)
{
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

} // namespace

QString GetSystemPath(int folderNumber)
{
    if (folderNumber != 5)
        return {};
    QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

DataFolders DataFolders::fromProgramFolder(const QString &programFolder, const QString &personalDataPath)
{
    DataFolders folders;
    folders.program = withSlash(programFolder);
    folders.shared = withSlash(QDir::cleanPath(folders.program + QStringLiteral("../../share/quorvel")));
    // An empty personal path puts the folder at the root, as the lookup's failure case requires.
    folders.user = personalDataPath + QStringLiteral("/quorvel/");
    return folders;
}

DataFolders DataFolders::forRunningProgram()
{
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    return fromProgramFolder(program, GetSystemPath(5));
}
