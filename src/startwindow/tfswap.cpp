#include "tfswap.h"

#include "tablechoice.h"
#include "userinterface.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>

namespace {

constexpr int kLowest = 1;
constexpr int kHighest = 12;

// A number that only its arrows change, one step at a time: the text cannot be typed into,
// and page keys step by one like the arrows.
class ArrowsOnlySpinBox : public QSpinBox
{
public:
    explicit ArrowsOnlySpinBox(QWidget *parent) : QSpinBox(parent)
    {
        lineEdit()->setReadOnly(true);
        lineEdit()->setObjectName(QStringLiteral("Edit1"));
        setRange(kLowest, kHighest);
        setWrapping(false);
    }

    void stepBy(int steps) override { QSpinBox::stepBy(steps > 0 ? 1 : -1); }
};

QFont arial(bool bold = false)
{
    return UserInterface::pixelFont(QStringLiteral("Arial"), 13, bold);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    UserInterface::setColor(widget, QPalette::WindowText, color);
}

QFrame *framedPanel(QWidget *parent, const char *name, QRect geometry)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    return panel;
}

} // namespace

TFSwap::TFSwap(ProgramState &state, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_state(state),
      m_texts(Captions::designTime(CaptionSections::FSwap))
{
    setObjectName(QStringLiteral("FSwap"));
    setFixedSize(289, 188);
    setFont(arial());

    QFrame *panel1 = framedPanel(this, "Panel1", {6, 6, 277, 74});
    m_Label1 = new QLabel(panel1);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_Label1->setGeometry(8, 4, 196, 66);
    m_Label1->setWordWrap(true);
    m_RadioButton1 = new QRadioButton(panel1);
    m_RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    m_RadioButton1->setGeometry(210, 12, 62, 22);
    m_RadioButton2 = new QRadioButton(panel1);
    m_RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    m_RadioButton2->setGeometry(210, 40, 62, 22);
    for (QRadioButton *button : {m_RadioButton1, m_RadioButton2}) {
        button->setFont(arial(true));
        setTextColor(button, QColor(0x80, 0x00, 0x00));
    }

    QFrame *panel2 = framedPanel(this, "Panel2", {6, 86, 277, 56});
    m_Label2 = new QLabel(panel2);
    m_Label2->setObjectName(QStringLiteral("Label2"));
    m_Label2->setGeometry(8, 4, 196, 48);
    m_Label2->setWordWrap(true);
    m_UpDown1 = new ArrowsOnlySpinBox(panel2);
    m_UpDown1->setObjectName(QStringLiteral("UpDown1"));
    m_UpDown1->setGeometry(210, 14, 58, 26);

    m_Label3 = new QLabel(this);
    m_Label3->setObjectName(QStringLiteral("Label3"));
    m_Label3->setGeometry(8, 148, 190, 34);
    m_Label3->setWordWrap(true);
    setTextColor(m_Label3, QColor(0x00, 0x00, 0x80));

    // The toolkit's own OK caption, without a button box: the first button box of a run loads
    // the icon theme, which costs more than the rest of this dialog.
    m_BitBtn1 = new QPushButton(QCoreApplication::translate("QPlatformTheme", "OK"), this);
    m_BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_BitBtn1->setGeometry(206, 152, 75, 28);
    m_BitBtn1->setDefault(true);
    connect(m_BitBtn1, &QPushButton::clicked, this, [this] { UserInterface::runStep(this, [this] { BitBtn1Click(); }); });

    // Each change of the tick changes Inversion at once.
    connect(m_RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_state.settings.Inversion = true;
    });
    connect(m_RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_state.settings.Inversion = false;
    });

    applyCaptions();
    // The create step.
    (m_state.settings.Inversion ? m_RadioButton1 : m_RadioButton2)->setChecked(true);
    LoadCaptions();
}

void TFSwap::LoadCaptions()
{
    m_texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), CaptionSections::FSwap);
}

void TFSwap::applyCaptions()
{
    setWindowTitle(m_texts.text(u"vFSWapCaption"));
    m_Label1->setText(m_texts.text(u"vCrossMultiplicatorsLbl"));
    m_RadioButton1->setText(m_texts.text(u"vCrossYesRadioBtnCaption"));
    m_RadioButton2->setText(m_texts.text(u"vCrossNoRadioBtnCaption"));
    m_Label2->setText(m_texts.text(u"vSmallestMultiplicatorLbl"));
    m_Label3->setText(m_texts.text(u"vSeeHelpFileLbl"));
}

int TFSwap::smallestMultiplier() const
{
    return m_UpDown1->value();
}

void TFSwap::setSmallestMultiplier(int multiplier)
{
    m_UpDown1->setValue(qBound(kLowest, multiplier, kHighest));
}

void TFSwap::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // A number that did not go through OK does not last.
    setSmallestMultiplier(m_state.settings.Range);
    applyCaptions();
}

void TFSwap::BitBtn1Click()
{
    m_state.settings.Range = qint8(smallestMultiplier());
    m_state.LBRange = TableChoice::multipliersFrom(m_state.settings.Range);
    if (isVisible())
        accept();
}
