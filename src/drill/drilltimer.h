#pragma once

// What actually counts time for a drill timer: a QTimer in the program, a manual clock in tests.
class TimerBackend
{
public:
    virtual ~TimerBackend() = default;
    virtual void start(int milliseconds) = 0; // (re)start counting from zero
    virtual void stop() = 0;
};

// A window-system timer as the drill sees it: it runs while enabled with an interval above 0,
// and setting the interval or the enabled flag to a different value restarts its count.
class DrillTimer
{
public:
    explicit DrillTimer(TimerBackend &backend) : m_backend(backend) {}

    void setInterval(int milliseconds);
    void setEnabled(bool enabled);
    // Interval 0, then the new interval: the count starts again from zero.
    void restart(int milliseconds)
    {
        setInterval(0);
        setInterval(milliseconds);
    }

    int interval() const { return m_interval; }
    bool enabled() const { return m_enabled; }
    bool running() const { return m_enabled && m_interval > 0; }

private:
    void apply();

    TimerBackend &m_backend;
    int m_interval = 0;
    bool m_enabled = false;
};
