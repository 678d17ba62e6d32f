// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// A RIFF/WAVE file decoded to interleaved samples in host byte order.
// Plain C++ so that it can be built and fuzzed on its own.
//
// Accepted: PCM (format 1) with 8, 16, 24 or 32 bits, IEEE float (format 3)
// with 32 bits, and WAVE_FORMAT_EXTENSIBLE with either of those subformats.
// 24-bit samples are widened to 32 bits. Chunks other than "fmt " and "data"
// are skipped (with their pad byte when odd-sized), and only the first of each
// counts, in either order. The RIFF size field is not trusted: chunks are
// read up to the end of the bytes given.
//
// A data chunk that claims more bytes than there are (0xFFFFFFFF from a
// writer that never came back to fill it in, or a file cut short) is trimmed
// to the bytes present; a trailing partial frame is dropped. No whole frame
// left is an error, as is a missing or short "fmt ", a missing "data", zero
// channels or rate, more than maxChannels channels, a rate above maxRate, or
// a block align other than channels times the sample size. The byte rate and
// an extensible format's valid bits are not checked: samples play at the
// size of their container.
struct WavFile {
    enum class Sample { UInt8, Int16, Int32, Float32 };

    static constexpr int maxChannels = 8;
    static constexpr std::uint32_t maxRate = 768000;

    static WavFile decode(std::span<const std::uint8_t> bytes);

    bool ok() const { return error.empty(); }
    int bytesPerSample() const;
    std::size_t frames() const;

    std::string error; // why the bytes could not be decoded; empty when decoded
    Sample sample = Sample::Int16;
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::uint8_t> samples; // whole frames only
};

} // namespace platform
