#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <optional>

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

// Reads a file one line at a time, split and decoded as readLines does, for files that may be too
// big to hold whole. Throws AppError "Cannot open file %s".
class LineReader
{
public:
    explicit LineReader(const QString &path);
    // The next line; false after the last.
    bool next(QString &line);

private:
    bool readMore();

    QFile m_file;
    std::optional<QStringDecoder> m_decoder; // opened at the first line that needs it
    QByteArray m_buffer;
    qsizetype m_start = 0;   // where the next line begins in m_buffer
    qsizetype m_scanned = 0; // how far m_buffer was searched for its line end
};

} // namespace TextFile
