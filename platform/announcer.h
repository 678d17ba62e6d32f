// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <array>

namespace platform {

// The window's voice for a screen reader: says short messages without
// changing what the window shows or where the focus is. It is a 0x0 child
// outside any layout, exposed as a status bar, so screen readers say the
// messages plainly, with no "notification" before them.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    void announce(const QString& message);

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
private:
    // Before Qt 6.8 a screen reader hears a message as the name of a
    // notification that becomes visible: 0x0, hidden until its first message.
    // A screen reader reads the name when it gets to the event, which can be
    // after the next message has come, so the messages take turns on two
    // notifications: each keeps its text while the next one is given.
    std::array<QWidget*, 2> m_notices;
    std::size_t m_next = 0; // the notice for the next message
#endif
};

} // namespace platform
