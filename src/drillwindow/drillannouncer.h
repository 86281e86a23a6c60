#pragma once

#include "drilldisplay.h"

#include <QString>
#include <QWidget>

class Captions;
struct CalculatorUi;

// A hidden notice whose only job is to be spoken: its accessible role is a notification, which
// screen readers read out whenever it shows, wherever the keyboard focus is.
class AnnouncementNotice : public QWidget
{
    Q_OBJECT

public:
    explicit AnnouncementNotice(QWidget *parent);
    // Says 'text' now; the focus does not move.
    void say(const QString &text);
};

// Lets a screen reader follow the drill window. The value labels (operations, mistakes, mark),
// the record button and the thinking-time gauge carry their caption and current value in their
// accessible names, because a screen reader reads a label by its name and never by its
// description. The engine's announcements (the new operation, the verdict with the right answer)
// are said through an AnnouncementNotice, so the child keeps typing in the answer field, whose
// description holds the operation for when the focus comes back to it.
class DrillAnnouncer
{
public:
    DrillAnnouncer(CalculatorUi &ui, QWidget *window);

    // The captions that name the values, from the window's language texts.
    void setCaptions(const Captions &texts);
    // After the window showed 'shown': names the values and says a new announcement.
    void render(const DrillDisplay &shown);

private:
    void nameValues();

    CalculatorUi &m_ui;
    AnnouncementNotice *m_notice;
    QString m_operationsCaption, m_errorsCaption, m_markCaption, m_thinkingTimeCaption;
    QString m_recordName; // the record button's own name, before its recording state
    QString m_gaugeName;  // the gauge's name while no caption is known
    int m_saidAnnouncements = 0;
};
