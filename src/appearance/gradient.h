#pragma once

#include "colortable.h"
#include "colourtargets.h"
#include "gradientproperties.h"

#include <QWidget>

// Paints a two- or three-colour gradient over its parent's whole client area, behind all the
// parent's other children. It takes no focus and no keys; clicks are reported as signals.
class TGradient : public QWidget, public GradientTarget
{
    Q_OBJECT

public:
    explicit TGradient(QWidget *parent);

    ColorValue StartColor() const override { return m_properties.startColor; }
    ColorValue MiddleColor() const override { return m_properties.middleColor; }
    ColorValue EndColor() const override { return m_properties.endColor; }
    GradientOrientation Orientation() const override { return m_properties.orientation; }
    bool DoubleGradient() const override { return m_properties.doubleGradient; }
    bool Flipped() const override { return m_properties.flipped; }

    // Each setter ignores its current value; any other value rebuilds the colour table and
    // repaints before returning (nothing is painted while hidden).
    void SetStartColor(ColorValue color) override;
    void SetMiddleColor(ColorValue color) override;
    void SetEndColor(ColorValue color) override;
    void SetOrientation(GradientOrientation orientation) override;
    void SetDoubleGradient(bool doubleGradient) override;
    void SetFlipped(bool flipped) override;

    GradientProperties properties() const { return m_properties; }
    // Applies all six through the setters: colours, double, flipped, then orientation.
    void setProperties(const GradientProperties &properties);

signals:
    void clicked();
    void doubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    template <typename T>
    void changeProperty(T &property, T value);

    GradientProperties m_properties;
    ColorTable m_table;
    bool m_pressed = false;
};
