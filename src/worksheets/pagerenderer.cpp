#include "pagerenderer.h"

#include "gridpicture.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

class Page
{
public:
    Page(QPainter &painter, const QString &dateText)
        : m_painter(painter), m_device(painter.device()), m_dateText(dateText),
          m_dotsX(m_device->logicalDpiX() / 25.4), m_dotsY(m_device->logicalDpiY() / 25.4)
    {
    }

    void draw(const LayoutElement &element)
    {
        switch (element.kind) {
        case ElementKind::TextBox:
            drawTextBox(element, element.text);
            break;
        case ElementKind::DateField:
            drawTextBox(element, m_dateText);
            break;
        case ElementKind::Column:
            drawColumn(element);
            break;
        case ElementKind::Picture:
            GridPicture::paint(m_painter, element.box, m_dotsX, m_dotsY);
            break;
        }
    }

private:
    QFont font(const FontStyle &style) const
    {
        QFont font(QString::fromLatin1(PageLayout::kFontFamily));
        font.setPointSizeF(style.points);
        font.setBold(style.bold);
        font.setUnderline(style.underline);
        font.setHintingPreference(QFont::PreferNoHinting); // widths as designed, at every resolution
        font.setKerning(false);
        return QFont(font, m_device);
    }

    // 'top' is the top of the text's line; 'x' its left end, or its right end when right-aligned.
    void drawLine(const QFont &font, const QString &text, double x, double top, Alignment alignment)
    {
        const QFontMetricsF metrics(font, m_device);
        if (alignment == Alignment::Right)
            x -= metrics.horizontalAdvance(text);
        m_painter.drawText(QPointF(x, top + metrics.ascent()), text);
    }

    void drawTextBox(const LayoutElement &element, const QString &text)
    {
        if (text.isEmpty())
            return;
        const QFont f = font(element.font);
        m_painter.setFont(f);
        const QRectF box = dots(element.box);
        // A text wider than a fixed box runs over its left edge; nothing is cut.
        const bool right = element.alignment == Alignment::Right && !element.fitted();
        drawLine(f, text, right ? box.right() : box.left(), box.top(), right ? Alignment::Right : Alignment::Left);
    }

    void drawColumn(const LayoutElement &element)
    {
        const QFont f = font(element.font);
        m_painter.setFont(f);
        const QFontMetricsF metrics(f, m_device);
        const QRectF box = dots(element.box);
        double top = box.top();
        for (const QString &line : element.lines) {
            for (const QString &part : wrapped(line, metrics, box.width())) {
                drawLine(f, part, box.right(), top, Alignment::Right);
                top += metrics.lineSpacing();
            }
        }
    }

    // Breaks a line between words where it is wider than the column; a single word stays whole.
    static QStringList wrapped(const QString &line, const QFontMetricsF &metrics, double width)
    {
        if (metrics.horizontalAdvance(line) <= width)
            return {line};
        QStringList parts;
        QString current;
        for (const QString &word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                parts.append(current);
                current = word;
            } else {
                current = longer;
            }
        }
        parts.append(current);
        return parts;
    }

    QRectF dots(const QRectF &mm) const
    {
        return {mm.left() * m_dotsX, mm.top() * m_dotsY, mm.width() * m_dotsX, mm.height() * m_dotsY};
    }

    QPainter &m_painter;
    QPaintDevice *m_device;
    const QString &m_dateText;
    const double m_dotsX;
    const double m_dotsY;
};

} // namespace

namespace PageRenderer {

void render(const Report &report, QPainter &painter, const QString &dateText)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    Page page(painter, dateText);
    for (const LayoutElement &element : report.layout().elements)
        page.draw(element);
    painter.restore();
}

void renderPages(const QList<Report> &pages, QPainter &painter, const QString &dateText)
{
    auto *device = static_cast<QPagedPaintDevice *>(painter.device());
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device->newPage();
        render(pages[i], painter, dateText);
    }
}

QString todayText()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

} // namespace PageRenderer
