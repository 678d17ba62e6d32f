#include "fakepanel.h"
#include "walk/module1.h"
#include "walkscript.h"

#include <QTest>

using walk::Readout;
using walk::Row;

class TestWalk : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { platform::replaceDraws({}); }
    void directionFromDraw_data();
    void directionFromDraw();
    void step_data();
    void step();
    void recordingFillsTheColumn_data();
    void recordingFillsTheColumn();
    void recordingCountsAfterThirtySteps();
    void averageDistance();
    void preparation();

private:
    FakePanel panel;
};

void TestWalk::init() {
    panel = FakePanel();
    Module1::freq.fill(0.0f);
}

void TestWalk::directionFromDraw_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("a");
    QTest::addRow("0") << 0.0f << 1;
    QTest::addRow("just below a quarter") << 0.2499999f << 1;
    QTest::addRow("a quarter") << 0.25f << 2;
    QTest::addRow("a half") << 0.5f << 3;
    QTest::addRow("largest draw below 1") << 0.99999994f << 4;
}

void TestWalk::directionFromDraw() {
    QFETCH(float, r);
    QFETCH(int, a);
    platform::replaceDraws([r] { return r; });
    walk::Walk walk(panel);
    walk.load();
    walk.timer1Tick();
    QCOMPARE(walk.a, a);
}

void TestWalk::step_data() {
    QTest::addColumn<bool>("plane");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("toX");
    QTest::addColumn<int>("toY");
    QTest::addRow("plane right") << true << 15 << 15 << 1 << 16 << 15;
    QTest::addRow("plane up") << true << 15 << 15 << 2 << 15 << 14;
    QTest::addRow("plane left") << true << 15 << 15 << 3 << 14 << 15;
    QTest::addRow("plane down") << true << 15 << 15 << 4 << 15 << 16;
    QTest::addRow("plane right wall") << true << 30 << 7 << 1 << 30 << 7;
    QTest::addRow("plane upper wall") << true << 7 << 1 << 2 << 7 << 1;
    QTest::addRow("plane left wall") << true << 1 << 7 << 3 << 1 << 7;
    QTest::addRow("plane lower wall") << true << 7 << 30 << 4 << 7 << 30;
    QTest::addRow("plane corner, free way") << true << 30 << 30 << 3 << 29 << 30;
    QTest::addRow("linear right") << false << 15 << 15 << 1 << 16 << 15;
    QTest::addRow("linear 2 is right") << false << 15 << 15 << 2 << 16 << 15;
    QTest::addRow("linear left") << false << 15 << 15 << 3 << 14 << 15;
    QTest::addRow("linear 4 is left") << false << 15 << 15 << 4 << 14 << 15;
    QTest::addRow("linear right wall only for 1") << false << 30 << 15 << 1 << 30 << 15;
    QTest::addRow("linear 2 passes the right wall") << false << 30 << 15 << 2 << 31 << 15;
    QTest::addRow("linear left wall only for 3") << false << 1 << 15 << 3 << 1 << 15;
    QTest::addRow("linear 4 passes the left wall") << false << 1 << 15 << 4 << 0 << 15;
    QTest::addRow("linear far right") << false << 44 << 15 << 2 << 45 << 15;
    QTest::addRow("linear far left") << false << -14 << 15 << 4 << -15 << 15;
}

void TestWalk::step() {
    QFETCH(bool, plane);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, a);
    QFETCH(int, toX);
    QFETCH(int, toY);
    panel.plane = plane;
    walk::Walk walk(panel);
    walk.load();
    walk.x = static_cast<std::int16_t>(x);
    walk.y = static_cast<std::int16_t>(y);
    walk.caunt = 7;
    scriptDirections({a});
    walk.timer1Tick();

    QCOMPARE(walk.a, a);
    QCOMPARE(walk.x, toX);
    QCOMPARE(walk.y, toY);
    // A blocked step still counts.
    QCOMPARE(walk.caunt, 8);
    QCOMPARE(panel.caption(Readout::Label6), QStringLiteral("8"));
    QCOMPARE(panel.caption(Readout::Label2), QString::number(toX - 15));
    QCOMPARE(panel.caption(Readout::Label4), QString::number(toY - 15));
    QCOMPARE(panel.markerX, toX);
    QCOMPARE(panel.markerY, toY);
}

void TestWalk::recordingFillsTheColumn_data() {
    QTest::addColumn<bool>("plane");
    QTest::addColumn<std::vector<int>>("directions");
    QTest::addColumn<QStringList>("column");
    QTest::addColumn<int>("bin");
    QTest::addRow("linear to 30, beyond every bar")
        << false << std::vector<int>(30, 2) << QStringList{"30", "0", "30.0"} << -1;
    QTest::addRow("linear to 16, beyond every bar")
        << false << linearTo(16) << QStringList{"16", "0", "16.0"} << -1;
    QTest::addRow("linear to -16, beyond every bar")
        << false << linearTo(-16) << QStringList{"-16", "0", "16.0"} << -1;
    QTest::addRow("linear to 0") << false << linearTo(0) << QStringList{"0", "0", ".0"} << 15;
    QTest::addRow("linear to the left wall")
        << false << std::vector<int>(30, 3) << QStringList{"-14", "0", "14.0"} << 1;
    QTest::addRow("plane to the left wall")
        << true << std::vector<int>(30, 3) << QStringList{"-14", "0", "14.0"} << 9;
    QTest::addRow("plane to the lower right corner")
        << true << std::vector<int>{1, 4} << QStringList{"15", "15", "21.2"} << -1;
    QTest::addRow("plane back to the origin")
        << true << std::vector<int>{1, 3} << QStringList{"0", "0", ".0"} << 0;
    QTest::addRow("plane to (3,-3)") << true << concat({{1, 1, 1, 2, 2, 2}, repeat({1, 3}, 12)})
                                     << QStringList{"3", "-3", "4.2"} << 3;
}

void TestWalk::recordingFillsTheColumn() {
    QFETCH(bool, plane);
    QFETCH(std::vector<int>, directions);
    QFETCH(QStringList, column);
    QFETCH(int, bin);
    panel.plane = plane;
    walk::Walk walk(panel);
    walk.load();
    runTrial(walk, 5, directions);

    QCOMPARE(panel.cell(Row::xz, 5), column[0]);
    QCOMPARE(panel.cell(Row::yz, 5), column[1]);
    QCOMPARE(panel.cell(Row::kr, 5), column[2]);
    QCOMPARE(panel.cells.size(), std::size_t(3));
    for (int k = 0; k < 31; ++k)
        QCOMPARE(Module1::freq[k], k == bin ? 1.0f : 0.0f);
    QCOMPARE(walk.s, static_cast<float>(std::sqrt(
                         double(walk.shownX() * walk.shownX() + walk.shownY() * walk.shownY()))));
}

void TestWalk::recordingCountsAfterThirtySteps() {
    walk::Walk walk(panel);
    walk.load();
    walk.ct = 1;
    walk.Timer1.setEnabled(true);
    scriptDirections({1});
    walk.command2Click();
    for (int tick = 0; tick < 30; ++tick)
        walk.timer1Tick();
    QCOMPARE(panel.caption(Readout::Label6), QStringLiteral("30"));
    QVERIFY(panel.cell(Row::xz, 1).isEmpty());
    QVERIFY(walk.Timer1.isEnabled());

    walk.timer1Tick();
    QVERIFY(!walk.Timer1.isEnabled());
    QCOMPARE(panel.cell(Row::xz, 1), QStringLiteral("15"));
    QCOMPARE(panel.caption(Readout::Label6), QStringLiteral("30"));
    QCOMPARE(walk.caunt, 30);
    QCOMPARE(panel.markerX, 30);
}

void TestWalk::averageDistance() {
    // Distance 2, and distance 3 by way of a bump against the left wall.
    const std::vector<int> two = concat({{1, 1}, repeat({2, 4}, 14)});
    const std::vector<int> three = concat({repeat({3}, 15), repeat({1}, 11), {2, 4, 2, 4}});
    walk::Walk walk(panel);
    walk.load();
    runTrial(walk, 1, two);
    QCOMPARE(panel.caption(Readout::Label74), QStringLiteral("2.0"));
    runTrial(walk, 2, three);
    QCOMPARE(panel.cell(Row::kr, 2), QStringLiteral("3.0"));
    QCOMPARE(panel.caption(Readout::Label74), QStringLiteral("2.5"));

    walk.load();
    runTrial(walk, 1, two);
    runTrial(walk, 2, two);
    runTrial(walk, 3, three);
    QCOMPARE(panel.caption(Readout::Label74), QStringLiteral("2.3"));
    QCOMPARE(walk.s, 7.0f);
}

void TestWalk::preparation() {
    walk::Walk walk(panel);
    walk.load();
    walk.x = 1;
    walk.y = 30;
    walk.caunt = 30;
    panel.setCaption(Readout::Label72, QStringLiteral("7"));
    panel.setCaption(Readout::Label74, QStringLiteral("3.5"));
    panel.setCell(Row::kr, 7, QStringLiteral("3.5"));
    panel.enabled[int(walk::Switch::Command1)] = false;

    walk.command2Click();
    QCOMPARE(walk.x, 15);
    QCOMPARE(walk.y, 15);
    QCOMPARE(walk.caunt, 0);
    QCOMPARE(panel.markerX, 15);
    QCOMPARE(panel.markerY, 15);
    for (Readout r : {Readout::Label2, Readout::Label4, Readout::Label6})
        QCOMPARE(panel.caption(r), QStringLiteral("0"));
    QCOMPARE(panel.caption(Readout::Label72), QStringLiteral("7"));
    QCOMPARE(panel.caption(Readout::Label74), QStringLiteral("3.5"));
    QCOMPARE(panel.cell(Row::kr, 7), QStringLiteral("3.5"));
    QVERIFY(panel.isEnabled(walk::Switch::Command1));
    QVERIFY(!panel.isEnabled(walk::Switch::Command2));
}

QTEST_GUILESS_MAIN(TestWalk)
#include "tst_walk.moc"
