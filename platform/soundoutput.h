#pragma once

class QAudioFormat;
class QByteArray;

namespace platform {

// Where the multimedia control sends a loaded sound: the default audio
// output in the program, a recorder in the tests.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Starts the samples playing in the background, cutting whatever this
    // output was playing.
    virtual void play(const QAudioFormat& format, const QByteArray& samples) = 0;

    // Cuts the sound at once; nothing when silent.
    virtual void stop() = 0;
};

} // namespace platform
