// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/wavfile.h"

class QByteArray;

namespace platform {

// How the samples handed to an output are laid out: interleaved frames in
// host byte order.
struct SoundFormat {
    WavFile::Sample sample = WavFile::Sample::Int16;
    int channels = 0; // none: no sound
    int sampleRate = 0;

    bool isValid() const { return channels > 0 && sampleRate > 0; }
};

// Where the multimedia control sends a loaded sound: the default audio
// output in the program, a recorder in the tests.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Starts the samples playing in the background, cutting whatever this
    // output was playing.
    virtual void play(const SoundFormat& format, const QByteArray& samples) = 0;

    // Cuts the sound at once; nothing when silent.
    virtual void stop() = 0;
};

} // namespace platform
