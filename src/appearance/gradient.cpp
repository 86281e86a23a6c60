#include "gradient.h"

#include "stripegeometry.h"

#include <QColor>
#include <QMouseEvent>
#include <QPainter>

TGradient::TGradient(QWidget *parent)
    : QWidget(parent), m_table(RebuildColorTable(m_properties))
{
    setFocusPolicy(Qt::NoFocus);
    // Every dot is painted each time, so Qt need not clear the area first (no flicker).
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
    lower();
}

template <typename T>
void TGradient::changeProperty(T &property, T value)
{
    if (property == value)
        return;
    property = value;
    m_table = RebuildColorTable(m_properties);
    repaint();
}

void TGradient::SetStartColor(ColorValue color) { changeProperty(m_properties.startColor, color); }
void TGradient::SetMiddleColor(ColorValue color) { changeProperty(m_properties.middleColor, color); }
void TGradient::SetEndColor(ColorValue color) { changeProperty(m_properties.endColor, color); }
void TGradient::SetOrientation(GradientOrientation orientation) { changeProperty(m_properties.orientation, orientation); }
void TGradient::SetDoubleGradient(bool doubleGradient) { changeProperty(m_properties.doubleGradient, doubleGradient); }
void TGradient::SetFlipped(bool flipped) { changeProperty(m_properties.flipped, flipped); }

void TGradient::setProperties(const GradientProperties &properties)
{
    SetStartColor(properties.startColor);
    SetMiddleColor(properties.middleColor);
    SetEndColor(properties.endColor);
    SetDoubleGradient(properties.doubleGradient);
    SetFlipped(properties.flipped);
    SetOrientation(properties.orientation);
}

bool TGradient::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void TGradient::paintEvent(QPaintEvent *)
{
    // Siblings raised or created since the last paint must stay in front.
    lower();

    // Logical coordinates: the stripes are defined on the widget's size, whatever the pixel ratio.
    const StripeGeometry stripes(width(), height(), m_properties.orientation);
    QPainter painter(this);
    for (int index = 0; index < GradientStripeCount; ++index) {
        const ColorValue color = m_table[index];
        painter.fillRect(stripes.rect(index), QColor(redOf(color), greenOf(color), blueOf(color)));
    }
}

void TGradient::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void TGradient::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a left press and release on the gradient; the release that ends a double
    // click has no press of its own, so it is no click.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void TGradient::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
