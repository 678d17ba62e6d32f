// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/cellaccessible.h"

#include "mainwindow/resultstable.h"

#include <QWindow>

CellAccessible::CellAccessible(ResultsTable* table, int index) : m_table(table), m_index(index) {}

bool CellAccessible::isValid() const {
    return m_table;
}

QWindow* CellAccessible::window() const {
    return m_table ? m_table->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CellAccessible::parent() const {
    return m_table ? QAccessible::queryAccessibleInterface(m_table->parentWidget()) : nullptr;
}

QString CellAccessible::text(QAccessible::Text t) const {
    if (!m_table)
        return {};
    switch (t) {
    case QAccessible::Name:
        return m_table->cellAt(m_index).text();
    case QAccessible::Description:
        return m_table->description(m_index);
    default:
        return {};
    }
}

QRect CellAccessible::rect() const {
    if (!m_table)
        return {};
    const QRect cell = m_table->cellAt(m_index).rect();
    return QRect(m_table->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::State CellAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    if (m_table) {
        state.invisible = !m_table->isVisible();
        state.disabled = !m_table->isEnabled();
    }
    return state;
}

QColor CellAccessible::foregroundColor() const {
    return m_table ? m_table->textColour() : QColor();
}

QColor CellAccessible::backgroundColor() const {
    return m_table ? m_table->background(m_index) : QColor();
}

void* CellAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    if (type == QAccessible::ImageInterface)
        return static_cast<QAccessibleImageInterface*>(this);
    return nullptr;
}
