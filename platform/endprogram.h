// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Ends the program at once: every window disappears and no further event
// handler runs once the current one returns.
void endProgram();

} // namespace platform
