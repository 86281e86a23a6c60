#include "fileversion.h"

FileVersion ReadVersionInfo()
{
    return {QUORVEL_VERSION_MAJOR, QUORVEL_VERSION_MINOR, QUORVEL_VERSION_PATCH, QUORVEL_BUILD_NUMBER};
}

QString versionLine(const FileVersion &version)
{
    return QStringLiteral("Version: %1.%2.%3     Build: %4")
        .arg(version.majorNumber)
        .arg(version.minorNumber)
        .arg(version.release)
        .arg(version.build);
}
