// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace platform {

class DrawingSurface;

// A drawing surface as a screen reader meets it: one object of the surface's
// own role, named and described by its window. The canvas and the pictures
// on it are pixels of that one object, so they are left off the tree.
class SurfaceAccessible : public QAccessibleWidget {
public:
    explicit SurfaceAccessible(DrawingSurface* surface);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    // Lets QAccessible build one for every drawing surface; a second call does nothing.
    static void install();
};

// Sets what a surface shows, in words. Qt tells screen readers of every
// call, so a description that stays the same is not set again.
void describeSurface(DrawingSurface& surface, const QString& description);

} // namespace platform
