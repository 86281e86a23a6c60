#include "calculatorui.h"

#include "answervalidator.h"
#include "drillwidgets.h"
#include "gradient.h"
#include "helpviewer.h"
#include "infotextlabel.h"
#include "linklabel.h"
#include "userinterface.h"

using UserInterface::pixelFont;
using UserInterface::setColor;

namespace {

using UserInterface::make;

const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kInfoTip(0xFF, 0xFF, 0xE1);
const QColor kDisplay(255, 255, 232);
const QString kArial = QStringLiteral("Arial");

QFrame *frame(QWidget *parent, const char *name, QRect geometry, int shape, const QColor &color = QColor())
{
    auto *f = make<QFrame>(parent, name, geometry);
    f->setFrameStyle(shape);
    if (color.isValid()) {
        setColor(f, QPalette::Window, color);
        f->setAutoFillBackground(true);
    }
    return f;
}

template <typename L = QLabel>
L *label(QWidget *parent, const char *name, QRect geometry, const QFont &font, const QColor &color,
         Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = make<L>(parent, name, geometry);
    l->setFont(font);
    l->setAlignment(alignment);
    setColor(l, QPalette::WindowText, color);
    return l;
}

QLabel *picture(QWidget *parent, const char *name, QRect geometry)
{
    auto *l = make<QLabel>(parent, name, geometry);
    l->setScaledContents(true);
    return l;
}

// Group box with a blue caption; its own children keep black texts.
QGroupBox *group(QWidget *parent, const char *name, QRect geometry)
{
    auto *g = make<QGroupBox>(parent, name, geometry);
    g->setFont(pixelFont(kArial, 12));
    setColor(g, QPalette::WindowText, Qt::blue);
    return g;
}

QRadioButton *radio(QGroupBox *parent, QButtonGroup *buttons, int id, QRect geometry)
{
    auto *r = make<QRadioButton>(parent, "", geometry);
    r->setFont(pixelFont(kArial, 13));
    setColor(r, QPalette::WindowText, Qt::black);
    buttons->addButton(r, id);
    return r;
}

QPushButton *pictureButton(QWidget *parent, const char *name, QRect geometry, QSize iconSize)
{
    auto *b = make<QPushButton>(parent, name, geometry);
    b->setIconSize(iconSize);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TGradient *CalculatorUi::makeBackground(QWidget *window)
{
    auto *workArea = make<QWidget>(window, "Panel12", {0, kTopBarHeight, 746, 558 - kTopBarHeight});
    auto *gradient = new TGradient(workArea);
    gradient->setObjectName(QStringLiteral("Gradient1"));
    return gradient;
}

CalculatorUi::CalculatorUi(QWidget *window, TGradient *background, const DataFolders &folders)
    : Panel12(background->parentWidget()), Gradient1(background)
{

    // Top bar: operation list on the left, the five window buttons on the right.
    Panel8 = frame(window, "Panel8", {0, 0, 746, kTopBarHeight}, QFrame::NoFrame, kMaroon);
    Panel16 = frame(Panel8, "Panel16", {0, 0, 151, kTopBarHeight}, QFrame::Panel | QFrame::Raised, kMaroon);
    OpSel = make<OperationList>(Panel16, "OpSel", {7, 10, 137, 22});
    OpSel->setFont(pixelFont(kArial, 12));
    Panel17 = frame(Panel8, "Panel17", {151, 0, 595, kTopBarHeight}, QFrame::Panel | QFrame::Raised, kMaroon);
    Panel18 = frame(Panel17, "Panel18", {59, 4, 530, 33}, QFrame::NoFrame, kMaroon);
    const struct { QPushButton **button; const char *name; } topButtons[] = {
        {&BitBtn1, "BitBtn1"}, {&BitBtn6, "BitBtn6"}, {&BitBtn8, "BitBtn8"}, {&BitBtn10, "BitBtn10"}, {&BitBtn9, "BitBtn9"},
    };
    for (int i = 0; i < 5; ++i)
        *topButtons[i].button = pictureButton(Panel18, topButtons[i].name, {4 + i * 104, 3, 102, 26}, {16, 16});

    // Working area, over the gradient: the centre panel in the middle.
    Button1 = make<QPushButton>(Panel12, "Button1", {0, 0, 40, 20});
    Button1->setAccessibleName(QStringLiteral("Show the answer now"));
    Button1->setFocusPolicy(Qt::NoFocus); // out of the tab chain; the drill gives it the focus itself
    Panel5 = frame(Panel12, "Panel5", {129, 94, 488, 329}, QFrame::Panel | QFrame::Sunken, Qt::white);

    // Calculator body and display.
    Panel1 = frame(Panel5, "Panel1", {6, 4, 231, 321}, QFrame::Panel | QFrame::Raised, kMaroon);
    Panel1->setLineWidth(3);
    Panel13 = frame(Panel1, "Panel13", {3, 3, 225, 315}, QFrame::NoFrame, QColor(135, 127, 0));
    Panel3 = frame(Panel13, "Panel3", {8, 8, 209, 46}, QFrame::Panel | QFrame::Sunken, kDisplay);
    const QFont displayFont = pixelFont(kArial, 21, true);
    F1 = label(Panel3, "F1", {2, 8, 60, 30}, displayFont, kNavy, Qt::AlignRight | Qt::AlignVCenter);
    Label2 = label(Panel3, "Label2", {62, 8, 26, 30}, displayFont, kNavy, Qt::AlignCenter);
    F2 = label(Panel3, "F2", {88, 8, 44, 30}, displayFont, kNavy);
    Label4 = label(Panel3, "Label4", {132, 8, 24, 30}, displayFont, kNavy, Qt::AlignCenter);
    Label4->setText(QStringLiteral("="));
    Ans = make<QLineEdit>(Panel3, "Ans", {160, 8, 40, 30});
    Ans->setFont(displayFont);
    Ans->setFrame(false);
    Ans->setMaxLength(3);
    Ans->setValidator(new AnswerValidator(Ans));
    setColor(Ans, QPalette::Base, kDisplay);
    setColor(Ans, QPalette::Text, kNavy);
    Ans->setAccessibleName(QStringLiteral("Answer"));

    // Keypad: 7 8 9 / 4 5 6 / 1 2 3 / 0 enter / clear record show-answer.
    const int column[3] = {11, 81, 151};
    const int row[5] = {64, 112, 160, 208, 256};
    const QFont digitFont = pixelFont(kArial, 24, true);
    const int digitAt[4][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}, {0, -1, -1}};
    const char *const names[10] = {"SpeedButton10", "SpeedButton7", "SpeedButton8", "SpeedButton9", "SpeedButton4",
                                   "SpeedButton5",  "SpeedButton6", "SpeedButton1", "SpeedButton2", "SpeedButton3"};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) {
            const int digit = digitAt[r][c];
            if (digit < 0)
                continue;
            auto *key = make<QPushButton>(Panel13, names[digit], {column[c], row[r], 62, 40});
            key->setText(QString::number(digit));
            key->setFont(digitFont);
            key->setAutoDefault(false);
            key->setFocusPolicy(Qt::NoFocus); // calculator keys: the focus stays in the answer field
            digitKeys[digit] = key;
        }
    }
    BitBtn2 = make<StackedButton>(Panel13, "BitBtn2", {column[1], row[3], 132, 40});
    BitBtn2->setCaptionStyle(pixelFont(kArial, 13, true), Qt::red);
    BitBtn2->setDefault(true);
    BitBtn11 = pictureButton(Panel13, "BitBtn11", {column[0], row[4], 62, 40}, {26, 26});
    BitBtn11->setAccessibleName(QStringLiteral("Clear"));
    BitBtn11->setFocusPolicy(Qt::NoFocus);
    BitBtn7 = make<StackedButton>(Panel13, "BitBtn7", {column[1], row[4], 62, 40});
    BitBtn7->setCaptionStyle(pixelFont(kArial, 10, true), Qt::blue);
    BitBtn7->setAutoDefault(false);
    BitBtn7->setAccessibleName(QStringLiteral("Record"));
    SpeedButton11 = pictureButton(Panel13, "SpeedButton11", {column[2], row[4], 62, 40}, {30, 25});
    SpeedButton11->setAccessibleName(QStringLiteral("Show the answer"));
    SpeedButton11->setFocusPolicy(Qt::NoFocus);

    // Mental-mode panel, over the keypad.
    Panel9 = frame(Panel13, "Panel9", {8, 60, 209, 240}, QFrame::Panel | QFrame::Raised);
    Panel9->hide();
    Image3 = new StretchedPicture(UserInterface::picturePath(folders, QStringLiteral("texture")), Panel9);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(0, 0, 209, 240);
    Label17 = label(Panel9, "Label17", {46, 10, 117, 55}, pixelFont(kArial, 13, true), Qt::white, Qt::AlignCenter);
    Label17->setWordWrap(true);
    Image5 = picture(Panel9, "Image5", {25, 72, 158, 44});
    Label25 = label(Panel9, "Label25", {26, 122, 156, 78}, pixelFont(kArial, 12), Qt::black, Qt::AlignCenter);
    Label25->setWordWrap(true);
    Label26 = label<LinkLabel>(Panel9, "Label26", {6, 214, 197, 18}, pixelFont(kArial, 12), Qt::blue,
                               Qt::AlignRight | Qt::AlignVCenter);

    Gauge1 = make<GaugeBar>(Panel5, "Gauge1", {240, 9, 5, 310});
    Gauge1->setAccessibleName(QStringLiteral("Thinking time"));

    // Right panel: counters, stopwatch button, information or stopwatch options.
    Panel6 = frame(Panel5, "Panel6", {250, 4, 234, 321}, QFrame::Box, Qt::white);
    setColor(Panel6, QPalette::WindowText, kMaroon);
    Panel6->setLineWidth(2);
    Panel2 = frame(Panel6, "Panel2", {4, 4, 226, 92}, QFrame::NoFrame);
    const QFont text13 = pixelFont(kArial, 13);
    Label13 = label(Panel2, "Label13", {4, 1, 132, 17}, text13, Qt::blue);
    Label6 = label(Panel2, "Label6", {4, 18, 132, 17}, text13, Qt::black);
    Label12 = label(Panel2, "Label12", {4, 37, 132, 22}, text13, Qt::gray, Qt::AlignCenter);
    Label12->setAutoFillBackground(true);
    setColor(Label12, QPalette::Window, kInfoTip);
    Label24 = label(Panel2, "Label24", {142, 1, 84, 17}, text13, Qt::blue);
    Label7 = label(Panel2, "Label7", {142, 18, 58, 17}, text13, Qt::black);
    Label8 = label(Panel2, "Label8", {200, 18, 26, 17}, pixelFont(kArial, 13, true), kNavy, Qt::AlignRight | Qt::AlignVCenter);
    Label9 = label(Panel2, "Label9", {142, 37, 58, 17}, text13, Qt::black);
    Label10 = label(Panel2, "Label10", {200, 37, 26, 17}, pixelFont(kArial, 13, true), Qt::red, Qt::AlignRight | Qt::AlignVCenter);
    Label22 = label(Panel2, "Label22", {4, 66, 58, 18}, text13, Qt::black);
    Label11 = label(Panel2, "Label11", {62, 66, 84, 18}, pixelFont(kArial, 13, true), Qt::blue);
    BitBtn3 = pictureButton(Panel2, "BitBtn3", {148, 62, 78, 26}, {16, 16});
    BitBtn12 = pictureButton(Panel6, "BitBtn12", {24, 99, 185, 27}, {18, 18});
    BitBtn12->setFont(pixelFont(kArial, 13, true));

    Panel10 = make<QWidget>(Panel6, "Panel10", {6, 130, 222, 183});
    Panel11 = frame(Panel10, "Panel11", {6, 2, 210, 153}, QFrame::Box, kInfoTip);
    const QFont verdana = pixelFont(QStringLiteral("Verdana"), 11);
    Label16 = label<InfoTextLabel>(Panel11, "Label16", {16, 6, 177, 41}, verdana, Qt::black, Qt::AlignLeft | Qt::AlignTop);
    Label18 = label(Panel11, "Label18", {16, 50, 177, 39}, verdana, Qt::black, Qt::AlignLeft | Qt::AlignTop);
    Label19 = label(Panel11, "Label19", {16, 92, 177, 53}, verdana, Qt::black, Qt::AlignLeft | Qt::AlignTop);
    for (QLabel *l : {Label18, Label19})
        l->setWordWrap(true);
    Image1 = picture(Panel11, "Image1", {117, 15, 18, 16});
    Image2 = picture(Panel11, "Image2", {170, 28, 18, 15});
    Label16->setPictureSizes(Image1->size(), Image2->size());
    Image4 = new StretchedPicture(UserInterface::picturePath(folders, QStringLiteral("texture")), Panel11);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setGeometry(0, 0, 210, 153);
    Image6 = picture(Panel11, "Image6", {17, 51, 160, 45});
    Label27 = label<LinkLabel>(Panel10, "Label27", {6, 160, 210, 18}, pixelFont(kArial, 12), Qt::blue,
                               Qt::AlignRight | Qt::AlignVCenter);

    Panel7 = frame(Panel6, "Panel7", {6, 130, 222, 183}, QFrame::NoFrame, Qt::white);
    Panel7->hide();
    GroupBox1 = group(Panel7, "GroupBox1", {4, 2, 104, 54});
    SpinEdit1 = make<QSpinBox>(GroupBox1, "SpinEdit1", {10, 21, 46, 26});
    SpinEdit1->setRange(1, 15);
    SpinEdit1->setFont(pixelFont(kArial, 13, true));
    setColor(SpinEdit1, QPalette::Text, Qt::red);
    label(GroupBox1, "", {62, 25, 36, 18}, text13, Qt::black)->setText(QStringLiteral("sec."));
    RadioGroup1 = group(Panel7, "RadioGroup1", {4, 60, 104, 58});
    gaugeChoice = new QButtonGroup(RadioGroup1);
    gaugeVisibleItem = radio(RadioGroup1, gaugeChoice, 0, {10, 18, 90, 18});
    gaugeHiddenItem = radio(RadioGroup1, gaugeChoice, 1, {10, 36, 90, 18});
    RadioGroup2 = group(Panel7, "RadioGroup2", {4, 122, 104, 58});
    modeChoice = new QButtonGroup(RadioGroup2);
    modeWrittenItem = radio(RadioGroup2, modeChoice, 0, {10, 18, 90, 18});
    modeMentalItem = radio(RadioGroup2, modeChoice, 1, {10, 36, 90, 18});
    GroupBox2 = group(Panel7, "GroupBox2", {114, 2, 104, 96});
    GroupBox2->hide();
    TrackBar2 = make<QSlider>(GroupBox2, "TrackBar2", {6, 20, 92, 26});
    TrackBar2->setOrientation(Qt::Horizontal);
    TrackBar2->setRange(1, 4);
    TrackBar2->setPageStep(1);
    TrackBar2->setTickPosition(QSlider::TicksBelow);
    TrackBar2->setTickInterval(1);
    const char *const scale[4] = {"0.2", "1", "2", "3"};
    for (int i = 0; i < 4; ++i)
        label(GroupBox2, "", {4 + i * 28, 48, 26, 16}, pixelFont(kArial, 12), Qt::red, Qt::AlignCenter)->setText(scale[i]);
    label(GroupBox2, "", {34, 68, 40, 18}, text13, Qt::black, Qt::AlignCenter)->setText(QStringLiteral("sec."));

    // Help panel, hidden until the help button.
    Panel14 = frame(Panel12, "Panel14", {127, 13, 491, 477}, QFrame::Panel | QFrame::Raised, Qt::white);
    Panel14->hide();
    Panel15 = frame(Panel14, "Panel15", {2, 2, 487, 38}, QFrame::NoFrame, QColor(239, 239, 239));
    Label1 = label(Panel15, "Label1", {8, 0, 360, 38}, text13, Qt::black);
    BitBtn4 = pictureButton(Panel15, "BitBtn4", {387, 6, 94, 26}, {16, 16});
    htmlLite1 = new HelpViewer(Panel14);
    htmlLite1->setObjectName(QStringLiteral("htmlLite1"));
    htmlLite1->setGeometry(2, 40, 487, 435);

    arrange(kDesignSize);
}

void CalculatorUi::loadPictures(const DataFolders &folders)
{
    const auto icon = [&](const char *name) { return UserInterface::pictureIcon(folders, QLatin1String(name)); };
    const auto pixmap = [&](const char *name, QSize size) {
        return UserInterface::picturePixmap(folders, QLatin1String(name), size);
    };
    BitBtn1->setIcon(icon("arrow-left-red"));
    BitBtn6->setIcon(icon("lightbulb"));
    BitBtn10->setIcon(icon("monitor"));
    BitBtn9->setIcon(icon("question"));
    soundOn = icon("speaker-on");
    soundOff = icon("speaker-off");
    BitBtn2->setPicture(pixmap("tick-red", {18, 16}));
    BitBtn11->setIcon(icon("bin"));
    BitBtn7->setPicture(pixmap("camera", {22, 22}));
    SpeedButton11->setIcon(icon("ambulance"));
    BitBtn3->setIcon(icon("circular-arrow"));
    BitBtn12->setIcon(icon("stopwatch"));
    BitBtn4->setIcon(icon("cross"));
    const QPixmap logo = pixmap("logo", {160, 45});
    Image5->setPixmap(logo);
    Image6->setPixmap(logo);
    Image1->setPixmap(pixmap("tick-red", {18, 16}));
    Image2->setPixmap(pixmap("ambulance", {18, 15}));
}

void CalculatorUi::arrange(QSize client)
{
    const int width = client.width();
    Panel8->setGeometry(0, 0, width, kTopBarHeight);
    Panel17->setGeometry(151, 0, std::max(0, width - 151), kTopBarHeight);
    Panel18->move(std::max(0, Panel17->width() - Panel18->width() - 6), 4);
    Panel12->setGeometry(0, kTopBarHeight, width, std::max(0, client.height() - kTopBarHeight));
    Panel5->move((Panel12->width() - Panel5->width()) / 2, (Panel12->height() - Panel5->height()) / 2);
    Button1->move(Panel5->geometry().center() - QPoint(Button1->width() / 2, Button1->height() / 2));
    Panel14->setGeometry((Panel12->width() - Panel14->width()) / 2, 13, Panel14->width(),
                         std::max(60, Panel12->height() - 40));
    Panel15->setGeometry(2, 2, Panel14->width() - 4, 38);
    htmlLite1->setGeometry(2, 40, Panel14->width() - 4, Panel14->height() - 42);
}

void CalculatorUi::setPanelColor(QWidget *panel, const QColor &color)
{
    setColor(panel, QPalette::Window, color);
}

void CalculatorUi::placeKeyPictures()
{
    const auto place = [this](QLabel *picture, QRect inLabel) {
        picture->setVisible(!inLabel.isEmpty());
        if (!inLabel.isEmpty())
            picture->setGeometry(inLabel.translated(Label16->geometry().topLeft()));
    };
    place(Image1, Label16->tickPlace());
    place(Image2, Label16->ambulancePlace());
}
