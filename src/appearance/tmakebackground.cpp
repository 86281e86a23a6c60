#include "tmakebackground.h"

#include "qtcolourchooser.h"
#include "userinterface.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

using UserInterface::make;

constexpr Qt::WindowFlags kNoTitleButtons = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

} // namespace

struct TMakeBackGround::Controls
{
    QFrame *Bevel1;
    QPushButton *BitBtn1;  // start colour
    QPushButton *BitBtn2;  // middle colour
    QCheckBox *CheckBox1;  // over BitBtn2: the double gradient
    QPushButton *BitBtn3;  // end colour
    QPushButton *BitBtn4;  // OK
};

TMakeBackGround::TMakeBackGround(ProgramState &state, ColourTargets &targets, QWidget *parent,
                                 std::unique_ptr<ColourChooser> chooser)
    : LazyDialog(parent, kNoTitleButtons), m_state(state),
      m_chooser(chooser ? std::move(chooser) : std::make_unique<QtColourChooser>(this)),
      m_steps(targets, *m_chooser), m_texts(Captions::designTime(CaptionSections::MakeBackGround))
{
    setObjectName(QStringLiteral("MakeBackGround"));
    setModal(true);
    setFixedSize(177, 152);
    setFont(UserInterface::pixelFont(QStringLiteral("MS Sans Serif"), 11));
    // The create step.
    LoadCaptions();
}

TMakeBackGround::~TMakeBackGround() = default;

void TMakeBackGround::LoadCaptions()
{
    m_texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), CaptionSections::MakeBackGround);
}

void TMakeBackGround::applyCaptions()
{
    setWindowTitle(m_texts.text(u"vMakeBackGroundCaption"));
    m_ui->BitBtn1->setText(m_texts.text(u"vTopColBtn"));
    m_ui->BitBtn2->setText(m_texts.text(u"vMidColBtn"));
    m_ui->BitBtn3->setText(m_texts.text(u"vEndColBtn"));
}

void TMakeBackGround::step(const std::function<void()> &work)
{
    UserInterface::runStep(this, work);
}

void TMakeBackGround::buildControls()
{
    m_ui = std::make_unique<Controls>();
    Controls &ui = *m_ui;
    ui.Bevel1 = make<QFrame>(this, "Bevel1", {8, 8, 161, 101});
    ui.Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ui.BitBtn1 = make<QPushButton>(this, "BitBtn1", {16, 16, 145, 25});
    ui.BitBtn2 = make<QPushButton>(this, "BitBtn2", {16, 46, 145, 25});
    ui.BitBtn3 = make<QPushButton>(this, "BitBtn3", {16, 76, 145, 25});
    // Lies over the left end of the middle button, and stays usable while the button is not.
    ui.CheckBox1 = make<QCheckBox>(this, "CheckBox1", {20, 50, 17, 17});
    ui.CheckBox1->setAccessibleName(QStringLiteral("Use the middle colour"));
    ui.CheckBox1->raise();
    ui.BitBtn4 = make<QPushButton>(this, "BitBtn4", {94, 117, 75, 27});
    ui.BitBtn4->setText(QStringLiteral("OK"));
    ui.BitBtn4->setIcon(UserInterface::pictureIcon(m_state.folders, QStringLiteral("check")));
    ui.BitBtn4->setDefault(true);
    setTabOrder(ui.BitBtn1, ui.CheckBox1);
    setTabOrder(ui.CheckBox1, ui.BitBtn2);

    const auto on = [this](QPushButton *button, std::function<void()> work) {
        connect(button, &QPushButton::clicked, this, [this, work] { step(work); });
    };
    on(ui.BitBtn1, [this] { m_steps.startColour(); });
    on(ui.BitBtn2, [this] { m_steps.middleColour(); });
    on(ui.BitBtn3, [this] { m_steps.endColour(); });
    connect(ui.CheckBox1, &QCheckBox::toggled, this, [this](bool ticked) {
        step([this, ticked] {
            m_steps.setDoubleTicked(ticked);
            showMiddleButtonState();
        });
    });
    connect(ui.BitBtn4, &QPushButton::clicked, this, &TMakeBackGround::accept);
}

void TMakeBackGround::showMiddleButtonState()
{
    m_ui->BitBtn2->setEnabled(m_steps.middleColourEnabled());
}

void TMakeBackGround::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // restored from the task bar: not an opening
    if (!m_placed) {
        // First placed beside the dialog that opens it, so both and the background stay in sight.
        if (const QWidget *opener = parentWidget()) {
            const QRect screen = opener->screen()->availableGeometry();
            QPoint at(opener->frameGeometry().right() + 8, opener->frameGeometry().top());
            at.setX(qMin(at.x(), screen.right() - frameGeometry().width()));
            at.setY(qMin(at.y(), screen.bottom() - frameGeometry().height()));
            move(at);
        }
        m_placed = true;
    }
    step([this] {
        m_steps.shown();
        const QSignalBlocker blocker(m_ui->CheckBox1);
        m_ui->CheckBox1->setChecked(m_steps.doubleTicked());
        showMiddleButtonState();
        applyCaptions();
    });
}
