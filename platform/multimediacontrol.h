#pragma once

#include "platform/soundoutput.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

namespace platform {

// The program's multimedia device: driven by setting a file name and issuing
// commands. "Open" loads the WAV file named, looking for a bare name in the
// sound folders (soundfilesearch.h), the working directory first; "Sound"
// starts it playing in the background and returns at once; "Stop" cuts it;
// "Close" cuts it and drops the loaded sound. A file that is missing or
// cannot be read or decoded costs one warning line, saying where it was
// looked for, and leaves the device silent; nothing is reported back to the
// caller.
class MultimediaControl : public QObject {
    Q_OBJECT
public:
    explicit MultimediaControl(QObject* parent = nullptr);
    // Plays through the output given instead of the default audio output.
    explicit MultimediaControl(std::unique_ptr<SoundOutput> output, QObject* parent = nullptr);
    ~MultimediaControl() override;

    void setCommand(const QString& command); // "Open", "Sound", "Stop", "Close"
    void setFileName(const QString& fileName);
    QString fileName() const;

    // Files beyond this size are not loaded: a chime is far smaller.
    static constexpr qint64 maxFileBytes = 64 << 20;

signals:
    void commandSet(const QString& command);   // emitted as each command is issued
    void fileNameSet(const QString& fileName); // emitted as the file name is set

private:
    void open();
    void sound();
    void close();
    void unload();

    std::unique_ptr<SoundOutput> m_output;
    QString m_fileName;
    SoundFormat m_format; // of the open sound; invalid when none is open
    QByteArray m_samples;
};

} // namespace platform
