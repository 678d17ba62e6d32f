#include "resources/icon.h"

#include "resources/pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

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
    explicit WindowIconEngine(QImage drawn) : m_drawn(std::move(drawn)) {}

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

QImage blockScaled(const QImage& picture, int factor) {
    return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QIcon windowIcon() {
    return QIcon(new WindowIconEngine(iconPicture()));
}

} // namespace resources
