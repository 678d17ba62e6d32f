#include "platform/fontconfigpreload.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

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
    // The thread's memory arena keeps the parser's freed buffers; the
    // configuration itself stays.
    malloc_trim(0);
}

} // namespace platform
