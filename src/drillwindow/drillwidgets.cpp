#include "drillwidgets.h"

#include "userinterface.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>

StackedButton::StackedButton(QWidget *parent)
    : QPushButton(parent), m_picture(new QLabel(this)), m_caption(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 3, 2, 2);
    layout->setSpacing(0);
    for (QLabel *label : {m_picture, m_caption}) {
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(label);
    }
}

void StackedButton::setPicture(const QPixmap &picture)
{
    m_picture->setPixmap(picture);
}

void StackedButton::setCaption(const QString &caption)
{
    if (caption == m_caption->text())
        return; // Qt reports every description set to screen readers, changed or not
    m_caption->setText(caption);
    setAccessibleDescription(caption);
}

QString StackedButton::caption() const
{
    return m_caption->text();
}

void StackedButton::setCaptionStyle(const QFont &font, const QColor &color)
{
    m_caption->setFont(font);
    UserInterface::setColor(m_caption, QPalette::WindowText, color);
}

void OperationList::showPopup()
{
    emit popupAboutToShow();
    QComboBox::showPopup();
}

GaugeBar::GaugeBar(QWidget *parent) : QProgressBar(parent)
{
    setOrientation(Qt::Vertical);
    setTextVisible(false);
}

void GaugeBar::setFillColor(const QColor &color)
{
    if (color != m_fill) {
        m_fill = color;
        update();
    }
}

void GaugeBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    // Raised frame: light top-left, dark bottom-right.
    painter.fillRect(r, palette().color(QPalette::Button));
    painter.setPen(Qt::white);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(Qt::darkGray);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    const QRect inside = r.adjusted(1, 1, -1, -1);
    const int span = maximum() - minimum();
    if (span <= 0 || inside.height() <= 0)
        return;
    const int filled = inside.height() * (value() - minimum()) / span;
    painter.fillRect(QRect(inside.left(), inside.bottom() - filled + 1, inside.width(), filled), m_fill);
}

StretchedPicture::StretchedPicture(const QString &svgPath, QWidget *parent) : QWidget(parent), m_path(svgPath)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StretchedPicture::paintEvent(QPaintEvent *)
{
    const QSize pixels = size() * devicePixelRatioF();
    if (m_cache.size() != pixels) {
        m_cache = QPixmap(pixels);
        m_cache.fill(QColor(0x8C, 0x9D, 0xB5));
        QPainter cachePainter(&m_cache);
        QSvgRenderer renderer(m_path);
        renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
        renderer.render(&cachePainter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        m_cache.setDevicePixelRatio(devicePixelRatioF());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_cache);
}
