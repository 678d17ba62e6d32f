#include "mainwindow/form1accessible.h"

#include "mainwindow/form1.h"
#include "mainwindow/resultstable.h"
#include "platform/accessiblefactory.h"

Form1Accessible::Form1Accessible(Form1* form) : QAccessibleWidget(form) {}

int Form1Accessible::tableIndex() const {
    const ResultsTable* table = static_cast<Form1*>(widget())->results;
    if (!table)
        return -1;
    return QAccessibleWidget::indexOfChild(
        QAccessible::queryAccessibleInterface(const_cast<ResultsTable*>(table)));
}

int Form1Accessible::cellCount() const {
    return static_cast<Form1*>(widget())->results->cellCount();
}

int Form1Accessible::childCount() const {
    const int count = QAccessibleWidget::childCount();
    return tableIndex() < 0 ? count : count - 1 + cellCount();
}

QAccessibleInterface* Form1Accessible::child(int index) const {
    const int table = tableIndex();
    if (table < 0 || index < table)
        return QAccessibleWidget::child(index);
    if (index < table + cellCount())
        return static_cast<Form1*>(widget())->results->accessibleCell(index - table);
    return QAccessibleWidget::child(index - cellCount() + 1);
}

int Form1Accessible::indexOfChild(const QAccessibleInterface* child) const {
    const int table = tableIndex();
    if (table < 0)
        return QAccessibleWidget::indexOfChild(child);
    const int cell = static_cast<Form1*>(widget())->results->indexOfAccessibleCell(child);
    if (cell >= 0)
        return table + cell;
    const int index = QAccessibleWidget::indexOfChild(child);
    if (index < table)
        return index;
    return index == table ? -1 : index + cellCount() - 1;
}

void Form1Accessible::install() {
    platform::installAccessibleFactory<Form1, Form1Accessible>();
}
