// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/resultstable.h"

#include "mainwindow/cellaccessible.h"
#include "platform/fonts.h"
#include "platform/sunkenborder.h"
#include "platform/twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int blockCount = 3;
constexpr int columnsPerBlock = walk::trialsPerExperiment / blockCount;
constexpr int rowTitleLeft = 120;
constexpr int rowTitleWidth = 1215;
constexpr int cellLeft = 1320;
constexpr int cellPitch = 480;
constexpr int cellWidth = 495;
constexpr int rowHeight = 375;
constexpr int blockTop[blockCount] = {480, 2040, 3600};
constexpr int rowPitch = 360;

// Per block: the "Number" row, then the x, y and distance rows. The blocks
// write the x row each its own way.
//: Row title: the trials' numbers.
constexpr char numberTitle[] = QT_TRANSLATE_NOOP("ResultsTable", "Number");
constexpr char yTitle[] = QT_TRANSLATE_NOOP("ResultsTable", "y coordinate");
constexpr char distanceTitle[] = QT_TRANSLATE_NOOP("ResultsTable", "Distance");
constexpr const char* rowTitles[blockCount][4] = {
    {numberTitle, QT_TRANSLATE_NOOP("ResultsTable", "ｘ coordinate"), yTitle, distanceTitle},
    {numberTitle, QT_TRANSLATE_NOOP("ResultsTable", "x coordinate"), yTitle, distanceTitle},
    {numberTitle, QT_TRANSLATE_NOOP("ResultsTable", "X coordinate"), yTitle, distanceTitle},
};
constexpr int rowTitleFonts[4] = {0, 1, 1, 2};             // indices in the table's fonts
constexpr double fontPoints[4] = {14.25, 9.75, 11.25, 12}; // titles and numbers; results last
constexpr int resultFont = 3;

// What a result cell holds, as a screen reader describes it.
const char* const rowMeanings[] = {QT_TRANSLATE_NOOP("ResultsTable", "Trial %1, x coordinate"),
                                   QT_TRANSLATE_NOOP("ResultsTable", "Trial %1, y coordinate"),
                                   QT_TRANSLATE_NOOP("ResultsTable", "Trial %1, distance")};

constexpr int alignment =
    Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextForceLeftToRight;

} // namespace

ResultsTable::ResultsTable(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("results"));
    for (std::size_t n = 0; n < m_fonts.size(); ++n)
        m_fonts[n] = platform::gothic(fontPoints[n]);
    m_titleBackground = palette().color(QPalette::Button);
    m_textColour = palette().color(QPalette::ButtonText);

    // Made in the order the cells are drawn and read: the row titles, then
    // trial by trial its number and its three results.
    for (int block = 0; block < blockCount; ++block) {
        for (int row = 0; row < 4; ++row) {
            add(QRect(rowTitleLeft, blockTop[block] + row * rowPitch, rowTitleWidth, rowHeight),
                rowTitleFonts[row], tr(rowTitles[block][row]));
        }
    }
    for (int trial = 1; trial <= walk::trialsPerExperiment; ++trial) {
        const int block = (trial - 1) / columnsPerBlock;
        const int left = cellLeft + cellPitch * ((trial - 1) % columnsPerBlock);
        add(QRect(left, blockTop[block], cellWidth, rowHeight), 0, QString::number(trial));
        for (int row = 0; row < 3; ++row) {
            m_results[std::size_t(row)][std::size_t(trial - 1)] = cellCount();
            add(QRect(left, blockTop[block] + (row + 1) * rowPitch, cellWidth, rowHeight),
                resultFont, {}, row, trial);
        }
    }
    // The widget covers the cells and no more; they are kept in its terms.
    QRect bounds;
    for (const Cell& cell : m_cells)
        bounds |= cell.m_rect;
    setGeometry(bounds);
    for (Cell& cell : m_cells)
        cell.m_rect.translate(-bounds.topLeft());
}

void ResultsTable::add(QRect twips, int font, const QString& text, int row, int trial) {
    Cell cell;
    cell.m_rect = platform::twipRect(twips.x(), twips.y(), twips.width(), twips.height());
    cell.m_font = &m_fonts.at(std::size_t(font));
    cell.m_row = row;
    cell.m_trial = trial;
    cell.m_text = text;
    m_cells.push_back(cell);
}

ResultsTable::~ResultsTable() {
    for (const Cell& cell : m_cells) {
        if (cell.m_accessible)
            QAccessible::deleteAccessibleInterface(cell.m_accessible);
    }
}

int ResultsTable::indexOf(walk::Row row, int trial) const {
    return m_results.at(std::size_t(row)).at(std::size_t(trial - 1));
}

const ResultsTable::Cell* ResultsTable::cell(walk::Row row, int trial) const {
    return &cellAt(indexOf(row, trial));
}

// Like a label's new caption: drawn anew and told to a screen reader, unless
// it is the same.
void ResultsTable::setCell(walk::Row row, int trial, const QString& text) {
    const int index = indexOf(row, trial);
    Cell& cell = m_cells.at(std::size_t(index));
    if (cell.m_text == text)
        return;
    cell.m_text = text;
    update(cell.m_rect);
    if (QAccessible::isActive()) {
        QAccessibleEvent event(accessibleCell(index), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

QAccessibleInterface* ResultsTable::accessibleCell(int index) {
    Cell& cell = m_cells.at(std::size_t(index));
    if (!cell.m_accessible)
        cell.m_accessible =
            QAccessible::registerAccessibleInterface(new CellAccessible(this, index));
    return QAccessible::accessibleInterface(cell.m_accessible);
}

int ResultsTable::indexOfAccessibleCell(const QAccessibleInterface* cell) const {
    const auto* ours = dynamic_cast<const CellAccessible*>(cell);
    return ours && ours->table() == this ? ours->index() : -1;
}

QString ResultsTable::description(int index) const {
    const Cell& cell = cellAt(index);
    if (cell.m_row < 0)
        return {};
    return tr(rowMeanings[cell.m_row]).arg(cell.m_trial);
}

QColor ResultsTable::background(int index) const {
    return cellAt(index).m_row >= 0 ? QColor(Qt::white) : m_titleBackground;
}

void ResultsTable::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, m_textColour);
    const QMargins border(platform::sunkenBorderWidth, platform::sunkenBorderWidth,
                          platform::sunkenBorderWidth, platform::sunkenBorderWidth);
    for (int n = 0; n < cellCount(); ++n) {
        const Cell& cell = m_cells[std::size_t(n)];
        if (!event->region().intersects(cell.m_rect))
            continue;
        painter.setClipRect(cell.m_rect);
        painter.fillRect(cell.m_rect, background(n));
        painter.setFont(*cell.m_font);
        style()->drawItemText(&painter, cell.m_rect - border, alignment, colours, isEnabled(),
                              cell.m_text, QPalette::WindowText);
        platform::drawSunkenBorder(painter, cell.m_rect);
    }
}

QString ResultsTable::text(walk::Row row, int trial) const {
    return cell(row, trial)->text();
}

QRect ResultsTable::area() {
    const int right = cellLeft + cellPitch * (columnsPerBlock - 1) + cellWidth;
    const int bottom = blockTop[blockCount - 1] + 3 * rowPitch + rowHeight;
    return platform::twipRect(rowTitleLeft, blockTop[0], right - rowTitleLeft,
                              bottom - blockTop[0]);
}
