// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/soundmodule.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibrary>
#include <QStringList>

namespace platform {
namespace {

// Where the module is, relative to the program: where it is installed, then
// where it is built.
QStringList modulePaths() {
    const QString program = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString file = QStringLiteral("/" LURCHFIELD_SOUND_MODULE);
    return {program + QStringLiteral(LURCHFIELD_INSTALLED_MODULE_DIR) + file,
            program + QStringLiteral(LURCHFIELD_BUILT_MODULE_DIR) + file};
}

// The output the module makes, or none and why (as the first place looked
// at says). A module once loaded stays loaded: its output's code must
// outlive the output.
std::unique_ptr<SoundOutput> loadOutput(QString& why) {
    for (const QString& path : modulePaths()) {
        QLibrary module(path);
        if (module.load()) {
            if (auto make = reinterpret_cast<MakeSoundOutput>(module.resolve(makeSoundOutputName)))
                return std::unique_ptr<SoundOutput>(make());
        }
        if (why.isEmpty())
            why = module.errorString();
    }
    return nullptr;
}

} // namespace

SoundModule::SoundModule() = default;

SoundModule::~SoundModule() = default;

void SoundModule::play(const SoundFormat& format, const QByteArray& samples) {
    if (!m_output) {
        QString why;
        m_output = loadOutput(why);
        if (!m_output) {
            qWarning().noquote()
                << QStringLiteral("No sound: the sound module cannot be loaded (%1)").arg(why);
            return;
        }
    }
    m_output->play(format, samples);
}

void SoundModule::stop() {
    if (m_output)
        m_output->stop();
}

} // namespace platform
