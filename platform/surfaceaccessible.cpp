// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/surfaceaccessible.h"

#include "platform/accessiblefactory.h"
#include "platform/drawingsurface.h"

namespace platform {
SurfaceAccessible::SurfaceAccessible(DrawingSurface* surface) : QAccessibleWidget(surface) {}

QAccessible::Role SurfaceAccessible::role() const {
    return static_cast<const DrawingSurface*>(widget())->accessibleRole();
}

QString SurfaceAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Description) {
        const QString asked = static_cast<const DrawingSurface*>(widget())->requestedDescription();
        if (!asked.isNull())
            return asked;
    }
    return QAccessibleWidget::text(t);
}

void SurfaceAccessible::install() {
    installAccessibleFactory<DrawingSurface, SurfaceAccessible>();
}

void describeSurface(DrawingSurface& surface, const QString& description) {
    if (surface.accessibleDescription() != description)
        surface.setAccessibleDescription(description);
}

} // namespace platform
