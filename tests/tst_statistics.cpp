#include "fakepanel.h"
#include "platform/random.h"
#include "platform/timeofday.h"
#include "platform/virtualtime.h"
#include "walk/bins.h"
#include "walk/move.h"
#include "walk/walk.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

#include <cmath>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace {

constexpr int stepsPerTrial = 30;
constexpr int trialsPerMode = 20000;
constexpr int secondsPerDay = 86400;
constexpr double significance = 0.001;

using Point = std::pair<int, int>;

// Upper tail of the chi-square distribution, from the series of the lower
// incomplete gamma function; far out in the tail it is simply 0.
double chiSquareP(double chiSquare, int degrees) {
    const double a = degrees / 2.0;
    const double x = chiSquare / 2.0;
    if (x <= 0.0)
        return 1.0;
    if (x > 10.0 * a + 100.0)
        return 0.0;
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; term > sum * 1e-17; ++n) {
        term *= x / (a + n);
        sum += term;
    }
    return std::max(0.0, 1.0 - sum * std::exp(a * std::log(x) - x - std::lgamma(a)));
}

struct Fit {
    double chiSquare = 0.0;
    int degrees = 0;
    double p = 1.0;
};

// Pearson's test over cells in order; neighbours are pooled until each
// expects at least 5 outcomes, and a remainder joins the last pool.
Fit fit(const std::vector<double>& observed, const std::vector<double>& expected) {
    std::vector<std::pair<double, double>> pools(1);
    for (std::size_t i = 0; i < observed.size(); ++i) {
        if (pools.back().second >= 5.0)
            pools.emplace_back();
        pools.back().first += observed[i];
        pools.back().second += expected[i];
    }
    if (pools.size() > 1 && pools.back().second < 5.0) {
        pools[pools.size() - 2].first += pools.back().first;
        pools[pools.size() - 2].second += pools.back().second;
        pools.pop_back();
    }
    Fit f;
    for (const auto& [o, e] : pools)
        f.chiSquare += (o - e) * (o - e) / e;
    f.degrees = int(pools.size()) - 1;
    f.p = chiSquareP(f.chiSquare, f.degrees);
    qInfo("chi-square %.2f, %d degrees of freedom, p = %.4g", f.chiSquare, f.degrees, f.p);
    return f;
}

// The exact chance of each shown end point after 30 steps from the origin.
std::map<Point, double> exactEnds(bool plane) {
    std::map<Point, double> at{{{15, 15}, 1.0}};
    for (int step = 0; step < stepsPerTrial; ++step) {
        std::map<Point, double> next;
        for (const auto& [p, chance] : at)
            for (int a = 1; a <= 4; ++a) {
                const walk::Position to = walk::moved({p.first, p.second}, a, plane);
                next[{to.x, to.y}] += chance / 4.0;
            }
        at = std::move(next);
    }
    std::map<Point, double> shown;
    for (const auto& [p, chance] : at)
        shown[{p.first - 15, p.second - 15}] = chance;
    return shown;
}

using Cell = std::function<int(Point)>;

int distanceCell(Point p) {
    const int bin =
        walk::distanceBin(float(std::sqrt(double(p.first * p.first + p.second * p.second))));
    return bin >= 0 ? bin : 15;
}
int xCell(Point p) {
    return p.first;
}

Fit endPointFit(const std::vector<Point>& ends, bool plane, const Cell& cellOf) {
    std::map<int, std::pair<double, double>> cells; // observed, expected
    const std::map<Point, double> exact = exactEnds(plane);
    for (const auto& [p, chance] : exact)
        cells[cellOf(p)].second += chance * double(ends.size());
    for (const Point& end : ends) {
        if (!exact.contains(end))
            return Fit{1e9, 1, 0.0}; // an end point the walk cannot reach
        cells[cellOf(end)].first += 1.0;
    }
    std::vector<double> observed, expected;
    for (const auto& [cell, counts] : cells) {
        observed.push_back(counts.first);
        expected.push_back(counts.second);
    }
    return fit(observed, expected);
}

struct Sample {
    std::vector<Point> ends;     // shown end point of each trial
    std::vector<int> directions; // a of each step, trial after trial
};

// Trials as the walk timer runs them: a tick every 100 ms of the clock, each
// step reseeding the generator from the time of day.
Sample walkTrials(bool plane, double startOfDay, int trials) {
    platform::VirtualTime clock(float(std::fmod(startOfDay, secondsPerDay)));
    FakePanel panel;
    panel.plane = plane;
    walk::Walk walk(panel);
    Sample sample;
    for (int trial = 0; trial < trials; ++trial) {
        walk.command2Click();
        for (int step = 0; step < stepsPerTrial; ++step) {
            clock.advance(100);
            walk.timer1Tick();
            sample.directions.push_back(walk.a);
        }
        sample.ends.push_back({walk.shownX(), walk.shownY()});
    }
    return sample;
}

// Counts of single directions (span 1) or of pairs within a trial (span 2).
Fit directionFit(const std::vector<int>& a, int span) {
    const int cells = span == 1 ? 4 : 16;
    std::vector<double> counts(cells, 0.0);
    for (std::size_t i = 0; i + span <= a.size(); ++i)
        if ((i % stepsPerTrial) + span <= stepsPerTrial)
            counts[span == 1 ? a[i] - 1 : (a[i] - 1) * 4 + a[i + 1] - 1] += 1.0;
    double total = 0.0;
    for (double c : counts)
        total += c;
    return fit(counts, std::vector<double>(cells, total / cells));
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void chiSquareTail_data();
    void chiSquareTail();
    void endPoints();
    void directions();
    void detectsWholeSecondSeeds();

private:
    double m_start = 0.0;
    Sample m_plane;
    Sample m_linear;
};

void TestStatistics::initTestCase() {
    // A time of day drawn at random once and kept, so a run that passes passes
    // every time; the variable runs it from another.
    bool given = false;
    m_start = qEnvironmentVariable("LURCHFIELD_STATS_START").toDouble(&given);
    if (!given)
        m_start = QRandomGenerator(20261206).bounded(double(secondsPerDay));
    qInfo("clock starts %.3f s after midnight (LURCHFIELD_STATS_START)", m_start);
    m_plane = walkTrials(true, m_start, trialsPerMode);
    // Both runs together walk more than a day of clock; half a tick off the
    // first run's times, the second never reuses one of its seeds.
    m_linear =
        walkTrials(false, m_start + trialsPerMode * stepsPerTrial * 0.1 + 0.05, trialsPerMode);
}

void TestStatistics::chiSquareTail_data() {
    QTest::addColumn<double>("chiSquare");
    QTest::addColumn<int>("degrees");
    QTest::addColumn<double>("p");
    QTest::addRow("1 df, 5 in 100") << 3.841458820694124 << 1 << 0.05;
    QTest::addRow("10 df, 5 in 100") << 18.30703805327515 << 10 << 0.05;
    QTest::addRow("30 df, 1 in 1000") << 59.70306 << 30 << 0.001000001195789194;
}

void TestStatistics::chiSquareTail() {
    QFETCH(double, chiSquare);
    QFETCH(int, degrees);
    QFETCH(double, p);
    QVERIFY(std::abs(chiSquareP(chiSquare, degrees) - p) < 1e-9);
}

void TestStatistics::endPoints() {
    const Fit plane = endPointFit(m_plane.ends, true, distanceCell);
    const Fit planeX = endPointFit(m_plane.ends, true, xCell);
    const Fit linear = endPointFit(m_linear.ends, false, xCell);
    for (const Fit& f : {plane, planeX, linear}) {
        QVERIFY(f.degrees >= 10);
        QVERIFY2(f.p > significance, qPrintable(QString::number(f.p)));
    }
}

void TestStatistics::directions() {
    std::vector<int> all = m_plane.directions;
    all.insert(all.end(), m_linear.directions.begin(), m_linear.directions.end());
    for (int span : {1, 2}) {
        const Fit f = directionFit(all, span);
        QCOMPARE(f.degrees, span == 1 ? 3 : 15);
        QVERIFY2(f.p > significance, qPrintable(QString::number(f.p)));
    }
}

void TestStatistics::detectsWholeSecondSeeds() {
    // A generator seeded from whole seconds only repeats its direction for
    // ten steps in a row; these checks must see that.
    std::vector<float> drawAt(secondsPerDay);
    for (int second = 0; second < secondsPerDay; ++second) {
        platform::randomize(float(second));
        drawAt[second] = platform::rnd();
    }
    const auto restore = qScopeGuard([] { platform::replaceDraws({}); });
    platform::replaceDraws(
        [&drawAt] { return drawAt[int(platform::timeOfDay()) % secondsPerDay]; });
    const Sample coarse = walkTrials(false, m_start, 2000);
    QVERIFY(endPointFit(coarse.ends, false, xCell).p < significance);
    QVERIFY(directionFit(coarse.directions, 2).p < significance);
}

QTEST_APPLESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
