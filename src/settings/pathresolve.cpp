#include "pathresolve.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The spelling of 'name' inside 'dir' as it exists on disk, or 'name' itself.
QString existingSpelling(const QString &dir, const QString &name)
{
    if (QFileInfo::exists(dir + name))
        return name;
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                    QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

QString resolvePath(const QString &folder, const QString &relative)
{
    QString path = folder;
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    const QStringList parts = QString(relative).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    bool parentExists = QFileInfo(path.isEmpty() ? QStringLiteral(".") : path).isDir();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString part = parentExists ? existingSpelling(path, parts.at(i)) : parts.at(i);
        path += part;
        const bool last = i + 1 == parts.size();
        if (!last) {
            parentExists = parentExists && QFileInfo(path).isDir();
            path += u'/';
        }
    }
    if (relative.endsWith(u'\\') || relative.endsWith(u'/'))
        path += u'/';
    return path;
}
