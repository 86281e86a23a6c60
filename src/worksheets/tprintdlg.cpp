#include "tprintdlg.h"

#include "inifile.h"
#include "pathresolve.h"
#include "reportengine.h"
#include "settingsstore.h"
#include "textfile.h"
#include "userinterface.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

QFont arial(int pixels)
{
    return UserInterface::pixelFont(QStringLiteral("Arial"), pixels);
}

QRadioButton *radioButton(QWidget *parent, const char *name, QRect geometry)
{
    auto *button = new QRadioButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(arial(13));
    return button;
}

QPushButton *pushButton(QWidget *parent, const char *name, QRect geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(arial(13));
    return button;
}

} // namespace

TPrintDlg::TPrintDlg(ProgramState &state, QWidget *parent)
    : LazyDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_state(state),
      m_texts(Captions::designTime(CaptionSections::PrintDlg)), m_printStep(state.random),
      m_engine(std::make_unique<ReportEngine>(this))
{
    setObjectName(QStringLiteral("PrintDlg"));
    setFixedSize(354, 235);
    setFont(UserInterface::pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    UserInterface::setColor(this, QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    UserInterface::setColor(this, QPalette::WindowText, Qt::black);

    // The create step; the controls wait for the first opening.
    LoadCaptions();
    m_printStep.resetDrawState();
}

void TPrintDlg::buildControls()
{
    m_Bevel1 = new QFrame(this);
    m_Bevel1->setObjectName(QStringLiteral("Bevel1"));
    m_Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_Bevel1->setGeometry(8, 8, 338, 136);

    m_RadioButton3 = radioButton(this, "RadioButton3", {20, 14, 320, 22});
    m_OperBox = new QComboBox(this);
    m_OperBox->setObjectName(QStringLiteral("OperBox"));
    m_OperBox->setGeometry(42, 38, 153, 22);
    m_OperBox->setFont(arial(12));
    m_RadioButton2 = radioButton(this, "RadioButton2", {20, 66, 320, 22});
    m_RadioButton1 = radioButton(this, "RadioButton1", {20, 90, 320, 22});
    m_RadioButton4 = radioButton(this, "RadioButton4", {20, 114, 320, 22});
    m_RadioButton3->setChecked(true); // the four form one group: they share this parent

    m_RadioGroup1 = new QGroupBox(this);
    m_RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    m_RadioGroup1->setGeometry(8, 150, 228, 78);
    m_RadioGroup1->setFont(arial(13));
    m_screenItem = radioButton(m_RadioGroup1, "RadioGroup1Item0", {10, 22, 100, 22});
    m_paperItem = radioButton(m_RadioGroup1, "RadioGroup1Item1", {10, 48, 100, 22});
    m_screenItem->setChecked(true);

    // The print button stands in the right half of the output group's frame.
    m_OKBtn = pushButton(this, "OKBtn", {128, 186, 100, 27});
    m_OKBtn->setDefault(true);
    m_OKBtn->setIcon(UserInterface::pictureIcon(m_state.folders, QStringLiteral("greentick")));
    m_CancelBtn = pushButton(this, "CancelBtn", {244, 186, 100, 27});
    m_CancelBtn->setIcon(UserInterface::pictureIcon(m_state.folders, QStringLiteral("cross")));

    connect(m_OKBtn, &QPushButton::clicked, this, [this] { UserInterface::runStep(this, [this] { OKBtnClick(); }); });
    connect(m_CancelBtn, &QPushButton::clicked, this, &QDialog::reject); // Escape rejects as well

    applyCaptions();
}

TPrintDlg::~TPrintDlg() = default;

void TPrintDlg::setLinks(Links links)
{
    m_links = std::move(links);
}

void TPrintDlg::LoadCaptions()
{
    m_texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), CaptionSections::PrintDlg);
}

int TPrintDlg::showModal()
{
    makeControls(); // the show step fills them before the dialog is on screen
    FormShow();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    return exec();
}

void TPrintDlg::FormShow()
{
    setWindowTitle(m_texts.text(u"vPrintDlgCaption"));
    const QStringList modes =
        TextFile::readLines(LanguageCatalog::operationListFile(m_state.folders, m_state.settings.Language));
    m_OperBox->clear();
    m_OperBox->addItems(modes);
    selectOperation();
    applyCaptions();
}

void TPrintDlg::selectOperation()
{
    const int drillIndex = m_links.drillOperationIndex ? m_links.drillOperationIndex() : -1;
    if (drillIndex >= 0) {
        m_OperBox->setCurrentIndex(drillIndex < m_OperBox->count() ? drillIndex : -1);
        return;
    }
    IniFile settings(resolvePath(m_state.folders.user, SettingsStore::kSettingsFile));
    const int saved = SettingsStore::readOperation(settings);
    if (saved >= 0 && saved < m_OperBox->count()) {
        m_OperBox->setCurrentIndex(saved);
        return;
    }
    m_OperBox->setCurrentIndex(m_OperBox->count() > 0 ? 0 : -1);
    settings.WriteInteger(QStringLiteral("GLOBAL"), QStringLiteral("Operation"), 0);
}

void TPrintDlg::applyCaptions()
{
    m_RadioButton3->setText(m_texts.text(u"vRandomRBCaption"));
    m_RadioButton2->setText(m_texts.text(u"vNoAnswerRBCaption"));
    m_RadioButton1->setText(m_texts.text(u"vWithAnswerRBCaption"));
    m_RadioButton4->setText(m_texts.text(u"vGridRBCaption"));
    m_RadioGroup1->setTitle(m_texts.text(u"vRadioGroup1Caption"));
    m_screenItem->setText(m_texts.text(u"vRG1Item0Lbl"));
    m_paperItem->setText(m_texts.text(u"vRG1Item1Lbl"));
    m_OKBtn->setText(m_texts.text(u"vPrintBtnCaption"));
    m_CancelBtn->setText(m_texts.text(u"vCancelBtnCaption"));
}

PrintChoice TPrintDlg::choice() const
{
    PrintChoice choice;
    if (m_RadioButton3->isChecked())
        choice.sheet = SheetKind::Random;
    else if (m_RadioButton2->isChecked())
        choice.sheet = SheetKind::TablesWithoutAnswers;
    else if (m_RadioButton1->isChecked())
        choice.sheet = SheetKind::TablesWithAnswers;
    else
        choice.sheet = SheetKind::Grid;
    choice.output = m_paperItem->isChecked() ? SheetOutput::Paper : SheetOutput::Screen;
    const int operation = m_OperBox->currentIndex();
    choice.exercises = {m_state.LBChoice, m_state.LBRange, operation, m_state.settings.Inversion,
                        m_state.settings.Language};
    choice.operationText = operation >= 0 ? m_OperBox->currentText() : QString();
    choice.smallestMultiplier =
        qint16(m_links.smallestMultiplier ? m_links.smallestMultiplier() : m_state.settings.Range);
    return choice;
}

void TPrintDlg::OKBtnClick()
{
    ReportOutput &output = m_links.output ? *m_links.output : *m_engine;
    m_printStep.run(choice(), m_texts, m_links.reports, output);
    accept();
}
