#include "linklabel.h"

#include "userinterface.h"

#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    underline();
    UserInterface::setColor(this, QPalette::WindowText, Qt::blue);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        underline(); // a font set later must not take the underline away
}

void LinkLabel::underline()
{
    if (font().underline())
        return;
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
}
