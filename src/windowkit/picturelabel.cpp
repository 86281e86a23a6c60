#include "picturelabel.h"

#include <QPainter>
#include <QStyle>

PictureLabel::PictureLabel(QWidget *parent) : QWidget(parent)
{
}

void PictureLabel::setPicture(const QIcon &picture)
{
    m_picture = picture;
    m_drawn = QPixmap();
    update();
}

void PictureLabel::paintEvent(QPaintEvent *)
{
    if (m_drawn.isNull())
        m_drawn = m_picture.pixmap(size(), devicePixelRatioF());
    if (m_drawn.isNull())
        return;
    const QSize shown = m_drawn.deviceIndependentSize().toSize();
    QPainter painter(this);
    painter.drawPixmap(QStyle::alignedRect(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter, shown, rect()), m_drawn);
}

void PictureLabel::resizeEvent(QResizeEvent *)
{
    m_drawn = QPixmap();
}
