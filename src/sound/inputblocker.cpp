#include "inputblocker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace {

bool isUserInput(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    case QEvent::Close: // the window's close box, not the program closing a window
        return event->spontaneous();
    default:
        return false;
    }
}

} // namespace

bool InputBlocker::eventFilter(QObject *watched, QEvent *event)
{
    if (isUserInput(event))
        return true;
    return QObject::eventFilter(watched, event);
}

void InputBlocker::run(const std::function<void(std::function<void()> finished)> &start, int timeoutMs)
{
    InputBlocker blocker;
    QCoreApplication *app = QCoreApplication::instance();
    if (app)
        app->installEventFilter(&blocker);
    QEventLoop loop;
    bool done = false;
    const auto finished = [&loop, &done] {
        done = true;
        loop.quit();
    };
    QTimer::singleShot(timeoutMs, &loop, finished);
    start(finished);
    if (!done)
        loop.exec();
    // Input that arrived at the very end is dropped too.
    QCoreApplication::processEvents();
    if (app)
        app->removeEventFilter(&blocker);
}
