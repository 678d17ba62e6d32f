// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class MainWindow;

// The main window as a screen reader meets it: its controls in the order
// they were made, with the results table's cells, each a label of its own,
// where the table stands among them. The table itself is not listed.
class MainWindowAccessible : public QAccessibleWidget {
public:
    explicit MainWindowAccessible(MainWindow* form);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // Lets QAccessible build one for the main window; a second call does nothing.
    static void install();

private:
    int tableIndex() const; // among the widget's own children; -1 before the table is made
    int cellCount() const;
};
