#include "walk/enddistribution.h"

#include <QTest>

#include <cmath>
#include <map>
#include <numeric>

using walk::Walls;

namespace {

using Chances = std::map<std::pair<int, int>, double>;
constexpr Walls outOfReach{-1000, 1000};

Chances byPoint(const std::vector<walk::EndPoint>& ends) {
    Chances chances;
    for (const walk::EndPoint& end : ends)
        chances[{end.X, end.Y}] = end.chance;
    return chances;
}

// Every one of the 4^left walks from `at`, through the program's move rule.
void everyWalk(Chances& ends, walk::Position at, int left, double chance, bool plane, Walls walls) {
    if (left == 0) {
        ends[{at.x - 15, at.y - 15}] += chance;
        return;
    }
    for (int a = 1; a <= 4; ++a)
        everyWalk(ends, walk::moved(at, a, plane, walls), left - 1, chance / 4, plane, walls);
}

} // namespace

Q_DECLARE_METATYPE(walk::Walls)

class TestEndDistribution : public QObject {
    Q_OBJECT
private slots:
    void sumsToOne_data() {
        QTest::addColumn<bool>("plane");
        QTest::newRow("plane") << true;
        QTest::newRow("linear") << false;
    }
    void sumsToOne() {
        QFETCH(bool, plane);
        const auto ends = walk::endPoints(plane, 30);
        const double total = std::accumulate(
            ends.begin(), ends.end(), 0.0, [](double sum, auto& end) { return sum + end.chance; });
        QCOMPARE_LE(std::abs(total - 1), 1e-12);
    }

    void linearWithoutWallsIsBinomial() {
        const Chances ends = byPoint(walk::endPoints(false, 30, outOfReach));
        QCOMPARE(ends.size(), 31u);
        double binomial = std::pow(0.5, 30); // C(30, k) / 2^30, k steps to the right
        for (int k = 0; k <= 30; ++k) {
            QCOMPARE(ends.at({2 * k - 30, 0}), binomial);
            binomial = binomial * (30 - k) / (k + 1);
        }
    }

    void matchesEveryWalk_data() {
        QTest::addColumn<bool>("plane");
        QTest::addColumn<int>("steps");
        QTest::addColumn<Walls>("walls");
        QTest::newRow("plane, walls out of reach") << true << 8 << outOfReach;
        // Ten steps from the origin fall short of the real walls; walls five
        // steps away are met on many walks.
        QTest::newRow("plane, real walls") << true << 10 << Walls{};
        QTest::newRow("linear, real walls") << false << 10 << Walls{};
        QTest::newRow("plane, near walls") << true << 10 << Walls{10, 20};
        QTest::newRow("linear, near walls") << false << 10 << Walls{10, 20};
    }
    void matchesEveryWalk() {
        QFETCH(bool, plane);
        QFETCH(int, steps);
        QFETCH(Walls, walls);
        Chances walks;
        everyWalk(walks, {15, 15}, steps, 1.0, plane, walls);
        const Chances ends = byPoint(walk::endPoints(plane, steps, walls));
        QCOMPARE(ends.size(), walks.size());
        for (const auto& [point, chance] : walks)
            QCOMPARE_LE(std::abs(ends.at(point) - chance), 1e-15);
    }

    // Worked out apart from the program, by exact rational arithmetic over
    // shown coordinates with the walls at -14 and 15: 4.85711 (4.85742 without walls).
    void meanPlaneDistance() {
        double mean = 0;
        for (const walk::EndPoint& end : walk::endPoints(true, 30))
            mean += end.chance * std::hypot(end.X, end.Y);
        QCOMPARE_LE(std::abs(mean - 4.85711), 5e-6);
    }

    // Expected counts of 30 trials, from the same independent working.
    void expectedCountsLeaveOutTrialsNoBarCounts_data() {
        QTest::addColumn<bool>("plane");
        QTest::addColumn<int>("bars");
        QTest::addColumn<int>("bar");
        QTest::addColumn<double>("expected");
        QTest::newRow("linear, x 0") << false << 31 << 15 << 4.34200;
        QTest::newRow("linear, x -14") << false << 31 << 1 << 0.15133;
        QTest::newRow("plane, distance 2.8 to 4.2") << true << 15 << 2 << 7.05174;
    }
    void expectedCountsLeaveOutTrialsNoBarCounts() {
        QFETCH(bool, plane);
        QFETCH(int, bars);
        QFETCH(int, bar);
        QFETCH(double, expected);
        const std::vector<double> counts = walk::expectedCounts(plane, bars, 30);
        QCOMPARE_LE(std::abs(counts.at(bar) - expected), 5e-5);
        QCOMPARE_LE(std::abs(std::accumulate(counts.begin(), counts.end(), 0.0) - 30), 1e-9);
    }
};

QTEST_APPLESS_MAIN(TestEndDistribution)
#include "tst_enddistribution.moc"
