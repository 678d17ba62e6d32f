// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// The credit line every window's caption carries after its title, in the
// language the program speaks.
inline QString creditLine() {
    return QCoreApplication::translate("Lurchfield", "A random walk for the mathematics class");
}
