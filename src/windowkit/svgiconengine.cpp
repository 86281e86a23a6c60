#include "svgiconengine.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

SvgIconEngine::SvgIconEngine(const QString &path) : m_path(path)
{
}

QPixmap SvgIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QString cacheKey = QStringLiteral("quorvel-svg:%1:%2x%3:%4:%5")
                                 .arg(m_path).arg(size.width()).arg(size.height()).arg(int(mode)).arg(int(state));
    QPixmap drawn;
    if (QPixmapCache::find(cacheKey, &drawn))
        return drawn;
    QSvgRenderer renderer(m_path);
    if (!renderer.isValid())
        return drawn;
    QSize shown = renderer.defaultSize();
    if (!shown.isNull())
        shown.scale(size, Qt::KeepAspectRatio);
    if (shown.isEmpty())
        return drawn;
    QImage image(shown, QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    drawn = QPixmap::fromImage(image);
    if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QStyleOption option(0);
        option.palette = QGuiApplication::palette();
        const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        if (!generated.isNull())
            drawn = generated;
    }
    QPixmapCache::insert(cacheKey, drawn);
    return drawn;
}

void SvgIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    QSize pixels = rect.size();
    if (painter->device())
        pixels *= painter->device()->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(pixels, mode, state));
}

QSize SvgIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return pixmap(size, mode, state).size();
}

QString SvgIconEngine::key() const
{
    return QStringLiteral("svg");
}

QIconEngine *SvgIconEngine::clone() const
{
    return new SvgIconEngine(m_path);
}

bool SvgIconEngine::isNull()
{
    return !QFileInfo::exists(m_path);
}
