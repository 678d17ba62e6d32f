// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace platform {

// Window layouts are designed in twips; at 96 dots per inch a pixel is 15.
constexpr int twipsPerPixel = 15;

constexpr int px(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

constexpr QRect twipRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace platform
