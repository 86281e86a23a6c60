#include "soundservice.h"

#include <QApplication>

void SoundService::makeSound(int) {}

void SoundService::playMentalSound() {}

void SoundService::beep()
{
    QApplication::beep();
}

void SoundService::applySoundOption() {}

bool SoundService::playWelcomeSound()
{
    return true;
}

bool SoundService::playStartSound()
{
    return true;
}

bool SoundService::playQuitSound()
{
    return true;
}

bool SoundService::testAudio()
{
    return true;
}

bool SoundService::testSoundFiles()
{
    return true;
}
