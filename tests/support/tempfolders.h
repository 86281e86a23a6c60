#pragma once

#include "datafolders.h"

#include <QTemporaryDir>

// Program, shared and user folders inside one temporary directory, created empty
// (the user folder is left for the program to create).
class TempFolders
{
public:
    TempFolders();

    const DataFolders &folders() const { return m_folders; }
    QString root() const { return m_dir.path() + QLatin1Char('/'); }

    // Writes 'bytes' to folder + relative path (with '/'), creating parent folders.
    static void put(const QString &folder, const QString &relative, const QByteArray &bytes);

private:
    QTemporaryDir m_dir;
    DataFolders m_folders;
};
