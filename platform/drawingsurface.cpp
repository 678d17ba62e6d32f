#include "platform/drawingsurface.h"

#include "platform/sunkenborder.h"
#include "platform/surfaceaccessible.h"

#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace platform {

class DrawingSurface::Canvas : public QWidget {
public:
    explicit Canvas(DrawingSurface* surface) : QWidget(surface), m_surface(surface) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    // The picture is copied in bands of 32 rows: Qt hands a taller copy to
    // helper threads, which then stay, each with a stack and a memory arena
    // of its own, for a copy that takes microseconds.
    void paintEvent(QPaintEvent* event) override {
        m_surface->ensureImage();
        QPainter painter(this);
        const QRect exposed = event->rect();
        for (int top = exposed.top(); top <= exposed.bottom(); top += bandHeight) {
            painter.setClipRect(exposed.left(), top, exposed.width(),
                                std::min(bandHeight, exposed.bottom() + 1 - top));
            painter.drawImage(QPoint(0, 0), m_surface->m_image);
        }
    }

private:
    static constexpr int bandHeight = 32;
    DrawingSurface* m_surface;
};

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent), m_canvas(new Canvas(this)), m_backColor(palette().color(QPalette::Button)),
      m_foreColor(palette().color(QPalette::ButtonText)) {
    SurfaceAccessible::install();
}

QWidget* DrawingSurface::canvas() const {
    return m_canvas;
}

void DrawingSurface::setScale(double scaleWidth, double scaleHeight) {
    m_scaleWidth = scaleWidth;
    m_scaleHeight = scaleHeight;
}

void DrawingSurface::setBackColor(const QColor& colour) {
    m_backColor = colour;
    cls();
}

void DrawingSurface::setForeColor(const QColor& colour) {
    m_foreColor = colour;
}

void DrawingSurface::setCurrent(double x, double y) {
    m_currentX = x;
    m_currentY = y;
}

QPoint DrawingSurface::toPixels(QPointF point) const {
    return QPoint(static_cast<int>(std::lround(point.x() * m_canvas->width() / m_scaleWidth)),
                  static_cast<int>(std::lround(point.y() * m_canvas->height() / m_scaleHeight)));
}

void DrawingSurface::line(QPointF from, QPointF to, const QColor& colour) {
    ensureImage();
    QPainter painter(&m_image);
    painter.setPen(QPen(colour, 0));
    painter.drawLine(toPixels(from), toPixels(to));
    m_canvas->update();
}

void DrawingSurface::box(QPointF corner, QPointF opposite, const QColor& colour) {
    ensureImage();
    QPainter painter(&m_image);
    painter.setPen(QPen(colour, 0));
    painter.setBrush(colour);
    const QPoint a = toPixels(corner);
    const QPoint b = toPixels(opposite);
    // Both corners' pixels belong to the box: an outlined rectangle covers
    // one pixel more than its size across and down.
    const QPoint topLeft(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
    painter.drawRect(QRect(topLeft, QSize(std::abs(a.x() - b.x()), std::abs(a.y() - b.y()))));
    m_canvas->update();
}

void DrawingSurface::print(const QString& text) {
    ensureImage();
    const QFontMetrics metrics(font());
    if (!text.isEmpty()) {
        QPainter painter(&m_image);
        painter.setFont(font());
        painter.setPen(m_foreColor);
        // Drawn from its baseline: one layout of the text instead of two.
        painter.drawText(toPixels({m_currentX, m_currentY}) + QPoint(0, metrics.ascent()), text);
        m_canvas->update();
    }
    m_currentX = 0.0;
    m_currentY += metrics.height() * m_scaleHeight / m_canvas->height();
}

void DrawingSurface::cls() {
    ensureImage();
    m_image.fill(m_backColor);
    m_currentX = 0.0;
    m_currentY = 0.0;
    m_canvas->update();
}

void DrawingSurface::ensureImage() {
    const qreal dpr = window()->windowHandle() ? window()->windowHandle()->devicePixelRatio()
                                               : devicePixelRatioF();
    const QSize size = m_canvas->size() * dpr;
    if (m_image.size() == size && m_image.devicePixelRatio() == dpr)
        return;
    QImage grown(size, QImage::Format_RGB32);
    grown.setDevicePixelRatio(dpr);
    grown.fill(m_backColor);
    if (!m_image.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPoint(0, 0), m_image);
    }
    m_image = grown;
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawSunkenBorder(painter, rect());
}

void DrawingSurface::resizeEvent(QResizeEvent*) {
    m_canvas->setGeometry(rect().adjusted(sunkenBorderWidth, sunkenBorderWidth, -sunkenBorderWidth,
                                          -sunkenBorderWidth));
    ensureImage();
}

} // namespace platform
