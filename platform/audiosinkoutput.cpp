// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audiosinkoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDebug>
#include <QMediaDevices>
#include <QStringList>
#include <QThread>

namespace platform {

namespace {

constexpr int pollMs = 10;
// Past the sound's length, how long a sink may take to get to its end: it
// covers a slow start; a sink still short of the end after it is stuck.
constexpr int graceMs = 2000;

// Qt Multimedia reports some failures with warnings of its own (the sound
// server being unreachable, for one). Those raised on this thread while it
// works for us are gathered here, so that a failed sound costs one line.
// Its info and debug lines (the backend naming its version as it loads) say
// nothing about the sound and are dropped, so a sound that plays costs none.
class QtWarnings {
public:
    explicit QtWarnings(QStringList& lines) {
        s_lines = &lines;
        s_thread = QThread::currentThread();
        s_previous = qInstallMessageHandler(&QtWarnings::gather);
    }
    ~QtWarnings() {
        qInstallMessageHandler(s_previous);
        s_lines = nullptr;
    }
    QtWarnings(const QtWarnings&) = delete;
    QtWarnings& operator=(const QtWarnings&) = delete;

private:
    static void gather(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (QThread::currentThread() == s_thread) {
            if (type != QtDebugMsg && type != QtInfoMsg)
                s_lines->append(message);
        } else if (s_previous)
            s_previous(type, context, message);
    }

    static inline QStringList* s_lines = nullptr;
    static inline QThread* s_thread = nullptr;
    static inline QtMessageHandler s_previous = nullptr;
};

QAudioFormat::SampleFormat sampleFormat(WavFile::Sample sample) {
    switch (sample) {
    case WavFile::Sample::UInt8:
        return QAudioFormat::UInt8;
    case WavFile::Sample::Int16:
        return QAudioFormat::Int16;
    case WavFile::Sample::Int32:
        return QAudioFormat::Int32;
    case WavFile::Sample::Float32:
        return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

QAudioFormat audioFormat(const SoundFormat& sound) {
    QAudioFormat format;
    format.setSampleFormat(sampleFormat(sound.sample));
    format.setChannelCount(sound.channels);
    format.setSampleRate(sound.sampleRate);
    return format;
}

QString errorText(QAudio::Error error) {
    switch (error) {
    case QAudio::OpenError:
        return QStringLiteral("the audio output cannot take this format");
    case QAudio::IOError:
    case QAudio::UnderrunError:
        return QStringLiteral("the audio output failed");
    case QAudio::FatalError:
        return QStringLiteral("the sound server is not available");
    case QAudio::NoError:
        break;
    }
    return {};
}

// Stops a sink and leaves its destruction to the event loop: destroying one
// runs pending events, and a click among them may start the next sound. The
// keeper holds it meanwhile, so a sink the loop never comes back for (the
// program ended during a chime) goes when the keeper does.
void discard(std::unique_ptr<QAudioSink> sink, QObject& keeper) {
    if (!sink)
        return;
    sink->stop();
    sink->setParent(&keeper);
    sink.release()->deleteLater();
}

// A sink playing the samples on the default output, or none and why.
std::unique_ptr<QAudioSink> startSink(const QAudioFormat& format, const QByteArray& samples,
                                      QObject& keeper, QString& why) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        why = QStringLiteral("no audio output device");
        return nullptr;
    }
    auto sink = std::make_unique<QAudioSink>(device, format);
    // A buffer that takes the whole sound at once: with a smaller one, an
    // underrun can leave the stream waiting for more data than fits in it,
    // and the sound stops halfway. The server keeps about half of what is
    // asked for as the stream's own buffer.
    sink->setBufferSize(2 * samples.size() + format.bytesForDuration(100'000));
    auto* buffer = new QBuffer(sink.get());
    buffer->setData(samples);
    buffer->open(QIODevice::ReadOnly);
    sink->start(buffer);
    if (sink->error() != QAudio::NoError) {
        why = errorText(sink->error());
        discard(std::move(sink), keeper);
        return nullptr;
    }
    return sink;
}

} // namespace

AudioSinkOutput::AudioSinkOutput() {
    m_poll.setInterval(pollMs);
    QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { poll(); });
}

AudioSinkOutput::~AudioSinkOutput() {
    stop();
}

void AudioSinkOutput::play(const SoundFormat& sound, const QByteArray& samples) {
    stop();
    const QAudioFormat format = audioFormat(sound);
    QString why;
    QStringList qtSaid;
    {
        const QtWarnings gathering(qtSaid);
        m_sink = startSink(format, samples, m_stopped, why);
    }
    if (!why.isEmpty())
        qtSaid.prepend(QStringLiteral("No sound: ") + why);
    if (!qtSaid.isEmpty())
        qWarning().noquote() << qtSaid.join(QStringLiteral("; "));
    if (!m_sink)
        return;
    m_durationUs = format.durationForBytes(samples.size());
    m_deadline.setRemainingTime(m_durationUs / 1000 + graceMs);
    m_poll.start();
}

void AudioSinkOutput::stop() {
    m_poll.stop();
    discard(std::move(m_sink), m_stopped);
}

void AudioSinkOutput::poll() {
    if (m_sink->processedUSecs() >= m_durationUs || m_deadline.hasExpired())
        stop();
}

} // namespace platform
