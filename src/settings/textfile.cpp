#include "textfile.h"

#include "apperror.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

namespace {
const char *const kCodec = "windows-1252";
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder(kCodec);
    return decoder.decode(bytes);
}

QByteArray encode(const QString &text)
{
    // The encoder substitutes 0x1A for what it cannot hold; we want '?' instead,
    // so encode one code point at a time and check each result.
    QStringEncoder encoder(kCodec, QStringConverter::Flag::Stateless);
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView cp = QStringView(text).mid(i, len);
        if (cp.size() == 1 && cp.front().unicode() < 0x80) {
            out.append(char(cp.front().unicode()));
        } else {
            const QByteArray one = encoder.encode(cp);
            const bool substituted = one.size() != 1 || (one.at(0) == 0x1A && cp.front() != QChar(0x1A));
            out.append(substituted ? '?' : one.at(0));
        }
        i += len;
    }
    return out;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines) {
        out += encode(line);
        out += "\r\n";
    }
    return out;
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::cannotOpen(path);
    return splitLines(decode(file.readAll()));
}

void writeLines(const QString &path, const QStringList &lines)
{
    QSaveFile file(path);
    // Unbuffered: a write that fails (a full disk) must fail here. A buffered one would fail only
    // in commit's flush, which QSaveFile does not check, and an empty file would replace the old.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw AppError::cannotCreate(path);
    const QByteArray bytes = joinLines(lines);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw AppError::cannotCreate(path);
}

} // namespace TextFile
