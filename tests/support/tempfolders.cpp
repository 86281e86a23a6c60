#include "tempfolders.h"

#include "filebytes.h"

#include <QDir>
#include <QFileInfo>

TempFolders::TempFolders()
{
    m_folders = DataFolders::fromProgramFolder(m_dir.path() + QStringLiteral("/lib/quorvel"),
                                               m_dir.path() + QStringLiteral("/home/.local/share"));
    QDir().mkpath(m_folders.program);
    QDir().mkpath(m_folders.shared + QStringLiteral("sys"));
}

void TempFolders::put(const QString &folder, const QString &relative, const QByteArray &bytes)
{
    const QString path = folder + relative;
    QDir().mkpath(QFileInfo(path).path());
    writeBytes(path, bytes);
}
