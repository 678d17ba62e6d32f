// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class ResultsTable;

// One cell of the results table as a screen reader meets it: a static text
// named by what the cell shows, described by what it is ("Trial 5, y
// coordinate"), with nothing to do and no picture, as a label is.
class CellAccessible : public QAccessibleInterface,
                       public QAccessibleActionInterface,
                       public QAccessibleImageInterface {
public:
    CellAccessible(ResultsTable* table, int index);

    const ResultsTable* table() const { return m_table; }
    int index() const { return m_index; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;
    QColor foregroundColor() const override;
    QColor backgroundColor() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override { return {}; }
    void doAction(const QString&) override {}
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QString imageDescription() const override { return {}; }
    QSize imageSize() const override { return {}; }
    QPoint imagePosition() const override { return {}; }

private:
    QPointer<ResultsTable> m_table;
    int m_index;
};
