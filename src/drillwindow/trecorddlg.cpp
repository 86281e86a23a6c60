#include "trecorddlg.h"

#include "drillsession.h"
#include "userinterface.h"

#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

using UserInterface::pixelFont;

namespace {

const QString kArial = QStringLiteral("Arial");
constexpr Qt::WindowFlags kNoTitleButtons = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

QLabel *colouredLabel(QWidget *parent, const char *name, QRect geometry, const QFont &font, const QColor &color)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setFont(font);
    l->setWordWrap(true);
    UserInterface::setColor(l, QPalette::WindowText, color);
    return l;
}

QPushButton *button(QWidget *parent, const char *name, QRect geometry)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    return b;
}

// Button pictures are drawn at the first opening, which keeps start-up quick.
void setPictureOnce(QPushButton *button, const DataFolders &folders, const char *picture)
{
    if (button->icon().isNull())
        button->setIcon(UserInterface::pictureIcon(folders, QLatin1String(picture)));
}

// The number to record: every key steps by one step of 10, Page Up and Page Down included (a spin
// box would jump ten steps there).
class RecordTargetBox : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
            stepBy(event->key() == Qt::Key_PageUp ? 1 : -1);
            return;
        }
        QSpinBox::keyPressEvent(event);
    }
};

} // namespace

class TRecordDlg::Ui
{
public:
    QLabel *Label1, *Label2, *Label3;
    QSpinBox *UpDown1; // with its read-only number field Edit1
    QButtonGroup *choice;
    QRadioButton *RadioButton1, *RadioButton2, *RadioButton3;
    QPushButton *OKBtn;
};

TRecordDlg::TRecordDlg(ProgramState &state, DrillSession &session, QWidget *parent)
    : QDialog(parent, kNoTitleButtons), m_state(state), m_session(session),
      m_texts(Captions::designTime(CaptionSections::RecordDlg))
{
    setObjectName(QStringLiteral("RecordDlg"));
    setModal(true);
    setFixedSize(361, 140);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    LoadCaptions();
}

// The controls are made at the first opening, which keeps start-up quick.
void TRecordDlg::buildControls()
{
    m_ui = std::make_unique<Ui>();
    auto *box = new QFrame(this);
    box->setGeometry(8, 8, 345, 82);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Ui &ui = *m_ui;
    ui.Label1 = colouredLabel(box, "Label1", {6, 8, 104, 20}, pixelFont(kArial, 13), Qt::black);
    ui.Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui.UpDown1 = new RecordTargetBox(box);
    ui.UpDown1->setObjectName(QStringLiteral("UpDown1"));
    ui.UpDown1->setGeometry(114, 6, 58, 24);
    ui.UpDown1->setRange(DrillSession::kMinRecordTarget, DrillSession::kMaxRecordTarget);
    ui.UpDown1->setSingleStep(10);
    ui.UpDown1->setWrapping(false);
    QLineEdit *Edit1 = ui.UpDown1->findChild<QLineEdit *>();
    Edit1->setReadOnly(true); // only the arrows change the number
    Edit1->setObjectName(QStringLiteral("Edit1"));
    ui.UpDown1->setAccessibleName(QStringLiteral("Number to record"));
    ui.Label2 = colouredLabel(box, "Label2", {40, 36, 130, 34}, pixelFont(kArial, 12), QColor(0x80, 0, 0));
    ui.Label2->setText(QStringLiteral("Min.:  10\nMax.: 100"));
    ui.Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);
    ui.choice = new QButtonGroup(this);
    const struct { QRadioButton **button; const char *name; RecordMode mode; } radios[] = {
        {&ui.RadioButton1, "RadioButton1", RecordMode::NextOperations},
        {&ui.RadioButton2, "RadioButton2", RecordMode::NextErrors},
        {&ui.RadioButton3, "RadioButton3", RecordMode::Stop},
    };
    for (int i = 0; i < 3; ++i) {
        auto *r = new QRadioButton(box);
        r->setObjectName(QLatin1String(radios[i].name));
        r->setGeometry(180, 6 + i * 24, 160, 22);
        r->setFont(pixelFont(kArial, 13));
        ui.choice->addButton(r, int(radios[i].mode));
        *radios[i].button = r;
    }
    ui.Label3 = colouredLabel(this, "Label3", {10, 96, 240, 36}, pixelFont(kArial, 13), QColor(0, 0, 0x80));
    ui.OKBtn = button(this, "OKBtn", {272, 104, 80, 27});
    ui.OKBtn->setIcon(UserInterface::pictureIcon(m_state.folders, QStringLiteral("greentick")));
    ui.OKBtn->setText(QStringLiteral("OK"));
    ui.OKBtn->setDefault(true);
    connect(ui.OKBtn, &QPushButton::clicked, this, [this] { UserInterface::runStep(this, [this] { OKBtnClick(); }); });
}

TRecordDlg::~TRecordDlg() = default;

void TRecordDlg::LoadCaptions()
{
    m_texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), CaptionSections::RecordDlg);
}

void TRecordDlg::showEvent(QShowEvent *event)
{
    if (!m_ui) {
        buildControls();
        for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            child->show();
    }
    Ui &ui = *m_ui;
    UserInterface::centreOnScreen(this);
    setWindowTitle(m_texts.text(u"vRecordDlgCaption"));
    ui.RadioButton1->setText(m_texts.text(u"vNextOpRBCaption"));
    ui.RadioButton2->setText(m_texts.text(u"vNextErrRBCaption"));
    ui.RadioButton3->setText(m_texts.text(u"vNoRecRBCaption"));
    ui.Label1->setText(m_texts.text(u"vRecNextLbl"));
    ui.Label3->setText(m_texts.text(u"vInfoLbl"));
    // The choice and the number are the engine's; they stay between openings.
    ui.choice->button(int(m_session.recordMode()))->setChecked(true);
    ui.UpDown1->setValue(m_session.recordTarget());
    ui.OKBtn->setFocus();
    QDialog::showEvent(event);
}

void TRecordDlg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return; // left through OK only
    QDialog::keyPressEvent(event);
}

void TRecordDlg::OKBtnClick()
{
    m_session.setRecordChoice(RecordMode(m_ui->choice->checkedId()), m_ui->UpDown1->value());
    m_session.recordChoiceConfirmed();
    if (isVisible())
        accept();
}

class TAfterRecordDlg::Ui
{
public:
    QLabel *Label1;
    QPushButton *OKBtn, *CancelBtn;
};

TAfterRecordDlg::TAfterRecordDlg(ProgramState &state, DrillSession &session, QWidget *parent)
    : QDialog(parent, kNoTitleButtons), m_state(state), m_session(session), m_ui(std::make_unique<Ui>()),
      m_texts(Captions::designTime(CaptionSections::AfterRecordDlg))
{
    setObjectName(QStringLiteral("AfterRecordDlg"));
    setModal(true);
    setFixedSize(244, 125);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    auto *box = new QFrame(this);
    box->setGeometry(8, 8, 228, 109);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Ui &ui = *m_ui;
    ui.Label1 = colouredLabel(box, "Label1", {8, 6, 212, 44}, pixelFont(kArial, 13), Qt::black);
    ui.Label1->setAlignment(Qt::AlignCenter);
    ui.OKBtn = button(box, "OKBtn", {10, 66, 98, 30});
    ui.OKBtn->setDefault(true);
    ui.CancelBtn = button(box, "CancelBtn", {120, 66, 98, 30});
    ui.CancelBtn->setAutoDefault(false);
    connect(ui.OKBtn, &QPushButton::clicked, this,
            [this] { UserInterface::runStep(this, [this] { m_session.review(); }); });
    connect(ui.CancelBtn, &QPushButton::clicked, this, &TAfterRecordDlg::reject);
    LoadCaptions();
}

TAfterRecordDlg::~TAfterRecordDlg() = default;

void TAfterRecordDlg::LoadCaptions()
{
    m_texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), CaptionSections::AfterRecordDlg);
}

QString TAfterRecordDlg::eraseMessage() const
{
    return m_texts.text(u"vEraseOperationsMsg");
}

void TAfterRecordDlg::showEvent(QShowEvent *event)
{
    setPictureOnce(m_ui->OKBtn, m_state.folders, "greentick");
    setPictureOnce(m_ui->CancelBtn, m_state.folders, "cross");
    UserInterface::centreOnScreen(this);
    setWindowTitle(m_texts.text(u"vAfterRecordDlgCaption"));
    m_ui->Label1->setText(m_texts.text(u"vWhatToDoLbl"));
    m_ui->OKBtn->setText(m_texts.text(u"vOKCaptionBtn"));
    m_ui->CancelBtn->setText(m_texts.text(u"vCancelCaptionBtn"));
    m_ui->OKBtn->setFocus();
    QDialog::showEvent(event);
}

void TAfterRecordDlg::reject()
{
    // The erase hides this dialog itself; a second reject while erasing must not erase again.
    if (!isVisible())
        return;
    UserInterface::runStep(this, [this] { m_session.erase(); });
}
