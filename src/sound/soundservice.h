#pragma once

#include "drillhost.h"
#include "soundcontext.h"
#include "soundoptions.h"

// The program's sounds: the drill's outcome sounds, the start window's welcome, start and quit
// sounds, and the start-up checks of the audio device and the sequence's files. It holds the
// shared sound state and the steps of the sound options dialog, which run with or without it.
class SoundService : public DrillSound
{
public:
    SoundService(ProgramState &state, SoundDevices devices);

    SoundContext &context() { return m_context; }
    SoundOptions &options() { return m_options; }
    void setLinks(SoundLinks links) { m_context.links = std::move(links); }

    // Drill window.
    void makeSound(int event) override; // MakeSound
    void playMentalSound() override;
    void beep() override;
    void applySoundOption() override;

    // Start window.
    bool welcomeSoundPending() const { return m_welcomeSoundPending; }
    void setWelcomeSoundPending(bool pending) { m_welcomeSoundPending = pending; }
    void PlayWelcomeSound();
    // The start and quit sounds; false when the sound could not be played.
    bool playStartSound();
    bool playQuitSound();
    void TestAudio() { m_context.TestAudio(); }
    void TestSoundFiles();

private:
    bool playEvent(int event);
    // Bouton from the list, the failure message, and the sequence reset in memory and in its file.
    void resetCurrentSequence(const QString &lastLine, bool repaintStartWindow);

    SoundContext m_context;
    SoundOptions m_options;
    bool m_welcomeSoundPending = true; // set by the start window's create step
};
