#pragma once

#include <QString>

// The three folders of the program; each ends in '/'.
struct DataFolders
{
    QString program; // the executable's folder: default.wav
    QString shared;  // per machine: language files, operation lists, help, sounds, templates
    QString user;    // per user: settings, choice file, sound sequences

    // The folders of the running program (needs a QCoreApplication).
    static DataFolders forRunningProgram();
    // The shared and user folders that go with a program folder and a personal data path.
    static DataFolders fromProgramFolder(const QString &programFolder, const QString &personalDataPath);
};

// The path of one of the platform's special folders without a trailing separator, or empty when
// the platform cannot give it. Only folder number 5, the user's personal data folder, is known.
QString GetSystemPath(int folderNumber);
