#pragma once

#include <algorithm>
#include <functional>

// A control's value with its change step: setting a different value (kept inside the control's
// range) runs the step, setting the value it already has runs nothing.
class BoundedValue
{
public:
    BoundedValue(int minimum, int maximum, int initial) : m_min(minimum), m_max(maximum), m_value(initial) {}

    void onChange(std::function<void(int)> step) { m_step = std::move(step); }

    int value() const { return m_value; }
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }

    void set(int value)
    {
        value = std::clamp(value, m_min, m_max);
        if (value == m_value)
            return;
        m_value = value;
        if (m_step)
            m_step(value);
    }

    // Puts the control back to a value without its change step (the window reset, not a change).
    void restore(int value) { m_value = std::clamp(value, m_min, m_max); }

private:
    int m_min, m_max, m_value;
    std::function<void(int)> m_step;
};
