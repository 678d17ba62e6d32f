// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Has every thread allocate from one memory arena. The program's threads
// are few and quiet, and an arena of their own each would keep its freed
// memory, the font configuration's parser buffers first of all, from
// everyone else. Does nothing where the C library has no such setting.
void useOneMemoryArena();

} // namespace platform
