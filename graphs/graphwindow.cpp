#include "graphs/graphwindow.h"

#include "platform/button.h"
#include "platform/clipboard.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/linecontrol.h"
#include "platform/palette.h"
#include "platform/surfaceaccessible.h"
#include "platform/twips.h"
#include "resources/creditline.h"
#include "walk/delimited.h"
#include "walk/enddistribution.h"
#include "walk/formats.h"
#include "walk/module1.h"

#include <QAction>
#include <QShortcut>
#include <QStringList>

#include <numeric>

using platform::px;
using platform::twipRect;

GraphWindow::GraphWindow(const char* name, int clientHeight, double scaleWidth,
                         const QString& chartName, BarName barName, bool planeMovement)
    : platform::Window(creditLine, QSize(px(7605), px(clientHeight))), m_barName(barName),
      m_planeMovement(planeMovement) {
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(platform::gothic(9));
    setGeometry(QRect(QPoint(px(3855), px(2610)), size()));

    Command1 = new platform::Button(QStringLiteral("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipRect(6600, 0, 975, 375));
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    Line1 = new platform::LineControl(this, 0, px(7560), px(360));
    Line1->setObjectName(QStringLiteral("Line1"));

    Picture1 = new platform::DrawingSurface(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipRect(120, 600, 7335, 5655));
    Picture1->setScale(scaleWidth, 37);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setAccessibleName(chartName);

    showExpected = new QAction(QStringLiteral("Show expected counts"), Picture1);
    showExpected->setCheckable(true);
    showExpected->setShortcut(Qt::Key_E);
    Picture1->addAction(showExpected);
    Picture1->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(showExpected, &QAction::toggled, this, &GraphWindow::redraw);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &GraphWindow::copyBars);
}

void GraphWindow::activate() {
    redraw();
}

void GraphWindow::redraw() {
    // Cleared first so that bars of counters lowered since (by Init) do not linger.
    Picture1->cls();
    drawChart();
}

void GraphWindow::printAt(double x, double y, const QString& text) {
    Picture1->setCurrent(x, y);
    Picture1->print(text);
}

void GraphWindow::printCounts(double x, const std::array<const char*, 6>& texts) {
    double y = 4.5;
    for (const char* text : texts) {
        printAt(x, y, QString::fromLatin1(text));
        y += 5;
    }
}

void GraphWindow::printUnderAxis(double x, const QString& text) {
    Picture1->setCurrentY(34);
    Picture1->print();
    Picture1->setCurrentX(x);
    Picture1->print(text);
}

void GraphWindow::dashRows(int firstI, int lastI) {
    const QColor black = platform::qbColor(0);
    for (int j = 5; j <= 30; j += 5)
        for (int i = firstI; i <= lastI; ++i)
            Picture1->line({double(i), double(j)}, {float(i + 0.3), double(j)}, black);
}

void GraphWindow::drawBars(std::size_t count) {
    const QColor blue = platform::qbColor(9);
    m_drawn.assign(Module1::freq.begin(), Module1::freq.begin() + count);
    for (std::size_t k = 0; k < count; ++k)
        Picture1->box({3.0 + k, 35}, {4.0 + k, 35.0f - m_drawn[k]}, blue);

    std::vector<double> expected;
    if (showExpected->isChecked()) {
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
        Picture1->line({3.0 + k, y}, {4.0 + k, y}, lightRed);
    }
}

void GraphWindow::describeBars(const std::vector<double>& expected) {
    QStringList bars;
    for (std::size_t k = 0; k < m_drawn.size(); ++k) {
        const float trials = m_drawn[k];
        const QString theory = expected.empty() ? QString() : QString::number(expected[k], 'f', 1);
        if (trials == 0 && (theory.isEmpty() || theory == QLatin1String("0.0")))
            continue;
        QString bar = QStringLiteral("%1: %2 %3")
                          .arg(m_barName(k), walk::decimal(static_cast<int>(trials)),
                               trials == 1 ? QStringLiteral("trial") : QStringLiteral("trials"));
        if (!theory.isEmpty())
            bar += QStringLiteral(", expected ") + theory;
        bars << bar;
    }
    platform::describeSurface(*Picture1, bars.isEmpty() ? QStringLiteral("No trials counted")
                                                        : bars.join(QStringLiteral("; ")));
}

// The bars as they were drawn, one row each, for a spreadsheet.
void GraphWindow::copyBars() {
    QList<QStringList> rows{{QStringLiteral("Bar"), QStringLiteral("Trials")}};
    for (std::size_t k = 0; k < m_drawn.size(); ++k)
        rows << QStringList{m_barName(k), walk::decimal(static_cast<int>(m_drawn[k]))};
    platform::copyTable(walk::tabSeparated(rows), walk::commaSeparated(rows));
}
