#pragma once

#include <QLabel>
#include <QTextLayout>

// The first information text, with room for two key pictures: the enter key's tick in the run of
// blanks the text leaves for it, and the show-answer ambulance after its last word. The label lays
// out and paints the text itself, so the pictures go exactly where the room is, whatever the
// language, the fonts and the screen's scale.
class InfoTextLabel : public QLabel
{
    Q_OBJECT

public:
    explicit InfoTextLabel(QWidget *parent = nullptr);

    void setPictureSizes(QSize tick, QSize ambulance);
    void setInfoText(const QString &text);
    // Where each picture goes, and at which size, in the label's coordinates; empty when the text
    // leaves no room.
    QRect tickPlace() const { return m_tickPlace; }
    QRect ambulancePlace() const { return m_ambulancePlace; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut();

    QSize m_tick, m_ambulance;
    QTextLayout m_layout;
    QRect m_tickPlace, m_ambulancePlace;
};
