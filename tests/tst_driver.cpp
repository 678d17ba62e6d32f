#include "fakepanel.h"
#include "flags.h"
#include "platform/random.h"
#include "platform/virtualtime.h"
#include "walk/formats.h"
#include "walk/module1.h"

#include <QTest>

#include <memory>

using walk::Readout;
using walk::Row;
using walk::Switch;

// The experiment on a panel without widgets, in virtual time.
struct Experiment {
    FakePanel panel;
    platform::VirtualTime time{36000.0f};
    walk::Walk walk{panel};

    Experiment() {
        walk.load();
        walk.showActivated(); // the window's first activation
    }
    QString state() const { return flags(panel, walk); }
    int filledColumns() const {
        int n = 0;
        for (int t = 1; t <= 51; ++t)
            n += !panel.cell(Row::kr, t).isEmpty();
        return n;
    }
    // Trials counted in any freq counter.
    static double counted() {
        double n = 0;
        for (float f : Module1::freq)
            n += f;
        return n;
    }
    double meanOfRecorded() const {
        double sum = 0;
        int n = 0;
        for (int t = 1; t <= 51; ++t) {
            const QString d = panel.cell(Row::kr, t);
            if (!d.isEmpty()) {
                const int X = panel.cell(Row::xz, t).toInt();
                const int Y = panel.cell(Row::yz, t).toInt();
                sum += std::sqrt(double(X * X + Y * Y));
                ++n;
            }
        }
        return n ? sum / n : 0.0;
    }
};

class TestDriver : public QObject {
    Q_OBJECT
private slots:
    void states();
    void armedWaitsFourSeconds();
    void modeChosenWhileArmed();
    void stopMidTrialStillRecords();
    void startAfterStopNumbersOn();
    void wholeExperiment();
    void stopAfterTheLastTrial();
    void activationKeepsTheTrialAndTheStopButton();
    void trialCutShortIsNotAveraged();
    void initStartsAfresh();
};

void TestDriver::states() {
    Experiment e;
    QCOMPARE(e.state(), idle);
    QCOMPARE(e.panel.caption(Readout::Label72), QStringLiteral("0"));

    e.walk.command6Click();
    QCOMPARE(e.state(), armedFromIdle);

    e.time.advance(4000);
    QCOMPARE(e.walk.ct, 1);
    QCOMPARE(e.state(), runningPlaneWalking);
    e.time.advance(3100);
    QCOMPARE(e.state(), runningPlaneResting);
    QVERIFY(!e.panel.cell(Row::kr, 1).isEmpty());

    e.walk.command7Click();
    QCOMPARE(e.state(), stoppedPlaneResting);
}

void TestDriver::armedWaitsFourSeconds() {
    Experiment e;
    e.walk.command6Click();
    e.time.advance(3999);
    QCOMPARE(e.walk.ct, 0);
    QCOMPARE(e.walk.caunt, 0);
    e.walk.command7Click();
    QCOMPARE(e.walk.ct, 0);
    // The mode not selected is locked even though no trial ran.
    QVERIFY(e.panel.isEnabled(Switch::Option1));
    QVERIFY(!e.panel.isEnabled(Switch::Option2));
    e.time.advance(60000);
    QCOMPARE(e.walk.ct, 0);
}

void TestDriver::modeChosenWhileArmed() {
    Experiment e;
    e.walk.command6Click();
    e.time.advance(2000);
    e.panel.plane = false; // the user picks "Linear movement" during the wait
    e.time.advance(2000);
    QVERIFY(!e.panel.isEnabled(Switch::Option1));
    QVERIFY(e.panel.isEnabled(Switch::Option2));
    e.time.advance(4000 * 9 + 3100);
    QCOMPARE(e.filledColumns(), 10);
    int withinBars = 0;
    for (int t = 1; t <= 10; ++t) {
        QCOMPARE(e.panel.cell(Row::yz, t), QStringLiteral("0"));
        withinBars += std::abs(e.panel.cell(Row::xz, t).toInt()) <= 15;
    }
    QCOMPARE(e.counted(), double(withinBars));
}

void TestDriver::stopMidTrialStillRecords() {
    Experiment e;
    e.walk.command6Click();
    e.time.advance(4000 + 1500);
    QCOMPARE(e.walk.caunt, 15);
    e.walk.command7Click();
    QVERIFY(e.walk.Timer1.isEnabled());
    e.time.advance(1600);
    QVERIFY(!e.walk.Timer1.isEnabled());
    QCOMPARE(e.walk.caunt, 30);
    QVERIFY(!e.panel.cell(Row::kr, 1).isEmpty());
    QCOMPARE(e.walk.ct, 1);
    QCOMPARE(e.state(), stoppedPlaneResting);
}

void TestDriver::startAfterStopNumbersOn() {
    Experiment e;
    e.walk.command6Click();
    e.time.advance(4000 * 20 + 3100);
    QCOMPARE(e.walk.ct, 20);
    e.walk.command7Click();
    e.time.advance(10000);
    e.walk.command6Click();
    // Armed from Stopped: only the selected mode stays enabled.
    QCOMPARE(flags(e.panel, e.walk), QStringLiteral("00000010 10 01"));
    e.time.advance(4000);
    QCOMPARE(e.walk.ct, 21);
    QCOMPARE(e.panel.caption(Readout::Label72), QStringLiteral("21"));
    e.time.advance(3100);
    QVERIFY(!e.panel.cell(Row::kr, 21).isEmpty());
    QCOMPARE(e.filledColumns(), 21);
}

void TestDriver::wholeExperiment() {
    Experiment e;
    e.walk.command6Click();
    // 51 trials start on ticks 1..51; tick 52, 208 s after the click, finds them all done.
    e.time.advance(207999);
    QCOMPARE(e.walk.ct, 51);
    QVERIFY(e.panel.isEnabled(Switch::Command7));
    e.time.advance(1);
    QCOMPARE(e.state(), completePlane);
    QCOMPARE(e.filledColumns(), 51);
    QCOMPARE(e.panel.caption(Readout::Label72), QStringLiteral("51"));
    QCOMPARE(e.panel.caption(Readout::Label74), walk::tenths(e.walk.s / 51.0f));
    QVERIFY(std::abs(e.walk.s / 51.0 - e.meanOfRecorded()) < 1e-4);
    // The walker is back at the origin and stays there while the timer ticks on.
    QCOMPARE(e.walk.x, 15);
    e.time.advance(4000 * 100);
    QCOMPARE(e.state(), completePlane);
    QCOMPARE(e.walk.ct, 51);

    QVERIFY(e.counted() >= 50); // only (15, 15) counts nowhere
}

void TestDriver::stopAfterTheLastTrial() {
    Experiment e;
    e.walk.command6Click();
    e.time.advance(4000 * 51 + 100);
    QCOMPARE(e.walk.ct, 51);
    e.walk.command7Click();
    e.time.advance(3100);
    QCOMPARE(e.filledColumns(), 51);
    e.walk.command6Click();
    e.time.advance(4000);
    QCOMPARE(e.walk.ct, 51);
    QCOMPARE(e.state(), completePlane);
}

void TestDriver::activationKeepsTheTrialAndTheStopButton() {
    Experiment e;
    e.walk.command6Click();
    e.time.advance(4000 + 1200);
    // The user comes back from a graph or help window mid-trial.
    e.walk.showActivated();
    QVERIFY(e.walk.Timer1.isEnabled());
    QVERIFY(e.panel.isEnabled(Switch::Command7));
    QVERIFY(!e.panel.isEnabled(Switch::Command5));
    QVERIFY(!e.panel.isEnabled(Switch::Command2));
    e.time.advance(1900);
    QVERIFY(!e.panel.cell(Row::kr, 1).isEmpty());

    // Stopped with the last trial still walking: it is recorded all the same.
    e.time.advance(4000 + 500);
    e.walk.command7Click();
    e.walk.showActivated();
    QVERIFY(!e.panel.isEnabled(Switch::Command7));
    QVERIFY(!e.panel.isEnabled(Switch::Command5));
    e.time.advance(3000);
    QVERIFY(!e.panel.cell(Row::kr, 2).isEmpty());
    QCOMPARE(e.filledColumns(), 2);
}

void TestDriver::trialCutShortIsNotAveraged() {
    Experiment e;
    e.walk.command6Click();
    e.time.advance(4000 + 3100);
    const float first = e.walk.s;
    // Trial 2's steps fall behind by a whole trial: trial 3 starts while 2 walks.
    e.time.advance(900 + 1500);
    QCOMPARE(e.walk.caunt, 15);
    e.time.delay(e.walk.Timer1, 2500);
    e.time.advance(2500);
    QCOMPARE(e.walk.ct, 3);
    QCOMPARE(e.walk.caunt, 0);
    QCOMPARE(e.walk.x, 15);
    QVERIFY(e.walk.Timer1.isEnabled());
    e.time.advance(3200);
    QVERIFY(e.panel.cell(Row::kr, 2).isEmpty());
    QVERIFY(!e.panel.cell(Row::kr, 3).isEmpty());
    QCOMPARE(e.walk.recorded, 2);
    QCOMPARE(e.panel.caption(Readout::Label74), walk::tenths(e.walk.s / 2.0f));
    QVERIFY(std::abs(e.walk.s / 2.0 - e.meanOfRecorded()) < 1e-4);
    QVERIFY(e.walk.s >= first);
}

void TestDriver::initStartsAfresh() {
    Experiment e;
    e.panel.plane = false;
    e.walk.command6Click();
    e.time.advance(3 * 4000 + 1000); // trial 3 is walking when stopped
    e.walk.command7Click();
    QCOMPARE(e.filledColumns(), 2);
    QVERIFY(e.walk.Timer1.isEnabled());

    e.walk.command4Click();
    QCOMPARE(e.state(), idle);
    QCOMPARE(e.walk.i, 52);
    QCOMPARE(e.filledColumns(), 0);
    for (int t = 1; t <= 51; ++t)
        QVERIFY(e.panel.cell(Row::xz, t).isEmpty() && e.panel.cell(Row::yz, t).isEmpty());
    QCOMPARE(Experiment::counted(), 0.0);
    for (Readout r : {Readout::Label2, Readout::Label4, Readout::Label6, Readout::Label72})
        QCOMPARE(e.panel.caption(r), QStringLiteral("0"));
    QCOMPARE(e.panel.caption(Readout::Label74), QString());
    QCOMPARE(std::pair(e.panel.markerX, e.panel.markerY), std::pair(15, 15));
    QVERIFY(!e.panel.plane); // the mode stays as it was chosen

    // The trial that was walking never comes back to be recorded.
    e.time.advance(10000);
    QCOMPARE(e.filledColumns(), 0);
    QCOMPARE(e.walk.caunt, 0);

    // The next experiment numbers from 1 and averages its own trials only.
    e.walk.command6Click();
    e.time.advance(4000 + 3100);
    QCOMPARE(e.walk.ct, 1);
    QCOMPARE(e.filledColumns(), 1);
    QCOMPARE(e.panel.caption(Readout::Label74), e.panel.cell(Row::kr, 1));
    QCOMPARE(Experiment::counted(), 1.0);
}

QTEST_GUILESS_MAIN(TestDriver)
#include "tst_driver.moc"
