#include "platform/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace platform {
namespace {

QAccessibleInterface* announcerFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (className == QLatin1String("QWidget") && qobject_cast<Announcer*>(widget->parent()))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    setGeometry(0, 0, 0, 0);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    for (QWidget*& notice : m_notices) {
        notice = new QWidget(this);
        notice->setGeometry(0, 0, 0, 0);
        notice->hide();
    }
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
