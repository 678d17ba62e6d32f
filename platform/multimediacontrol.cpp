#include "platform/multimediacontrol.h"

#include "platform/soundfilesearch.h"
#include "platform/soundmodule.h"
#include "platform/wavfile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace platform {

namespace {

// The file's bytes, or why they cannot be had. Only regular files are read:
// a pipe or a device of that name would block or never end.
std::optional<QByteArray> readFile(const QString& fileName, QString& why) {
    const QFileInfo info(fileName);
    if (!info.exists()) {
        why = QStringLiteral("no such file");
        return std::nullopt;
    }
    if (!info.isFile()) {
        why = QStringLiteral("not a regular file");
        return std::nullopt;
    }
    if (info.size() > MultimediaControl::maxFileBytes) {
        why = QStringLiteral("larger than %1 bytes").arg(MultimediaControl::maxFileBytes);
        return std::nullopt;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
        return std::nullopt;
    }
    return file.read(MultimediaControl::maxFileBytes);
}

} // namespace

MultimediaControl::MultimediaControl(QObject* parent)
    : MultimediaControl(std::make_unique<SoundModule>(), parent) {}

MultimediaControl::MultimediaControl(std::unique_ptr<SoundOutput> output, QObject* parent)
    : QObject(parent), m_output(std::move(output)) {}

MultimediaControl::~MultimediaControl() = default;

void MultimediaControl::setCommand(const QString& command) {
    if (command == QLatin1String("Open"))
        open();
    else if (command == QLatin1String("Sound"))
        sound();
    else if (command == QLatin1String("Stop"))
        m_output->stop();
    else if (command == QLatin1String("Close"))
        close();
    else
        qWarning().noquote()
            << QStringLiteral("Multimedia device: unknown command \"%1\"").arg(command);
    emit commandSet(command);
}

void MultimediaControl::setFileName(const QString& fileName) {
    m_fileName = fileName;
    emit fileNameSet(fileName);
}

QString MultimediaControl::fileName() const {
    return m_fileName;
}

void MultimediaControl::open() {
    unload();
    // A bare name is looked for in the sound folders; a path is taken as given.
    const QString path = m_fileName.contains(u'/') ? m_fileName : findSoundFile(m_fileName);
    QString why;
    std::optional<QByteArray> bytes;
    if (path.isEmpty())
        why = QStringLiteral("no such file in ") + soundFolders().join(QStringLiteral(", "));
    else
        bytes = readFile(path, why);
    if (bytes) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->constData());
        const WavFile wav = WavFile::decode({data, std::size_t(bytes->size())});
        if (wav.ok()) {
            m_format = {wav.sample, wav.channels, wav.sampleRate};
            m_samples = QByteArray(reinterpret_cast<const char*>(wav.samples.data()),
                                   qsizetype(wav.samples.size()));
            return;
        }
        why = QString::fromStdString(wav.error);
    }
    qWarning().noquote()
        << QStringLiteral("No sound from \"%1\": %2").arg(path.isEmpty() ? m_fileName : path, why);
}

void MultimediaControl::sound() {
    if (m_format.isValid())
        m_output->play(m_format, m_samples);
}

void MultimediaControl::close() {
    m_output->stop();
    unload();
}

void MultimediaControl::unload() {
    m_format = {};
    m_samples.clear();
}

} // namespace platform
