#pragma once

#include <QIcon>
#include <QPixmap>
#include <QWidget>

// A picture shown as a label shows a pixmap (left, centred in height), but drawn only when first
// painted, so a window's creation does not pay for drawing it.
class PictureLabel : public QWidget
{
public:
    explicit PictureLabel(QWidget *parent);

    void setPicture(const QIcon &picture);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QIcon m_picture;
    QPixmap m_drawn; // at the widget's size, from the first paint
};
