// Cost of one drill step: an answer judged through to the next operation shown (sound excluded).
#include "drillsession.h"
#include "operation.h"
#include "randomsource.h"

#include <benchmark/benchmark.h>

namespace {

struct NoTimer : TimerBackend
{
    void start(int) override {}
    void stop() override {}
};

struct QuietHost : DrillHost
{
    void refresh() override {}
    void processEvents() override {}
    void openRecordDialog() override {}
    bool recordDialogVisible() const override { return false; }
    void closeRecordDialog() override {}
    void openAfterRecordDialog() override {}
    bool afterRecordDialogVisible() const override { return false; }
    void closeAfterRecordDialog() override {}
    void showEraseMessage() override {}
};

struct Silence : DrillSound
{
    void makeSound(int) override {}
    void playMentalSound() override {}
    void beep() override {}
    void applySoundOption() override {}
};

const QStringList kTables = {"2", "3", "4", "5", "6", "7", "8", "9"};
const QStringList kMultipliers = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};

void NextOperation(benchmark::State &bench)
{
    ClockSeededRandom random;
    random.seedFromClock();
    DrillState state;
    for (auto _ : bench) {
        const int mode = Operation::chooseOperator(state, 3, QStringLiteral("en"), random);
        Operation::draw(state, {kTables, kMultipliers, mode, true}, random);
        benchmark::DoNotOptimize(state.Expected);
    }
}
BENCHMARK(NextOperation);

void AnswerStepToNextOperation(benchmark::State &bench)
{
    Settings settings;
    settings.Language = QStringLiteral("en");
    settings.Timer1 = 3;
    settings.Timer2 = 1;
    settings.Bouton = 1;
    ClockSeededRandom random;
    random.seedFromClock();
    QuietHost host;
    Silence sound;
    NoTimer t1, t2, t3;
    DrillSession session({settings, kTables, kMultipliers, random, host, sound, t1, t2, t3});
    session.created();
    session.shown(3);
    session.presentOperation();
    session.toggleStopwatch(); // with the countdown on, as a child drills against the clock
    for (auto _ : bench) {
        session.setAnswerText(QString::number(session.state().Expected));
        session.confirmAnswer();
    }
}
BENCHMARK(AnswerStepToNextOperation);

} // namespace

BENCHMARK_MAIN();
