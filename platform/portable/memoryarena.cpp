// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/memoryarena.h"

// Built for any system: the C library's own allocation policy stands.
namespace platform {

void useOneMemoryArena() {}

} // namespace platform
