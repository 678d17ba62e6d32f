#include "platform/surfaceaccessible.h"

#include "platform/drawingsurface.h"

namespace platform {
namespace {

QAccessibleInterface* surfaceFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(DrawingSurface::staticMetaObject.className()))
        return nullptr;
    if (auto* surface = qobject_cast<DrawingSurface*>(object))
        return new SurfaceAccessible(surface);
    return nullptr;
}

} // namespace

SurfaceAccessible::SurfaceAccessible(DrawingSurface* surface) : QAccessibleWidget(surface) {}

QAccessible::Role SurfaceAccessible::role() const {
    return static_cast<const DrawingSurface*>(widget())->accessibleRole();
}

void SurfaceAccessible::install() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(surfaceFactory);
        return true;
    }();
}

void describeSurface(DrawingSurface& surface, const QString& description) {
    if (surface.accessibleDescription() != description)
        surface.setAccessibleDescription(description);
}

} // namespace platform
