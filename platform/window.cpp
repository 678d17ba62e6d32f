// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window.h"

#include "platform/x11windowicon.h"

#include <QEvent>

namespace platform {
namespace {
// The window of the program that was active last, wherever the focus went since.
Window* lastActive = nullptr;
} // namespace

Window::Window(const QString& caption, QSize clientSize) : QWidget(nullptr) {
    setWindowTitle(caption);
    setFixedSize(clientSize);
}

Window::~Window() {
    if (lastActive == this)
        lastActive = nullptr;
}

void Window::showAndRaise() {
    const bool wasOpen = isVisible();
    show();
    raise();
    activateWindow();
    // The window system may refuse to move the focus; the window is the
    // program's active one all the same.
    if (wasOpen)
        becameActive();
}

void Window::setIcon(const QIcon& icon) {
    m_icon = icon;
}

bool Window::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        if (!m_shown) {
            m_shown = true;
            if (!m_icon.isNull() && !writeX11WindowIcon(*windowHandle(), m_icon))
                setWindowIcon(m_icon);
            m_icon = QIcon();
            becameActive();
        }
        break;
    case QEvent::WindowActivate:
        becameActive();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void Window::becameActive() {
    if (lastActive == this)
        return;
    lastActive = this;
    activate();
}

} // namespace platform
