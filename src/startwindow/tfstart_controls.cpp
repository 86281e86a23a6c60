#include "tfstart_controls.h"

#include "gradient.h"
#include "helpviewer.h"
#include "linklabel.h"
#include "picturelabel.h"
#include "userinterface.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

constexpr QSize kClientSize(748, 533);
constexpr QSize kPanel3Size(488, 383);
constexpr int kHelpPanelGap = 20; // the help panel leaves this much of the client area below it

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kHelpBar(0xEE, 0xEE, 0xEE);

QFont arial(int pixels, bool bold = false)
{
    return UserInterface::pixelFont(QStringLiteral("Arial"), pixels, bold);
}

QFont linkFont(int pixels)
{
    QFont font = arial(pixels);
    font.setUnderline(true);
    return font;
}

void setTextColor(QWidget *widget, const QColor &color)
{
    UserInterface::setColor(widget, QPalette::WindowText, color);
}

void setBackground(QWidget *widget, const QColor &color)
{
    UserInterface::setColor(widget, QPalette::Window, color);
    widget->setAutoFillBackground(true);
}

template <typename T>
T *named(T *object, const char *name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace

TFStart::Controls::Controls(QMainWindow *window)
{
    window->setFont(arial(13));
    UserInterface::setColor(window, QPalette::Window, kSilver);

    client = named(new QWidget(window), "client");
    client->setMinimumSize(kClientSize);
    window->setCentralWidget(client);
    Gradient1 = named(new TGradient(client), "Gradient1");

    Panel3 = named(new QFrame(client), "Panel3");
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel3->setLineWidth(2);
    Panel3->resize(kPanel3Size);
    setBackground(Panel3, kSilver);

    GroupBox1 = named(new QGroupBox(Panel3), "GroupBox1");
    GroupBox1->setGeometry(8, 6, 472, 288);
    GroupBox1->setFont(arial(13, true));
    setTextColor(GroupBox1, kNavy);

    for (int i = 0; i < 12; ++i) {
        auto *box = new QCheckBox(GroupBox1);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        box->setProperty("Tag", i + 1);
        const int column = i / 6, row = i % 6;
        box->setGeometry(16 + column * 88, 24 + row * 28, 86, 22);
        box->setFont(arial(13, true));
        setTextColor(box, kMaroon);
        CheckBox[size_t(i)] = box;
    }

    Image1 = named(new QLabel(GroupBox1), "Image1");
    Image1->setGeometry(190, 84, 32, 32);
    Image1->hide();

    Bevel1 = named(new QFrame(GroupBox1), "Bevel1");
    Bevel1->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    Bevel1->setGeometry(230, 20, 4, 162);

    BitBtn3 = button("BitBtn3", {248, 22, 208, 30});
    BitBtn4 = button("BitBtn4", {248, 58, 208, 30});

    Image4 = named(new PictureLabel(GroupBox1), "Image4");
    Image4->setGeometry(276, 98, 153, 41);
    Label3 = named(new LinkLabel(GroupBox1), "Label3");
    Label3->setText(QStringLiteral("Web Page"));
    Label3->setFont(linkFont(12));
    Label3->setToolTip(QStringLiteral("Click!"));
    Label3->adjustSize();
    Label3->move(276 + (153 - Label3->width()) / 2, 144);

    BitBtn9 = button("BitBtn9", {16, 196, 212, 34});
    BitBtn2 = button("BitBtn2", {244, 196, 212, 34});
    BitBtn1 = button("BitBtn1", {16, 240, 212, 34});
    BitBtn5 = button("BitBtn5", {244, 240, 212, 34});
    BitBtn2->setEnabled(false);
    BitBtn5->setEnabled(false);

    Panel2 = named(new QFrame(Panel3), "Panel2");
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setGeometry(8, 300, 472, 75);
    setBackground(Panel2, QToolTip::palette().color(QPalette::ToolTipBase));
    Label1 = named(new QLabel(Panel2), "Label1");
    Label1->setGeometry(Panel2->rect().adjusted(6, 3, -6, -3));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(arial(12));
    setTextColor(Label1, kNavy);

    // The twelve boxes, then the buttons in reading order, the web link last.
    QWidget *previous = CheckBox[0];
    for (QWidget *next : std::initializer_list<QWidget *>{CheckBox[1], CheckBox[2], CheckBox[3], CheckBox[4],
                                                          CheckBox[5], CheckBox[6], CheckBox[7], CheckBox[8],
                                                          CheckBox[9], CheckBox[10], CheckBox[11], BitBtn3,
                                                          BitBtn4, BitBtn9, BitBtn2, BitBtn5, BitBtn1, Label3}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }

    QMenuBar *bar = window->menuBar();
    Files = named(bar->addMenu(QString()), "Files");
    Progress1 = named(Files->addAction(QString()), "Progress1");
    Files->addSeparator();
    Quit = named(Files->addAction(QString()), "Quit");
    Lang = named(bar->addMenu(QString()), "Lang");
    const auto &languages = LanguageCatalog::languages();
    for (size_t i = 0; i < languages.size(); ++i) {
        QAction *item = named(Lang->addAction(QString::fromUtf8(languages[i].caption)), languages[i].menuItem);
        item->setCheckable(true);
        item->setEnabled(false); // until its language file is found
        languageItems[i] = item;
    }
    Help = named(bar->addMenu(QString()), "Help");
    Help1 = named(Help->addAction(QString()), "Help1");
    named(Help->addSeparator(), "N1");
    About1 = named(Help->addAction(QString()), "About1");

    window->resize(kClientSize.width(), kClientSize.height() + bar->sizeHint().height());
}

QPushButton *TFStart::Controls::button(const char *name, QRect geometry)
{
    auto *result = named(new QPushButton(GroupBox1), name);
    result->setGeometry(geometry);
    result->setFont(arial(13));
    result->setIconSize(QSize(24, 24));
    // Enter presses the focused button; elsewhere the window gives it to Start.
    result->setAutoDefault(true);
    return result;
}

void TFStart::Controls::buildHelpPanel()
{
    Panel4 = named(new QFrame(client), "Panel4");
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setBackground(Panel4, kSilver);
    auto *layout = new QVBoxLayout(Panel4);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);

    auto *Panel5 = named(new QFrame(Panel4), "Panel5");
    setBackground(Panel5, kHelpBar);
    Panel5->setFixedHeight(32);
    auto *bar = new QHBoxLayout(Panel5);
    bar->setContentsMargins(8, 2, 4, 2);
    Label5 = named(new QLabel(Panel5), "Label5");
    Label5->setFont(arial(13));
    bar->addWidget(Label5, 1);
    BitBtn6 = named(new QPushButton(Panel5), "BitBtn6");
    BitBtn6->setFont(arial(13));
    bar->addWidget(BitBtn6);
    layout->addWidget(Panel5);

    htmlLite1 = named(new HelpViewer(Panel4), "htmlLite1");
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setPixelSize(16);
    htmlLite1->setFont(serif);
    htmlLite1->document()->setDefaultFont(serif);
    layout->addWidget(htmlLite1, 1);

    Panel4->hide();
    placeInMiddle();
}

void TFStart::Controls::setPictures(const DataFolders &folders)
{
    using UserInterface::pictureIcon;
    BitBtn3->setIcon(pictureIcon(folders, QStringLiteral("check")));
    BitBtn4->setIcon(pictureIcon(folders, QStringLiteral("circular-arrow")));
    BitBtn9->setIcon(pictureIcon(folders, QStringLiteral("lightbulb")));
    BitBtn2->setIcon(pictureIcon(folders, QStringLiteral("calculator")));
    BitBtn1->setIcon(pictureIcon(folders, QStringLiteral("cross")));
    BitBtn5->setIcon(pictureIcon(folders, QStringLiteral("shapes")));
    Image4->setPicture(pictureIcon(folders, QStringLiteral("logo")));
    m_speakerPicture = UserInterface::picturePath(folders, QStringLiteral("speaker-on"));
}

void TFStart::Controls::showSpeaker(bool visible)
{
    // Drawn the first time it is needed, at the end of the run.
    if (visible && Image1->pixmap().isNull())
        Image1->setPixmap(QIcon(m_speakerPicture).pixmap(Image1->size()));
    Image1->setVisible(visible);
}

void TFStart::Controls::placeInMiddle()
{
    const QSize area = client->size();
    Panel3->move((area.width() - Panel3->width()) / 2, (area.height() - Panel3->height()) / 2);
    if (Panel4) {
        Panel4->setGeometry(0, 0, area.width(), area.height() - kHelpPanelGap);
        Panel4->raise();
    }
}
