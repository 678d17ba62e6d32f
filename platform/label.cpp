// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/label.h"

#include "platform/sunkenborder.h"

#include <QPainter>

namespace platform {

Label::Label(QWidget* parent, const QString& caption) : QLabel(caption, parent) {
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    setContentsMargins(sunkenBorderWidth, sunkenBorderWidth, sunkenBorderWidth, sunkenBorderWidth);
    setAutoFillBackground(true);
    setColours(palette().color(QPalette::Button), palette().color(QPalette::ButtonText));
}

void Label::setColours(const QColor& background, const QColor& text) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    if (text.isValid())
        pal.setColor(QPalette::WindowText, text);
    setPalette(pal);
}

void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    drawSunkenBorder(painter, rect());
}

} // namespace platform
