#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Whole-file text I/O in Windows-1252 with CR LF line ends.
namespace TextFile {

QString decode(const QByteArray &bytes);
// Characters that Windows-1252 cannot hold become '?'.
QByteArray encode(const QString &text);

// Splits at CR LF, lone CR or lone LF; empty lines are kept, a final line end adds no line.
QStringList splitLines(const QString &text);
QByteArray joinLines(const QStringList &lines);

// Throws AppError "Cannot open file %s".
QStringList readLines(const QString &path);
// Replaces the file atomically; throws AppError "Cannot create file %s".
void writeLines(const QString &path, const QStringList &lines);

} // namespace TextFile
