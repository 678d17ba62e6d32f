// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/endprogram.h"

#include <QApplication>
#include <QWidget>

namespace platform {

void endProgram() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace platform
