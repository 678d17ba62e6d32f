#pragma once

#include "platform/window.h"

#include <QApplication>
#include <QEvent>

// Another window of the program, to leave a window for and come back to it.
class OtherWindow : public platform::Window {
public:
    OtherWindow() : platform::Window(QStringLiteral("other"), QSize(100, 100)) {}
    int activations = 0;

protected:
    void activate() override { ++activations; }
};

// What the window system sends a window that has become the active one.
inline void sendActivate(QWidget* window) {
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window, &event);
}
