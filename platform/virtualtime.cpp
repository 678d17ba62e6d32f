// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/virtualtime.h"

#include "platform/timer.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {
VirtualTime* current = nullptr;
constexpr qint64 msPerDay = 24LL * 60 * 60 * 1000;
} // namespace

VirtualTime::VirtualTime(float startSecondsSinceMidnight)
    : m_startMs(std::llround(double(startSecondsSinceMidnight) * 1000.0)) {
    current = this;
}

VirtualTime::~VirtualTime() {
    for (const Armed& a : std::vector<Armed>(m_armed))
        a.timer->setEnabled(false);
    if (current == this)
        current = nullptr;
}

VirtualTime* VirtualTime::active() {
    return current;
}

float VirtualTime::timeOfDay() const {
    return static_cast<float>(((m_startMs + m_now) % msPerDay) / 1000.0);
}

void VirtualTime::advance(qint64 ms) {
    const qint64 target = m_now + ms;
    for (;;) {
        auto next =
            std::min_element(m_armed.begin(), m_armed.end(), [](const Armed& l, const Armed& r) {
                return l.due != r.due ? l.due < r.due : l.order < r.order;
            });
        if (next == m_armed.end() || next->due > target)
            break;
        m_now = next->due;
        next->due += next->timer->interval();
        next->order = m_nextOrder++;
        next->timer->fire(); // may arm or disarm timers, so search afresh
    }
    m_now = target;
}

void VirtualTime::delay(Timer& timer, qint64 ms) {
    for (Armed& a : m_armed)
        if (a.timer == &timer)
            a.due += ms;
}

void VirtualTime::arm(Timer* timer) {
    m_armed.push_back({timer, m_now + timer->interval(), m_nextOrder++});
}

void VirtualTime::disarm(Timer* timer) {
    std::erase_if(m_armed, [timer](const Armed& a) { return a.timer == timer; });
}

} // namespace platform
