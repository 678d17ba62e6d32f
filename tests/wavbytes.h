#pragma once

// WAV files built byte by byte for the sound tests.

#include <QByteArray>

namespace wavbytes {

inline QByteArray le(quint32 value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char(value >> (8 * i) & 0xFF);
    return out;
}

// A chunk whose size field says `declared`, padded to an even length.
inline QByteArray chunk(const char* id, const QByteArray& body, quint32 declared) {
    QByteArray out = QByteArray(id, 4) + le(declared, 4) + body;
    return body.size() % 2 ? out + '\0' : out;
}

inline QByteArray chunk(const char* id, const QByteArray& body) {
    return chunk(id, body, quint32(body.size()));
}

inline QByteArray fmt(int tag, int channels, quint32 rate, int bits, int blockAlign = -1) {
    if (blockAlign < 0)
        blockAlign = channels * bits / 8;
    return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * blockAlign, 4) +
                             le(blockAlign, 2) + le(bits, 2));
}

inline QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le(4 + chunks.size(), 4) + "WAVE" + chunks;
}

} // namespace wavbytes
