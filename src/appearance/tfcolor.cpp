#include "tfcolor.h"

#include "gradient.h"
#include "qtcolourchooser.h"
#include "tmakebackground.h"
#include "userinterface.h"

#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

using UserInterface::make;

constexpr Qt::WindowFlags kNoTitleButtons = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
constexpr QSize kSwatchSize(49, 51);
constexpr int kColumnStep = 57;         // from one swatch to the next
constexpr int kRowStep = 82;            // from the first row of swatches to the second
constexpr int kRightColumnX = 258;      // the column of picture buttons, 75 wide

QPushButton *pictureButton(QWidget *parent, const char *name, QRect geometry, const char *accessibleName)
{
    auto *b = make<QPushButton>(parent, name, geometry);
    b->setAccessibleName(QString::fromLatin1(accessibleName));
    b->setIconSize({24, 24});
    return b;
}

// The presets as they stand, row by row: Aqua, Ocean, Nature, Lila; Honey, Magma, Pastel, then
// the solid colour. Made in this order, they are also the tab order.
constexpr int kPresetsShown[] = {0, 1, 2, 3, 6, 4, 5};

QPoint swatchPlace(int place)
{
    return {12 + place % 4 * kColumnStep, 16 + place / 4 * kRowStep};
}

} // namespace

struct TFColor::Controls
{
    QGroupBox *GroupBox1;
    std::array<TGradient *, 7> swatches;     // Gradient1..Gradient7, in the presets' order
    std::array<QPushButton *, 7> presetButtons; // Button1..Button7
    QLabel *Image1;       // the white swatch with the flowers
    QPushButton *Button8; // solid colour
    QFrame *Bevel1;       // the rule before the column of buttons
    QPushButton *BitBtn2; // flip
    QPushButton *BitBtn3; // turn
    QPushButton *BitBtn5; // the background dialog
    QPushButton *BitBtn7; // gauge colour
    QPushButton *BitBtn6; // calculator colour
    QPushButton *BitBtn1; // OK
    QPushButton *BitBtn4; // Cancel
};

TFColor::TFColor(ProgramState &state, ColourTargets &targets, QWidget *parent, std::unique_ptr<ColourChooser> chooser)
    : LazyDialog(parent, kNoTitleButtons), m_state(state),
      m_chooser(chooser ? std::move(chooser) : std::make_unique<QtColourChooser>(this)),
      m_steps(targets, state.settings, *m_chooser), m_texts(Captions::designTime(CaptionSections::FColor))
{
    setObjectName(QStringLiteral("FColor"));
    setModal(true);
    setFixedSize(362, 239);
    setFont(UserInterface::pixelFont(QStringLiteral("MS Sans Serif"), 11));
    // The create step.
    LoadCaptions();
}

TFColor::~TFColor() = default;

void TFColor::setBackgroundDialog(TMakeBackGround *background)
{
    m_background = background;
}

void TFColor::LoadCaptions()
{
    m_texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), CaptionSections::FColor);
}

void TFColor::applyCaptions()
{
    setWindowTitle(m_texts.text(u"vFcolorCaption"));
    m_ui->Button8->setText(m_texts.text(u"vSolidColBtn"));
    m_ui->BitBtn5->setText(m_texts.text(u"vFactoryBtn"));
}

void TFColor::step(const std::function<void()> &work)
{
    UserInterface::runStep(this, work);
}

void TFColor::buildControls()
{
    m_ui = std::make_unique<Controls>();
    Controls &ui = *m_ui;
    ui.GroupBox1 = make<QGroupBox>(this, "GroupBox1", {8, 4, 346, 180});

    int place = 0;
    for (const int i : kPresetsShown) {
        const ScreenColours::Preset &preset = ScreenColours::presets()[i];
        const QPoint at = swatchPlace(place++);
        auto *holder = make<QWidget>(ui.GroupBox1, "", QRect(at, kSwatchSize));
        ui.swatches[i] = new TGradient(holder);
        ui.swatches[i]->setObjectName(QLatin1String(preset.swatch));
        ui.swatches[i]->setProperties(preset.properties);
        ui.presetButtons[i] = make<QPushButton>(ui.GroupBox1, preset.button, {at.x(), at.y() + 53, 49, 17});
        ui.presetButtons[i]->setText(QLatin1String(preset.caption));
    }
    const QPoint solid = swatchPlace(place);
    ui.Image1 = make<QLabel>(ui.GroupBox1, "Image1", QRect(solid, kSwatchSize));
    ui.Image1->setPixmap(UserInterface::picturePixmap(m_state.folders, QStringLiteral("flowers"), kSwatchSize));
    ui.Button8 = make<QPushButton>(ui.GroupBox1, "Button8", {solid.x(), solid.y() + 53, 49, 17});

    ui.Bevel1 = make<QFrame>(ui.GroupBox1, "Bevel1", {246, 12, 2, 158});
    ui.Bevel1->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    ui.BitBtn2 = pictureButton(ui.GroupBox1, "BitBtn2", {kRightColumnX, 16, 75, 34}, "Flip");
    ui.BitBtn3 = pictureButton(ui.GroupBox1, "BitBtn3", {kRightColumnX, 54, 75, 34}, "Turn");
    ui.BitBtn5 = make<QPushButton>(ui.GroupBox1, "BitBtn5", {kRightColumnX, 92, 75, 34});
    ui.BitBtn5->setIconSize({20, 20});
    ui.BitBtn7 = pictureButton(ui.GroupBox1, "BitBtn7", {kRightColumnX, 130, 36, 40}, "Gauge colour");
    ui.BitBtn6 = pictureButton(ui.GroupBox1, "BitBtn6", {kRightColumnX + 39, 130, 36, 40}, "Calculator colour");

    ui.BitBtn1 = pictureButton(this, "BitBtn1", {198, 196, 75, 32}, "OK");
    ui.BitBtn4 = pictureButton(this, "BitBtn4", {279, 196, 75, 32}, "Cancel");

    const struct { QPushButton *button; const char *picture; } pictures[] = {
        {ui.BitBtn2, "flip"}, {ui.BitBtn3, "turn"},  {ui.BitBtn5, "tools"}, {ui.BitBtn7, "thermometer"},
        {ui.BitBtn6, "calculator"}, {ui.BitBtn1, "check"}, {ui.BitBtn4, "cross"},
    };
    for (const auto &[button, picture] : pictures)
        button->setIcon(UserInterface::pictureIcon(m_state.folders, QLatin1String(picture)));
    connectControls();
}

void TFColor::connectControls()
{
    Controls &ui = *m_ui;
    const auto on = [this](QPushButton *button, std::function<void()> work) {
        connect(button, &QPushButton::clicked, this, [this, work] { step(work); });
    };
    for (size_t i = 0; i < ui.presetButtons.size(); ++i) {
        TGradient *swatch = ui.swatches[i];
        on(ui.presetButtons[i], [this, swatch] { m_steps.ChangeMenuColor(swatch->properties()); });
    }
    on(ui.Button8, [this] { m_steps.solidColour(); });
    on(ui.BitBtn2, [this] { m_steps.flip(); });
    on(ui.BitBtn3, [this] { m_steps.turn(); });
    on(ui.BitBtn5, [this] {
        if (m_background)
            m_background->exec();
    });
    on(ui.BitBtn6, [this] { m_steps.calculatorColour(); });
    on(ui.BitBtn7, [this] { m_steps.gaugeColour(); });
    on(ui.BitBtn1, [this] {
        m_steps.ok();
        accept();
    });
    connect(ui.BitBtn4, &QPushButton::clicked, this, &TFColor::reject);
}

void TFColor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // restored from the task bar: not an opening
    if (const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    step([this] {
        m_steps.shown();
        applyCaptions();
    });
}

void TFColor::reject()
{
    if (isVisible()) // only an opening has values to put back
        step([this] { m_steps.cancel(); });
    QDialog::reject();
}
