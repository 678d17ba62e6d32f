// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace platform {

// Reads the font configuration on a thread of its own from launch, while
// the application connects to the display and builds its first window.
// Reading it takes about as long as those two together, and Qt reads it
// only when the window is first shown, where it then finds it done
// (FcInit does nothing once a configuration is loaded). Where Qt does not
// read fonts through fontconfig, the build leaves this out.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    // Waits until the configuration is read. Call before anything may ask
    // for a font, so that Qt does not read a second copy meanwhile.
    void wait();

private:
    std::thread m_thread;
};

} // namespace platform
