// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fontconfigpreload.h"

// Without fontconfig there is nothing to read ahead: Qt loads fonts its own way.
namespace platform {

FontConfigPreload::FontConfigPreload() = default;
FontConfigPreload::~FontConfigPreload() = default;
void FontConfigPreload::wait() {}

} // namespace platform
