// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "walk/lattice.h"
#include "walk/panel.h"

#include <QAccessible>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

// The 51 trials' results across the top of the main window: three blocks of
// 17 columns, each with a row of trial numbers and rows of final x, final y
// and distance, every row titled on the left.
//
// One widget draws all 216 cells, each a caption centred from the top in a
// sunken border on a solid background, as platform::Label draws one.
// Neighbouring cells overlap by a pixel, so they are drawn in a fixed order,
// each over the ones before. To a screen reader every cell is a label of its
// own, in the main window's list in the table's place (mainwindowaccessible.h).
class ResultsTable : public QWidget {
    Q_OBJECT
public:
    class Cell {
    public:
        const QString& text() const { return m_text; }
        QRect rect() const { return m_rect; } // in the table
        const QFont& font() const { return *m_font; }

    private:
        friend class ResultsTable;
        QRect m_rect;
        const QFont* m_font;
        int m_row = -1; // of a result, on white; none for a title or a trial number
        int m_trial = 0;
        QString m_text;
        QAccessible::Id m_accessible = 0; // made when a screen reader first asks
    };

    explicit ResultsTable(QWidget* window);
    ~ResultsTable() override;

    // Cell of a trial (1..51) in a data row.
    const Cell* cell(walk::Row row, int trial) const;
    // What the cell of a trial (1..51) in a data row shows.
    QString text(walk::Row row, int trial) const;
    // The window's pixels the table covers, row titles and cells, from the
    // designed layout.
    static QRect area();
    void setCell(walk::Row row, int trial, const QString& text);

    // Every cell in drawing order, as a screen reader meets them.
    int cellCount() const { return int(m_cells.size()); }
    const Cell& cellAt(int index) const { return m_cells.at(std::size_t(index)); }
    QAccessibleInterface* accessibleCell(int index);
    QAccessibleInterface* accessibleCell(walk::Row row, int trial) {
        return accessibleCell(indexOf(row, trial));
    }
    int indexOfAccessibleCell(const QAccessibleInterface* cell) const;
    // What a result cell holds, beside its value; nothing for the others.
    QString description(int index) const;
    QColor background(int index) const;
    QColor textColour() const { return m_textColour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void add(QRect twips, int font, const QString& text, int row = -1, int trial = 0);
    int indexOf(walk::Row row, int trial) const;

    std::array<QFont, 4> m_fonts;
    QColor m_titleBackground; // the labels' button face, as the window had it
    QColor m_textColour;
    std::vector<Cell> m_cells;
    std::array<std::array<int, walk::trialsPerExperiment>, 3>
        m_results{}; // where each row's cells are
};
