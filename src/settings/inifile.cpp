#include "inifile.h"

#include "apperror.h"
#include "integertext.h"
#include "textfile.h"

#include <QFile>

namespace {

constexpr qsizetype kMaxValueLength = 2047;

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s.at(b)))
        ++b;
    while (e > b && isBlank(s.at(e - 1)))
        --e;
    return s.mid(b, e - b);
}

// The name of a "[name]" line, or nothing.
std::optional<QStringView> sectionName(QStringView line)
{
    const QStringView t = trimBlanks(line);
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimBlanks(t.mid(1, close - 1));
}

// The key of a "key=value" line, or nothing for other lines (comments included).
std::optional<QStringView> entryKey(QStringView line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return std::nullopt;
    const QStringView key = trimBlanks(line.left(eq));
    if (key.startsWith(u';'))
        return std::nullopt;
    return key;
}

bool sameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

IniDocument::Found IniDocument::find(const QString &section, const QString &key) const
{
    Found found;
    bool inSection = false;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QString &line = m_lines.at(i);
        if (const auto name = sectionName(line)) {
            if (found.sectionLine >= 0)
                break; // only the first matching section counts
            inSection = sameName(*name, section);
            if (inSection)
                found.sectionLine = found.lastEntryLine = i;
            continue;
        }
        if (!inSection)
            continue;
        if (const auto k = entryKey(line)) {
            found.lastEntryLine = i;
            if (found.entryLine < 0 && sameName(*k, key))
                found.entryLine = i;
        }
    }
    return found;
}

std::optional<QString> IniDocument::value(const QString &section, const QString &key) const
{
    const Found found = find(section, key);
    if (found.entryLine < 0)
        return std::nullopt;
    const QString &line = m_lines.at(found.entryLine);
    QStringView v = trimBlanks(QStringView(line).mid(line.indexOf(u'=') + 1));
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v.left(kMaxValueLength).toString();
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    const Found found = find(section, key);
    if (found.entryLine >= 0) {
        // Keep the key as spelled in the file.
        QString &line = m_lines[found.entryLine];
        line = trimBlanks(QStringView(line).left(line.indexOf(u'='))).toString() + u'=' + value;
    } else if (found.sectionLine >= 0) {
        m_lines.insert(found.lastEntryLine + 1, key + u'=' + value);
    } else {
        m_lines.append(u'[' + section + u']');
        m_lines.append(key + u'=' + value);
    }
}

IniDocument IniFile::read() const
{
    if (!QFile::exists(m_path))
        return {};
    try {
        return IniDocument(TextFile::readLines(m_path));
    } catch (const AppError &) {
        return {}; // unreadable reads like missing: every value takes its default
    }
}

QString IniFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return read().value(section, key).value_or(defaultValue);
}

int IniFile::ReadInteger(const QString &section, const QString &key, int defaultValue) const
{
    return parseInteger(ReadString(section, key, QString())).value_or(defaultValue);
}

bool IniFile::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    IniDocument doc;
    if (QFile::exists(m_path)) {
        // An existing file that cannot be read is not replaced: its other entries would be lost.
        try {
            doc = IniDocument(TextFile::readLines(m_path));
        } catch (const AppError &) {
            throw AppError::unableToWrite(m_path);
        }
    }
    doc.setValue(section, key, value);
    try {
        TextFile::writeLines(m_path, doc.lines());
    } catch (const AppError &) {
        throw AppError::unableToWrite(m_path);
    }
}

void IniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
