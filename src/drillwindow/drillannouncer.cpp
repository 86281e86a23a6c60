#include "drillannouncer.h"

#include "calculatorui.h"
#include "drillwidgets.h"
#include "languagecatalog.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface *noticeAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(AnnouncementNotice::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

// "Sums: 5": the caption, then what the control shows.
QString captionAndValue(const QString &caption, const QString &value)
{
    return (caption.trimmed() + u' ' + value.trimmed()).trimmed();
}

void setName(QWidget *widget, const QString &name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

} // namespace

AnnouncementNotice::AnnouncementNotice(QWidget *parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(noticeAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("announcement"));
    hide(); // nothing to see: it is only heard
}

void AnnouncementNotice::say(const QString &text)
{
    // Screen readers speak a notification when it shows, with its name as the message; Qt 6.4
    // has no announcement event, and a description change on the focused answer field reaches
    // the screen reader without its text.
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

DrillAnnouncer::DrillAnnouncer(CalculatorUi &ui, QWidget *window)
    : m_ui(ui), m_notice(new AnnouncementNotice(window)), m_recordName(ui.BitBtn7->accessibleName()),
      m_gaugeName(ui.Gauge1->accessibleName())
{
}

void DrillAnnouncer::setCaptions(const Captions &texts)
{
    m_operationsCaption = texts.text(u"vOperationLbl");
    m_errorsCaption = texts.text(u"vErrorsLbl");
    m_markCaption = texts.text(u"vAverageLbl");
    m_thinkingTimeCaption = texts.text(u"vThinkTimeCaption").trimmed();
    nameValues();
}

void DrillAnnouncer::render(const DrillDisplay &shown)
{
    nameValues();
    // Read after the answer field's name whenever the focus comes back to it ("3 x 7 =").
    const QString operation = shown.firstOperand.isEmpty()
                                  ? QString()
                                  : shown.firstOperand + u' ' + shown.operatorText + u' ' + shown.secondOperand
                                        + QStringLiteral(" =");
    if (m_ui.Ans->accessibleDescription() != operation)
        m_ui.Ans->setAccessibleDescription(operation);
    if (shown.announcements != m_saidAnnouncements) {
        m_saidAnnouncements = shown.announcements;
        m_notice->say(shown.announcement);
    }
}

void DrillAnnouncer::nameValues()
{
    setName(m_ui.Label8, captionAndValue(m_operationsCaption, m_ui.Label8->text()));
    setName(m_ui.Label10, captionAndValue(m_errorsCaption, m_ui.Label10->text()));
    setName(m_ui.Label11, captionAndValue(m_markCaption, m_ui.Label11->text()));
    const QString recording = m_ui.BitBtn7->caption();
    setName(m_ui.BitBtn7, recording.isEmpty() ? m_recordName : m_recordName + QStringLiteral(": ") + recording);
    // The gauge's value (how much of the thinking time has gone) is its progress.
    setName(m_ui.Gauge1, m_thinkingTimeCaption.isEmpty() ? m_gaugeName : m_thinkingTimeCaption);
}
