#include "platform/sunkenborder.h"

#include "platform/palette.h"

#include <QPainter>

namespace platform {
namespace {

void drawEdge(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
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
