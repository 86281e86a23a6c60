#pragma once

#include <QString>

#include <memory>

// One media player: holds a file name and at most one open file. Every sound step of the program
// goes through two of these, the sequence player MP2 and the preview player MP3.
class MediaPlayer
{
public:
    virtual ~MediaPlayer() = default;

    // Names the file for the next open; an open file stays open.
    virtual void setFileName(const QString &path) = 0;
    virtual QString fileName() const = 0;
    // Closes the open file, then opens the named one; throws AppError with a readable text when
    // the file is missing or cannot be played.
    virtual void open() = 0;
    // With wait mode on, the next play returns only when the sound has ended.
    virtual void setWait(bool wait) = 0;
    // Plays the open file from its start; throws AppError when no file is open.
    virtual void play() = 0;
    // Stops the sound; the file stays open.
    virtual void stop() = 0;
    // Closes the open file, if any.
    virtual void close() = 0;
};

// What the program asks of the machine's audio beyond the two players.
class AudioSystem
{
public:
    virtual ~AudioSystem() = default;

    virtual int outputDeviceCount() = 0;
    // Plays a WAV file in the background; failures are ignored.
    virtual void playInBackground(const QString &path) = 0;
};

// The two players and the audio system, made once for the whole run.
struct SoundDevices
{
    std::unique_ptr<MediaPlayer> MP2; // the sequence player
    std::unique_ptr<MediaPlayer> MP3; // the preview player
    std::unique_ptr<AudioSystem> audio;

    // The program's: decoded in memory and played through the PulseAudio server. Touches no
    // audio device until the first sound or device count; with no server there is no device.
    static SoundDevices forThisMachine();
};
