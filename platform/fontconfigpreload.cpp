#include "platform/fontconfigpreload.h"

#include <fontconfig/fontconfig.h>

namespace platform {

// A bare thread: a QThread would set up an event loop it never runs.
FontConfigPreload::FontConfigPreload() {
    m_running = pthread_create(
                    &m_thread, nullptr,
                    [](void*) -> void* {
                        FcInit();
                        return nullptr;
                    },
                    nullptr) == 0;
}

FontConfigPreload::~FontConfigPreload() {
    wait();
}

void FontConfigPreload::wait() {
    if (!m_running)
        return;
    pthread_join(m_thread, nullptr);
    m_running = false;
}

} // namespace platform
