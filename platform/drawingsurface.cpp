// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/drawingsurface.h"

#include "platform/sunkenborder.h"
#include "platform/surfaceaccessible.h"

#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {
// Past this many strokes the canvas keeps an image instead: the plane gains
// about twenty on every activation.
constexpr std::size_t maxStrokes = 256;
} // namespace

class DrawingSurface::Canvas : public QWidget {
public:
    explicit Canvas(DrawingSurface* surface) : QWidget(surface), m_surface(surface) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    // The background is filled in bands of 32 rows: Qt hands a taller fill
    // or copy to helper threads, which then stay, each with a stack and a
    // memory arena of its own, for work that takes microseconds.
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QRect exposed = event->rect();
        for (int top = exposed.top(); top <= exposed.bottom(); top += bandHeight) {
            painter.setClipRect(exposed.left(), top, exposed.width(),
                                std::min(bandHeight, exposed.bottom() + 1 - top));
            m_surface->drawBackground(painter);
        }
        painter.setClipRect(exposed);
        m_surface->drawStrokes(painter);
    }

private:
    static constexpr int bandHeight = 32;
    DrawingSurface* m_surface;
};

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent), m_canvas(new Canvas(this)), m_background(palette().color(QPalette::Button)),
      m_backColor(m_background), m_foreColor(palette().color(QPalette::ButtonText)) {
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
    add({Stroke::Line, toPixels(from), toPixels(to), colour, {}, {}});
}

void DrawingSurface::box(QPointF corner, QPointF opposite, const QColor& colour) {
    const QPoint a = toPixels(corner);
    const QPoint b = toPixels(opposite);
    // Both corners' pixels belong to the box: an outlined rectangle covers
    // one pixel more than its size across and down.
    const QPoint topLeft(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
    const QPoint size(std::abs(a.x() - b.x()), std::abs(a.y() - b.y()));
    add({Stroke::Box, topLeft, size, colour, {}, {}});
}

void DrawingSurface::print(const QString& text) {
    const QFontMetrics metrics(font());
    // Drawn from its baseline: one layout of the text instead of two.
    if (!text.isEmpty()) {
        const QPoint topLeft = toPixels({m_currentX, m_currentY});
        add({Stroke::Text, topLeft + QPoint(0, metrics.ascent()), {}, m_foreColor, text, font()});
        m_printed.push_back({text, topLeft, font()});
    }
    m_currentX = 0.0;
    m_currentY += metrics.height() * m_scaleHeight / m_canvas->height();
}

void DrawingSurface::cls() {
    m_background = m_backColor;
    m_flattened = QImage();
    m_strokes.clear();
    m_printed.clear();
    m_currentX = 0.0;
    m_currentY = 0.0;
    m_canvas->update();
}

void DrawingSurface::add(Stroke stroke) {
    m_strokes.push_back(std::move(stroke));
    if (m_strokes.size() > maxStrokes) {
        m_flattened = image();
        m_strokes.clear();
    }
    m_canvas->update();
}

void DrawingSurface::drawBackground(QPainter& painter) const {
    painter.fillRect(m_canvas->rect(), m_background);
    if (!m_flattened.isNull())
        painter.drawImage(QPoint(0, 0), m_flattened);
}

void DrawingSurface::drawStrokes(QPainter& painter) const {
    for (const Stroke& stroke : m_strokes) {
        switch (stroke.kind) {
        case Stroke::Line:
            painter.setPen(QPen(stroke.colour, 0));
            painter.drawLine(stroke.from, stroke.to);
            break;
        case Stroke::Box:
            painter.setPen(QPen(stroke.colour, 0));
            painter.setBrush(stroke.colour);
            painter.drawRect(QRect(stroke.from, QSize(stroke.to.x(), stroke.to.y())));
            painter.setBrush(Qt::NoBrush);
            break;
        case Stroke::Text:
            painter.setFont(stroke.font);
            painter.setPen(stroke.colour);
            painter.drawText(stroke.from, stroke.text);
            break;
        }
    }
}

QImage DrawingSurface::image() const {
    const qreal dpr = window()->windowHandle() ? window()->windowHandle()->devicePixelRatio()
                                               : devicePixelRatioF();
    QImage shown(m_canvas->size() * dpr, QImage::Format_RGB32);
    shown.setDevicePixelRatio(dpr);
    QPainter painter(&shown);
    drawBackground(painter);
    drawStrokes(painter);
    return shown;
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawSunkenBorder(painter, rect());
}

void DrawingSurface::resizeEvent(QResizeEvent*) {
    m_canvas->setGeometry(rect().adjusted(sunkenBorderWidth, sunkenBorderWidth, -sunkenBorderWidth,
                                          -sunkenBorderWidth));
}

} // namespace platform
