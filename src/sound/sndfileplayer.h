#pragma once

#include "mediaplayer.h"

#include <QByteArray>

#include <memory>

class PulseConnection;
class PulsePlayback;
struct sf_private_tag;

// A media player for WAV and MP3 files: libsndfile checks and decodes the file, the PulseAudio
// server plays the samples. Opening reads only the file's header and first block; the server is
// first contacted by play.
class SndFilePlayer : public MediaPlayer
{
public:
    explicit SndFilePlayer(std::shared_ptr<PulseConnection> connection);
    ~SndFilePlayer() override;

    void setFileName(const QString &path) override;
    QString fileName() const override;
    void open() override;
    void setWait(bool wait) override;
    void play() override;
    void stop() override;
    void close() override;

private:
    QByteArray decode();
    void waitForEnd(qint64 durationMs);

    std::shared_ptr<PulseConnection> m_connection;
    QString m_fileName;
    sf_private_tag *m_file = nullptr;
    int m_sampleRate = 0;
    int m_channels = 0;
    bool m_wait = false;
    std::shared_ptr<PulsePlayback> m_playback; // the current or last play
};

// The machine's audio: the output device count and the background sound of mental mode.
class PulseAudioSystem : public AudioSystem
{
public:
    explicit PulseAudioSystem(std::shared_ptr<PulseConnection> connection);
    ~PulseAudioSystem() override;

    int outputDeviceCount() override;
    void playInBackground(const QString &path) override;

private:
    std::shared_ptr<PulseConnection> m_connection;
    std::unique_ptr<SndFilePlayer> m_background; // made at the first background sound
};
