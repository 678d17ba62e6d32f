// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: synthesises the two chimes the program plays, each note
// a struck metal bar as in a door chime, and writes them as WAV files.
//   chimes DIR  ->  DIR/pinpon.wav, DIR/endpinpon.wav
//
// Mono 16-bit PCM at 44.1 kHz. All arithmetic is on integers (fixed point
// with 30 fractional bits), so every build writes the same bytes, whatever
// the compiler's or the C library's floating point does.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t rate = 44100;
constexpr int fraction = 30;
constexpr std::int64_t unit = std::int64_t{1} << fraction; // 1.0
// The loudest sample of each chime: 0.488 of full scale, -6.2 dBFS.
constexpr std::int64_t peak = 16000;

// sin(2 pi phase / 2^32) in fixed point. The phase is folded onto the
// quarter wave as t in [-1, 1], and sin(pi t / 2) comes from its Taylor
// terms to t^5 and a t^7 term that makes sin(pi / 2) exactly 1: within
// 1.5e-5 of the sine, below the least step of 16 bits.
std::int64_t sine(std::uint32_t phase) {
    std::int64_t t = phase;
    if (phase >= 3u << 30)
        t -= std::int64_t{1} << 32;
    else if (phase >= 1u << 30)
        t = (std::int64_t{1} << 31) - t;
    const std::int64_t t2 = (t * t) >> fraction;
    std::int64_t sum = -4858527;
    sum = 85569306 + ((sum * t2) >> fraction);
    sum = -693598668 + ((sum * t2) >> fraction);
    sum = 1686629713 + ((sum * t2) >> fraction);
    return (sum * t) >> fraction;
}

// The first three bending modes of a bar free at both ends, at 1, 2.756
// and 5.404 times its note: the inharmonic overtones that make it sound
// like a bell. The higher a mode, the fainter and the sooner it dies away.
struct Mode {
    std::int64_t ratio;    // frequency, in thousandths of the note
    std::int64_t level;    // amplitude, in thousandths of the note's
    std::int64_t shortens; // its decay time is the note's divided by this
};
constexpr Mode modes[] = {{1000, 1000, 1}, {2756, 300, 3}, {5404, 100, 8}};

struct Note {
    std::int64_t startMs;
    std::int64_t milliHertz;
    std::int64_t decayMs; // the time the fundamental takes to fall to 1/e
};

// The strike takes 5 ms to reach full strength, so no note starts with a click.
constexpr std::int64_t attack = rate * 5 / 1000;

void strike(std::vector<std::int64_t>& mix, const Note& note) {
    const std::size_t start = std::size_t(note.startMs * rate / 1000);
    for (const Mode& mode : modes) {
        const std::int64_t milliHertz = note.milliHertz * mode.ratio / 1000;
        const auto step = std::uint32_t((milliHertz << 32) / (rate * 1000));
        const std::int64_t decaySamples = note.decayMs * rate / 1000 / mode.shortens;
        const std::int64_t decay = unit - unit / decaySamples; // per sample
        std::int64_t level = unit * mode.level / 1000;
        std::uint32_t phase = 0;
        for (std::size_t n = start; n < mix.size(); ++n) {
            std::int64_t value = (sine(phase) * level) >> fraction;
            if (std::int64_t(n - start) < attack)
                value = value * std::int64_t(n - start) / attack;
            mix[n] += value;
            phase += step;
            level = (level * decay) >> fraction;
        }
    }
}

// The notes mixed, faded out to exactly zero over the last fadeMs, and
// scaled so that the loudest sample is `peak`.
std::vector<std::int16_t> chime(std::int64_t lengthMs, std::int64_t fadeMs,
                                const std::vector<Note>& notes) {
    std::vector<std::int64_t> mix(std::size_t(lengthMs * rate / 1000));
    for (const Note& note : notes)
        strike(mix, note);
    const std::int64_t fade = fadeMs * rate / 1000;
    const std::int64_t last = std::int64_t(mix.size()) - 1;
    for (std::int64_t n = last - fade; n <= last; ++n)
        mix[std::size_t(n)] = mix[std::size_t(n)] * (last - n) / fade;
    std::int64_t loudest = 1;
    for (const std::int64_t value : mix)
        loudest = std::max(loudest, value < 0 ? -value : value);
    std::vector<std::int16_t> samples;
    for (const std::int64_t value : mix) {
        const std::int64_t half = value < 0 ? -loudest / 2 : loudest / 2;
        samples.push_back(std::int16_t((value * peak + half) / loudest));
    }
    return samples;
}

void little(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xff);
}

bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples) {
    const auto dataBytes = std::uint32_t(samples.size() * 2);
    std::string out = "RIFF";
    little(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    little(out, 16, 4);
    little(out, 1, 2); // PCM
    little(out, 1, 2); // mono
    little(out, rate, 4);
    little(out, rate * 2, 4); // bytes a second
    little(out, 2, 2);        // bytes a frame
    little(out, 16, 2);       // bits a sample
    out += "data";
    little(out, dataBytes, 4);
    for (const std::int16_t sample : samples)
        little(out, std::uint16_t(sample), 2);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

// Equal-tempered notes, in millihertz.
constexpr std::int64_t C5 = 523251, E5 = 659255, G5 = 783991;

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    // Init and Help: a door chime, high then a major third lower.
    const auto pinpon = chime(800, 80, {{0, E5, 300}, {280, C5, 350}});
    // Exit: down the major triad to its root, which rings longest.
    const auto endpinpon = chime(1200, 120, {{0, G5, 250}, {200, E5, 250}, {400, C5, 400}});
    for (const auto& [name, samples] :
         {std::pair{"pinpon.wav", &pinpon}, std::pair{"endpinpon.wav", &endpinpon}}) {
        if (!writeWav(dir + '/' + name, *samples)) {
            std::fprintf(stderr, "chimes: cannot write %s/%s\n", dir.c_str(), name);
            return 1;
        }
    }
    return 0;
}
