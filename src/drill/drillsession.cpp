#include "drillsession.h"

#include "mark.h"
#include "operation.h"
#include "randomsource.h"

#include <QScopedValueRollback>

namespace {
constexpr int kOutcomeTextLength = 20;
} // namespace

DrillSession::DrillSession(const Links &links)
    : m_links(links), m_settings(links.settings), m_texts(Captions::designTime(CaptionSections::FCalculator)),
      m_timer1(links.thinkingTimer), m_timer2(links.displayTimer), m_timer3(links.gaugeTimer)
{
    m_thinkingTime.onChange([this](int v) { thinkingTimeChanged(v); });
    m_displayTime.onChange([this](int v) { displayTimeChanged(v); });
    m_gaugeChoice.onChange([this](int v) { gaugeChoiceChanged(v); });
    m_modeChoice.onChange([this](int v) { modeChoiceChanged(v); });
    m_countdown.onChange([this](int v) { countdownChanged(v); });
    m_display.gaugeMaximum = 8 * m_thinkingTime.value();
}

void DrillSession::setTexts(const Captions &texts)
{
    m_texts = texts;
}

QString DrillSession::text(QStringView key) const
{
    return m_texts.text(key);
}

QString DrillSession::outcomeText(Outcome outcome) const
{
    static const char16_t *const keys[] = {u"vResultRightLbl", u"vResultWrongLbl", u"vResultRightLateLbl",
                                           u"vResultWrongLateLbl", u"vResultLateLbl"};
    return text(keys[int(outcome) - int(Outcome::Right)]).left(kOutcomeTextLength);
}

QString DrillSession::markLabel() const
{
    return m_state.MarkText + u' ' + text(u"vAverageCalc");
}

QString DrillSession::operationWithAnswer() const
{
    return m_state.FirstText + u' ' + m_state.Operator + u' ' + m_state.SecondText + QStringLiteral(" = ")
           + QString::number(m_state.Expected);
}

void DrillSession::focus(DrillFocus target)
{
    m_display.focus = target;
    ++m_display.focusRequests;
}

void DrillSession::focusAfterDialog()
{
    Step step(*this);
    focus(m_state.Mental ? DrillFocus::RevealButton : DrillFocus::Answer);
}

void DrillSession::setGaugeColor(ColorValue color)
{
    Step step(*this);
    m_display.gaugeColor = color;
}

void DrillSession::refreshNow()
{
    m_display.thinkingTime = m_thinkingTime.value();
    m_display.displayTimePosition = m_displayTime.value();
    m_display.gaugeChoice = m_gaugeChoice.value();
    m_display.modeChoice = m_modeChoice.value();
    m_display.gaugeProgress = std::clamp(m_display.gaugeProgress, 0, m_display.gaugeMaximum);
    if (m_stepDepth == 0 && !m_spoken.isEmpty()) {
        m_display.announcement = m_spoken.take();
        ++m_display.announcements;
    }
    m_links.host.refresh();
}

// ---- Window life -------------------------------------------------------------------------

void DrillSession::created()
{
    m_state.OpCount = 0;
    m_state.ErrCount = 0;
    m_state.Replaying = false;
}

void DrillSession::shown(int savedOperationIndex)
{
    Step step(*this);
    m_display.operationIndex = savedOperationIndex;
    m_display.timerButton = text(u"vTimerGoBtn");
    m_display.mark = markLabel();
    m_display.lastOperation = text(u"vModeWaitingStateLbl");
    m_display.outcome = text(u"vResultWaitLbl");
    m_display.errorCaptionVisible = true;
    if (m_settings.Jauge) {
        m_gaugeChoice.set(0);
        m_display.gaugeVisible = true;
    } else {
        m_gaugeChoice.set(1);
        m_display.gaugeVisible = false;
    }
    m_state.Mental = false;
    m_display.errorCountVisible = true;
    m_display.leftTextsHidden = m_settings.HideTextLeft;
    m_display.rightTextsHidden = m_settings.HideTextRight;
}

void DrillSession::toggleLeftTexts()
{
    Step step(*this);
    m_settings.HideTextLeft = !m_settings.HideTextLeft;
    m_display.leftTextsHidden = m_settings.HideTextLeft;
}

void DrillSession::toggleRightTexts()
{
    Step step(*this);
    m_settings.HideTextRight = !m_settings.HideTextRight;
    m_display.rightTextsHidden = m_settings.HideTextRight;
}

void DrillSession::presentOperation()
{
    Step step(*this);
    if (!m_state.Replaying) {
        m_display.operationIndex =
            Operation::chooseOperator(m_state, m_display.operationIndex, m_settings.Language, m_links.random);
        m_display.operatorText = m_state.Operator;
    }
    m_display.soundOn = m_settings.Bouton != 0;
    ++m_state.OpCount;
    m_display.mentalPanelVisible = m_state.Mental;
    m_display.gaugeProgress = 0;
    if (m_countdown.value() == 2)
        m_timer1.restart(m_thinkingTime.value() * 1000);
    m_displayTime.set(m_settings.Timer2);
    m_display.gaugeColor = m_settings.Couleur;
    m_thinkingTime.set(m_settings.Timer1);
    m_display.errorCount = QString::number(m_state.ErrCount);
    m_display.answer.clear();
    drawOrReplay();
    if (!m_state.Mental)
        focus(DrillFocus::Answer);
}

void DrillSession::drawOrReplay()
{
    if (m_state.Replaying) {
        const QString line = m_recorded.value(0);
        if (line.isEmpty()) {
            // The review is over: erase, then go on with drawn operations counted from 1.
            m_state.Replaying = false;
            erase();
            presentOperation();
            return;
        }
        Operation::replay(m_state, line);
        m_recorded.removeFirst();
        m_display.operatorText = m_state.Operator;
    } else {
        Operation::draw(m_state,
                        {m_links.tables, m_links.multipliers, m_display.operationIndex, m_settings.Inversion},
                        m_links.random);
    }
    m_display.firstOperand = m_state.FirstText;
    m_display.secondOperand = m_state.SecondText;
    m_answerShown = false;
    m_answerLog->operationShown();
    m_spoken.add(m_state.FirstText + u' ' + m_state.Operator + u' ' + m_state.SecondText);
}

void DrillSession::closing()
{
    Step step(*this);
    if (engaged()) {
        m_display.stopwatchPanelVisible = false;
        m_display.timerButton = text(u"vTimerGoBtn");
    }
    m_state.Mental = false;
    // The window reopens in written mode, so the mode choice and what it governs follow Mental
    // back; without its change step, which would reset the counters and present an operation.
    if (m_modeChoice.value() == 1) {
        m_modeChoice.restore(0);
        m_display.displayTimeVisible = false;
        showWrittenModeControls();
    }
    m_timer1.setEnabled(false);
    m_timer2.setEnabled(false);
    m_timer3.setEnabled(false);
    if (recording())
        erase();
}

// ---- Answer field and keypad -----------------------------------------------------------

bool DrillSession::isAcceptableAnswer(const QString &text)
{
    return text.size() <= kAnswerLength && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
}

void DrillSession::setAnswerText(const QString &text)
{
    if (!m_state.Mental && isAcceptableAnswer(text))
        m_display.answer = text;
}

void DrillSession::appendDigit(int digit)
{
    Step step(*this);
    if (!m_state.Mental && m_display.answer.size() < kAnswerLength)
        m_display.answer += QString::number(digit); // nothing is typed in mental mode
}

void DrillSession::clearAnswer()
{
    Step step(*this);
    m_display.answer.clear();
    focus(DrillFocus::Answer);
}

void DrillSession::confirmAnswer()
{
    Step step(*this);
    const bool right = m_display.answer.toInt() == m_state.Expected;
    showCalcString(right ? Outcome::Right : Outcome::Wrong);
    m_display.markVisible = true;
    m_display.operationCount = QString::number(m_state.OpCount);
    if (m_countdown.value() == 2)
        m_timer1.restart(m_thinkingTime.value() * 1000);
    if (m_recordMode == RecordMode::NextErrors && answerDiffersFromExpected())
        ++m_state.RecCount;
    else if (m_recordMode == RecordMode::NextOperations)
        ++m_state.RecCount;
    calcMark();
    m_display.answer.clear();
    m_display.mark = markLabel();
    presentOperation();
}

void DrillSession::showAnswer()
{
    Step step(*this);
    m_display.lastOperation = text(u"vModeClickEnterStateLbl");
    m_display.answer = QString::number(Operation::answerOfShownOperands(m_state));
    m_answerShown = true;
    m_spoken.add(m_display.answer);
    m_spoken.add(m_display.lastOperation);
}

void DrillSession::revealNow()
{
    Step step(*this);
    m_display.answer = QString::number(m_state.Expected);
    m_timer1.setInterval(1);
}

// ---- Judging -----------------------------------------------------------------------------

bool DrillSession::answerDiffersFromExpected() const
{
    return m_display.answer != QString::number(m_state.Expected);
}

void DrillSession::reportAnswer(Verdict verdict, const QString &typed)
{
    JudgedAnswer judged;
    const bool multiply = m_state.Operator == Operation::kTimes;
    judged.operation = multiply ? FactOperation::Multiply : FactOperation::Divide;
    judged.table = m_state.Table;
    // A division shows table × multiplier ÷ table; its expected answer is the multiplier.
    judged.multiplier = multiply ? m_state.Multiplier : m_state.Expected;
    judged.replayed = m_state.Replaying;
    // A replayed line keeps no crossing: its first operand counts as the multiplier.
    judged.crossed = multiply && !m_state.Replaying && m_state.FirstText.toInt() != m_state.Multiplier;
    judged.verdict = m_answerShown ? Verdict::Revealed : verdict;
    judged.answer = typed;
    m_answerLog->answerJudged(judged);
}

void DrillSession::showCalcString(Outcome outcome)
{
    static constexpr Verdict kVerdicts[] = {Verdict::Right, Verdict::Wrong, Verdict::RightLate,
                                            Verdict::WrongLate, Verdict::NothingTyped};
    reportAnswer(kVerdicts[int(outcome) - int(Outcome::Right)], m_display.answer);
    QString comment = outcomeText(outcome);
    if (comment.isEmpty())
        comment = QStringLiteral("xxxxx");
    if (m_display.answer.isEmpty())
        m_display.answer = QStringLiteral("00");
    if (m_display.answer.toInt() == m_state.Expected) {
        m_display.lastOperationColor = LastOperationColor::Right;
    } else {
        m_display.lastOperationColor = LastOperationColor::Wrong;
        ++m_state.ErrCount;
        m_display.errorCount = QString::number(m_state.ErrCount);
    }
    m_display.lastOperation = operationWithAnswer();
    m_display.outcome = comment;
    m_spoken.add(comment);
    m_spoken.add(m_display.lastOperation);
    refreshNow();
    // Timers that fire while the sound blocks are dropped; the step restarts the countdown after it.
    // The flag is cleared however the sound ends, so a failing sound cannot stop the clocks for good.
    const QScopedValueRollback soundPlaying(m_soundPlaying, true);
    m_links.sound.makeSound(int(outcome));
}

void DrillSession::calcMark()
{
    m_state.Mark = Mark::compute(m_state.ErrCount, m_state.OpCount);
    m_state.MarkText = Mark::text(m_state.Mark, m_locale);
    recordAndMaybeEnd();
}

void DrillSession::thinkingTimeOut()
{
    if (m_inThinkingTimeOut || m_soundPlaying)
        return; // delivered while this step lets events through, or during a blocking sound
    Step step(*this);
    const QScopedValueRollback inThisStep(m_inThinkingTimeOut, true);
    refreshNow();
    m_links.host.processEvents();
    if (m_state.Mental) {
        focus(DrillFocus::RevealButton);
        m_timer2.setInterval(0);
        m_timer2.setEnabled(false);
        m_display.operationCount = QString::number(m_state.OpCount);
        if (m_gaugeChoice.value() == 0) {
            m_display.gaugeVisible = true;
            advanceGauge();
        }
        m_timer1.setInterval(0);
        m_timer2.setInterval(displayTimeMs());
        m_timer2.setEnabled(true);
        m_display.answer = QString::number(m_state.Expected);
        reportAnswer(Verdict::Revealed, QString());
        m_spoken.add(operationWithAnswer());
        if (m_settings.Bouton != 0) {
            refreshNow();
            m_links.sound.playMentalSound();
        }
    } else {
        Outcome outcome = Outcome::Late;
        if (!m_display.answer.isEmpty())
            outcome = m_display.answer.toInt() == m_state.Expected ? Outcome::RightLate : Outcome::WrongLate;
        if (m_recordMode == RecordMode::NextErrors && outcome != Outcome::RightLate)
            ++m_state.RecCount;
        if (m_recordMode == RecordMode::NextOperations)
            ++m_state.RecCount;
        showCalcString(outcome);
        m_display.operationCount = QString::number(m_state.OpCount);
        calcMark();
        m_display.markVisible = true;
        m_display.mark = markLabel();
        presentOperation();
    }
}

void DrillSession::displayTimeOut()
{
    if (m_soundPlaying)
        return;
    Step step(*this);
    m_timer1.setInterval(0);
    m_timer2.setInterval(0);
    presentOperation();
}

// ---- Counters and operation mode -------------------------------------------------------

void DrillSession::resetCounters()
{
    m_display.markVisible = false;
    m_state.OpCount = 0;
    m_state.ErrCount = 0;
    m_display.operationCount = QStringLiteral("0");
    m_display.errorCount = QStringLiteral("0");
    refreshNow();
    focus(m_modeChoice.value() == 1 ? DrillFocus::RevealButton : DrillFocus::Answer);
    m_display.gaugeProgress = 0;
    m_timer1.setInterval(0);
}

void DrillSession::reset()
{
    Step step(*this);
    resetCounters();
    presentOperation();
}

void DrillSession::selectOperation(int index)
{
    if (index == m_display.operationIndex)
        return;
    Step step(*this);
    m_display.operationIndex = index;
    presentOperation();
}

void DrillSession::operationListOpened()
{
    Step step(*this);
    disengageIfEngaged();
    focus(DrillFocus::OperationList);
}
