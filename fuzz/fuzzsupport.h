#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: the input as bytes, a scratch folder that lives as long as the
// process, and a check that stops the run with a message (libFuzzer keeps the input that did it).
namespace Fuzz {

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// In memory where the machine has /dev/shm: the writers sync their files to disk.
inline const QString &folder()
{
    static QTemporaryDir dir(QFile::exists("/dev/shm") ? QStringLiteral("/dev/shm/quorvel-fuzz-XXXXXX")
                                                       : QDir::tempPath() + "/quorvel-fuzz-XXXXXX");
    static const QString path = dir.path() + '/';
    return path;
}

inline QString writeFile(const QString &relative, const QByteArray &content)
{
    const QString path = folder() + relative;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

inline void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

} // namespace Fuzz
