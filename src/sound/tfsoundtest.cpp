#include "tfsoundtest.h"

#include "userinterface.h"

#include <QProgressBar>
#include <QScreen>

TFSoundTest::TFSoundTest(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FSoundTest"));
    setWindowTitle(QStringLiteral("Testing..."));
    setFixedSize(188, 36);
    UserInterface::setColor(this, QPalette::Window, palette().color(QPalette::Button));
    setAutoFillBackground(true);
    PB1 = new QProgressBar(this);
    PB1->setObjectName(QStringLiteral("PB1"));
    PB1->setGeometry(8, 9, 169, 16);
    PB1->setRange(0, 8);
    PB1->setTextVisible(false);
    PB1->setAccessibleName(QStringLiteral("Testing..."));
    setCursor(Qt::WaitCursor);
}

void TFSoundTest::showTesting()
{
    PB1->setValue(0);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
}

void TFSoundTest::setTestingProgress(int value)
{
    PB1->setValue(value);
    if (isVisible())
        repaint();
}

void TFSoundTest::closeTesting()
{
    close();
}

bool TFSoundTest::testingShown() const
{
    return isVisible();
}
