// The drill window's help panel, information panel and the hide-text links.
#include "calculatorui.h"
#include "drillwidgets.h"
#include "helpviewer.h"
#include "linklabel.h"
#include "tfcalculator.h"

void TFCalculator::openHelp()
{
    m_session->disengageIfEngaged();
    CalculatorUi &ui = *m_ui;
    for (QWidget *w : {static_cast<QWidget *>(ui.BitBtn1), static_cast<QWidget *>(ui.BitBtn6),
                       static_cast<QWidget *>(ui.BitBtn8), static_cast<QWidget *>(ui.BitBtn9),
                       static_cast<QWidget *>(ui.BitBtn10), static_cast<QWidget *>(ui.OpSel)})
        w->setEnabled(false);
    ui.Button1->hide();
    layoutHelpPanel();
    ui.Panel5->hide();
    ui.Panel14->raise();
    ui.htmlLite1->loadDocument(LanguageCatalog::helpDocument(m_state.folders, m_state.settings.Language));
    ui.BitBtn2->setDefault(false);
    ui.BitBtn4->setDefault(true);
    ui.Panel14->show();
    ui.htmlLite1->setFocus();
}

void TFCalculator::closeHelp()
{
    CalculatorUi &ui = *m_ui;
    ui.Label1->setText(m_texts.text(u"vHelpTopInfoLbl"));
    for (QWidget *w : {static_cast<QWidget *>(ui.BitBtn1), static_cast<QWidget *>(ui.BitBtn6),
                       static_cast<QWidget *>(ui.BitBtn8), static_cast<QWidget *>(ui.BitBtn9),
                       static_cast<QWidget *>(ui.BitBtn10), static_cast<QWidget *>(ui.OpSel)})
        w->setEnabled(true);
    ui.Button1->show();
    ui.Panel14->hide();
    ui.BitBtn4->setDefault(false);
    ui.BitBtn2->setDefault(true);
    ui.Panel5->show();
    ui.Ans->setFocus();
}

void TFCalculator::layoutHelpPanel()
{
    m_ui->arrange(size());
}

void TFCalculator::applyInformationTexts()
{
    CalculatorUi &ui = *m_ui;
    const Settings &settings = m_state.settings;
    ui.BitBtn4->setText(m_texts.text(u"vHelpCloseBtn"));
    ui.Label1->setText(m_texts.text(u"vHelpTopInfoLbl"));
    ui.Label16->setText(m_texts.text(u"vRightInfoText1Lbl"));
    ui.Label18->setText(m_texts.text(u"vRightInfoText2Lbl"));
    ui.Label19->setText(m_texts.text(u"vRightInfoText3Lbl"));
    ui.Label17->setText(m_texts.text(u"vLeftInfoTextTopLbl"));
    ui.Label25->setText(m_texts.text(u"vLeftInfoTextBotLbl"));
    ui.Label17->setVisible(!settings.HideTextLeft);
    ui.Label25->setVisible(!settings.HideTextLeft);
    ui.Label26->setText(m_texts.text(settings.HideTextLeft ? u"vViewInfoLbl" : u"vHideTextLbl"));
    ui.Image4->setVisible(settings.HideTextRight);
    ui.Image6->setVisible(settings.HideTextRight);
    ui.Label27->setText(m_texts.text(settings.HideTextRight ? u"vViewInfoLbl" : u"vHideTextLbl"));
    ui.Label27->raise(); // stays clickable above the cover pictures
}

void TFCalculator::toggleLeftTexts()
{
    Settings &settings = m_state.settings;
    m_ui->Label17->setVisible(settings.HideTextLeft);
    m_ui->Label25->setVisible(settings.HideTextLeft);
    m_ui->Label26->setText(m_texts.text(settings.HideTextLeft ? u"vHideTextLbl" : u"vViewInfoLbl"));
    settings.HideTextLeft = !settings.HideTextLeft;
}

void TFCalculator::toggleRightTexts()
{
    Settings &settings = m_state.settings;
    m_ui->Image4->setVisible(!settings.HideTextRight);
    m_ui->Image6->setVisible(!settings.HideTextRight);
    m_ui->Label27->setText(m_texts.text(settings.HideTextRight ? u"vHideTextLbl" : u"vViewInfoLbl"));
    m_ui->Label27->raise();
    m_ui->Label27->repaint();
    settings.HideTextRight = !settings.HideTextRight;
}
