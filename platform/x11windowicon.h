// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QIcon;
class QWindow;

namespace platform {

// Writes a window's icon to the X server as Qt would: the same sizes, the
// same pixels, one request. Qt converts each size whole before copying it
// into the property, touching half a megabyte more for an icon of 256
// pixels before the window can appear. False when the application is not
// on X11, which is left to Qt.
bool writeX11WindowIcon(const QWindow& window, const QIcon& icon);

} // namespace platform
