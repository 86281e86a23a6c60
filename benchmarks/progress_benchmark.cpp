// The answer history: storing one answer on the drill's thread, and opening the progress window
// over a long history. Each pairs with a baseline measured in the same run.
#include "historystore.h"
#include "tfprogress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

AnswerRecord sample(qint64 i)
{
    AnswerRecord r;
    r.moment = QDateTime::currentMSecsSinceEpoch() - (i % 40) * 86'400'000LL;
    r.judged.table = int(i % 12) + 1;
    r.judged.multiplier = int(i / 12 % 12) + 1;
    r.judged.operation = FactOperation(i / 144 % 2);
    r.judged.verdict = Verdict(i % 7 % 6);
    r.judged.answer = QStringLiteral("42");
    r.thinkingMs = 500 + i % 4000;
    return r;
}

// The median of single appends, one per iteration: the figure the drill feels after a verdict.
void storeAnswers(benchmark::State &state, const QString &path)
{
    HistoryStore store;
    store.open(path);
    std::vector<double> micros;
    qint64 i = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        store.append(sample(i++));
        micros.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::nth_element(micros.begin(), micros.begin() + micros.size() / 2, micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
}

void BM_StoreAnswer_File(benchmark::State &state)
{
    QTemporaryDir dir;
    storeAnswers(state, dir.filePath(HistoryStore::kFileName));
}
BENCHMARK(BM_StoreAnswer_File)->Iterations(1000)->Unit(benchmark::kMicrosecond);

// Baseline: the same statements on a database in memory, without any file.
void BM_StoreAnswer_Memory(benchmark::State &state)
{
    storeAnswers(state, QStringLiteral(":memory:"));
}
BENCHMARK(BM_StoreAnswer_Memory)->Iterations(1000)->Unit(benchmark::kMicrosecond);

void openWindow(benchmark::State &state, int answers)
{
    QTemporaryDir dir;
    ProgramState program;
    program.settings.Language = QStringLiteral("en");
    HistoryStore store;
    store.open(dir.filePath(HistoryStore::kFileName));
    {
        QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::connectionNames().constFirst());
        db.transaction();
        for (int i = 0; i < answers; ++i)
            store.append(sample(i));
        db.commit();
    }
    for (auto _ : state) {
        TFProgress window(program, store, QString());
        window.refresh();
        window.show();
        QCoreApplication::processEvents();
        window.hide();
    }
}

void BM_OpenProgressWindow_100000(benchmark::State &state)
{
    openWindow(state, 100'000);
}
BENCHMARK(BM_OpenProgressWindow_100000)->Unit(benchmark::kMillisecond);

// Baseline: the same window over an empty history.
void BM_OpenProgressWindow_Empty(benchmark::State &state)
{
    openWindow(state, 0);
}
BENCHMARK(BM_OpenProgressWindow_Empty)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
