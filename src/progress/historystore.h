#pragma once

#include "answerrecord.h"

#include <QString>
#include <QSqlQuery>
#include <memory>
#include <QVector>

// The answer history: one SQLite file (WAL journal, schema version in user_version).
// Each answer is committed on its own, so ending the program loses at most the one being stored.
class HistoryStore : public AnswerSink
{
public:
    static constexpr int kSchemaVersion = 1;
    static inline const QString kFileName = QStringLiteral("history.sqlite");

    enum class OpenResult {
        Opened,
        Replaced,   // the file was not a usable history: set aside, a new one started
        Unavailable // nothing can be stored (folder read-only or full, newer schema, no driver)
    };

    HistoryStore() = default;
    ~HistoryStore() override;
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    OpenResult open(const QString &path);
    bool isOpen() const { return !m_connection.isEmpty(); }
    const QString &path() const { return m_path; }
    // Where a damaged file was moved by the last open, or empty.
    const QString &setAsidePath() const { return m_setAside; }
    // The database's own explanation of the last failure.
    const QString &lastError() const { return m_error; }

    bool append(const AnswerRecord &record) override;
    // Every record from 'sinceMs' on, oldest first.
    QVector<AnswerRecord> records(qint64 sinceMs = 0) const;
    bool clear();
    int schemaVersion() const;

private:
    bool connect(const QString &path);
    bool prepare();
    void disconnect();

    QString m_connection;
    std::unique_ptr<QSqlQuery> m_insert; // prepared once per connection
    QString m_path;
    QString m_setAside;
    QString m_error;
    bool m_damaged = false; // the last open found a file that is not our history
};
