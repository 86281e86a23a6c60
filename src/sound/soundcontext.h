#pragma once

#include "mediaplayer.h"
#include "programstate.h"

#include <QStringList>
#include <functional>
#include <optional>

// The "Testing..." window of the start-up file check.
class SoundTestView
{
public:
    virtual ~SoundTestView() = default;
    virtual void showTesting() = 0; // shown without blocking, progress 0
    virtual void setTestingProgress(int value) = 0;
    virtual void closeTesting() = 0;
    virtual bool testingShown() const = 0;
};

// What the sound steps do to the windows around them. Any link may be left empty.
struct SoundLinks
{
    std::function<void(const QString &text)> message; // a plain message box
    std::function<void(bool on)> setSoundButtonOn;     // the drill window's loudspeaker picture
    std::function<void()> disableSoundButton;          // the drill window's sound button
    std::function<void()> repaintStartWindow;
    std::function<void()> processEvents;               // lets waiting window events be handled
    SoundTestView *testWindow = nullptr;
};

// What every sound step shares for the whole run: the two players, the in-memory sequence, the
// titles and event names, and the links to the windows.
class SoundContext
{
public:
    SoundContext(ProgramState &state, SoundDevices devices);

    ProgramState &state;
    QStringList CurrentSequence;
    QStringList SequenceTitles;
    QStringList EventNames;
    QString browserFile; // the file selected in the editor's file browser
    SoundLinks links;

    MediaPlayer &MP2() { return *m_devices.MP2; }
    MediaPlayer &MP3() { return *m_devices.MP3; }
    AudioSystem &audio() { return *m_devices.audio; }
    const DataFolders &folders() const { return state.folders; }
    qint8 &Bouton() { return state.settings.Bouton; }

    // The current sequence file: taken from a sequence number 1 to 5; other numbers keep it.
    void takeCurrentSequenceFile(int n);
    QString currentSequenceFile() const { return m_currentFile; }
    // Loads CurrentSequence from the current sequence file, or writes it there.
    void loadCurrentSequence();
    void saveCurrentSequence();

    // The file of entry 'event' of CurrentSequence; none when the sequence is shorter.
    std::optional<QString> entryPath(int event) const;
    // Sequence player: set the file name, open, close. False when the open fails.
    bool canOpen(const QString &path);
    // Replaces every entry whose file the sequence player cannot open by the default sound;
    // 'progress' runs after each entry.
    void repairEntries(const std::function<void()> &progress);
    // Sequence player: set the file name, open, wait mode, play, close. Throws AppError.
    void playToEnd(const QString &path);
    // The sequence player, then the preview player.
    void closePlayers();

    // The title of sequence n, empty when the titles do not reach it.
    QString title(int n) const;

    // The audio device check: without an output, the sound button is disabled, the user is told
    // and sound goes off (Bouton 0).
    void TestAudio();

    void message(const QString &text) const;
    void setSoundButtonOn(bool on) const;

private:
    SoundDevices m_devices;
    QString m_currentFile;
};
