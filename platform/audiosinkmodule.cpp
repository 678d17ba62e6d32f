// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audiosinkoutput.h"
#include "platform/soundmodule.h"

// The sound module's one entry point, looked up by name when the program
// first plays a sound.
extern "C" Q_DECL_EXPORT platform::SoundOutput* lurchfieldMakeSoundOutput() {
    return new platform::AudioSinkOutput;
}
