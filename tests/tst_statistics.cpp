#include "fakepanel.h"
#include "walk/bins.h"
#include "walk/move.h"
#include "walk/walk.h"

#include "platform/random.h"
#include "platform/timeofday.h"
#include "platform/virtualtime.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

#include <cmath>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int stepsPerTrial = 30;
constexpr int trialsPerMode = 20000;
constexpr qint64 tickMs = 100; // the walk timer's interval
constexpr int secondsPerDay = 86400;
constexpr double significance = 0.001;
constexpr double fewestExpected = 5.0; // below this a cell's chi-square term is unreliable

using Point = std::pair<int, int>;

// Regularized upper incomplete gamma function Q(a, x): the chi-square upper tail for 2a degrees
// of freedom at 2x.
double upperGamma(double a, double x) {
    if (x <= 0.0)
        return 1.0;
    constexpr double eps = 1e-15;
    constexpr int maxTerms = 1000;
    const double logPrefix = a * std::log(x) - x - std::lgamma(a);
    if (x < a + 1.0) {
        // Below the mean the series for the lower part converges quickly, and the upper part
        // is far enough from 0 that taking it from 1 loses nothing.
        double term = 1.0 / a;
        double sum = term;
        for (int n = 1; n < maxTerms && std::abs(term) > std::abs(sum) * eps; ++n) {
            term *= x / (a + n);
            sum += term;
        }
        return 1.0 - sum * std::exp(logPrefix);
    }
    // Above it, the continued fraction for the upper part (modified Lentz), which keeps full
    // relative precision deep into the tail.
    constexpr double tiny = 1e-300;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double h = d;
    for (int n = 1; n < maxTerms; ++n) {
        const double an = -n * (n - a);
        b += 2.0;
        d = an * d + b;
        if (std::abs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::abs(c) < tiny)
            c = tiny;
        d = 1.0 / d;
        const double delta = d * c;
        h *= delta;
        if (std::abs(delta - 1.0) < eps)
            break;
    }
    return std::exp(logPrefix) * h;
}

struct Fit {
    double chiSquare = 0.0;
    int degrees = 0;
    double p = 1.0;
    int impossible = 0; // outcomes the exact distribution gives no chance at all
};

// Pearson's chi-square over cells in their natural order. Neighbouring cells are pooled until
// each expects at least a few outcomes; what is left over at the end joins the last pool.
Fit chiSquare(const std::vector<double>& observed, const std::vector<double>& expected) {
    std::vector<std::pair<double, double>> pools;
    std::pair<double, double> open{0.0, 0.0};
    for (std::size_t i = 0; i < observed.size(); ++i) {
        open.first += observed[i];
        open.second += expected[i];
        if (open.second >= fewestExpected) {
            pools.push_back(open);
            open = {0.0, 0.0};
        }
    }
    if (pools.empty())
        pools.push_back(open);
    else {
        pools.back().first += open.first;
        pools.back().second += open.second;
    }

    Fit fit;
    for (const auto& [o, e] : pools)
        fit.chiSquare += (o - e) * (o - e) / e;
    fit.degrees = int(pools.size()) - 1;
    fit.p = fit.degrees > 0 ? upperGamma(fit.degrees / 2.0, fit.chiSquare / 2.0) : 1.0;
    return fit;
}

// The exact chance of every shown end point (X, Y) of a trial, every direction equally likely.
std::map<Point, double> exactEnds(bool plane) {
    std::map<Point, double> at{{{15, 15}, 1.0}};
    for (int step = 0; step < stepsPerTrial; ++step) {
        std::map<Point, double> next;
        for (const auto& [point, chance] : at)
            for (int a = 1; a <= 4; ++a) {
                const walk::Position to = walk::moved({point.first, point.second}, a, plane);
                next[{to.x, to.y}] += chance / 4.0;
            }
        at = std::move(next);
    }
    std::map<Point, double> shown;
    for (const auto& [point, chance] : at)
        shown[{point.first - 15, point.second - 15}] = chance;
    return shown;
}

enum class Measure { DistanceBin, FinalX, FinalY };

// The cell an end point falls in. The distance goes through the program's own binning, the
// trials beyond bin 14 in a cell of their own after it.
int cellOf(Measure measure, Point shown) {
    const auto [X, Y] = shown;
    switch (measure) {
    case Measure::DistanceBin: {
        const double d = std::sqrt(double(X) * X + double(Y) * Y);
        const int bin = walk::distanceBin(static_cast<float>(d));
        return bin >= 0 ? bin : 15;
    }
    case Measure::FinalX:
        return X;
    case Measure::FinalY:
        return Y;
    }
    return 0;
}

Fit endPointFit(const std::vector<Point>& ends, bool plane, Measure measure) {
    const std::map<Point, double> exact = exactEnds(plane);
    std::map<int, std::pair<double, double>> cells; // observed, expected
    for (const auto& [point, chance] : exact)
        cells[cellOf(measure, point)].second += chance * double(ends.size());
    int impossible = 0;
    for (const Point& end : ends) {
        if (!exact.contains(end))
            ++impossible;
        else
            cells[cellOf(measure, end)].first += 1.0;
    }
    std::vector<double> observed;
    std::vector<double> expected;
    for (const auto& [cell, counts] : cells) {
        observed.push_back(counts.first);
        expected.push_back(counts.second);
    }
    Fit fit = chiSquare(observed, expected);
    fit.impossible = impossible;
    return fit;
}

struct Sample {
    std::vector<Point> ends;     // shown (X, Y) at the end of each trial
    std::vector<int> directions; // a after each step, trial after trial
    int trialsCutShort = 0;      // trials that did not count 30 steps
};

// Trials as the walk timer runs them: a tick every 100 ms of the virtual clock, each step
// reseeding from the time of day.
Sample walkTrials(bool plane, float startOfDay, int trials) {
    platform::VirtualTime clock(startOfDay);
    FakePanel panel;
    panel.plane = plane;
    walk::Walk walk(panel);
    Sample sample;
    sample.ends.reserve(trials);
    sample.directions.reserve(std::size_t(trials) * stepsPerTrial);
    for (int trial = 0; trial < trials; ++trial) {
        walk.command2Click();
        for (int step = 0; step < stepsPerTrial; ++step) {
            clock.advance(tickMs);
            walk.timer1Tick();
            sample.directions.push_back(walk.a);
        }
        if (walk.caunt != stepsPerTrial)
            ++sample.trialsCutShort;
        sample.ends.push_back({walk.shownX(), walk.shownY()});
    }
    return sample;
}

// Counts of runs of `span` consecutive directions within a trial, as a base-4 number each.
Fit directionFit(const std::vector<const Sample*>& samples, int span) {
    int cells = 1;
    for (int i = 0; i < span; ++i)
        cells *= 4;
    std::vector<double> counts(cells, 0.0);
    int stray = 0;
    for (const Sample* sample : samples) {
        const std::vector<int>& a = sample->directions;
        for (std::size_t trial = 0; trial + stepsPerTrial <= a.size(); trial += stepsPerTrial) {
            for (int first = 0; first + span <= stepsPerTrial; ++first) {
                int cell = 0;
                bool known = true;
                for (int k = 0; k < span && known; ++k) {
                    const int direction = a[trial + first + k];
                    known = direction >= 1 && direction <= 4;
                    cell = cell * 4 + direction - 1;
                }
                if (known)
                    counts[cell] += 1.0;
                else
                    ++stray;
            }
        }
    }
    double total = 0.0;
    for (double c : counts)
        total += c;
    Fit fit = chiSquare(counts, std::vector<double>(cells, total / cells));
    fit.impossible = stray;
    return fit;
}

void report(const char* what, const Fit& fit) {
    qInfo("%s: chi-square %.2f, %d degrees of freedom, p = %.4g", what, fit.chiSquare, fit.degrees,
          fit.p);
}

} // namespace

Q_DECLARE_METATYPE(Measure)

class TestStatistics : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void upperTail_data();
    void upperTail();
    void endPoints_data();
    void endPoints();
    void directions_data();
    void directions();
    void detectsWholeSecondSeeds();

private:
    const Sample& sample(bool plane);

    float m_start = 0.0f;
    std::optional<Sample> m_plane;
    std::optional<Sample> m_linear;
};

void TestStatistics::initTestCase() {
    bool replay = false;
    const float given = qEnvironmentVariable("LURCHFIELD_STATS_START").toFloat(&replay);
    // A time of day drawn at random once and kept, so that a run which passes
    // passes every time; set the variable to look at other times of day.
    m_start = replay ? given : float(QRandomGenerator(20261206).bounded(double(secondsPerDay)));
    qInfo("virtual clock starts %.9g s after midnight (LURCHFIELD_STATS_START=%.9g replays it)",
          double(m_start), double(m_start));
}

const Sample& TestStatistics::sample(bool plane) {
    std::optional<Sample>& cached = plane ? m_plane : m_linear;
    if (!cached) {
        double start = m_start;
        if (!plane) {
            // The two modes together walk more of the clock than a day holds, so the linear run
            // would come round to times of day the plane run has seeded from and repeat its
            // draws. Half a tick off the plane run's grid, no seed of the two is used twice.
            start += double(trialsPerMode) * stepsPerTrial * tickMs / 1000.0 + tickMs / 2000.0;
            start = std::fmod(start, double(secondsPerDay));
        }
        cached = walkTrials(plane, float(start), trialsPerMode);
    }
    return *cached;
}

void TestStatistics::upperTail_data() {
    QTest::addColumn<double>("chiSquare");
    QTest::addColumn<int>("degrees");
    QTest::addColumn<double>("p");
    QTest::addRow("nothing observed") << 0.0 << 3 << 1.0;
    QTest::addRow("1 df, 5 in 100") << 3.841458820694124 << 1 << 0.05;
    QTest::addRow("2 df, exp(-10)") << 20.0 << 2 << 4.539992976248485e-5;
    QTest::addRow("10 df, 5 in 100") << 18.30703805327515 << 10 << 0.05;
    QTest::addRow("15 df, far tail") << 100.0 << 15 << 1.304704343625144e-14;
    QTest::addRow("30 df, 1 in 1000") << 59.70306 << 30 << 0.001000001195789194;
}

void TestStatistics::upperTail() {
    QFETCH(double, chiSquare);
    QFETCH(int, degrees);
    QFETCH(double, p);
    const double q = upperGamma(degrees / 2.0, chiSquare / 2.0);
    QVERIFY2(std::abs(q - p) <= 1e-9 * p, qPrintable(QString::number(q, 'g', 17)));
}

void TestStatistics::endPoints_data() {
    QTest::addColumn<bool>("plane");
    QTest::addColumn<Measure>("measure");
    QTest::addRow("plane, distance bin") << true << Measure::DistanceBin;
    QTest::addRow("plane, final X") << true << Measure::FinalX;
    QTest::addRow("plane, final Y") << true << Measure::FinalY;
    QTest::addRow("linear, final X") << false << Measure::FinalX;
}

void TestStatistics::endPoints() {
    QFETCH(bool, plane);
    QFETCH(Measure, measure);
    const Sample& trials = sample(plane);
    QCOMPARE(trials.trialsCutShort, 0);
    QCOMPARE(int(trials.ends.size()), trialsPerMode);

    const Fit fit = endPointFit(trials.ends, plane, measure);
    report(QTest::currentDataTag(), fit);
    QCOMPARE(fit.impossible, 0);
    QVERIFY(fit.degrees >= 5);
    QVERIFY2(fit.p > significance, qPrintable(QStringLiteral("p = %1").arg(fit.p)));
}

void TestStatistics::directions_data() {
    QTest::addColumn<int>("span");
    QTest::addRow("single steps") << 1;
    QTest::addRow("consecutive pairs") << 2;
}

void TestStatistics::directions() {
    QFETCH(int, span);
    const Fit fit = directionFit({&sample(true), &sample(false)}, span);
    report(QTest::currentDataTag(), fit);
    QCOMPARE(fit.impossible, 0);
    QCOMPARE(fit.degrees, span == 1 ? 3 : 15);
    QVERIFY2(fit.p > significance, qPrintable(QStringLiteral("p = %1").arg(fit.p)));
}

void TestStatistics::detectsWholeSecondSeeds() {
    // Every whole second's draw from the real generator, looked up rather than drawn inside the
    // replacement: rnd() would only hand the call back to the replacement.
    std::vector<float> drawAt(secondsPerDay);
    for (int second = 0; second < secondsPerDay; ++second) {
        platform::randomize(float(second));
        drawAt[second] = platform::rnd();
    }
    const auto restore = qScopeGuard([] { platform::replaceDraws({}); });
    platform::replaceDraws([&drawAt] {
        const int second = int(std::floor(platform::timeOfDay())) % secondsPerDay;
        return drawAt[second];
    });
    const Sample coarse = walkTrials(false, m_start, 2000);

    const Fit ends = endPointFit(coarse.ends, false, Measure::FinalX);
    report("whole seconds, linear final X", ends);
    QVERIFY(ends.degrees >= 5);
    QVERIFY2(ends.p < significance, qPrintable(QStringLiteral("p = %1").arg(ends.p)));

    const Fit pairs = directionFit({&coarse}, 2);
    report("whole seconds, consecutive pairs", pairs);
    QVERIFY2(pairs.p < significance, qPrintable(QStringLiteral("p = %1").arg(pairs.p)));
}

QTEST_APPLESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
