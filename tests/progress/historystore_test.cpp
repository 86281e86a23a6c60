#include "answerrecorder.h"
#include "historystore.h"
#include "tempfolders.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

AnswerRecord sample(qint64 moment, Verdict verdict)
{
    AnswerRecord r;
    r.moment = moment;
    r.judged = {7, 8, FactOperation::Divide, true, true, verdict, QStringLiteral("56")};
    r.thinkingMs = 1234;
    return r;
}

struct Store : ::testing::Test
{
    TempFolders temp;
    QString path = temp.root() + HistoryStore::kFileName;
};

} // namespace

TEST_F(Store, KeepsEveryFieldAcrossReopeningInWalModeWithItsSchemaVersion)
{
    {
        HistoryStore store;
        ASSERT_EQ(store.open(path), HistoryStore::OpenResult::Opened);
        for (int v = 0; v <= int(Verdict::Revealed); ++v)
            ASSERT_TRUE(store.append(sample(1000 + v, Verdict(v))));
    }
    HistoryStore store;
    ASSERT_EQ(store.open(path), HistoryStore::OpenResult::Opened);
    EXPECT_EQ(store.schemaVersion(), HistoryStore::kSchemaVersion);
    const QVector<AnswerRecord> all = store.records();
    ASSERT_EQ(all.size(), 6);
    for (int v = 0; v < 6; ++v) {
        const AnswerRecord &r = all.at(v);
        EXPECT_EQ(r.moment, 1000 + v);
        EXPECT_EQ(r.judged.verdict, Verdict(v));
        EXPECT_EQ(r.judged.table, 7);
        EXPECT_EQ(r.judged.multiplier, 8);
        EXPECT_EQ(r.judged.operation, FactOperation::Divide);
        EXPECT_TRUE(r.judged.crossed);
        EXPECT_TRUE(r.judged.replayed);
        EXPECT_EQ(r.judged.answer, "56");
        EXPECT_EQ(r.thinkingMs, 1234);
    }
    EXPECT_EQ(store.records(1004).size(), 2);

    QSqlQuery q(QSqlDatabase::database(QSqlDatabase::connectionNames().constFirst()));
    ASSERT_TRUE(q.exec("PRAGMA journal_mode") && q.next());
    EXPECT_EQ(q.value(0).toString(), "wal");

    EXPECT_TRUE(store.clear());
    EXPECT_TRUE(store.records().isEmpty());
}

TEST_F(Store, SetsADamagedFileAsideAndStartsANewHistory)
{
    const QByteArray junk = "this is not a database, just some text that a user put here\n";
    TempFolders::put(temp.root(), HistoryStore::kFileName, junk.repeated(100));
    HistoryStore store;
    ASSERT_EQ(store.open(path), HistoryStore::OpenResult::Replaced);
    ASSERT_FALSE(store.setAsidePath().isEmpty());
    QFile aside(store.setAsidePath());
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), junk.repeated(100));
    EXPECT_TRUE(store.append(sample(1, Verdict::Right)));
    EXPECT_EQ(store.records().size(), 1);
}

TEST_F(Store, SetsAsideADatabaseWhoseAnswersTableIsNotOurs)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec("CREATE TABLE answers (question TEXT)"));
        db.close();
    }
    QSqlDatabase::removeDatabase("foreign");
    HistoryStore store;
    EXPECT_EQ(store.open(path), HistoryStore::OpenResult::Replaced);
    EXPECT_TRUE(QFile::exists(store.setAsidePath()));
    EXPECT_TRUE(store.append(sample(1, Verdict::Wrong)));
}

TEST_F(Store, LeavesAHistoryOfANewerVersionAlone)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "newer");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec("PRAGMA user_version = 99");
        db.close();
    }
    QSqlDatabase::removeDatabase("newer");
    HistoryStore store;
    EXPECT_EQ(store.open(path), HistoryStore::OpenResult::Unavailable);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(store.append(sample(1, Verdict::Right)));
}

TEST_F(Store, AFolderThatTakesNoFileStoresNothingAndSaysSoOnce)
{
    // A file where the folder should be: nothing can be created there, whatever the rights.
    TempFolders::put(temp.root(), "blocked", "x");
    HistoryStore store;
    EXPECT_EQ(store.open(temp.root() + "blocked/" + HistoryStore::kFileName), HistoryStore::OpenResult::Unavailable);
    int messages = 0;
    qint64 now = 0;
    AnswerRecorder recorder(store, [&] { return now; }, [&] { ++messages; });
    for (int i = 0; i < 3; ++i) {
        recorder.operationShown();
        recorder.answerJudged({});
    }
    EXPECT_EQ(messages, 1);
    EXPECT_TRUE(recorder.failed());
}

TEST(Recorder, StampsTheMomentAndTheTimeSinceTheOperationWasShown)
{
    struct Sink : AnswerSink
    {
        QVector<AnswerRecord> stored;
        bool append(const AnswerRecord &r) override { stored.append(r); return true; }
    } sink;
    qint64 now = 50'000;
    AnswerRecorder recorder(sink, [&] { return now; }, [] { FAIL() << "nothing fails here"; });
    recorder.operationShown();
    now += 2'345;
    JudgedAnswer judged;
    judged.table = 9;
    judged.verdict = Verdict::WrongLate;
    recorder.answerJudged(judged);
    now -= 10'000; // the clock set back
    recorder.answerJudged(judged);
    ASSERT_EQ(sink.stored.size(), 2);
    EXPECT_EQ(sink.stored[0].moment, 52'345);
    EXPECT_EQ(sink.stored[0].thinkingMs, 2'345);
    EXPECT_EQ(sink.stored[0].judged.table, 9);
    EXPECT_EQ(sink.stored[0].judged.verdict, Verdict::WrongLate);
    EXPECT_EQ(sink.stored[1].thinkingMs, 0);
}
