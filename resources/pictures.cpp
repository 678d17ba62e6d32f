// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/pictures.h"

#include "picturepixels.h"

namespace resources {
namespace {

// Over the pixels compiled in: nothing is copied until someone paints on it.
QImage picture(const pixels::Picture& drawn) {
    QImage image(drawn.bits, drawn.width, drawn.height, drawn.bytesPerLine,
                 QImage::Format(drawn.format));
    if (drawn.colourCount > 0)
        image.setColorTable(QList<QRgb>(drawn.colours, drawn.colours + drawn.colourCount));
    return image;
}

} // namespace

QImage iconPicture() {
    return picture(pixels::icon);
}

QImage walkerPicture() {
    return picture(pixels::walker);
}

} // namespace resources
