#include "soundcontext.h"

#include "apperror.h"
#include "soundfiles.h"

SoundContext::SoundContext(ProgramState &state, SoundDevices devices)
    : state(state), SequenceTitles(SoundFiles::builtinTitles()), EventNames(SoundFiles::builtinEventNames()),
      m_devices(std::move(devices))
{
}

void SoundContext::takeCurrentSequenceFile(int n)
{
    if (n >= 1 && n <= SoundFiles::kSequenceCount)
        m_currentFile = SoundFiles::currentSequenceFileName(n);
}

void SoundContext::loadCurrentSequence()
{
    if (m_currentFile.isEmpty())
        return;
    CurrentSequence = SoundFiles::loadUserLines(folders(), m_currentFile);
}

void SoundContext::saveCurrentSequence()
{
    if (!m_currentFile.isEmpty())
        SoundFiles::saveUserLines(folders(), m_currentFile, CurrentSequence);
}

std::optional<QString> SoundContext::entryPath(int event) const
{
    if (event < 0 || event >= CurrentSequence.size())
        return std::nullopt;
    return SoundFiles::ResolveSoundEntry(CurrentSequence.at(event), folders());
}

bool SoundContext::canOpen(const QString &path)
{
    MediaPlayer &player = MP2();
    player.setFileName(path);
    try {
        player.open();
    } catch (const AppError &) {
        return false;
    }
    player.close();
    return true;
}

void SoundContext::repairEntries(const std::function<void()> &progress)
{
    for (qsizetype k = 0; k < CurrentSequence.size(); ++k) {
        if (!canOpen(SoundFiles::ResolveSoundEntry(CurrentSequence.at(k), folders())))
            CurrentSequence[k] = SoundFiles::defaultEntry(folders());
        if (progress)
            progress();
    }
}

void SoundContext::playToEnd(const QString &path)
{
    MediaPlayer &player = MP2();
    player.setFileName(path);
    player.open();
    player.setWait(true);
    try {
        player.play();
    } catch (...) {
        player.close();
        throw;
    }
    player.close();
}

void SoundContext::closePlayers()
{
    MP2().close();
    MP3().close();
}

QString SoundContext::title(int n) const
{
    return n >= 0 && n < SequenceTitles.size() ? SequenceTitles.at(n) : QString();
}

void SoundContext::TestAudio()
{
    if (audio().outputDeviceCount() > 0)
        return;
    if (links.disableSoundButton)
        links.disableSoundButton();
    message(QStringLiteral("No audio device on this system !"));
    Bouton() = 0;
}

void SoundContext::message(const QString &text) const
{
    if (links.message)
        links.message(text);
}

void SoundContext::setSoundButtonOn(bool on) const
{
    if (links.setSoundButtonOn)
        links.setSoundButtonOn(on);
}
