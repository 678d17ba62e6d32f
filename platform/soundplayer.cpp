// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/soundplayer.h"

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
    if (info.size() > SoundPlayer::maxFileBytes) {
        why = QStringLiteral("larger than %1 bytes").arg(SoundPlayer::maxFileBytes);
        return std::nullopt;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
        return std::nullopt;
    }
    return file.read(SoundPlayer::maxFileBytes);
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : SoundPlayer(std::make_unique<SoundModule>(), parent) {}

SoundPlayer::SoundPlayer(std::unique_ptr<SoundOutput> output, QObject* parent)
    : QObject(parent), m_output(std::move(output)) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString& fileName) {
    m_output->stop();
    load(fileName);
    if (m_format.isValid())
        m_output->play(m_format, m_samples);
    emit played(fileName);
}

void SoundPlayer::load(const QString& fileName) {
    m_format = {};
    m_samples.clear();
    // A bare name is looked for in the sound folders; a path is taken as given.
    const QString path = fileName.contains(u'/') ? fileName : findSoundFile(fileName);
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
        << QStringLiteral("No sound from \"%1\": %2").arg(path.isEmpty() ? fileName : path, why);
}

} // namespace platform
