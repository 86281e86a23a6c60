#include "tfcalculator.h"

#include "calculatorui.h"
#include "drillannouncer.h"
#include "drillwidgets.h"
#include "gradient.h"
#include "helpviewer.h"
#include "linklabel.h"
#include "qttimerbackend.h"
#include "tablechoice.h"
#include "trecorddlg.h"
#include "userinterface.h"

#include <QApplication>
#include <QKeyEvent>

TFCalculator::TFCalculator(ProgramState &state, DrillSound &sound, const QString &title, QWidget *parent)
    : LazyDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                             | Qt::WindowCloseButtonHint),
      m_state(state), m_texts(Captions::designTime(CaptionSections::FCalculator))
{
    setObjectName(QStringLiteral("FCalculator"));
    setModal(true);
    setFont(UserInterface::pixelFont(QStringLiteral("Arial"), 13));
    resize(CalculatorUi::kDesignSize);
    setMinimumSize(CalculatorUi::kDesignSize);
    m_gradient = CalculatorUi::makeBackground(this);

    m_timer1 = std::make_unique<QtTimerBackend>([this] { step([this] { m_session->thinkingTimeOut(); }); });
    m_timer2 = std::make_unique<QtTimerBackend>([this] { step([this] { m_session->displayTimeOut(); }); });
    m_timer3 = std::make_unique<QtTimerBackend>([this] { step([this] { m_session->gaugeStep(); }); });
    m_session = std::make_unique<DrillSession>(DrillSession::Links{state.settings, state.LBChoice, state.LBRange,
                                                                   state.random, *this, sound, *m_timer1, *m_timer2,
                                                                   *m_timer3});
    applyCaptions(); // the French design texts, until the language file is read

    // Creation step.
    LoadCaptions();
    setCalculatorColor(state.settings.CalcColor);
    setWindowTitle(title);
    m_session->created();
}

void TFCalculator::buildControls()
{
    m_ui = std::make_unique<CalculatorUi>(this, m_gradient, m_state.folders);
    m_announcer = std::make_unique<DrillAnnouncer>(*m_ui, this);
    m_ui->loadPictures(m_state.folders);
    connectControls();
    // What the creation step and the steps since have set, as controls made at creation would show it.
    applyCaptions();
    setCalculatorColor(m_look.calculator);
    showTopBarColours();
    setSoundButtonEnabled(m_look.soundButtonEnabled);
    if (m_look.soundButtonOn)
        setSoundButtonOn(*m_look.soundButtonOn);
    render(m_session->display());
    arrangeControls();
}

TFCalculator::~TFCalculator() = default;

void TFCalculator::setLinks(Links links)
{
    m_links = std::move(links);
}

void TFCalculator::setRecordingDialogs(TRecordDlg *record, TAfterRecordDlg *afterRecord)
{
    m_recordDlg = record;
    m_afterRecordDlg = afterRecord;
}

DrillSession &TFCalculator::session()
{
    return *m_session;
}

TGradient *TFCalculator::gradient() const
{
    return m_gradient;
}

void TFCalculator::step(const std::function<void()> &work)
{
    UserInterface::runStep(this, work);
}

void TFCalculator::connectControls()
{
    CalculatorUi &ui = *m_ui;
    DrillSession &s = *m_session;
    const auto on = [this](auto *sender, auto signal, auto work) {
        connect(sender, signal, this, [this, work] { step(work); });
    };
    connect(ui.Ans, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_session->setAnswerText(text);
        render(m_session->display());
    });
    for (int digit = 0; digit <= 9; ++digit)
        on(ui.digitKeys[digit], &QPushButton::clicked, [&s, digit] { s.appendDigit(digit); });
    on(ui.BitBtn2, &QPushButton::clicked, [&s] { s.confirmAnswer(); });
    on(ui.BitBtn11, &QPushButton::clicked, [&s] { s.clearAnswer(); });
    on(ui.SpeedButton11, &QPushButton::clicked, [&s] { s.showAnswer(); });
    on(ui.BitBtn7, &QPushButton::clicked, [&s] { s.recordButton(); });
    on(ui.BitBtn3, &QPushButton::clicked, [&s] { s.reset(); });
    on(ui.BitBtn12, &QPushButton::clicked, [&s] { s.toggleStopwatch(); });
    on(ui.Button1, &QPushButton::clicked, [&s] { s.revealNow(); });
    connect(ui.SpinEdit1, &QSpinBox::valueChanged, this, [this](int v) { step([this, v] { m_session->setThinkingTime(v); }); });
    connect(ui.TrackBar2, &QSlider::valueChanged, this,
            [this](int v) { step([this, v] { m_session->setDisplayTimePosition(v); }); });
    connect(ui.gaugeChoice, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            step([this, id] { m_session->setGaugeChoice(id); });
    });
    connect(ui.modeChoice, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            step([this, id] { m_session->setModeChoice(id); });
    });
    connect(ui.OpSel, &QComboBox::currentIndexChanged, this,
            [this](int index) { step([this, index] { m_session->selectOperation(index); }); });
    on(ui.OpSel, &OperationList::popupAboutToShow, [&s] { s.operationListOpened(); });

    // However the dialog closes (OK, Cancel, Escape), the keyboard focus comes back here.
    const auto openDialog = [this](const std::function<void()> &open) {
        m_session->disengageIfEngaged();
        if (open)
            open();
        m_session->focusAfterDialog();
    };
    on(ui.BitBtn6, &QPushButton::clicked, [this, openDialog] { openDialog(m_links.openExpertOptions); });
    on(ui.BitBtn8, &QPushButton::clicked, [this, openDialog] { openDialog(m_links.openSoundOptions); });
    on(ui.BitBtn10, &QPushButton::clicked, [this, openDialog] { openDialog(m_links.openScreenColours); });
    on(ui.BitBtn9, &QPushButton::clicked, [this] { openHelp(); });
    on(ui.BitBtn4, &QPushButton::clicked, [this] { closeHelp(); });
    on(ui.Label26, &LinkLabel::clicked, [&s] { s.toggleLeftTexts(); });
    on(ui.Label27, &LinkLabel::clicked, [&s] { s.toggleRightTexts(); });
    on(ui.BitBtn1, &QPushButton::clicked, [this] {
        m_session->closing();
        accept();
    });
}

// ---- Texts -------------------------------------------------------------------------------

void TFCalculator::LoadCaptions()
{
    m_texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), CaptionSections::FCalculator);
    applyCaptions();
}

void TFCalculator::applyCaptions()
{
    if (!controlsBuilt()) {
        m_session->setTexts(m_texts);
        return; // the controls take them when they are made
    }
    CalculatorUi &ui = *m_ui;
    const auto t = [this](const char16_t *key) { return m_texts.text(key); };
    ui.BitBtn1->setText(t(u"vCaptionBtn1"));
    ui.BitBtn6->setText(t(u"vCaptionBtn6"));
    ui.BitBtn8->setText(t(u"vCaptionBtn8"));
    ui.BitBtn10->setText(t(u"vCaptionBtn10"));
    ui.BitBtn9->setText(t(u"vCaptionBtn9"));
    ui.BitBtn2->setCaption(t(u"vCaptionBtn2"));
    ui.BitBtn2->setAccessibleName(t(u"vCaptionBtn2"));
    ui.Label13->setText(t(u"vLastCalcLbl"));
    ui.Label24->setText(t(u"vCounterLbl"));
    ui.Label7->setText(t(u"vOperationLbl"));
    ui.Label9->setText(t(u"vErrorsLbl"));
    ui.Label22->setText(t(u"vAverageLbl"));
    ui.BitBtn3->setText(t(u"vResetBtn"));
    ui.GroupBox1->setTitle(t(u"vThinkTimeCaption"));
    ui.SpinEdit1->setAccessibleName(t(u"vThinkTimeCaption").trimmed());
    ui.RadioGroup1->setTitle(t(u"vGaugeCaption"));
    ui.gaugeVisibleItem->setText(t(u"vGaugeVisibleItem"));
    ui.gaugeHiddenItem->setText(t(u"vGaugeHiddenItem"));
    ui.RadioGroup2->setTitle(t(u"vModeCaption"));
    ui.modeWrittenItem->setText(t(u"vModeWrittenItem"));
    ui.modeMentalItem->setText(t(u"vModeMentalItem"));
    ui.GroupBox2->setTitle(t(u"vDispAnswerCaption"));
    ui.TrackBar2->setAccessibleName(t(u"vDispAnswerCaption").trimmed());
    m_session->setTexts(m_texts);
    m_announcer->setCaptions(m_texts);
}

QString TFCalculator::helpTitleText() const
{
    return m_texts.text(u"vHelpTopInfoLbl");
}

QString TFCalculator::helpCloseText() const
{
    return m_texts.text(u"vHelpCloseBtn");
}

// ---- Colours -----------------------------------------------------------------------------

namespace {
QColor toColor(ColorValue c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
} // namespace

void TFCalculator::setTopBarColor(ColorValue color)
{
    m_look.topBarLeft = m_look.topBarRight = color;
    showTopBarColours();
}

void TFCalculator::setTopBarLeftColor(ColorValue color)
{
    m_look.topBarLeft = color;
    showTopBarColours();
}

void TFCalculator::showTopBarColours()
{
    if (!controlsBuilt())
        return;
    if (m_look.topBarLeft)
        m_ui->setPanelColor(m_ui->Panel16, toColor(*m_look.topBarLeft));
    if (m_look.topBarRight) {
        m_ui->setPanelColor(m_ui->Panel17, toColor(*m_look.topBarRight));
        m_ui->setPanelColor(m_ui->Panel18, toColor(*m_look.topBarRight));
    }
}

void TFCalculator::setGaugeColor(ColorValue color)
{
    step([this, color] { m_session->setGaugeColor(color); });
}

void TFCalculator::setCalculatorColor(ColorValue color)
{
    m_look.calculator = color;
    if (controlsBuilt())
        m_ui->setPanelColor(m_ui->Panel13, toColor(color));
}

void TFCalculator::setSoundButtonEnabled(bool enabled)
{
    m_look.soundButtonEnabled = enabled;
    if (controlsBuilt())
        m_ui->BitBtn8->setEnabled(enabled);
}

void TFCalculator::setSoundButtonOn(bool on)
{
    m_look.soundButtonOn = on;
    if (controlsBuilt())
        m_ui->BitBtn8->setIcon(on ? m_ui->soundOn : m_ui->soundOff);
}

int TFCalculator::operationIndex() const
{
    return controlsBuilt() ? m_ui->OpSel->currentIndex() : -1;
}

// ---- Showing, presenting and closing -----------------------------------------------------

void TFCalculator::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // restored from the task bar: not an opening
    step([this] { FormShow(); });
    step([this] { FormActivate(); });
}

void TFCalculator::fillOperationList()
{
    const TableChoice::OperationModes modes = TableChoice::loadOperationModes(m_state.folders, m_state.settings.Language);
    const QSignalBlocker blocker(m_ui->OpSel);
    m_ui->OpSel->clear();
    m_ui->OpSel->addItems(modes.names);
    m_ui->OpSel->setCurrentIndex(modes.selected);
}

void TFCalculator::FormShow()
{
    fillOperationList();
    m_session->shown(m_ui->OpSel->currentIndex());
    applyInformationTexts();
}

void TFCalculator::FormActivate()
{
    m_session->presentOperation();
}

void TFCalculator::done(int result)
{
    step([this] { FormClose(); });
    QDialog::done(result);
}

void TFCalculator::FormClose()
{
    if (controlsBuilt() && m_ui->Panel14->isVisible())
        closeHelp();
    m_session->closing();
}

void TFCalculator::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return; // the drill window is left with its back button or close box only
    if (event->key() == Qt::Key_F9 && m_links.openProgress) {
        step([this] {
            m_session->disengageIfEngaged();
            m_links.openProgress();
            m_session->focusAfterDialog();
        });
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFCalculator::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (controlsBuilt())
        arrangeControls();
}

void TFCalculator::arrangeControls()
{
    m_ui->arrange(size());
    m_ui->setPanelColor(m_ui->Panel8, m_ui->Panel17->palette().color(QPalette::Window));
}

// ---- The engine's host -------------------------------------------------------------------

void TFCalculator::refresh()
{
    if (controlsBuilt())
        render(m_session->display());
}

void TFCalculator::processEvents()
{
    QCoreApplication::processEvents();
}

void TFCalculator::openRecordDialog()
{
    if (m_recordDlg)
        m_recordDlg->exec();
}

bool TFCalculator::recordDialogVisible() const
{
    return m_recordDlg && m_recordDlg->isVisible();
}

void TFCalculator::closeRecordDialog()
{
    if (recordDialogVisible())
        m_recordDlg->done(QDialog::Accepted);
}

void TFCalculator::openAfterRecordDialog()
{
    if (m_afterRecordDlg)
        m_afterRecordDlg->exec();
}

bool TFCalculator::afterRecordDialogVisible() const
{
    return m_afterRecordDlg && m_afterRecordDlg->isVisible();
}

void TFCalculator::closeAfterRecordDialog()
{
    if (afterRecordDialogVisible())
        m_afterRecordDlg->done(QDialog::Accepted);
}

void TFCalculator::showEraseMessage()
{
    UserInterface::showMessage(this, m_afterRecordDlg ? m_afterRecordDlg->eraseMessage() : QString());
}
