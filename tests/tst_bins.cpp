#include "walk/bins.h"

#include <QTest>

#include <cmath>

namespace {
float distance(int X, int Y) {
    return static_cast<float>(std::sqrt(double(X * X + Y * Y)));
}
} // namespace

class TestBins : public QObject {
    Q_OBJECT
private slots:
    void distanceEdges_data();
    void distanceEdges();
    void everyReachableEndPoint();
    void linear_data();
    void linear();
};

void TestBins::distanceEdges_data() {
    QTest::addColumn<int>("X");
    QTest::addColumn<int>("Y");
    QTest::addColumn<int>("bin");
    // Points at exactly k*sqrt2 belong to bin k, not k - 1.
    QTest::addRow("(1,1)") << 1 << 1 << 1;
    QTest::addRow("(-2,2)") << -2 << 2 << 2;
    QTest::addRow("(3,3)") << 3 << 3 << 3;
    QTest::addRow("(6,6)") << 6 << 6 << 6;
    QTest::addRow("(9,9)") << 9 << 9 << 9;
    QTest::addRow("(7,1)") << 7 << 1 << 5;
    QTest::addRow("(7,17)") << 7 << 17 << 13;
    QTest::addRow("(-14,0)") << -14 << 0 << 9;
    QTest::addRow("(-3,2)") << -3 << 2 << 2;
    QTest::addRow("origin") << 0 << 0 << 0;
    QTest::addRow("(0,1)") << 0 << 1 << 0;
    QTest::addRow("(2,0)") << 2 << 0 << 1;
    QTest::addRow("(15,15) counts nowhere") << 15 << 15 << -1;
}

void TestBins::distanceEdges() {
    QFETCH(int, X);
    QFETCH(int, Y);
    QFETCH(int, bin);
    QCOMPARE(walk::distanceBin(distance(X, Y)), bin);
}

void TestBins::everyReachableEndPoint() {
    // Plane movement keeps the walker within -14..15 on both axes.
    for (int X = -14; X <= 15; ++X) {
        for (int Y = -14; Y <= 15; ++Y) {
            const int r2 = X * X + Y * Y;
            int expected = -1;
            for (int k = 0; k <= 14; ++k)
                if (2 * k * k <= r2 && r2 < 2 * (k + 1) * (k + 1))
                    expected = k;
            QVERIFY2(walk::distanceBin(distance(X, Y)) == expected,
                     qPrintable(QStringLiteral("(%1, %2)").arg(X).arg(Y)));
        }
    }
}

void TestBins::linear_data() {
    QTest::addColumn<int>("X");
    QTest::addColumn<int>("bin");
    QTest::addRow("-15") << -15 << 0;
    QTest::addRow("0") << 0 << 15;
    QTest::addRow("15") << 15 << 30;
    QTest::addRow("16 counts nowhere") << 16 << -1;
    QTest::addRow("-16 counts nowhere") << -16 << -1;
    QTest::addRow("30 counts nowhere") << 30 << -1;
}

void TestBins::linear() {
    QFETCH(int, X);
    QFETCH(int, bin);
    QCOMPARE(walk::linearBin(X), bin);
}

QTEST_APPLESS_MAIN(TestBins)
#include "tst_bins.moc"
