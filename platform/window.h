// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QWidget>

namespace platform {

// A top-level window of the program with a fixed client area. activate()
// runs when the window is first shown and each time it becomes the
// program's active window after another window of the program was; leaving
// for another application and coming back is not an activation.
class Window : public QWidget {
    Q_OBJECT
public:
    Window(const QString& caption, QSize clientSize);
    ~Window() override;

    // Shows the window, or brings it to the front if it is open.
    void showAndRaise();

    // The window's icon, given to the window system when the window is
    // first shown, before it is mapped.
    void setIcon(const QIcon& icon);

protected:
    virtual void activate() = 0;
    bool event(QEvent* event) override;

private:
    void becameActive();
    bool m_shown = false;
    QIcon m_icon; // until the window is first shown
};

} // namespace platform
