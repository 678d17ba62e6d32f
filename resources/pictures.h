// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace resources {

// The pixel art, compiled in and read by QImage's own XPM parser: loading it
// by file name would make Qt load every image format plugin at start-up.
QImage iconPicture();   // the window icon as drawn, 32 x 32
QImage walkerPicture(); // the walker marker, 41 x 43

} // namespace resources
