// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The reverse-DNS name the program is installed under: the desktop entry,
// the icon and the AppStream metainfo all carry it.
inline const QString desktopId = QStringLiteral("org.lurchfield.lurchfield");
