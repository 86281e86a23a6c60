#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The parsed lines of an INI file, with the lookup and edit rules of the settings files.
class IniDocument
{
public:
    IniDocument() = default;
    explicit IniDocument(QStringList lines) : m_lines(std::move(lines)) {}

    // The value of the first matching entry: trimmed, unquoted, at most 2047 characters.
    std::optional<QString> value(const QString &section, const QString &key) const;
    // Replaces the first matching entry in place, or appends it to its section,
    // or appends the section at the end.
    void setValue(const QString &section, const QString &key, const QString &value);

    const QStringList &lines() const { return m_lines; }

private:
    struct Found { qsizetype sectionLine = -1; qsizetype entryLine = -1; qsizetype lastEntryLine = -1; };
    Found find(const QString &section, const QString &key) const;

    QStringList m_lines;
};

// An INI file named by its path. Every call reads (and, for writes, replaces) the whole file:
// nothing is cached, and a write is on disk when the call returns.
class IniFile
{
public:
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }

    // A missing file reads as an empty document.
    IniDocument read() const;

    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;
    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;

    // Throw AppError "Unable to write to %s".
    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value);

private:
    QString m_path;
};
