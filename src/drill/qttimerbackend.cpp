#include "qttimerbackend.h"

QtTimerBackend::QtTimerBackend(std::function<void()> fired)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, std::move(fired));
}

void QtTimerBackend::start(int milliseconds)
{
    // QTimer with interval 0 would fire continuously; the drill timer never asks for that.
    if (milliseconds > 0)
        m_timer.start(milliseconds);
}
