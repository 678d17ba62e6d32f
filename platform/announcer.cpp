// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/announcer.h"

#include "platform/accessiblefactory.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace platform {
namespace {

// A widget as a screen reader meets it, in the role given.
template <QAccessible::Role R> class AccessibleAs : public QAccessibleWidget {
public:
    explicit AccessibleAs(QWidget* widget) : QAccessibleWidget(widget, R) {}
};

// One of the announcer's two notifications, where Qt has no announcements.
class Notice : public QWidget {
    Q_OBJECT
public:
    explicit Notice(QWidget* announcer) : QWidget(announcer) {
        setGeometry(0, 0, 0, 0);
        hide();
    }
};

} // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
    installAccessibleFactory<Announcer, AccessibleAs<QAccessible::StatusBar>>();
    setGeometry(0, 0, 0, 0);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    installAccessibleFactory<Notice, AccessibleAs<QAccessible::Notification>>();
    for (QWidget*& notice : m_notices)
        notice = new Notice(this);
#endif
}

void Announcer::announce(const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(this, message);
    QAccessible::updateAccessibility(&event);
#else
    QWidget* notice = m_notices[m_next];
    m_next = (m_next + 1) % m_notices.size();
    // Showing a notice that is already visible tells the screen reader nothing.
    notice->hide();
    notice->setAccessibleName(message);
    notice->show();
#endif
}

} // namespace platform

#include "announcer.moc"
