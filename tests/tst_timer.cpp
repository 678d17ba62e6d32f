#include "platform/timeofday.h"
#include "platform/timer.h"
#include "platform/virtualtime.h"

#include <QTest>

#include <vector>

class TestTimer : public QObject {
    Q_OBJECT
private slots:
    void firstTickOneIntervalAfterEnabling();
    void enablingAgainKeepsTheCadence();
    void disablingStopsAtOnce();
    void equalDeadlinesTickInArmingOrder();
    void longRunDoesNotDrift();
    void timeOfDayFollowsTheClock();
};

void TestTimer::firstTickOneIntervalAfterEnabling() {
    platform::VirtualTime time;
    platform::Timer timer(100);
    int ticks = 0;
    connect(&timer, &platform::Timer::tick, [&] { ++ticks; });
    time.advance(30);
    timer.setEnabled(true);
    time.advance(99);
    QCOMPARE(ticks, 0);
    time.advance(1);
    QCOMPARE(ticks, 1);
    time.advance(1000);
    QCOMPARE(ticks, 11);
}

void TestTimer::enablingAgainKeepsTheCadence() {
    platform::VirtualTime time;
    platform::Timer timer(100);
    std::vector<qint64> at;
    connect(&timer, &platform::Timer::tick, [&] { at.push_back(time.now()); });
    timer.setEnabled(true);
    time.advance(150);
    timer.setEnabled(true);
    time.advance(150);
    QCOMPARE(at, (std::vector<qint64>{100, 200, 300}));
}

void TestTimer::disablingStopsAtOnce() {
    platform::VirtualTime time;
    platform::Timer timer(100);
    int ticks = 0;
    // A handler that switches its own timer off, as the recording tick does.
    connect(&timer, &platform::Timer::tick, [&] {
        if (++ticks == 3)
            timer.setEnabled(false);
    });
    timer.setEnabled(true);
    time.advance(1000);
    QCOMPARE(ticks, 3);
    QVERIFY(!timer.isEnabled());

    timer.setEnabled(true);
    time.advance(50);
    timer.setEnabled(false);
    time.advance(1000);
    QCOMPARE(ticks, 3);
}

void TestTimer::equalDeadlinesTickInArmingOrder() {
    platform::VirtualTime time;
    platform::Timer slow(200);
    platform::Timer fast(100);
    QString order;
    connect(&slow, &platform::Timer::tick, [&] { order += QLatin1Char('s'); });
    connect(&fast, &platform::Timer::tick, [&] { order += QLatin1Char('f'); });
    slow.setEnabled(true);
    fast.setEnabled(true);
    time.advance(400);
    QCOMPARE(order, QStringLiteral("fsffsf"));
}

void TestTimer::longRunDoesNotDrift() {
    platform::VirtualTime time;
    platform::Timer timer(4000);
    qint64 last = 0;
    int ticks = 0;
    connect(&timer, &platform::Timer::tick, [&] {
        ++ticks;
        last = time.now();
    });
    timer.setEnabled(true);
    time.advance(208000);
    QCOMPARE(ticks, 52);
    QCOMPARE(last, 208000);
}

void TestTimer::timeOfDayFollowsTheClock() {
    {
        platform::VirtualTime time(100.0f);
        time.advance(250);
        QCOMPARE(platform::timeOfDay(), 100.25f);
        // Past midnight the clock starts again from 0.
        time.advance(86400 * 1000 - 100 * 1000);
        QCOMPARE(platform::timeOfDay(), 0.25f);
    }
    // Without a virtual clock it is the machine's time of day.
    const float now = platform::timeOfDay();
    QVERIFY(now >= 0.0f && now < 86400.0f);
}

QTEST_GUILESS_MAIN(TestTimer)
#include "tst_timer.moc"
