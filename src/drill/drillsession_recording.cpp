// Recording the next operations or errors, and reviewing them.
#include "drillsession.h"

#include "operation.h"

void DrillSession::setRecordChoice(RecordMode mode, int target)
{
    m_recordMode = mode;
    m_recordTarget = std::clamp(target, int(kMinRecordTarget), int(kMaxRecordTarget));
}

void DrillSession::recordButton()
{
    Step step(*this);
    if (engaged())
        disengage();
    m_countdown.set(1);
    chronoOff();
    refreshNow();
    m_links.host.openRecordDialog();
    m_state.OpCount = 0;
    m_state.ErrCount = 0;
    m_display.operationCount = QStringLiteral("0");
    m_display.errorCount = QStringLiteral("0");
    presentOperation();
}

void DrillSession::recordChoiceConfirmed()
{
    Step step(*this);
    if (recording()) {
        m_display.recordCaption = QStringLiteral("Rec");
        m_recorded.clear();
        m_state.RecCount = 0;
    } else {
        m_display.recordCaption.clear();
        if (!m_recorded.isEmpty()) {
            m_links.host.closeRecordDialog();
            refreshNow();
            m_links.host.openAfterRecordDialog();
        }
    }
    if (m_links.host.recordDialogVisible()) {
        focus(m_state.Mental ? DrillFocus::RevealButton : DrillFocus::Answer);
        m_links.host.closeRecordDialog();
    }
}

// Counting, in the answer and timeout steps; appending and the end of a recording, after the mark.
void DrillSession::recordAndMaybeEnd()
{
    if (!recording())
        return;
    if (m_state.RecCount <= m_recordTarget) {
        if (m_recordMode == RecordMode::NextOperations || answerDiffersFromExpected())
            m_recorded.append(Operation::recordedLine(m_state));
    }
    if (m_state.RecCount == m_recordTarget && !m_links.host.afterRecordDialogVisible()) {
        if (m_display.answer == QLatin1StringView("00"))
            m_display.answer.clear();
        m_timer1.setInterval(0);
        m_timer3.setInterval(0);
        m_countdown.set(1);
        chronoOff();
        m_display.errorCount = QString::number(m_state.ErrCount);
        refreshNow();
        m_links.host.openAfterRecordDialog();
    }
}

void DrillSession::review()
{
    Step step(*this);
    if (engaged())
        disengage();
    m_display.recordCaption = QStringLiteral("Playing");
    resetCounters();
    m_recordMode = RecordMode::Stop;
    m_links.host.closeAfterRecordDialog();
    m_state.Replaying = true;
}

void DrillSession::erase()
{
    Step step(*this);
    m_display.recordCaption.clear();
    m_recorded.clear();
    m_state.RecCount = 0;
    m_recordMode = RecordMode::Stop;
    recordChoiceConfirmed();
    m_state.Replaying = false;
    if (m_links.host.afterRecordDialogVisible())
        m_links.host.closeAfterRecordDialog();
    m_countdown.set(1);
    reset();
    refreshNow();
    m_links.host.showEraseMessage();
    if (engaged())
        disengage();
    m_state.OpCount = 0;
}
