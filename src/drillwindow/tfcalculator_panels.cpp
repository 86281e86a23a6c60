// The drill window's help panel, information panel and the hide-text links.
#include "calculatorui.h"
#include "drillwidgets.h"
#include "helpviewer.h"
#include "infotextlabel.h"
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
    ui.BitBtn4->setText(m_texts.text(u"vHelpCloseBtn"));
    ui.Label1->setText(m_texts.text(u"vHelpTopInfoLbl"));
    ui.Label16->setInfoText(m_texts.text(u"vRightInfoText1Lbl"));
    ui.placeKeyPictures();
    ui.Label18->setText(m_texts.text(u"vRightInfoText2Lbl"));
    ui.Label19->setText(m_texts.text(u"vRightInfoText3Lbl"));
    ui.Label17->setText(m_texts.text(u"vLeftInfoTextTopLbl"));
    ui.Label25->setText(m_texts.text(u"vLeftInfoTextBotLbl"));
}

void TFCalculator::renderHideStates(const DrillDisplay &shown)
{
    CalculatorUi &ui = *m_ui;
    const auto linkText = [this](bool hidden) { return m_texts.text(hidden ? u"vViewInfoLbl" : u"vHideTextLbl"); };
    ui.Label17->setVisible(!shown.leftTextsHidden);
    ui.Label25->setVisible(!shown.leftTextsHidden);
    ui.Label26->setText(linkText(shown.leftTextsHidden));
    if (ui.Image4->isHidden() == shown.rightTextsHidden) {
        ui.Image4->setVisible(shown.rightTextsHidden);
        ui.Image6->setVisible(shown.rightTextsHidden);
        ui.Label27->raise(); // stays visible and clickable above the cover pictures
    }
    ui.Label27->setText(linkText(shown.rightTextsHidden));
}
