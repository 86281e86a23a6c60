#include "infotextlabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLine>
#include <cmath>

namespace {

constexpr QChar kNoBreakSpace(0x00A0);
constexpr int kMargin = 3; // clear space on each side of a picture

// Enough non-breaking blanks to hold 'width' pixels with a margin on each side. Being
// non-breaking, they stay on the line of the words around them.
QString roomFor(int width, const QFont &font, qsizetype atLeast)
{
    const qreal blank = std::max<qreal>(QFontMetricsF(font).horizontalAdvance(kNoBreakSpace), 1);
    return QString(std::max<qsizetype>(atLeast, qsizetype(std::ceil((width + 2 * kMargin) / blank))), kNoBreakSpace);
}

// A picture centred on the characters [from, to) of the line that holds them, made smaller when
// the line is lower than the picture, so that it never reaches the lines above and below.
QRect placeOn(const QTextLayout &layout, qsizetype from, qsizetype to, QSize picture)
{
    const QTextLine line = layout.lineForTextPosition(int(from));
    if (!line.isValid())
        return {};
    const QSize size = picture.height() <= int(line.height())
                           ? picture
                           : picture.scaled(picture.width(), int(line.height()), Qt::KeepAspectRatio);
    const qreal left = line.cursorToX(int(from));
    const qreal right = line.cursorToX(int(to));
    return QRect(QPoint(int(std::round((left + right - size.width()) / 2)),
                        int(std::ceil(line.y() + (line.height() - size.height()) / 2))),
                 size);
}

} // namespace

InfoTextLabel::InfoTextLabel(QWidget *parent) : QLabel(parent)
{
    setWordWrap(true);
}

void InfoTextLabel::setPictureSizes(QSize tick, QSize ambulance)
{
    m_tick = tick;
    m_ambulance = ambulance;
    layOut();
}

void InfoTextLabel::setInfoText(const QString &text)
{
    setText(text); // what assistive technology reads
    layOut();
}

void InfoTextLabel::layOut()
{
    // The first run of two or more blanks is the tick's room; the ambulance's follows the text.
    QString laidOut = text().trimmed();
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    const QRegularExpressionMatch gap = blanks.match(laidOut);
    qsizetype tickFrom = -1, tickTo = -1;
    if (gap.hasMatch()) {
        const QString room = roomFor(m_tick.width(), font(), gap.capturedLength());
        tickFrom = gap.capturedStart();
        tickTo = tickFrom + room.size();
        laidOut.replace(tickFrom, gap.capturedLength(), room);
    }
    const qsizetype endFrom = laidOut.size();
    if (!laidOut.isEmpty())
        laidOut += roomFor(m_ambulance.width(), font(), 1);

    m_layout.setText(laidOut);
    m_layout.setFont(font());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    m_layout.setTextOption(option);
    const qreal leading = QFontMetricsF(font()).leading();
    qreal y = 0;
    m_layout.beginLayout();
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, y));
        y += line.height() + leading;
    }
    m_layout.endLayout();

    m_tickPlace = tickFrom >= 0 ? placeOn(m_layout, tickFrom, tickTo, m_tick) : QRect();
    m_ambulancePlace = laidOut.isEmpty() ? QRect() : placeOn(m_layout, endFrom, laidOut.size(), m_ambulance);
    update();
}

void InfoTextLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    m_layout.draw(&painter, QPointF(0, 0));
}

void InfoTextLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layOut();
}

void InfoTextLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    layOut();
}
