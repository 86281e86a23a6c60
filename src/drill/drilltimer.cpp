#include "drilltimer.h"

void DrillTimer::setInterval(int milliseconds)
{
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    apply();
}

void DrillTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply();
}

void DrillTimer::apply()
{
    m_backend.stop();
    if (running())
        m_backend.start(m_interval);
}
