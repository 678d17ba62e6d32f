// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

namespace platform {

class DrawingSurface;

// A borderless picture box inside a drawing surface, showing a bitmap at its
// top-left corner without scaling; it is placed in the surface's user scale.
class PictureHolder : public QWidget {
    Q_OBJECT
public:
    PictureHolder(DrawingSurface* surface, const QPixmap& picture, QSize size);

    // Puts the top-left corner at a point of the surface's scale.
    void moveTo(QPointF point);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DrawingSurface* m_surface;
    QPixmap m_picture;
};

} // namespace platform
