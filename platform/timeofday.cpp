// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/timeofday.h"

#include "platform/virtualtime.h"

#include <QTime>

namespace platform {

float timeOfDay() {
    if (const VirtualTime* virt = VirtualTime::active())
        return virt->timeOfDay();
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

} // namespace platform
