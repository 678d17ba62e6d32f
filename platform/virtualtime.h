// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <vector>

namespace platform {

class Timer;

// A clock that moves only when told to. While one exists, timers enabled
// from then on tick on it and the time of day follows it, so a test can run
// minutes of the program's time in a moment.
class VirtualTime {
public:
    explicit VirtualTime(float startSecondsSinceMidnight = 0.0f);
    ~VirtualTime();
    VirtualTime(const VirtualTime&) = delete;
    VirtualTime& operator=(const VirtualTime&) = delete;

    static VirtualTime* active();

    float timeOfDay() const;

    // Moves the clock forward by ms, delivering every tick that falls due on
    // the way, in the order of their deadlines.
    void advance(qint64 ms);

    // Holds the timer's next tick back by ms, as a busy machine would; it
    // keeps its cadence from there.
    void delay(Timer& timer, qint64 ms);

private:
    friend class Timer;
    void arm(Timer* timer);
    void disarm(Timer* timer);

    struct Armed {
        Timer* timer;
        qint64 due;
        quint64 order; // breaks ties between equal deadlines, first armed first
    };
    std::vector<Armed> m_armed;
    qint64 m_now = 0;
    qint64 m_startMs;
    quint64 m_nextOrder = 0;
};

} // namespace platform
