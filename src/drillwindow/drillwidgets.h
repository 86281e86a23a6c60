#pragma once

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

// A push button with its picture above its caption (the calculator's enter and record keys).
class StackedButton : public QPushButton
{
    Q_OBJECT

public:
    explicit StackedButton(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    void setCaption(const QString &caption);
    QString caption() const;
    // Font and colour of the caption only.
    void setCaptionStyle(const QFont &font, const QColor &color);

private:
    QLabel *m_picture;
    QLabel *m_caption;
};

// A drop-down list that says when the child opens it.
class OperationList : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    void showPopup() override;

signals:
    void popupAboutToShow();
};

// The thin vertical thinking-time gauge, filling from the bottom in its own colour.
class GaugeBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit GaugeBar(QWidget *parent = nullptr);
    void setFillColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
};

// A picture stretched over the whole widget (the grey-blue texture).
class StretchedPicture : public QWidget
{
    Q_OBJECT

public:
    StretchedPicture(const QString &svgPath, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_path;
    QPixmap m_cache;
};
