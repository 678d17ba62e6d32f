// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Seconds since midnight with the fraction of a second, in single precision.
// Under a VirtualTime it follows the virtual clock.
float timeOfDay();

} // namespace platform
