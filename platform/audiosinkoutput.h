// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/soundoutput.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;

namespace platform {

// Plays through the system's default audio output, to the last sample.
// Built into the sound module, the one part of the program that links
// Qt Multimedia.
//
// The sink reports Idle once every byte is with the sound server, which
// still has a good part of a second queued; stopping the sink there would
// cut that tail. So the sink is kept until the played time reaches the
// sound's length, polled on a short timer, and only then stopped.
class AudioSinkOutput : public SoundOutput {
public:
    AudioSinkOutput();
    ~AudioSinkOutput() override;

    void play(const SoundFormat& format, const QByteArray& samples) override;
    void stop() override;

private:
    void poll();

    QObject m_stopped; // owns the stopped sinks until the event loop deletes them
    std::unique_ptr<QAudioSink> m_sink;
    qint64 m_durationUs = 0;
    QDeadlineTimer m_deadline; // gives up on a sink that never gets to the end
    QTimer m_poll;
};

} // namespace platform
