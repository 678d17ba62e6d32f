// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/soundoutput.h"

#include <memory>

namespace platform {

// The module's entry point: a new output on the default audio device.
using MakeSoundOutput = SoundOutput* (*)();
inline constexpr char makeSoundOutputName[] = "lurchfieldMakeSoundOutput";

// The default audio output, loaded on the first sound played. The output
// and Qt Multimedia with the twenty-odd libraries it brings live in a module
// of their own, so a run that plays nothing never loads them. A module that
// cannot be loaded costs one warning line a sound, and the sound is silent.
class SoundModule : public SoundOutput {
public:
    SoundModule();
    ~SoundModule() override;

    void play(const SoundFormat& format, const QByteArray& samples) override;
    void stop() override;

private:
    std::unique_ptr<SoundOutput> m_output; // none until the module is loaded
};

} // namespace platform
