#include "sndfileplayer.h"

#include "apperror.h"
#include "inputblocker.h"
#include "pulseoutput.h"

#include <QFileInfo>
#include <QTimer>

#include <sndfile.h>

namespace {

// Longer than the wait for any server to play out its buffer; only guards against a server that
// never reports the end of a sound.
constexpr int kWaitMarginMs = 5000;
// How often the end of a sound is looked for.
constexpr int kEndPollMs = 2;
constexpr int kLongestSoundSeconds = 600;

AppError cannotPlay(const QString &path, const QString &reason)
{
    return AppError(QStringLiteral("Cannot play %1: %2").arg(path, reason));
}

} // namespace

SndFilePlayer::SndFilePlayer(std::shared_ptr<PulseConnection> connection)
    : m_connection(std::move(connection))
{
}

SndFilePlayer::~SndFilePlayer()
{
    close();
}

void SndFilePlayer::setFileName(const QString &path)
{
    m_fileName = path;
}

QString SndFilePlayer::fileName() const
{
    return m_fileName;
}

void SndFilePlayer::open()
{
    close();
    const QFileInfo info(m_fileName);
    if (m_fileName.isEmpty() || !info.exists())
        throw cannotPlay(m_fileName, QStringLiteral("the file does not exist."));
    if (!info.isFile())
        throw cannotPlay(m_fileName, QStringLiteral("this is not a file."));

    SF_INFO format{};
    SNDFILE *file = sf_open(QFile::encodeName(m_fileName).constData(), SFM_READ, &format);
    if (!file)
        throw cannotPlay(m_fileName, QString::fromLocal8Bit(sf_strerror(nullptr)));
    // A header alone is no sound: read the first block to be sure samples follow.
    short first[256];
    const bool hasSound = format.channels > 0 && format.samplerate > 0
                          && sf_readf_short(file, first, sf_count_t(std::size(first)) / format.channels) > 0;
    if (!hasSound) {
        sf_close(file);
        throw cannotPlay(m_fileName, QStringLiteral("the file holds no sound."));
    }
    m_file = file;
    m_sampleRate = format.samplerate;
    m_channels = format.channels;
}

void SndFilePlayer::setWait(bool wait)
{
    m_wait = wait;
}

QByteArray SndFilePlayer::decode()
{
    QByteArray samples;
    sf_seek(m_file, 0, SEEK_SET);
    constexpr sf_count_t kBlockFrames = 4096;
    QByteArray block(qsizetype(kBlockFrames * m_channels * sizeof(short)), Qt::Uninitialized);
    // A sound is held whole in memory; a file far longer than any event's sound plays its start.
    const qint64 largest = qint64(kLongestSoundSeconds) * m_sampleRate * m_channels * qint64(sizeof(short));
    while (samples.size() < largest) {
        const sf_count_t frames = sf_readf_short(m_file, reinterpret_cast<short *>(block.data()), kBlockFrames);
        if (frames <= 0)
            break;
        samples.append(block.constData(), qsizetype(frames * m_channels * sizeof(short)));
    }
    return samples;
}

void SndFilePlayer::play()
{
    if (!m_file)
        throw cannotPlay(m_fileName, QStringLiteral("the file is not open."));
    const bool wait = m_wait;
    m_wait = false; // wait mode holds for one play
    m_playback.reset();
    const QByteArray samples = decode();
    const qint64 durationMs = qint64(samples.size()) * 1000 / (qint64(m_sampleRate) * m_channels * qint64(sizeof(short)));
    m_playback = std::make_shared<PulsePlayback>(m_connection, samples, m_sampleRate, m_channels);
    switch (m_playback->start()) {
    case PulsePlayback::Start::NoServer:
        throw cannotPlay(m_fileName, QStringLiteral("there is no audio output."));
    case PulsePlayback::Start::Failed:
        throw cannotPlay(m_fileName, QStringLiteral("the audio output failed."));
    case PulsePlayback::Start::Playing:
        break;
    }
    if (wait)
        waitForEnd(durationMs);
}

void SndFilePlayer::waitForEnd(qint64 durationMs)
{
    // Kept alive here: a timer step during the wait may start another sound on this player.
    const std::shared_ptr<PulsePlayback> playback = m_playback;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    InputBlocker::run(
        [&](std::function<void()> finished) {
            QObject::connect(&poll, &QTimer::timeout, [&playback, finished] {
                if (playback->ended())
                    finished();
            });
            poll.start(kEndPollMs);
        },
        int(durationMs) + kWaitMarginMs);
    poll.stop();
    const bool failed = playback->failed();
    playback->stop();
    if (failed)
        throw cannotPlay(m_fileName, QStringLiteral("the audio output failed."));
}

void SndFilePlayer::stop()
{
    if (m_playback)
        m_playback->stop();
}

void SndFilePlayer::close()
{
    m_playback.reset();
    if (m_file) {
        sf_close(m_file);
        m_file = nullptr;
    }
}

PulseAudioSystem::PulseAudioSystem(std::shared_ptr<PulseConnection> connection)
    : m_connection(std::move(connection))
{
}

PulseAudioSystem::~PulseAudioSystem() = default;

int PulseAudioSystem::outputDeviceCount()
{
    return m_connection->sinkCount();
}

void PulseAudioSystem::playInBackground(const QString &path)
{
    if (!m_background)
        m_background = std::make_unique<SndFilePlayer>(m_connection);
    try {
        m_background->setFileName(path);
        m_background->open();
        m_background->play();
    } catch (const AppError &) {
        // The background sound is a nicety: a missing file or output is no error of the drill.
    }
}

SoundDevices SoundDevices::forThisMachine()
{
    // Made here without touching the server: the connection is opened by the first sound or count.
    const auto connection = std::make_shared<PulseConnection>();
    return {std::make_unique<SndFilePlayer>(connection), std::make_unique<SndFilePlayer>(connection),
            std::make_unique<PulseAudioSystem>(connection)};
}
