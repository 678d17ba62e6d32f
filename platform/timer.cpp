// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/timer.h"

#include "platform/virtualtime.h"

namespace platform {

Timer::Timer(int intervalMs, QObject* parent) : QObject(parent), m_interval(intervalMs) {
    // A precise timer schedules each tick from the previous deadline, so a
    // long run of ticks does not drift.
    m_real.setTimerType(Qt::PreciseTimer);
    m_real.setInterval(intervalMs);
    connect(&m_real, &QTimer::timeout, this, &Timer::fire);
}

Timer::~Timer() {
    setEnabled(false);
}

void Timer::setEnabled(bool on) {
    if (on == m_enabled)
        return;
    m_enabled = on;
    if (on) {
        m_virtual = VirtualTime::active();
        if (m_virtual)
            m_virtual->arm(this);
        else
            m_real.start();
    } else {
        if (m_virtual)
            m_virtual->disarm(this);
        m_virtual = nullptr;
        m_real.stop();
    }
}

void Timer::fire() {
    if (m_enabled)
        emit tick();
}

} // namespace platform
