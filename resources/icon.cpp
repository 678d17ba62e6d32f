// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/icon.h"

#include "resources/pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <cstring>

namespace resources {
namespace {

// Every size of the icon, held at once.
QIcon allSizes(const QImage& drawn) {
    QIcon icon;
    for (const int size : iconSizes)
        icon.addPixmap(QPixmap::fromImage(blockScaled(drawn, size / drawn.width())));
    return icon;
}

// The window icon, each size made when it is asked for: a window keeps the
// drawn picture only, not a third of a megabyte of enlargements the window
// system reads once. Whatever is asked, the answer is the one an icon
// holding every size would give.
class WindowIconEngine : public QIconEngine {
public:
    // Held as the window system's pixmaps hold it, so no size is converted.
    explicit WindowIconEngine(const QImage& drawn)
        : m_drawn(drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

    QIconEngine* clone() const override { return new WindowIconEngine(m_drawn); }
    QString key() const override { return QStringLiteral("WindowIconEngine"); }

    // Each size as it was added: normal and off.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (const int size : iconSizes)
                sizes << QSize(size, size);
        }
        return sizes;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (mode == QIcon::Normal && state == QIcon::Off && size.width() == size.height() &&
            availableSizes(mode, state).contains(size))
            return QPixmap::fromImage(blockScaled(m_drawn, size.width() / m_drawn.width()));
        return allSizes(m_drawn).pixmap(size, 1.0, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return allSizes(m_drawn).actualSize(size, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        allSizes(m_drawn).paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    void virtual_hook(int id, void* data) override {
        if (id != QIconEngine::ScaledPixmapHook) {
            QIconEngine::virtual_hook(id, data);
            return;
        }
        auto& arg = *static_cast<ScaledPixmapArgument*>(data);
        arg.pixmap = allSizes(m_drawn).pixmap(arg.size / arg.scale, arg.scale, arg.mode, arg.state);
    }

private:
    QImage m_drawn;
};

} // namespace

// Row by row: each source row is widened once and copied down its block,
// instead of a general transformation working out every pixel.
QImage blockScaled(const QImage& picture, int factor) {
    const int bytes = picture.depth() / 8;
    QImage scaled(picture.size() * factor, picture.format());
    scaled.setColorTable(picture.colorTable());
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* from = picture.constScanLine(y);
        uchar* first = scaled.scanLine(y * factor);
        for (int x = 0; x < picture.width(); ++x) {
            for (int copy = 0; copy < factor; ++copy)
                std::memcpy(first + (x * factor + copy) * bytes, from + x * bytes, bytes);
        }
        for (int copy = 1; copy < factor; ++copy)
            std::memcpy(scaled.scanLine(y * factor + copy), first, scaled.width() * bytes);
    }
    return scaled;
}

QIcon windowIcon() {
    return QIcon(new WindowIconEngine(iconPicture()));
}

} // namespace resources
