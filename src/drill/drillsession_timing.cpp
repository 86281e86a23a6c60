// Stopwatch, gauge and mode: the steps behind the drill window's thinking-time controls.
#include "drillsession.h"

void DrillSession::toggleStopwatch()
{
    Step step(*this);
    if (engaged())
        disengage();
    else
        engage();
}

void DrillSession::disengageIfEngaged()
{
    Step step(*this);
    if (engaged())
        disengage();
}

void DrillSession::engage()
{
    if (m_gaugeChoice.value() == 0)
        setGauge();
    m_modeChoice.set(0);
    m_display.timerButton = text(u"vTimerStopBtn");
    m_display.stopwatchPanelVisible = true;
    m_display.lastOperation = text(u"vModeTimerStateLbl");
    m_countdown.set(2);
    m_timer1.setInterval(m_thinkingTime.value() * 1000);
    focus(DrillFocus::RevealButton);
    m_timer1.setEnabled(true);
    reset();
}

void DrillSession::disengage()
{
    m_timer1.setEnabled(false);
    m_timer2.setEnabled(false);
    m_timer3.setEnabled(false);
    m_display.timerButton = text(u"vTimerGoBtn");
    m_display.stopwatchPanelVisible = false;
    m_countdown.set(1);
    m_display.lastOperation = text(u"vModeWaitingStateLbl");
    m_display.outcome = QStringLiteral("Zzzzzz...");
    focus(DrillFocus::Answer);
    reset();
}

void DrillSession::countdownChanged(int position)
{
    if (position == 1)
        chronoOff();
    else
        chronoOn();
    refreshNow();
    m_links.sound.beep();
}

void DrillSession::chronoOn()
{
    m_gaugeChoice.set(m_settings.Jauge ? 0 : 1);
    m_display.errorCaptionVisible = true;
    m_display.errorCountVisible = true;
    if (!recording() && !m_state.Replaying) {
        m_display.modeChoiceEnabled = true;
        m_modeChoice.set(0);
    }
    focus(DrillFocus::Answer);
    m_display.gaugeChoiceEnabled = true;
    if (m_gaugeChoice.value() == 0)
        m_display.gaugeProgress = 0;
    m_state.Mental = false;
    m_display.mentalPanelVisible = false;
}

void DrillSession::chronoOff()
{
    m_display.modeChoiceEnabled = false;
    m_modeChoice.set(0);
    m_state.Mental = false;
    m_display.thinkingTimeEnabled = true;
    m_display.gaugeProgress = 0;
    m_timer1.setInterval(0);
    m_timer3.setInterval(0);
    focus(DrillFocus::Answer);
    m_display.errorCaptionVisible = true;
    m_display.errorCountVisible = true;
    m_display.lastCaptionVisible = true;
    m_display.mentalPanelVisible = false;
    m_display.gaugeChoiceEnabled = false;
}

void DrillSession::setGauge()
{
    const int seconds = m_thinkingTime.value();
    m_timer3.setInterval(kGaugeStepMs);
    m_display.gaugeMaximum = 10 * seconds - 2 * seconds;
    m_timer3.setEnabled(true);
    m_display.gaugeVisible = true;
    advanceGauge();
    m_settings.Jauge = true;
}

void DrillSession::advanceGauge()
{
    m_display.gaugeProgress = std::min(m_display.gaugeProgress + 1, m_display.gaugeMaximum);
}

void DrillSession::gaugeStep()
{
    if (m_soundPlaying)
        return;
    Step step(*this);
    advanceGauge();
}

int DrillSession::displayTimeMs() const
{
    const int position = m_displayTime.value();
    return position == 1 ? 300 : (position - 1) * 1000;
}

void DrillSession::gaugeChoiceChanged(int index)
{
    if (index == 1) {
        m_display.gaugeVisible = false;
        m_timer3.setEnabled(false);
        m_timer3.setInterval(0);
        m_display.gaugeProgress = 0;
        m_settings.Jauge = false;
    } else {
        setGauge();
    }
}

void DrillSession::thinkingTimeChanged(int seconds)
{
    m_timer1.setEnabled(false);
    m_display.gaugeMaximum = 8 * seconds;
    m_settings.Timer1 = qint8(seconds);
    m_timer1.setInterval(seconds * 1000);
    if (engaged())
        m_timer1.setEnabled(true);
    refreshNow();
    m_links.host.processEvents();
}

void DrillSession::displayTimeChanged(int position)
{
    m_settings.Timer2 = qint8(position);
    m_timer2.setInterval(0);
    focus(m_modeChoice.value() == 1 ? DrillFocus::RevealButton : DrillFocus::Answer);
    m_timer2.setInterval(displayTimeMs());
}

void DrillSession::showWrittenModeControls()
{
    m_display.answerReadOnly = false;
    m_display.mentalPanelVisible = false;
    m_display.errorCaptionVisible = true;
    m_display.errorCountVisible = true;
    m_display.markCaptionVisible = true;
}

void DrillSession::modeChoiceChanged(int index)
{
    refreshNow();
    m_links.host.processEvents();
    m_display.displayTimeVisible = !m_display.displayTimeVisible;
    if (index == 1) {
        m_display.answerReadOnly = true;
        m_state.Mental = true;
        m_display.lastOperation = text(u"vModeMentalStateLbl");
        m_display.outcome = QStringLiteral("No comment...");
        m_display.errorCaptionVisible = false;
        m_display.errorCountVisible = false;
        m_display.markCaptionVisible = false;
        m_display.markVisible = false;
    } else {
        m_timer2.setEnabled(false);
        showWrittenModeControls();
        m_state.Mental = false;
        focus(DrillFocus::Answer);
        m_display.outcome = QStringLiteral("Zzzzzz....");
        m_display.markVisible = true;
        m_display.lastOperation = text(u"vModeWrittenStateLbl");
    }
    if (m_settings.Bouton != 0) {
        refreshNow();
        m_links.sound.applySoundOption(); // as the sound dialog's OK, which ends on the answer field
        focus(DrillFocus::Answer);
    }
    reset();
}
