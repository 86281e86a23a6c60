// Sound benchmark (not a test; run through benchmarks/sound.sh, which starts a null sink):
//  - a blocking play of each given sound through the program's player, beside paplay and
//    QMediaPlayer playing the same file (median of N runs each, in the same run), and the first
//    play of the program and of paplay on an idle sink;
//  - opening a file to check it, and the selection check of a sequence of 8 entries.
//   sound_benchmark <runs> <sequence file> <sound file>...
#include "apperror.h"
#include "pulseoutput.h"
#include "sndfileplayer.h"
#include "soundcontext.h"
#include "soundfiles.h"
#include "soundservice.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMediaPlayer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void paplay(const QString &file)
{
    QProcess::execute(QStringLiteral("paplay"), {file});
}

// QMediaPlayer until it reports the end of the media.
void mediaPlayer(QMediaPlayer &player, const QString &file)
{
    QEventLoop loop;
    const auto ended = QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, [&](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
            loop.quit();
    });
    player.setSource(QUrl());
    player.setSource(QUrl::fromLocalFile(file));
    player.play();
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(ended);
    player.stop();
}

// Lets closed streams go and the null sink fall back to its long idle blocks.
void waitIdle()
{
    QEventLoop loop;
    QTimer::singleShot(2500, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: sound_benchmark <runs> <sequence file> <sound file>...\n");
        return 2;
    }
    const int runs = args.at(1).toInt();
    const QString sequenceFile = args.at(2);

    // Each file starts on an idle sink: the first play, paplay's first play, then the medians.
    // QMediaPlayer keeps its stream open, so it is made for each file and gone before the next.
    std::printf("%-24s %8s %8s %8s %8s %8s %8s %5s\n", "blocking play (ms)", "1st", "pa 1st", "program", "paplay", "QMedia",
                "prog-pa", "ok");
    bool allOk = true;
    SndFilePlayer player(std::make_shared<PulseConnection>());
    const auto playOurs = [&](const QString &file) {
        player.setFileName(file);
        player.open();
        player.setWait(true);
        player.play();
        player.close();
    };
    for (const QString &file : args.mid(3)) {
        waitIdle();
        const double first = medianMs(1, [&] { playOurs(file); });
        waitIdle();
        const double paFirst = medianMs(1, [&] { paplay(file); });
        waitIdle();
        const double ours = medianMs(runs, [&] { playOurs(file); });
        waitIdle();
        const double pa = medianMs(runs, [&] { paplay(file); });
        double qt = 0;
        {
            QMediaPlayer media;
            QAudioOutput output;
            media.setAudioOutput(&output);
            qt = medianMs(runs, [&] { mediaPlayer(media, file); });
        }
        const bool ok = ours <= pa + 60 && first <= paFirst + 60;
        allOk = allOk && ok;
        std::printf("%-24s %8.1f %8.1f %8.1f %8.1f %8.1f %+8.1f %5s\n", qPrintable(QFileInfo(file).fileName()), first, paFirst, ours,
                    pa, qt, ours - pa, ok ? "yes" : "NO");
        std::fflush(stdout);
    }

    // The checks, on a copy of the sequence in a temporary user folder.
    QTemporaryDir dir;
    ProgramState state;
    state.folders.shared = QDir::cleanPath(QFileInfo(sequenceFile).absolutePath() + "/..") + "/";
    state.folders.program = QDir::cleanPath(state.folders.shared + "../../lib/quorvel") + "/";
    state.folders.user = dir.path() + "/";
    QDir().mkpath(dir.path() + "/sys");
    QFile::copy(sequenceFile, dir.path() + "/sys/Sound1.txt");
    SoundService service(state, SoundDevices::forThisMachine());
    const QStringList entries = SoundFiles::LoadSequence(state.folders, 1);
    const double openMs = medianMs(runs * 8, [&] {
        player.setFileName(SoundFiles::ResolveSoundEntry(entries.at(0), state.folders));
        player.open();
        player.close();
    });
    const double fileCheckMs = medianMs(runs, [&] {
        service.context().CurrentSequence = SoundFiles::LoadSequence(state.folders, 1);
        service.context().repairEntries({});
    });
    const double selectionMs = medianMs(runs, [&] {
        service.options().setSelection(0);
        service.options().setSelection(1);
    });
    std::printf("\nopen and close one file: %.2f ms (target < 5)\n", openMs);
    std::printf("file check of 8 entries: %.2f ms (target < 50)\n", fileCheckMs);
    std::printf("selection check (load, 8 opens, save): %.2f ms (target < 50)\n", selectionMs);
    allOk = allOk && openMs < 5 && fileCheckMs < 50 && selectionMs < 50;
    std::printf("\n%s\n", allOk ? "all targets met" : "SOME TARGETS MISSED");
    return allOk ? 0 : 1;
}
