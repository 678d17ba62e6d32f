// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the WAV reader on arbitrary bytes. Besides the
// sanitizers' findings, any broken promise of the reader traps.
#include "platform/wavfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using platform::WavFile;
    const WavFile wav = WavFile::decode({data, size});
    if (!wav.ok()) {
        if (!wav.samples.empty())
            __builtin_trap();
        return 0;
    }
    const std::size_t frameBytes = std::size_t(wav.channels) * wav.bytesPerSample();
    if (wav.channels < 1 || wav.channels > WavFile::maxChannels || wav.sampleRate < 1 ||
        wav.frames() == 0 || wav.samples.size() % frameBytes != 0 ||
        wav.samples.size() > size / 3 * 4 + 4)
        __builtin_trap();
    return 0;
}
