// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wavfile.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace platform {

namespace {

using Bytes = std::span<const std::uint8_t>;

std::uint16_t le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t le32(const std::uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t{p[3]} << 24;
}

bool tagIs(const std::uint8_t* p, const char* tag) {
    return std::memcmp(p, tag, 4) == 0;
}

// The GUID of an extensible format's subformat, after its leading format tag.
constexpr std::uint8_t guidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                       0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

WavFile failure(std::string why) {
    WavFile wav;
    wav.error = std::move(why);
    return wav;
}

struct Chunks {
    std::optional<Bytes> fmt, data;
    bool fmtCut = false; // a "fmt " chunk runs past the end of the bytes
};

// The first "fmt " and "data" chunks. A chunk that runs past the end is the
// last one read: the next would start beyond the bytes.
Chunks findChunks(Bytes bytes) {
    Chunks found;
    std::size_t at = 12;
    while (at <= bytes.size() && bytes.size() - at >= 8) {
        const std::uint8_t* head = bytes.data() + at;
        const std::size_t declared = le32(head + 4);
        const std::size_t start = at + 8;
        const std::size_t present = std::min(declared, bytes.size() - start);
        const Bytes body = bytes.subspan(start, present);
        if (tagIs(head, "fmt ") && !found.fmt) {
            found.fmt = body;
            found.fmtCut = present < declared;
        } else if (tagIs(head, "data") && !found.data) {
            found.data = body;
        }
        at = start + declared + (declared & 1);
    }
    return found;
}

} // namespace

int WavFile::bytesPerSample() const {
    switch (sample) {
    case Sample::UInt8:
        return 1;
    case Sample::Int16:
        return 2;
    case Sample::Int32:
    case Sample::Float32:
        return 4;
    }
    return 0;
}

std::size_t WavFile::frames() const {
    return channels > 0 ? samples.size() / (std::size_t(channels) * bytesPerSample()) : 0;
}

WavFile WavFile::decode(Bytes bytes) {
    if (bytes.size() < 12 || !tagIs(bytes.data(), "RIFF") || !tagIs(bytes.data() + 8, "WAVE"))
        return failure("not a RIFF/WAVE file");
    const Chunks chunks = findChunks(bytes);
    if (!chunks.fmt)
        return failure("no fmt chunk");
    if (chunks.fmtCut)
        return failure("fmt chunk cut short");
    const Bytes fmt = *chunks.fmt;
    if (fmt.size() < 16)
        return failure("fmt chunk shorter than 16 bytes");
    const std::uint8_t* f = fmt.data();
    std::uint16_t tag = le16(f);
    const std::uint16_t channels = le16(f + 2);
    const std::uint32_t rate = le32(f + 4);
    const std::uint16_t blockAlign = le16(f + 12);
    const std::uint16_t bits = le16(f + 14);
    if (tag == 0xFFFE) {
        if (fmt.size() < 40 || le16(f + 16) < 22)
            return failure("extensible fmt chunk too short");
        if (std::memcmp(f + 26, guidTail, sizeof guidTail) != 0)
            return failure("unknown extensible subformat");
        tag = le16(f + 24);
    }

    WavFile wav;
    if (tag == 1 && bits == 8)
        wav.sample = Sample::UInt8;
    else if (tag == 1 && bits == 16)
        wav.sample = Sample::Int16;
    else if (tag == 1 && (bits == 24 || bits == 32))
        wav.sample = Sample::Int32;
    else if (tag == 3 && bits == 32)
        wav.sample = Sample::Float32;
    else
        return failure("unsupported format " + std::to_string(tag) + " with " +
                       std::to_string(bits) + " bits");
    if (channels == 0 || channels > maxChannels)
        return failure("unsupported channel count " + std::to_string(channels));
    if (rate == 0 || rate > maxRate)
        return failure("unsupported sample rate " + std::to_string(rate));
    const std::size_t inBytes = bits / 8;
    if (blockAlign != channels * inBytes)
        return failure("block align " + std::to_string(blockAlign) + " does not fit " +
                       std::to_string(channels) + " channels of " + std::to_string(bits) + " bits");
    if (!chunks.data)
        return failure("no data chunk");
    const std::size_t frames = chunks.data->size() / blockAlign;
    if (frames == 0)
        return failure("no audio in the data chunk");

    wav.channels = channels;
    wav.sampleRate = static_cast<int>(rate);
    const std::size_t count = frames * channels;
    const int outBytes = wav.bytesPerSample();
    wav.samples.resize(count * outBytes);
    const std::uint8_t* in = chunks.data->data();
    std::uint8_t* out = wav.samples.data();
    for (std::size_t i = 0; i < count; ++i, in += inBytes, out += outBytes) {
        if (bits == 8) {
            *out = *in;
        } else if (bits == 16) {
            const std::uint16_t v = le16(in);
            std::memcpy(out, &v, sizeof v);
        } else {
            // 24 bits go to the top of a 32-bit sample, keeping their sign.
            const std::uint32_t v =
                bits == 24 ? in[0] << 8 | in[1] << 16 | std::uint32_t{in[2]} << 24 : le32(in);
            std::memcpy(out, &v, sizeof v);
        }
    }
    return wav;
}

} // namespace platform
