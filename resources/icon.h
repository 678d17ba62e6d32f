// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

#include <array>

namespace resources {

// The icon is drawn 32 pixels square; the larger sizes are whole multiples.
inline constexpr std::array<int, 4> iconSizes{32, 64, 128, 256};

// Pixel art enlarged by a whole factor: each pixel becomes a square block of
// its own colour, nothing blended at the edges. The picture has whole bytes
// per pixel, as the program's pictures and their premultiplied copies do.
QImage blockScaled(const QImage& picture, int factor);

// The window icon at every size of iconSizes, so that no window system or
// task bar scales it and none smooths it.
QIcon windowIcon();

} // namespace resources
