#include "tfabout.h"

#include "fileversion.h"
#include "linklabel.h"
#include "userinterface.h"
#include "weblinks.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text, QPoint at, int pixels)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setFont(UserInterface::pixelFont(QStringLiteral("Arial"), pixels));
    // A fixed box to the panel's right edge: no font measuring while the program starts.
    result->setGeometry(at.x(), at.y(), 273 - at.x(), pixels + 6);
    return result;
}

LinkLabel *link(QWidget *parent, const char *name, const QString &text, QPoint at)
{
    auto *result = new LinkLabel(parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setText(text);
    result->setFont(UserInterface::pixelFont(QStringLiteral("Arial"), 13));
    result->adjustSize();
    result->move(at);
    return result;
}

void line(QWidget *parent, const char *name, QPoint at)
{
    auto *bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(at.x(), at.y(), 265, 2);
}

} // namespace

TFAbout::TFAbout(const DataFolders &folders, QWidget *parent)
    : LazyDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_folders(folders)
{
    setObjectName(QStringLiteral("FAbout"));
    setWindowTitle(QStringLiteral("About Quorvel"));
    setFixedSize(281, 266);
}

// Made at the first opening: nothing of the box is needed before.
void TFAbout::buildControls()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(rect());
    UserInterface::setColor(panel, QPalette::Window, QColor(225, 225, 225));
    panel->setAutoFillBackground(true);

    m_Image1 = new QLabel(panel);
    m_Image1->setObjectName(QStringLiteral("Image1"));
    m_Image1->setGeometry(56, 8, 160, 45);

    QLabel *tagLine = label(panel, "Label1", QStringLiteral("Learn and Drill Multiplication Tables"), {51, 54}, 11);
    UserInterface::setColor(tagLine, QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    line(panel, "Bevel1", {8, 72});
    label(panel, "Label2", versionLine(ReadVersionInfo()), {16, 84}, 13);
    label(panel, "Label9", QStringLiteral("Web access:"), {8, 151}, 13);

    m_Label7 = link(panel, "Label7", QStringLiteral("Quorvel homepage"), {16, 169});
    LinkLabel *more = link(panel, "Label6", QStringLiteral("Download more free programs"), {16, 185});
    line(panel, "Bevel2", {8, 224});

    connect(m_Label7, &LinkLabel::clicked, this, [this] { openLink(WebLinks::kHomePage); });
    connect(more, &LinkLabel::clicked, this, [this] { openLink(WebLinks::kMorePrograms); });
}

void TFAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    UserInterface::centreOnScreen(this);
    if (m_Image1->pixmap().isNull())
        m_Image1->setPixmap(UserInterface::picturePixmap(m_folders, QStringLiteral("logo"), m_Image1->size()));
    m_Label7->setText(QStringLiteral("Quorvel homepage"));
}

void TFAbout::keyPressEvent(QKeyEvent *event)
{
    // The close box is the only way out; Escape does not close the box.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void TFAbout::openLink(const QString &address)
{
    UserInterface::runStep(this, [&] {
        if (!UserInterface::openAddress(address))
            UserInterface::showError(this, QStringLiteral("Web Browser Error!"));
    });
}
