#include "historystore.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString kDriver = QStringLiteral("QSQLITE");
// SQLite's result codes for a file that is not a database, or a damaged one.
constexpr const char *kNotADatabase = "26";
constexpr const char *kCorrupt = "11";

const char *const kCreateTable =
    "CREATE TABLE IF NOT EXISTS answers ("
    " id INTEGER PRIMARY KEY,"
    " moment INTEGER NOT NULL,"
    " table_no INTEGER NOT NULL,"
    " multiplier INTEGER NOT NULL,"
    " operation INTEGER NOT NULL,"
    " crossed INTEGER NOT NULL,"
    " replayed INTEGER NOT NULL,"
    " verdict INTEGER NOT NULL,"
    " answer TEXT NOT NULL,"
    " thinking_ms INTEGER NOT NULL)";
const char *const kCreateIndex = "CREATE INDEX IF NOT EXISTS answers_moment ON answers(moment)";

int nextConnectionNumber()
{
    static int number = 0;
    return ++number;
}

} // namespace

HistoryStore::~HistoryStore()
{
    disconnect();
}

void HistoryStore::disconnect()
{
    m_insert.reset();
    if (m_connection.isEmpty())
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
}

bool HistoryStore::connect(const QString &path)
{
    const QString name = QStringLiteral("quorvel-history-%1").arg(nextConnectionNumber());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, name);
        db.setDatabaseName(path);
        if (db.open()) {
            m_connection = name;
            return true;
        }
        m_error = db.lastError().text();
    }
    QSqlDatabase::removeDatabase(name);
    return false;
}

// Reads or sets up the schema; false when the file is not a usable history of ours.
bool HistoryStore::prepare()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    auto run = [&](const QString &sql) {
        if (q.exec(sql))
            return true;
        m_error = q.lastError().text();
        const QString code = q.lastError().nativeErrorCode();
        m_damaged = code == QLatin1StringView(kNotADatabase) || code == QLatin1StringView(kCorrupt);
        return false;
    };
    if (!run(QStringLiteral("PRAGMA user_version")) || !q.next())
        return false;
    const int version = q.value(0).toInt();
    if (version > kSchemaVersion) {
        m_error = QStringLiteral("history written by a newer version (%1)").arg(version);
        return false;
    }
    if (!run(QStringLiteral("PRAGMA journal_mode=WAL")) || !run(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return false;
    if (!run(QString::fromLatin1(kCreateTable)))
        return false;
    // A database with some other table of that name fails here rather than on the first answer.
    if (!run(QStringLiteral("SELECT id, moment, table_no, multiplier, operation, crossed, replayed,"
                            " verdict, answer, thinking_ms FROM answers LIMIT 0"))) {
        m_damaged = true;
        return false;
    }
    if (!run(QString::fromLatin1(kCreateIndex)))
        return false;
    return run(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
}

HistoryStore::OpenResult HistoryStore::open(const QString &path)
{
    disconnect();
    m_path = path;
    m_setAside.clear();
    m_error.clear();
    m_damaged = false;
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        m_error = QStringLiteral("no SQLite driver");
        return OpenResult::Unavailable;
    }
    if (connect(path) && prepare())
        return OpenResult::Opened;
    disconnect();

    // A file that is not a history of ours is kept under a new name. Any other trouble (a
    // read-only file or folder, a full disk, a newer version) leaves the file as it is.
    if (!m_damaged || !QFileInfo::exists(path))
        return OpenResult::Unavailable;
    const QString aside = path + QStringLiteral(".damaged-")
                          + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(path, aside))
        return OpenResult::Unavailable;
    m_setAside = aside;
    for (const char *suffix : {"-wal", "-shm"})
        QFile::rename(path + QLatin1StringView(suffix), aside + QLatin1StringView(suffix));
    if (connect(path) && prepare())
        return OpenResult::Replaced;
    disconnect();
    return OpenResult::Unavailable;
}

int HistoryStore::schemaVersion() const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!isOpen() || !q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return 0;
    return q.value(0).toInt();
}

bool HistoryStore::append(const AnswerRecord &record)
{
    if (!isOpen())
        return false;
    if (!m_insert) {
        m_insert = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connection, false));
        m_insert->prepare(QStringLiteral("INSERT INTO answers (moment, table_no, multiplier, operation, crossed,"
                                         " replayed, verdict, answer, thinking_ms) VALUES (?,?,?,?,?,?,?,?,?)"));
    }
    const JudgedAnswer &j = record.judged;
    m_insert->addBindValue(record.moment);
    m_insert->addBindValue(j.table);
    m_insert->addBindValue(j.multiplier);
    m_insert->addBindValue(int(j.operation));
    m_insert->addBindValue(int(j.crossed));
    m_insert->addBindValue(int(j.replayed));
    m_insert->addBindValue(int(j.verdict));
    m_insert->addBindValue(j.answer.isNull() ? QStringLiteral("") : j.answer);
    m_insert->addBindValue(record.thinkingMs);
    if (m_insert->exec())
        return true;
    m_error = m_insert->lastError().text();
    return false;
}

QVector<AnswerRecord> HistoryStore::records(qint64 sinceMs) const
{
    QVector<AnswerRecord> out;
    if (!isOpen())
        return out;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT moment, table_no, multiplier, operation, crossed, replayed, verdict,"
                             " answer, thinking_ms FROM answers WHERE moment >= ? ORDER BY id"));
    q.addBindValue(sinceMs);
    if (!q.exec())
        return out;
    while (q.next()) {
        AnswerRecord r;
        r.moment = q.value(0).toLongLong();
        r.judged.table = q.value(1).toInt();
        r.judged.multiplier = q.value(2).toInt();
        r.judged.operation = q.value(3).toInt() == 1 ? FactOperation::Divide : FactOperation::Multiply;
        r.judged.crossed = q.value(4).toInt() != 0;
        r.judged.replayed = q.value(5).toInt() != 0;
        const int verdict = q.value(6).toInt();
        if (verdict < int(Verdict::Right) || verdict > int(Verdict::Revealed))
            continue; // written by a later version: not ours to judge
        r.judged.verdict = Verdict(verdict);
        r.judged.answer = q.value(7).toString();
        r.thinkingMs = q.value(8).toLongLong();
        out.append(r);
    }
    return out;
}

bool HistoryStore::clear()
{
    if (!isOpen())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (q.exec(QStringLiteral("DELETE FROM answers")))
        return true;
    m_error = q.lastError().text();
    return false;
}
