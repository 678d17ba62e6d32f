// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/graphwindow.h"

#include "platform/clipboard.h"
#include "platform/drawingsurface.h"
#include "platform/palette.h"
#include "platform/surfaceaccessible.h"
#include "platform/twips.h"
#include "resources/creditline.h"
#include "walk/enddistribution.h"
#include "walk/formats.h"

#include <QAction>
#include <QShortcut>
#include <QStringList>

#include <cmath>
#include <numeric>

using platform::px;

GraphWindow::GraphWindow(const char* name, const walk::Frequencies& frequencies, int clientHeight,
                         double scaleWidth, const QString& chartName, BarName barName,
                         bool planeMovement)
    : platform::SurfaceWindow(name, creditLine(), QSize(px(7605), px(clientHeight)),
                              {{3855, 2610}, {6600, 0, 975, 375}, 0, 7560, {120, 600, 7335, 5655}}),
      m_frequencies(frequencies), m_barName(barName), m_planeMovement(planeMovement) {
    m_surface->setScale(scaleWidth, 37);
    m_surface->setAccessibleName(chartName);

    m_showExpected = new QAction(tr("Show expected counts"), m_surface);
    m_showExpected->setCheckable(true);
    m_showExpected->setShortcut(Qt::Key_E);
    m_surface->addAction(m_showExpected);
    m_surface->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_showExpected, &QAction::toggled, this, &GraphWindow::redraw);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &GraphWindow::copyBars);
}

void GraphWindow::activate() {
    redraw();
}

void GraphWindow::redraw() {
    // Cleared first so that bars of counters lowered since (by Init) do not linger.
    m_surface->cls();
    drawChart();
}

void GraphWindow::printAt(double x, double y, const QString& text) {
    m_surface->setCurrent(x, y);
    m_surface->print(text);
}

void GraphWindow::printCounts(double x, const std::array<const char*, 6>& texts) {
    double y = 4.5;
    for (const char* text : texts) {
        printAt(x, y, QString::fromLatin1(text));
        y += 5;
    }
}

void GraphWindow::printUnderAxis(double x, const QString& text) {
    m_surface->setCurrentY(34);
    m_surface->print();
    m_surface->setCurrentX(x);
    m_surface->print(text);
}

void GraphWindow::dashRows(int firstI, int lastI) {
    const QColor black = platform::qbColor(0);
    for (int j = 5; j <= 30; j += 5)
        for (int i = firstI; i <= lastI; ++i)
            m_surface->line({double(i), double(j)}, {float(i + 0.3), double(j)}, black);
}

void GraphWindow::drawBars(std::size_t count) {
    const QColor blue = platform::qbColor(9);
    m_drawn.assign(m_frequencies.begin(), m_frequencies.begin() + count);
    for (std::size_t k = 0; k < count; ++k)
        m_surface->box({3.0 + k, 35}, {4.0 + k, 35.0f - m_drawn[k]}, blue);

    std::vector<double> expected;
    if (m_showExpected->isChecked()) {
        expected = walk::expectedCounts(m_planeMovement, count,
                                        std::accumulate(m_drawn.begin(), m_drawn.end(), 0.0));
        markExpected(expected);
    }
    describeBars(expected);
}

void GraphWindow::markExpected(const std::vector<double>& expected) {
    const QColor lightRed = platform::qbColor(12);
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const float y = 35.0f - static_cast<float>(expected[k]);
        m_surface->line({3.0 + k, y}, {4.0 + k, y}, lightRed);
    }
}

void GraphWindow::describeBars(const std::vector<double>& expected) {
    QStringList bars;
    for (std::size_t k = 0; k < m_drawn.size(); ++k) {
        const int count = static_cast<int>(m_drawn[k]);
        if (expected.empty()) {
            if (count > 0)
                bars << tr("%1: %n trial(s)", nullptr, count).arg(m_barName(k));
        } else if (count > 0 || std::round(expected[k] * 10.0) != 0.0) {
            bars << tr("%1: %n trial(s), expected %2", nullptr, count)
                        .arg(m_barName(k), walk::oneDecimal(expected[k]));
        }
    }
    platform::describeSurface(*m_surface, bars.isEmpty() ? tr("No trials counted")
                                                         : bars.join(QStringLiteral("; ")));
}

// The bars as they were drawn, one row each, for a spreadsheet.
void GraphWindow::copyBars() {
    QList<QStringList> rows{{tr("Bar"), tr("Trials")}};
    for (std::size_t k = 0; k < m_drawn.size(); ++k)
        rows << QStringList{m_barName(k), walk::decimal(static_cast<int>(m_drawn[k]))};
    platform::copyTable(rows);
}
