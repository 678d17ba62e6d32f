// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linecontrol.h"

#include <QPainter>

namespace platform {

LineControl::LineControl(QWidget* parent, int x1, int x2, int y) : QWidget(parent) {
    setGeometry(x1, y, x2 - x1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

} // namespace platform
