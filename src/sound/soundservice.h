#pragma once

#include "drillhost.h"

// The program's sounds: the drill's outcome sounds, the start window's welcome, start and quit
// sounds, and the audio checks. Sound sequences are not played yet: every sequence sound is
// silent and every check passes; only the system beep sounds.
class SoundService : public DrillSound
{
public:
    // Drill window.
    void makeSound(int event) override;
    void playMentalSound() override;
    void beep() override;
    void applySoundOption() override;

    // Start window. Each returns false when the sound could not be played.
    bool playWelcomeSound();
    bool playStartSound();
    bool playQuitSound();
    // True when the machine has an audio output.
    bool testAudio();
    bool testSoundFiles();
};
