// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/soundoutput.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

namespace platform {

// Plays WAV files, one at a time, through the default audio output. A bare
// name is looked for in the sound folders (soundfilesearch.h), the working
// directory first. Playing starts in the background and returns at once. A
// file that is missing or cannot be read or decoded costs one warning line,
// saying where it was looked for, and plays nothing; nothing is reported
// back to the caller.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    // Plays through the output given instead of the default audio output.
    explicit SoundPlayer(std::unique_ptr<SoundOutput> output, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Cuts what is playing and plays the file instead.
    void play(const QString& fileName);

    // Files beyond this size are not loaded: a chime is far smaller.
    static constexpr qint64 maxFileBytes = 64 << 20;

signals:
    void played(const QString& fileName); // emitted as each file is asked for

private:
    void load(const QString& fileName);

    std::unique_ptr<SoundOutput> m_output;
    SoundFormat m_format; // of the open sound; invalid when none is open
    QByteArray m_samples;
};

} // namespace platform
