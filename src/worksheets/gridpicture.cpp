#include "gridpicture.h"

#include "pagelayout.h"

#include <QFontMetricsF>
#include <QPainter>

namespace GridPicture {

namespace {

constexpr int kRows = 13;    // the header row and the rows 1 to 12
constexpr int kColumns = 12; // the header column and the columns 2 to 12
constexpr double kRule = 0.5;
constexpr double kHeaderRule = 0.8; // along the two header edges and across the corner
constexpr double kFineRule = 0.2;   // the dotted outer top and left edges

double columnLeft(int column) // column 0 is the header column
{
    return column == 0 ? 0 : kHeaderColumnWidth + (column - 1) * kColumnWidth;
}

double rowTop(int row)
{
    return row == 0 ? 0 : kHeaderRowHeight + (row - 1) * kRowHeight;
}

} // namespace

QRectF cell(QPointF origin, int row, int columnFactor)
{
    const int column = columnFactor == 0 ? 0 : columnFactor - 1;
    const double left = origin.x() + kInset + columnLeft(column);
    const double top = origin.y() + kInset + rowTop(row);
    return {left, top, column == 0 ? kHeaderColumnWidth : kColumnWidth, row == 0 ? kHeaderRowHeight : kRowHeight};
}

void paint(QPainter &painter, const QRectF &box, double dotsX, double dotsY)
{
    painter.save();
    const auto at = [&](double xMm, double yMm) { return QPointF(xMm * dotsX, yMm * dotsY); };
    const auto dots = [&](const QRectF &mm) { return QRectF(at(mm.left(), mm.top()), at(mm.right(), mm.bottom())); };
    const QPointF origin = box.topLeft();
    const double left = origin.x() + kInset;
    const double top = origin.y() + kInset;
    const double right = left + columnLeft(kColumns);
    const double bottom = top + rowTop(kRows);

    // White ground, then the shaded header cells; the corner stays white.
    painter.fillRect(dots(QRectF(QPointF(left, top), QPointF(right, bottom))), Qt::white);
    const QBrush shade(QColor(150, 150, 150), Qt::Dense5Pattern);
    painter.fillRect(dots(QRectF(QPointF(left + kHeaderColumnWidth, top), QPointF(right, top + kHeaderRowHeight))), shade);
    painter.fillRect(dots(QRectF(QPointF(left, top + kHeaderRowHeight), QPointF(left + kHeaderColumnWidth, bottom))), shade);

    // Numbers, centred in their cells.
    QFont font(QString::fromLatin1(PageLayout::kFontFamily));
    font.setPointSizeF(kNumberPoints);
    font.setHintingPreference(QFont::PreferNoHinting);
    QFont bold = font;
    bold.setBold(true);
    const auto number = [&](const QFont &f, int value, const QRectF &cellMm) {
        const QFont deviceFont(f, painter.device());
        painter.setFont(deviceFont);
        const QFontMetricsF metrics(deviceFont, painter.device());
        const QString text = QString::number(value);
        const QRectF cellDots = dots(cellMm);
        const double x = cellDots.center().x() - metrics.horizontalAdvance(text) / 2;
        const double baseline = cellDots.center().y() + metrics.capHeight() / 2;
        painter.drawText(QPointF(x, baseline), text);
    };
    painter.setPen(Qt::black);
    for (int c = 2; c <= 12; ++c)
        number(bold, c, cell(origin, 0, c));
    for (int r = 1; r <= 12; ++r) {
        number(bold, r, cell(origin, r, 0));
        for (int c = 2; c <= 12; ++c)
            number(font, r * c, cell(origin, r, c));
    }

    // Rules.
    const auto rule = [&](double width, Qt::PenStyle style, QPointF from, QPointF to) {
        QPen pen(Qt::black, width * dotsX, style, Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(at(from.x(), from.y()), at(to.x(), to.y()));
    };
    for (int row = 1; row <= kRows; ++row) {
        const double y = top + rowTop(row);
        rule(row == 1 ? kHeaderRule : kRule, Qt::SolidLine, {left, y}, {right, y});
    }
    for (int column = 1; column <= kColumns; ++column) {
        const double x = left + columnLeft(column);
        rule(column == 1 ? kHeaderRule : kRule, Qt::SolidLine, {x, top}, {x, bottom});
    }
    rule(kFineRule, Qt::DotLine, {left, top}, {right, top});
    rule(kFineRule, Qt::DotLine, {left, top}, {left, bottom});
    // The corner cell's diagonal, from its lower-left to its upper-right corner.
    rule(kHeaderRule, Qt::SolidLine, {left, top + kHeaderRowHeight}, {left + kHeaderColumnWidth, top});
    painter.restore();
}

} // namespace GridPicture
