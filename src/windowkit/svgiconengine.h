#pragma once

#include <QIconEngine>
#include <QString>

// An icon drawn from an SVG file. Unlike Qt's own SVG icon engine, which parses the file as soon
// as the icon is made to check it, the file is read only when a pixmap is first asked for, so
// making a window's buttons costs no parsing. Pixmaps are drawn as Qt's engine draws them: the
// picture's own shape scaled to fit, and the style's look for the disabled and other modes.
class SvgIconEngine : public QIconEngine
{
public:
    explicit SvgIconEngine(const QString &path);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine *clone() const override;
    // A missing file gives a null icon, as it does with Qt's engine.
    bool isNull() override;

private:
    QString m_path;
};
