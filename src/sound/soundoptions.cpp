#include "soundoptions.h"

#include "apperror.h"
#include "soundcontext.h"
#include "soundfiles.h"

SoundOptions::SoundOptions(SoundContext &context) : m_context(context)
{
    m_display.items = m_context.SequenceTitles;
}

void SoundOptions::refresh()
{
    if (m_view)
        m_view->showOptions(m_display);
}

void SoundOptions::setSelection(int n)
{
    if (n == m_display.selection)
        return;
    m_display.selection = n;
    RadioGroup1Click();
}

void SoundOptions::setItem(int n, const QString &title)
{
    if (n < 0)
        return;
    // A titles file with fewer lines gets empty titles up to this one.
    while (m_context.SequenceTitles.size() <= n)
        m_context.SequenceTitles.append(QString());
    m_context.SequenceTitles[n] = title;
    m_display.items = m_context.SequenceTitles;
    refresh();
}

void SoundOptions::FormActivate()
{
    m_context.SequenceTitles = SoundFiles::LoadTitles(m_context.folders());
    m_display.items = m_context.SequenceTitles;
    refresh();
    setSelection(m_context.Bouton());
    showSelectionState();
    refresh();
}

void SoundOptions::showSelectionState()
{
    const bool sound = m_display.selection != 0;
    m_display.listenEnabled = sound;
    m_display.editEnabled = sound;
    m_context.setSoundButtonOn(sound);
    m_display.noticeVisible = !sound;
}

void SoundOptions::RadioGroup1Click()
{
    const int n = m_display.selection;
    if (n == 0) {
        m_display.listenEnabled = false;
        m_display.editEnabled = false;
        m_display.okEnabled = true;
        m_display.noticeVisible = true;
        refresh();
        return;
    }
    m_display.listenEnabled = false;
    m_display.editEnabled = false;
    m_display.okEnabled = false;
    m_display.noticeVisible = false;
    refresh();
    m_context.CurrentSequence = SoundFiles::LoadSequence(m_context.folders(), n);

    m_display.progress = 0;
    m_display.progressVisible = true;
    m_display.status = QStringLiteral("Testing...");
    refresh();
    m_context.repairEntries([this] {
        ++m_display.progress;
        refresh();
    });
    m_display.progressVisible = false;
    m_display.status.clear();
    m_context.Bouton() = qint8(n);
    SoundFiles::SaveSequence(m_context.folders(), n, m_context.CurrentSequence);
    m_display.listenEnabled = true;
    m_display.editEnabled = true;
    m_display.okEnabled = true;
    m_display.noticeVisible = false;
    refresh();
}

void SoundOptions::loadFromBouton()
{
    m_context.takeCurrentSequenceFile(m_context.Bouton());
    if (m_context.Bouton() != 0)
        m_context.loadCurrentSequence();
}

void SoundOptions::BitBtn8Click()
{
    m_context.closePlayers();
    loadFromBouton();
    m_display.listenEnabled = false;
    m_display.editEnabled = false;
    m_display.listEnabled = false;
    m_display.okEnabled = false;
    m_display.progress = 0;
    m_display.progressVisible = true;
    m_display.status = QStringLiteral("Playing...");
    refresh();

    // A sound that cannot play is told once at the end; the buttons come back in any case.
    QString failure;
    for (int k = 0; k < SoundFiles::kEventCount; ++k) {
        const std::optional<QString> path = m_context.entryPath(k);
        if (!path) {
            if (failure.isEmpty())
                failure = QStringLiteral("This sequence has no sound for event %1.").arg(k + 1);
        } else {
            m_context.MP2().setFileName(*path);
            m_context.closePlayers();
            try {
                m_context.MP2().open();
                m_context.MP2().setWait(true);
                m_context.MP2().play();
            } catch (const AppError &error) {
                if (failure.isEmpty())
                    failure = error.text();
            }
        }
        ++m_display.progress;
        refresh();
    }

    m_display.listenEnabled = true;
    m_display.editEnabled = true;
    m_display.listEnabled = true;
    m_display.okEnabled = true;
    m_display.progressVisible = false;
    m_display.status.clear();
    m_context.MP2().setFileName(m_context.browserFile);
    refresh();
    if (!failure.isEmpty())
        m_context.message(failure);
}

void SoundOptions::BitBtn3Click()
{
    m_context.closePlayers();
    loadFromBouton();
    if (m_view)
        m_view->openEditor();
}

void SoundOptions::BitBtn1Click()
{
    m_context.Bouton() = qint8(m_display.selection);
    if (m_context.Bouton() != 0) {
        m_context.TestAudio();
        m_context.setSoundButtonOn(true);
    } else {
        m_context.setSoundButtonOn(false);
    }
    m_context.takeCurrentSequenceFile(m_context.Bouton());
    if (m_context.Bouton() != 0)
        m_context.loadCurrentSequence();
    // The focus goes back to the drill window's answer field through the caller: the drill
    // window after its dialog, the drill engine after a change of mode.
}
