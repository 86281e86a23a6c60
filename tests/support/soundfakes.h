#pragma once

#include "apperror.h"
#include "mediaplayer.h"
#include "soundcontext.h"

#include <QFileInfo>
#include <QStringList>

// A player that opens any existing file whose name is not listed as broken, and remembers
// what it played.
class FakePlayer : public MediaPlayer
{
public:
    explicit FakePlayer(QStringList *played) : m_played(played) {}

    QStringList broken;
    QStringList opened;
    bool isOpen = false;
    bool waited = false; // the last play was in wait mode

    void setFileName(const QString &path) override { m_name = path; }
    QString fileName() const override { return m_name; }
    void open() override
    {
        close();
        if (!QFileInfo(m_name).isFile() || broken.contains(QFileInfo(m_name).fileName()))
            throw AppError(QStringLiteral("Cannot play %1").arg(m_name));
        opened.append(m_name);
        isOpen = true;
    }
    void setWait(bool wait) override { m_wait = wait; }
    void play() override
    {
        if (!isOpen)
            throw AppError(QStringLiteral("not open"));
        waited = m_wait;
        m_wait = false;
        m_played->append(m_name);
    }
    void stop() override {}
    void close() override { isOpen = false; }

private:
    QStringList *m_played;
    QString m_name;
    bool m_wait = false;
};

class FakeAudio : public AudioSystem
{
public:
    int devices = 1;
    QStringList background;

    int outputDeviceCount() override { return devices; }
    void playInBackground(const QString &path) override { background.append(path); }
};

// The devices handed to the program, with pointers kept for the test to look at them.
struct FakeDevices
{
    QStringList played; // by either player, in order
    FakePlayer *MP2 = nullptr;
    FakePlayer *MP3 = nullptr;
    FakeAudio *audio = nullptr;
    int audioDevices = 1; // what the audio system reports

    SoundDevices make()
    {
        auto mp2 = std::make_unique<FakePlayer>(&played);
        auto mp3 = std::make_unique<FakePlayer>(&played);
        auto sound = std::make_unique<FakeAudio>();
        sound->devices = audioDevices;
        MP2 = mp2.get();
        MP3 = mp3.get();
        audio = sound.get();
        return {std::move(mp2), std::move(mp3), std::move(sound)};
    }
};

// The "Testing..." window as a record of what it showed.
struct FakeTestWindow : SoundTestView
{
    bool shown = false;
    int shows = 0;
    QList<int> progress;

    void showTesting() override
    {
        shown = true;
        ++shows;
        progress.append(0);
    }
    void setTestingProgress(int value) override { progress.append(value); }
    void closeTesting() override { shown = false; }
    bool testingShown() const override { return shown; }
};
