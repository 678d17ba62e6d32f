#include "directions.h"
#include "platform/virtualtime.h"
#include "walk/bins.h"
#include "walk/move.h"
#include "walk/walk.h"

#include <QTest>

#include <cmath>
#include <map>

namespace {

// The main window's controls as the walk sees them, in one movement mode.
struct Panel : walk::Panel {
    explicit Panel(bool plane) : plane(plane) {}
    void setEnabled(walk::Switch, bool) override {}
    bool planeMovement() const override { return plane; }
    void setCaption(walk::Readout, const QString&) override {}
    void setCell(walk::Row, int, const QString&) override {}
    void moveMarker(int, int) override {}
    bool plane;
};

} // namespace

class TestWalk : public QObject {
    Q_OBJECT
private slots:
    // Each step draws from the generator seeded with that moment's time of
    // day: a trial started a tick later walks the same way a step later.
    void drawsFollowTheClock() {
        Panel panel(true);
        QString taken[2];
        for (int late = 0; late < 2; ++late) {
            platform::VirtualTime time(40000.0f);
            time.advance(100 * late);
            walk::Walk walk(panel);
            QObject::connect(&walk.Timer1, &platform::Timer::tick,
                             [&] { taken[late] += QString::number(walk.a); });
            walk.command2Click();
            walk.Timer1.setEnabled(true);
            time.advance(3000);
        }
        QCOMPARE(taken[1].left(29), taken[0].mid(1));
    }

    // 20,000 trials a mode through the real step and generator, seeded from
    // the virtual time of day, against the exact chances of the end points
    // with the walls: Pearson's chi-square, the cells expecting fewer than 5
    // pooled, below its critical value for 1 in 1000 (Wilson and Hilferty).
    // The cells of plane movement are its bars, and every end point it can
    // reach is in the bar k of 2k^2 <= X^2 + Y^2 < 2(k+1)^2.
    void distribution() {
        for (const bool plane : {true, false}) {
            const auto cellOf = [plane](int x, int y) {
                return plane ? walk::distanceBin(float(std::hypot(x - 15, y - 15))) : x;
            };
            std::map<std::pair<int, int>, double> chance{{{15, 15}, 1.0}};
            for (int step = 0; step < 30; ++step) {
                std::map<std::pair<int, int>, double> next;
                for (const auto& [at, p] : chance)
                    for (int a = 1; a <= 4; ++a) {
                        const walk::Position to = walk::moved({at.first, at.second}, a, plane);
                        next[{to.x, to.y}] += p / 4;
                    }
                chance = std::move(next);
            }
            std::map<int, std::pair<double, double>> cells; // observed and expected
            for (const auto& [at, p] : chance) {
                const int r2 =
                    (at.first - 15) * (at.first - 15) + (at.second - 15) * (at.second - 15);
                int k = 0;
                while (2 * (k + 1) * (k + 1) <= r2)
                    ++k;
                QVERIFY(!plane || cellOf(at.first, at.second) == (k <= 14 ? k : -1));
                cells[cellOf(at.first, at.second)].second += p * 20000;
            }
            platform::VirtualTime time(plane ? 12345.0f : 54321.0f);
            Panel panel(plane);
            walk::Walk walk(panel);
            for (int n = 0; n < 20000; ++n) {
                walk.command2Click();
                walk.Timer1.setEnabled(true);
                time.advance(3100);
                cells[cellOf(walk.x, walk.y)].first += 1;
            }
            double chiSquare = 0;
            double k = 0;
            std::pair<double, double> few;
            for (const auto& [cell, counts] : cells) {
                const auto [observed, expected] = counts;
                few = expected < 5 ? std::pair(few.first + observed, few.second + expected) : few;
                chiSquare +=
                    expected < 5 ? 0 : (observed - expected) * (observed - expected) / expected;
                k += expected < 5 ? 0 : 1;
            }
            chiSquare += (few.first - few.second) * (few.first - few.second) / few.second;
            const double critical =
                k * std::pow(1 - 2 / (9 * k) + 3.09 * std::sqrt(2 / (9 * k)), 3);
            qInfo("chi-square %.1f, %g degrees of freedom, critical %.1f", chiSquare, k, critical);
            QVERIFY(k >= 10 && chiSquare < critical);
        }
    }
};

QTEST_GUILESS_MAIN(TestWalk)
#include "tst_walk.moc"
