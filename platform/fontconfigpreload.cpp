// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fontconfigpreload.h"

#include <fontconfig/fontconfig.h>

namespace platform {

// A bare thread: a QThread would set up an event loop it never runs.
FontConfigPreload::FontConfigPreload() : m_thread([] { FcInit(); }) {}

FontConfigPreload::~FontConfigPreload() {
    wait();
}

void FontConfigPreload::wait() {
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace platform
