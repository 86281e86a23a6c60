#pragma once

#include "drilltimer.h"

#include <QTimer>

#include <functional>

// The program's timer backend: a QTimer whose timeouts call 'fired'.
class QtTimerBackend final : public TimerBackend
{
public:
    explicit QtTimerBackend(std::function<void()> fired);

    void start(int milliseconds) override;
    void stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
};
