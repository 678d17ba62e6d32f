#pragma once

#include "walk/panel.h"

#include <QRect>
#include <QString>

#include <array>

class QWidget;

namespace platform {
class Label;
}

// The 51 trials' results across the top of the main window: three blocks of
// 17 columns, each with a row of trial numbers and rows of final x, final y
// and distance, every row titled on the left.
class ResultsTable {
public:
    explicit ResultsTable(QWidget* window);

    // Cell of a trial (1..51) in a data row.
    platform::Label* cell(walk::Row row, int trial) const;
    // What the cell of a trial (1..51) in a data row shows.
    QString text(walk::Row row, int trial) const;
    // The window's pixels the table covers, row titles and cells, from the
    // designed layout.
    static QRect area();

private:
    std::array<std::array<platform::Label*, 51>, 3> m_cells{}; // xz, yz and kr
};
