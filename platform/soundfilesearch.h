// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Where a sound file given by bare name is looked for, first to last:
//   1. the working directory, so a teacher's own chimes win;
//   2. lurchfield/ under each generic data folder, the user's before the
//      system's ($XDG_DATA_HOME, then $XDG_DATA_DIRS);
//   3. ../share/lurchfield/ from the program's folder, where an installation
//      under any prefix keeps them;
//   4. the program's own folder, where the build puts them.
// Each folder appears once, at its first place.
QStringList soundFolders();

// The path of the first entry called name in soundFolders(), or an empty
// string when there is none. Whatever it is, it is the one meant: a broken
// file there is not passed over for one further down.
QString findSoundFile(const QString& name);

} // namespace platform
