#include "mainwindow/resultstable.h"

#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/twips.h"

#include <QColor>

namespace {

constexpr int blockCount = 3;
constexpr int columnsPerBlock = 17;
constexpr int rowTitleLeft = 120;
constexpr int rowTitleWidth = 1215;
constexpr int cellLeft = 1320;
constexpr int cellPitch = 480;
constexpr int cellWidth = 495;
constexpr int rowHeight = 375;
constexpr int blockTop[blockCount] = {480, 2040, 3600};
constexpr int rowPitch = 360;

// Names of the header labels, trial 1 to 51.
constexpr int headerLabel[51] = {
    11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 30, 29, 28, 27, 26, 25, 24, //
    23, 22, 21, 48, 47, 46, 45, 44, 43, 42, 35, 36, 37, 38, 39, 40, 41, //
    53, 54, 55, 69, 68, 67, 66, 65, 64, 63, 56, 57, 58, 59, 60, 61, 62,
};

struct RowTitle {
    int label;
    const char16_t* caption;
};
// Per block: the "Number" row, then the x, y and distance rows.
constexpr RowTitle rowTitles[blockCount][4] = {
    {{7, u"Number"}, {8, u"ｘ coordinate"}, {9, u"y coordinate"}, {10, u"Distance"}},
    {{34, u"Number"}, {33, u"x coordinate"}, {32, u"y coordinate"}, {31, u"Distance"}},
    {{49, u"Number"}, {50, u"X coordinate"}, {51, u"y coordinate"}, {52, u"Distance"}},
};
constexpr double rowTitlePoints[4] = {14.25, 9.75, 9.75, 11.25};

platform::Label* makeLabel(QWidget* window, const QString& name, const QString& caption,
                           QRect twips, double points) {
    auto* label = new platform::Label(window, caption);
    label->setObjectName(name);
    label->setGeometry(platform::twipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setFont(platform::gothic(points));
    return label;
}

} // namespace

ResultsTable::ResultsTable(QWidget* window) {
    static const char* const rowNames[] = {"xz", "yz", "kr"};
    // What a screen reader says a data cell holds, beside its value.
    static const char* const rowMeanings[] = {"x coordinate", "y coordinate", "distance"};
    for (int block = 0; block < blockCount; ++block) {
        for (int row = 0; row < 4; ++row) {
            const RowTitle& title = rowTitles[block][row];
            makeLabel(
                window, QStringLiteral("Label%1").arg(title.label),
                QString::fromUtf16(title.caption),
                QRect(rowTitleLeft, blockTop[block] + row * rowPitch, rowTitleWidth, rowHeight),
                rowTitlePoints[row]);
        }
    }
    for (int trial = 1; trial <= 51; ++trial) {
        const int block = (trial - 1) / columnsPerBlock;
        const int left = cellLeft + cellPitch * ((trial - 1) % columnsPerBlock);
        makeLabel(window, QStringLiteral("Label%1").arg(headerLabel[trial - 1]),
                  QString::number(trial), QRect(left, blockTop[block], cellWidth, rowHeight),
                  14.25);
        for (int row = 0; row < 3; ++row) {
            platform::Label* cell = makeLabel(
                window, QStringLiteral("%1(%2)").arg(QLatin1String(rowNames[row])).arg(trial),
                QString(),
                QRect(left, blockTop[block] + (row + 1) * rowPitch, cellWidth, rowHeight), 12);
            cell->setColours(Qt::white);
            cell->setAccessibleDescription(
                QStringLiteral("Trial %1, %2").arg(trial).arg(QLatin1String(rowMeanings[row])));
            m_cells[row][trial - 1] = cell;
        }
    }
}

platform::Label* ResultsTable::cell(walk::Row row, int trial) const {
    return m_cells.at(static_cast<int>(row)).at(trial - 1);
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
