// Puts the drill engine's display on the window's controls.
#include "calculatorui.h"
#include "drillannouncer.h"
#include "drillwidgets.h"
#include "tfcalculator.h"
#include "userinterface.h"

namespace {

QColor lastOperationColor(LastOperationColor color)
{
    switch (color) {
    case LastOperationColor::Right:
        return QColor(0, 128, 0);
    case LastOperationColor::Wrong:
        return QColor(255, 0, 0);
    case LastOperationColor::Grey:
        break;
    }
    return QColor(128, 128, 128);
}

void setText(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

void TFCalculator::render(const DrillDisplay &shown)
{
    CalculatorUi &ui = *m_ui;
    // The engine already ran the change steps; the controls only follow.
    const QSignalBlocker blockSpin(ui.SpinEdit1), blockSlider(ui.TrackBar2), blockGauge(ui.gaugeChoice),
        blockMode(ui.modeChoice), blockList(ui.OpSel);

    setText(ui.F1, shown.firstOperand);
    setText(ui.Label2, shown.operatorText);
    setText(ui.F2, shown.secondOperand);
    if (ui.Ans->text() != shown.answer)
        ui.Ans->setText(shown.answer);
    ui.Ans->setReadOnly(shown.answerReadOnly);
    ui.BitBtn2->setEnabled(shown.enterEnabled());

    setText(ui.Label12, shown.lastOperation);
    UserInterface::setColor(ui.Label12, QPalette::WindowText, lastOperationColor(shown.lastOperationColor));
    setText(ui.Label6, shown.outcome);
    ui.Label13->setVisible(shown.lastCaptionVisible);
    setText(ui.Label8, shown.operationCount);
    setText(ui.Label10, shown.errorCount);
    ui.Label9->setVisible(shown.errorCaptionVisible);
    ui.Label10->setVisible(shown.errorCountVisible);
    setText(ui.Label11, shown.mark);
    ui.Label11->setVisible(shown.markVisible);
    ui.Label22->setVisible(shown.markCaptionVisible);

    ui.BitBtn7->setCaption(shown.recordCaption);
    ui.BitBtn12->setText(shown.timerButton);
    ui.Panel7->setVisible(shown.stopwatchPanelVisible);
    ui.Panel9->setVisible(shown.mentalPanelVisible);
    // The record key lies under the mental-mode panel too: Tab must not reach it there.
    ui.BitBtn7->setFocusPolicy(shown.mentalPanelVisible ? Qt::NoFocus : Qt::StrongFocus);
    ui.GroupBox2->setVisible(shown.displayTimeVisible);
    const QIcon &speaker = shown.soundOn ? ui.soundOn : ui.soundOff;
    if (ui.BitBtn8->icon().cacheKey() != speaker.cacheKey())
        ui.BitBtn8->setIcon(speaker);

    ui.SpinEdit1->setValue(shown.thinkingTime);
    ui.SpinEdit1->setEnabled(shown.thinkingTimeEnabled);
    ui.TrackBar2->setValue(shown.displayTimePosition);
    ui.gaugeChoice->button(shown.gaugeChoice)->setChecked(true);
    ui.RadioGroup1->setEnabled(shown.gaugeChoiceEnabled);
    ui.modeChoice->button(shown.modeChoice)->setChecked(true);
    ui.RadioGroup2->setEnabled(shown.modeChoiceEnabled);
    if (ui.OpSel->currentIndex() != shown.operationIndex && shown.operationIndex < ui.OpSel->count())
        ui.OpSel->setCurrentIndex(shown.operationIndex);

    ui.Gauge1->setMaximum(shown.gaugeMaximum);
    ui.Gauge1->setValue(shown.gaugeProgress);
    ui.Gauge1->setVisible(shown.gaugeVisible);
    ui.Gauge1->setFillColor(QColor(redOf(shown.gaugeColor), greenOf(shown.gaugeColor), blueOf(shown.gaugeColor)));

    renderHideStates(shown);
    applyFocus(shown);
    m_announcer->render(shown);
}

void TFCalculator::applyFocus(const DrillDisplay &shown)
{
    if (shown.focusRequests == m_appliedFocusRequests)
        return;
    m_appliedFocusRequests = shown.focusRequests;
    switch (shown.focus) {
    case DrillFocus::Answer:
        m_ui->Ans->setFocus();
        break;
    case DrillFocus::RevealButton:
        m_ui->Button1->setFocus();
        break;
    case DrillFocus::OperationList:
        m_ui->OpSel->setFocus();
        break;
    case DrillFocus::None:
        break;
    }
}
