// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11windowicon.h"

// Built without X11 support: every window's icon is left to Qt.
namespace platform {

bool writeX11WindowIcon(const QWindow&, const QIcon&) {
    return false;
}

} // namespace platform
