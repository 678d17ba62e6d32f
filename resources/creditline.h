// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The credit line every window's caption carries after its title.
inline const QString creditLine = QStringLiteral("A random walk for the mathematics class");
