// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/soundfilesearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QStringList soundFolders() {
    QStringList folders{QDir::currentPath()};
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QStringLiteral("/lurchfield");
    const QString program = QCoreApplication::applicationDirPath();
    folders << program + QStringLiteral("/../share/lurchfield") << program;
    for (QString& folder : folders)
        folder = QDir::cleanPath(folder);
    folders.removeDuplicates();
    return folders;
}

QString findSoundFile(const QString& name) {
    for (const QString& folder : soundFolders()) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

} // namespace platform
