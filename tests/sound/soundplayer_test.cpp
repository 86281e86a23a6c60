// The program's own player and audio system: libsndfile checks and decodes the files, the
// PulseAudio server plays them. The NoServer tests point the client at a socket that is not
// there; the NullSink tests need a running server and are run by null_sink.sh, which starts one.
#include "apperror.h"
#include "mediaplayer.h"
#include "tempfolders.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <sndfile.h>

#include <cmath>
#include <vector>

namespace {

// A sine tone as a 16-bit WAV file.
QString writeTone(const QString &path, int milliseconds)
{
    SF_INFO format{};
    format.samplerate = 22050;
    format.channels = 1;
    format.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &format);
    EXPECT_NE(file, nullptr) << path.toStdString();
    std::vector<short> samples(size_t(format.samplerate) * size_t(milliseconds) / 1000);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = short(8000 * std::sin(double(i) * 0.1));
    sf_write_short(file, samples.data(), sf_count_t(samples.size()));
    sf_close(file);
    return path;
}

QString errorOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const AppError &error) {
        return error.text();
    }
    return {};
}

struct SoundPlayer : ::testing::Test
{
    TempFolders temp;
    QString folder = temp.root();
};

// Points the client at a server that is not there for the test's length.
struct NoServer : SoundPlayer
{
    QByteArray saved = qgetenv("PULSE_SERVER");
    NoServer() { qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(temp.root()) + "no-server"); }
    ~NoServer() override
    {
        if (saved.isNull())
            qunsetenv("PULSE_SERVER");
        else
            qputenv("PULSE_SERVER", saved);
    }
};

struct NullSink : SoundPlayer
{
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QUORVEL_NULL_SINK"))
            GTEST_SKIP() << "needs a PulseAudio server: run through null_sink.sh";
    }

    // The lines of 'pactl list short <what>'.
    static int listed(const QString &what)
    {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), what});
        pactl.waitForFinished();
        return int(pactl.readAllStandardOutput().count('\n'));
    }

    // The streams the server is playing now.
    static int streamCount() { return listed(QStringLiteral("sink-inputs")); }

    // True once the server plays 'count' streams, within 'milliseconds'.
    static bool streamsBecome(int count, int milliseconds)
    {
        QElapsedTimer clock;
        clock.start();
        while (streamCount() != count) {
            if (clock.elapsed() > milliseconds)
                return false;
            QThread::msleep(20);
        }
        return true;
    }
};

TEST_F(SoundPlayer, OpenRefusesWhatHoldsNoSoundWithTheReason)
{
    const QString wav = writeTone(folder + "tone.wav", 200);
    QFile whole(wav);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    TempFolders::put(folder, "header-only.wav", whole.read(44));
    TempFolders::put(folder, "text.wav", "just some words, not a sound\n");
    TempFolders::put(folder, "empty.wav", "");
    QDir().mkpath(folder + "folder.wav");

    const struct
    {
        const char *file;
        const char *reason; // empty: libsndfile's own words
    } cases[] = {
        {"missing.wav", "the file does not exist."},
        {"folder.wav", "this is not a file."},
        {"header-only.wav", "the file holds no sound."},
        {"text.wav", ""},
        {"empty.wav", ""},
    };
    SoundDevices devices = SoundDevices::forThisMachine();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = folder + c.file;
        devices.MP2->setFileName(path);
        const QString error = errorOf([&] { devices.MP2->open(); });
        ASSERT_TRUE(error.startsWith("Cannot play " + path + ": ")) << error.toStdString();
        if (*c.reason) {
            EXPECT_EQ(error, "Cannot play " + path + ": " + c.reason);
        }
        // A refused file leaves nothing open to play.
        EXPECT_EQ(errorOf([&] { devices.MP2->play(); }), "Cannot play " + path + ": the file is not open.");
    }

    for (const QString &playable : {wav, QStringLiteral(QUORVEL_SOURCE_DIR "/data/sound/space-welcome.mp3")}) {
        devices.MP3->setFileName(playable);
        EXPECT_EQ(errorOf([&] { devices.MP3->open(); }), QString()) << playable.toStdString();
    }
}

TEST_F(NoServer, NoDeviceAndPlayReportsNoAudioOutput)
{
    const QString wav = writeTone(folder + "tone.wav", 200);
    SoundDevices devices = SoundDevices::forThisMachine();
    EXPECT_EQ(devices.audio->outputDeviceCount(), 0);
    for (const bool wait : {true, false}) {
        devices.MP2->setFileName(wav);
        devices.MP2->open();
        devices.MP2->setWait(wait);
        EXPECT_EQ(errorOf([&] { devices.MP2->play(); }), "Cannot play " + wav + ": there is no audio output.");
    }
    devices.MP2->stop();
    devices.MP2->close();
    devices.audio->playInBackground(wav); // no error: the background sound is optional
}

TEST_F(NullSink, OneConnectionOpenedByTheFirstUseOnly)
{
    const QString wav = writeTone(folder + "tone.wav", 100);
    const int clients = listed(QStringLiteral("clients"));
    SoundDevices devices = SoundDevices::forThisMachine();
    devices.MP2->setFileName(wav);
    devices.MP2->open();
    EXPECT_EQ(listed(QStringLiteral("clients")), clients);
    devices.MP2->play();
    devices.MP3->setFileName(wav);
    devices.MP3->open();
    devices.MP3->play();
    devices.audio->playInBackground(wav);
    EXPECT_EQ(devices.audio->outputDeviceCount(), 1);
    EXPECT_EQ(listed(QStringLiteral("clients")), clients + 1);
}

TEST_F(NullSink, BlockingPlayReturnsOnceTheServerHasPlayedTheSound)
{
    const QString wav = writeTone(folder + "tone.wav", 500);
    SoundDevices devices = SoundDevices::forThisMachine();
    devices.MP2->setFileName(wav);
    devices.MP2->open();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        devices.MP2->setWait(true);
        QElapsedTimer clock;
        clock.start();
        devices.MP2->play();
        EXPECT_GE(clock.elapsed(), 500);
        EXPECT_TRUE(streamsBecome(0, 500));
    }
}

TEST_F(NullSink, StopEndsAPlayAtOnce)
{
    const QString wav = writeTone(folder + "long.wav", 4000);
    SoundDevices devices = SoundDevices::forThisMachine();
    devices.MP2->setFileName(wav);
    devices.MP2->open();

    // Without wait mode the play returns while the sound goes on, until Stop.
    devices.MP2->play();
    EXPECT_TRUE(streamsBecome(1, 500));
    devices.MP2->stop();
    EXPECT_TRUE(streamsBecome(0, 500));

    // A stop from a timer during a blocking play ends the wait early and is no error.
    devices.MP2->setWait(true);
    QTimer::singleShot(300, [&] { devices.MP2->stop(); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(errorOf([&] { devices.MP2->play(); }), QString());
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_TRUE(streamsBecome(0, 500));

    // Close stops a sound that plays on, and the background sound plays beside the players.
    devices.MP2->play();
    devices.audio->playInBackground(wav);
    EXPECT_TRUE(streamsBecome(2, 500));
    devices.MP2->close();
    EXPECT_TRUE(streamsBecome(1, 500));
}

} // namespace
