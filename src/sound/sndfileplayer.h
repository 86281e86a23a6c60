#pragma once

#include "mediaplayer.h"

#include <QBuffer>
#include <QByteArray>
#include <QTimer>

#include <memory>
#include <vector>

class QAudioSink;
struct sf_private_tag;

// A media player for WAV and MP3 files: libsndfile checks and decodes the file, Qt Multimedia's
// QAudioSink plays the samples. Opening reads only the file's header and first block; the audio
// output is first touched by play.
class SndFilePlayer : public MediaPlayer
{
public:
    SndFilePlayer();
    ~SndFilePlayer() override;

    void setFileName(const QString &path) override;
    QString fileName() const override;
    void open() override;
    void setWait(bool wait) override;
    void play() override;
    void stop() override;
    void close() override;

private:
    void decode();
    void startSink(bool wait);
    void releaseSink();

    QString m_fileName;
    sf_private_tag *m_file = nullptr;
    int m_sampleRate = 0;
    int m_channels = 0;
    bool m_wait = false;
    QByteArray m_samples; // the open file decoded, 16-bit interleaved
    QBuffer m_buffer;
    struct ClosedSink
    {
        qint64 closedAt;
        std::unique_ptr<QAudioSink> sink;
    };

    std::unique_ptr<QAudioSink> m_sink; // the sink of the current play
    std::vector<ClosedSink> m_closedSinks;
    QTimer m_endPoll; // lets a sound that plays on go once it has ended
};

// The machine's audio: the output device count and the background sound of mental mode.
class QtAudioSystem : public AudioSystem
{
public:
    QtAudioSystem();
    ~QtAudioSystem() override;

    int outputDeviceCount() override;
    void playInBackground(const QString &path) override;

private:
    std::unique_ptr<SndFilePlayer> m_background; // made at the first background sound
};
