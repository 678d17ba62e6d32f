// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

namespace platform {

// Makes Qt give every widget of class W the accessible interface A, which
// is made from the W. Installs the factory the first time only.
template <typename W, typename A> void installAccessibleFactory() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& className, QObject* object) -> QAccessibleInterface* {
                if (className != QLatin1String(W::staticMetaObject.className()))
                    return nullptr;
                if (auto* widget = qobject_cast<W*>(object))
                    return new A(widget);
                return nullptr;
            });
        return true;
    }();
}

} // namespace platform
