// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/window.h"

#include <QRect>

class QPushButton;

namespace platform {

class DrawingSurface;
class LineControl;

// A window the main window opens: a "Close" button over a rule across the
// top, and a drawing surface below them. Closing it deletes it.
class SurfaceWindow : public Window {
    Q_OBJECT
public:
    QPushButton* closeButton() const { return m_closeButton; }
    DrawingSurface* surface() const { return m_surface; }

protected:
    // Where its parts go, in twips as the windows are designed; the rule
    // runs from ruleLeft to ruleRight at 360.
    struct Layout {
        QPoint position;
        QRect closeButton;
        int ruleLeft, ruleRight;
        QRect surface;
    };
    SurfaceWindow(const char* name, const QString& caption, QSize clientSize, const Layout& layout);

    QPushButton* m_closeButton; // Command1 of both windows
    LineControl* m_rule;        // Line1
    DrawingSurface* m_surface;  // Picture1
};

} // namespace platform
