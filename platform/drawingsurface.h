// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QWidget>

#include <functional>
#include <vector>

namespace platform {

// A picture box: a sunken border around a canvas that keeps what is drawn
// on it, so covering and uncovering never loses it. Drawing uses a user
// scale whose origin is the canvas's top-left corner.
//
// What was drawn is kept as the list of its strokes since the canvas was
// last cleared, and the canvas paints by drawing them again, each over the
// ones before: a few dozen strokes take far less memory than an image of
// the canvas. Past a few hundred, the strokes are drawn into an image once
// and the list starts again over it.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget* parent);

    void setScale(double scaleWidth, double scaleHeight);
    void setBackColor(const QColor& colour);
    void setForeColor(const QColor& colour);
    QColor foreColor() const { return m_foreColor; }

    void setCurrent(double x, double y);
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    void line(QPointF from, QPointF to, const QColor& colour);
    void box(QPointF corner, QPointF opposite, const QColor& colour);
    // Prints text with its top-left corner at the text position, then moves
    // the position to the start of the next line.
    void print(const QString& text = {});
    // Clears to the background and moves the text position to (0, 0).
    void cls();

    // The canvas inside the border: child pictures live on it, clipped by it.
    QWidget* canvas() const;
    // Canvas pixel of a point in the user scale.
    QPoint toPixels(QPointF point) const;
    // What the canvas shows, in device pixels.
    QImage image() const;
    // Each text printed since the canvas was last cleared, where its
    // top-left corner is on the canvas and in which font, to tell whether it
    // fits.
    struct PrintedText {
        QString text;
        QPoint topLeft;
        QFont font;
    };
    const std::vector<PrintedText>& printedTexts() const { return m_printed; }

    // What the surface is to a screen reader: a picture unless its window says otherwise.
    QAccessible::Role accessibleRole() const { return m_accessibleRole; }
    void setAccessibleRole(QAccessible::Role role) { m_accessibleRole = role; }
    // A description that changes too often to be announced, such as a
    // position during a walk: a screen reader reads it when it comes to the
    // surface or is asked where it is, and hears of no change meanwhile.
    void describeOnRequest(std::function<QString()> describe) { m_describe = std::move(describe); }
    QString requestedDescription() const { return m_describe ? m_describe() : QString(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class Canvas;
    struct Stroke {
        enum Kind { Line, Box, Text } kind;
        QPoint from, to; // a line's ends, a box's corner and size, a text's baseline
        QColor colour;
        QString text;
        QFont font;
    };
    void add(Stroke stroke);
    // What the canvas shows: the background, then the strokes over it.
    void drawBackground(QPainter& painter) const;
    void drawStrokes(QPainter& painter) const;

    Canvas* m_canvas;
    QColor m_background;           // what the canvas was last cleared to
    QImage m_flattened;            // strokes drawn into an image, once there were many
    std::vector<Stroke> m_strokes; // drawn over the two above, in order
    std::vector<PrintedText> m_printed;
    double m_scaleWidth = 1.0;
    double m_scaleHeight = 1.0;
    double m_currentX = 0.0;
    double m_currentY = 0.0;
    QColor m_backColor;
    QColor m_foreColor;
    QAccessible::Role m_accessibleRole = QAccessible::Graphic;
    std::function<QString()> m_describe;
};

} // namespace platform
