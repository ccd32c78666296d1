// Whole notches from a mouse wheel's deltas. Pure C++: the view keeps one for
// each wheel.
#pragma once

class CWheelNotches {
public:
    static constexpr int kNotch = 120; // WHEEL_DELTA: one notch of a plain wheel

    // Adds one message's delta and returns the whole notches it completes,
    // signed as the delta is. A high-resolution wheel sends parts of a notch:
    // the rest is kept for the next message, and dropped when the wheel turns
    // the other way.
    int Add(int delta)
    {
        if ((delta < 0) != (m_nRest < 0))
            m_nRest = 0;
        m_nRest += delta;
        const int notches = m_nRest / kNotch;
        m_nRest -= notches * kNotch;
        return notches;
    }

private:
    int m_nRest = 0;
};
