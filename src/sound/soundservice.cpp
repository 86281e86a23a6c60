#include "soundservice.h"

#include "apperror.h"
#include "pathresolve.h"
#include "soundfiles.h"

#include <QApplication>

SoundService::SoundService(ProgramState &state, SoundDevices devices)
    : m_context(state, std::move(devices)), m_options(m_context)
{
}

bool SoundService::playEvent(int event)
{
    const std::optional<QString> path = m_context.entryPath(event);
    if (!path)
        return false;
    try {
        m_context.playToEnd(*path);
    } catch (const AppError &) {
        return false;
    }
    return true;
}

void SoundService::makeSound(int event)
{
    if (m_context.Bouton() == 0)
        return;
    // An event without an entry plays nothing; a file that cannot be played gives the beep, so
    // the child still hears that the answer was judged.
    if (m_context.entryPath(event) && !playEvent(event))
        beep();
}

void SoundService::playMentalSound()
{
    m_context.audio().playInBackground(resolvePath(m_context.folders().program, QStringLiteral("Default.wav")));
}

void SoundService::beep()
{
    QApplication::beep();
}

void SoundService::applySoundOption()
{
    m_options.setSelection(m_context.Bouton());
    m_options.BitBtn1Click();
}

bool SoundService::playStartSound()
{
    return playEvent(1);
}

bool SoundService::playQuitSound()
{
    return playEvent(7);
}

void SoundService::resetCurrentSequence(const QString &lastLine, bool repaintStartWindow)
{
    const int n = m_options.display().selection;
    m_context.Bouton() = qint8(n);
    m_context.message(QStringLiteral("Problem: file(s) not found! Please edit sequence \"%1\" now.\r\n%2")
                          .arg(m_context.title(n), lastLine));
    if (repaintStartWindow && m_context.links.repaintStartWindow)
        m_context.links.repaintStartWindow();
    m_context.CurrentSequence = SoundFiles::ResetSequence(m_context.folders());
    if (n >= 1 && n <= SoundFiles::kSequenceCount)
        SoundFiles::SaveSequence(m_context.folders(), n, m_context.CurrentSequence);
}

void SoundService::PlayWelcomeSound()
{
    m_options.setSelection(m_context.Bouton()); // its error ends the show step
    m_context.closePlayers();
    if (m_context.Bouton() == 0)
        return;
    try {
        m_context.CurrentSequence = SoundFiles::LoadSequence(m_context.folders(), m_options.display().selection);
        // Without an audio output the sound cannot play whatever the files hold: the activate
        // step's device check says so, and the sequence is not reset for it.
        if (m_welcomeSoundPending && m_context.audio().outputDeviceCount() > 0) {
            const std::optional<QString> path = m_context.entryPath(0);
            if (!path)
                throw AppError(QStringLiteral("The sequence has no welcome sound."));
            MediaPlayer &player = m_context.MP2();
            player.setFileName(*path);
            player.close();
            m_context.playToEnd(*path);
            m_welcomeSoundPending = false;
        }
    } catch (const AppError &) {
        resetCurrentSequence(QStringLiteral("This sequence was reset to sound defaults."), false);
    }
}

void SoundService::TestSoundFiles()
{
    const SoundLinks &links = m_context.links;
    if (links.processEvents)
        links.processEvents();
    m_options.setSelection(m_context.Bouton()); // its error ends the check here
    m_context.closePlayers();
    if (m_context.Bouton() != 0) {
        SoundTestView *testing = links.testWindow;
        try {
            if (links.repaintStartWindow)
                links.repaintStartWindow();
            m_context.CurrentSequence = SoundFiles::LoadSequence(m_context.folders(), m_options.display().selection);
            if (m_welcomeSoundPending) {
                if (testing)
                    testing->showTesting();
                int progress = 0;
                // Repairs stay in memory until the sequence is next loaded.
                m_context.repairEntries([&] {
                    if (testing)
                        testing->setTestingProgress(++progress);
                });
                if (testing)
                    testing->closeTesting();
                if (links.repaintStartWindow)
                    links.repaintStartWindow();
            }
        } catch (const AppError &) {
            if (testing && testing->testingShown())
                testing->closeTesting();
            resetCurrentSequence(QStringLiteral("This sequence has been reset to sound defaults."), true);
        }
    }
    m_welcomeSoundPending = true;
}
