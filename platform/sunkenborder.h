// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QPainter;

namespace platform {

// Width of the sunken three-dimensional border of labels and drawing surfaces.
constexpr int sunkenBorderWidth = 2;

// Draws the two-pixel sunken edge just inside rect: dark above and to the
// left, light below and to the right.
void drawSunkenBorder(QPainter& painter, const QRect& rect);

} // namespace platform
