#include "textfile.h"

#include "apperror.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace TextFile {

namespace {
const char *const kCodec = "windows-1252";
constexpr qint64 kChunk = 64 * 1024;

// Windows-1252 is Latin-1 except in 0x80-0x9F. Text without those bytes or characters is converted
// as Latin-1, so the codec, and with it ICU's converter data, is opened only for text that needs it.
bool isLatin1Part(char32_t c)
{
    return c <= 0xFF && (c < 0x80 || c > 0x9F);
}

bool hasOnlyLatin1Part(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char b) { return isLatin1Part(uchar(b)); });
}

QString decodeWith(std::optional<QStringDecoder> &decoder, QByteArrayView bytes)
{
    if (hasOnlyLatin1Part(bytes))
        return QString::fromLatin1(bytes);
    if (!decoder)
        decoder.emplace(kCodec);
    return decoder->decode(bytes);
}
} // namespace

QString decode(const QByteArray &bytes)
{
    std::optional<QStringDecoder> decoder;
    return decodeWith(decoder, bytes);
}

QByteArray encode(const QString &text)
{
    // The encoder substitutes 0x1A for what it cannot hold; we want '?' instead,
    // so encode one code point at a time and check each result.
    std::optional<QStringEncoder> encoder;
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView cp = QStringView(text).mid(i, len);
        if (cp.size() == 1 && isLatin1Part(cp.front().unicode())) {
            out.append(char(cp.front().unicode()));
        } else {
            if (!encoder)
                encoder.emplace(kCodec, QStringConverter::Flag::Stateless);
            const QByteArray one = encoder->encode(cp);
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

LineReader::LineReader(const QString &path) : m_file(path)
{
    if (!m_file.open(QIODevice::ReadOnly))
        throw AppError::cannotOpen(path);
}

bool LineReader::next(QString &line)
{
    qsizetype end = m_scanned;
    for (;;) {
        while (end < m_buffer.size() && m_buffer.at(end) != '\r' && m_buffer.at(end) != '\n')
            ++end;
        // A CR read last may be the first half of a CR LF: read on before deciding.
        const bool crLast = end + 1 == m_buffer.size() && m_buffer.at(end) == '\r';
        if (end < m_buffer.size() && !crLast)
            break;
        m_scanned = end;
        const bool more = readMore(); // moves the bytes kept to the front
        end = m_scanned;
        if (!more)
            break;
    }
    if (end == m_buffer.size() && end == m_start)
        return false; // a final line end adds no line
    line = decodeWith(m_decoder, QByteArrayView(m_buffer).sliced(m_start, end - m_start));
    if (end < m_buffer.size()) {
        if (m_buffer.at(end) == '\r' && end + 1 < m_buffer.size() && m_buffer.at(end + 1) == '\n')
            ++end;
        ++end;
    }
    m_start = m_scanned = end;
    return true;
}

// Appends the next chunk of the file after dropping the lines already given; false at its end.
bool LineReader::readMore()
{
    m_buffer.remove(0, m_start);
    m_scanned -= m_start;
    m_start = 0;
    const QByteArray chunk = m_file.read(kChunk);
    m_buffer.append(chunk);
    return !chunk.isEmpty();
}

} // namespace TextFile
