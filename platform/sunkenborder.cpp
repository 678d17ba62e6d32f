// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sunkenborder.h"

#include "platform/palette.h"

#include <QPainter>

namespace platform {
namespace {

void drawEdge(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    // Unscaled, a line drawn with a one-pixel pen covers the pixels from end
    // to end, and so does a one-pixel run filled solid, at a fraction of the
    // cost. Scaled, the line's own rounding decides, so it is drawn as one.
    // (Widgets paint with a whole-pixel offset into the window.)
    if (painter.deviceTransform().type() <= QTransform::TxTranslate) {
        painter.fillRect(QRect(r.topLeft(), r.topRight()), topLeft);
        painter.fillRect(QRect(r.topLeft(), r.bottomLeft()), topLeft);
        painter.fillRect(QRect(r.bottomLeft(), r.bottomRight()), bottomRight);
        painter.fillRect(QRect(r.topRight(), r.bottomRight()), bottomRight);
        return;
    }
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

void drawSunkenBorder(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawEdge(painter, rect, qbColor(8), qbColor(15));
    drawEdge(painter, rect.adjusted(1, 1, -1, -1), qbColor(0), qbColor(7));
    painter.restore();
}

} // namespace platform
