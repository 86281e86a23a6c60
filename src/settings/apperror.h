#pragma once

#include <QString>
#include <stdexcept>

// An error that ends the current step; its text is shown to the user as it stands.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &text)
        : std::runtime_error(text.toStdString()), m_text(text) {}

    const QString &text() const { return m_text; }

    static AppError cannotOpen(const QString &path)
    {
        return AppError(QStringLiteral("Cannot open file %1").arg(path));
    }
    static AppError cannotCreate(const QString &path)
    {
        return AppError(QStringLiteral("Cannot create file %1").arg(path));
    }
    static AppError unableToWrite(const QString &path)
    {
        return AppError(QStringLiteral("Unable to write to %1").arg(path));
    }
    static AppError notAnInteger(const QString &text)
    {
        return AppError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    }

private:
    QString m_text;
};
