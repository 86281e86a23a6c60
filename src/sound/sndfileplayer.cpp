#include "sndfileplayer.h"

#include "apperror.h"
#include "inputblocker.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QDateTime>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>

#include <sndfile.h>

namespace {

// Longer than any sound a sequence holds; only guards against an output that never reports
// the end of a sound.
constexpr int kWaitMarginMs = 5000;
// How often the end of a sound is looked for.
constexpr int kEndPollMs = 5;
constexpr qint64 kClosedSinkLifeMs = 10000;
constexpr int kLongestSoundSeconds = 600;

AppError cannotPlay(const QString &path, const QString &reason)
{
    return AppError(QStringLiteral("Cannot play %1: %2").arg(path, reason));
}

} // namespace

SndFilePlayer::SndFilePlayer() = default;

SndFilePlayer::~SndFilePlayer()
{
    close();
    // The program is ending: the last sinks may have been closed a moment ago, so they are left
    // to the end of the process rather than deleted under a late callback.
    for (ClosedSink &closed : m_closedSinks)
        (void)closed.sink.release();
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

void SndFilePlayer::decode()
{
    m_samples.clear();
    sf_seek(m_file, 0, SEEK_SET);
    constexpr sf_count_t kBlockFrames = 4096;
    QByteArray block(qsizetype(kBlockFrames * m_channels * sizeof(short)), Qt::Uninitialized);
    // A sound is held whole in memory; a file far longer than any event's sound plays its start.
    const qint64 largest = qint64(kLongestSoundSeconds) * m_sampleRate * m_channels * qint64(sizeof(short));
    while (m_samples.size() < largest) {
        const sf_count_t frames = sf_readf_short(m_file, reinterpret_cast<short *>(block.data()), kBlockFrames);
        if (frames <= 0)
            break;
        m_samples.append(block.constData(), qsizetype(frames * m_channels * sizeof(short)));
    }
}

void SndFilePlayer::play()
{
    if (!m_file)
        throw cannotPlay(m_fileName, QStringLiteral("the file is not open."));
    const bool wait = m_wait;
    m_wait = false; // wait mode holds for one play
    releaseSink();
    decode();
    startSink(wait);
}

void SndFilePlayer::startSink(bool wait)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        throw cannotPlay(m_fileName, QStringLiteral("there is no audio output."));
    QAudioFormat format;
    format.setSampleRate(m_sampleRate);
    format.setChannelCount(m_channels);
    format.setSampleFormat(QAudioFormat::Int16);
    m_sink = std::make_unique<QAudioSink>(device, format);

    m_buffer.close();
    m_buffer.setData(m_samples);
    m_buffer.open(QIODevice::ReadOnly);

    QAudioSink *sink = m_sink.get();
    // Idle means the sink has handed every sample to the audio server, not that they were
    // heard; the sound has ended once the server's buffer for this stream is empty again.
    const auto ended = [sink] {
        return sink->state() == QAudio::StoppedState
               || (sink->state() == QAudio::IdleState && sink->bytesFree() >= sink->bufferSize());
    };
    if (!wait) {
        // The sound plays on; the sink is let go when it has played everything.
        m_endPoll.disconnect();
        QObject::connect(&m_endPoll, &QTimer::timeout, sink, [this, sink, ended] {
            if (ended()) {
                m_endPoll.stop();
                sink->stop();
            }
        });
        sink->start(&m_buffer);
        m_endPoll.start(kEndPollMs);
        return;
    }

    const qint64 durationMs = qint64(m_samples.size()) * 1000 / (qint64(m_sampleRate) * m_channels * qint64(sizeof(short)));
    QTimer poll;
    InputBlocker::run(
        [&](std::function<void()> finished) {
            QObject::connect(&poll, &QTimer::timeout, [ended, finished] {
                if (ended())
                    finished();
            });
            sink->start(&m_buffer);
            poll.start(kEndPollMs);
        },
        int(durationMs) + kWaitMarginMs);
    poll.stop();
    const QAudio::Error error = sink->error();
    sink->stop();
    if (error != QAudio::NoError && error != QAudio::UnderrunError)
        throw cannotPlay(m_fileName, QStringLiteral("the audio output failed."));
}

void SndFilePlayer::stop()
{
    m_endPoll.stop();
    if (m_sink)
        m_sink->stop();
}

void SndFilePlayer::releaseSink()
{
    m_endPoll.stop();
    m_endPoll.disconnect();
    if (m_sink) {
        m_sink->stop();
        m_closedSinks.push_back({QDateTime::currentMSecsSinceEpoch(), std::move(m_sink)});
    }
    // Qt's PulseAudio sink can still receive a stream callback shortly after it was closed, so a
    // closed sink is kept a while before it is deleted.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    std::erase_if(m_closedSinks, [now](const ClosedSink &closed) { return now - closed.closedAt > kClosedSinkLifeMs; });
    m_buffer.close();
}

void SndFilePlayer::close()
{
    releaseSink();
    if (m_file) {
        sf_close(m_file);
        m_file = nullptr;
    }
    m_samples.clear();
}

QtAudioSystem::QtAudioSystem() = default;
QtAudioSystem::~QtAudioSystem() = default;

int QtAudioSystem::outputDeviceCount()
{
    return int(QMediaDevices::audioOutputs().size());
}

void QtAudioSystem::playInBackground(const QString &path)
{
    if (!m_background)
        m_background = std::make_unique<SndFilePlayer>();
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
    return {std::make_unique<SndFilePlayer>(), std::make_unique<SndFilePlayer>(), std::make_unique<QtAudioSystem>()};
}
