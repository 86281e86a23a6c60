#pragma once

#include <QString>
#include <QtGlobal>

// A program version as four numbers: major.minor.release and a build number.
struct FileVersion
{
    quint16 majorNumber = 0;
    quint16 minorNumber = 0;
    quint16 release = 0;
    quint16 build = 0;
};

// The version this program was built with: the project's version and the build number.
FileVersion ReadVersionInfo();

// "Version: 2.8.1     Build: 156".
QString versionLine(const FileVersion &version);
