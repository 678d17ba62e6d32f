// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindowaccessible.h"

#include "mainwindow/mainwindow.h"
#include "mainwindow/resultstable.h"
#include "platform/accessiblefactory.h"

MainWindowAccessible::MainWindowAccessible(MainWindow* form) : QAccessibleWidget(form) {}

int MainWindowAccessible::tableIndex() const {
    const ResultsTable* table = static_cast<MainWindow*>(widget())->results();
    if (!table)
        return -1;
    return QAccessibleWidget::indexOfChild(
        QAccessible::queryAccessibleInterface(const_cast<ResultsTable*>(table)));
}

int MainWindowAccessible::cellCount() const {
    return static_cast<MainWindow*>(widget())->results()->cellCount();
}

int MainWindowAccessible::childCount() const {
    const int count = QAccessibleWidget::childCount();
    return tableIndex() < 0 ? count : count - 1 + cellCount();
}

QAccessibleInterface* MainWindowAccessible::child(int index) const {
    const int table = tableIndex();
    if (table < 0 || index < table)
        return QAccessibleWidget::child(index);
    if (index < table + cellCount())
        return static_cast<MainWindow*>(widget())->results()->accessibleCell(index - table);
    return QAccessibleWidget::child(index - cellCount() + 1);
}

int MainWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const int table = tableIndex();
    if (table < 0)
        return QAccessibleWidget::indexOfChild(child);
    const int cell = static_cast<MainWindow*>(widget())->results()->indexOfAccessibleCell(child);
    if (cell >= 0)
        return table + cell;
    const int index = QAccessibleWidget::indexOfChild(child);
    if (index < table)
        return index;
    return index == table ? -1 : index + cellCount() - 1;
}

void MainWindowAccessible::install() {
    platform::installAccessibleFactory<MainWindow, MainWindowAccessible>();
}
