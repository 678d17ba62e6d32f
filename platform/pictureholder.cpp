// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictureholder.h"

#include "platform/drawingsurface.h"

#include <QPainter>

namespace platform {

PictureHolder::PictureHolder(DrawingSurface* surface, const QPixmap& picture, QSize size)
    : QWidget(surface->canvas()), m_surface(surface), m_picture(picture) {
    resize(size);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void PictureHolder::moveTo(QPointF point) {
    move(m_surface->toPixels(point));
}

void PictureHolder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Pixel art stays sharp at any screen scale.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(QRect(QPoint(0, 0), m_picture.size()), m_picture);
}

} // namespace platform
