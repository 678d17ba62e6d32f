// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindow.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"

#include <QRadioButton>
#include <QTest>

#include <functional>
#include <memory>

// What each event handler of the program costs per call: the two timer
// ticks and each window's activation redraw, the last measured as the
// handler's own drawing: the strokes it adds to its picture, drawn as the
// window's repaint draws them.

namespace {

// A window whose activation handler can be called directly, without the
// round trip through another window that a real activation needs.
template <typename W> class Exposed : public W {
public:
    using W::activate;
    using W::W;
};

} // namespace

class BenchHandlers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void walkTimerTick_data();
    void walkTimerTick();
    void experimentTimerTick_data();
    void experimentTimerTick();
    void redraw_data();
    void redraw();

private:
    void selectPlane(bool plane);

    // Every bar drawn, at a height a full experiment could reach.
    walk::Frequencies m_fiveEach;
    std::unique_ptr<Exposed<MainWindow>> form1;
    std::unique_ptr<Exposed<XHistogramWindow>> form2;
    std::unique_ptr<Exposed<DistanceHistogramWindow>> form3;
    std::unique_ptr<Exposed<HelpWindow>> form4;
};

void BenchHandlers::initTestCase() {
    platform::registerGothicSubstitutes();
    m_fiveEach.fill(5.0f);
    form1 = std::make_unique<Exposed<MainWindow>>();
    form2 = std::make_unique<Exposed<XHistogramWindow>>(m_fiveEach);
    form3 = std::make_unique<Exposed<DistanceHistogramWindow>>(m_fiveEach);
    form4 = std::make_unique<Exposed<HelpWindow>>();
    for (QWidget* w :
         std::initializer_list<QWidget*>{form1.get(), form2.get(), form3.get(), form4.get()}) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
}

void BenchHandlers::selectPlane(bool plane) {
    for (walk::Control option : {walk::Control::PlaneOption, walk::Control::LinearOption})
        form1->control(option)->setEnabled(true);
    form1->control(plane ? walk::Control::PlaneOption : walk::Control::LinearOption)
        ->setChecked(true);
    QCOMPARE(form1->planeMovement(), plane);
}

void BenchHandlers::walkTimerTick_data() {
    QTest::addColumn<bool>("plane");
    QTest::addColumn<bool>("recording");
    QTest::addRow("step, plane movement") << true << false;
    QTest::addRow("step, linear movement") << false << false;
    QTest::addRow("31 ticks, a whole trial and its recording, plane movement") << true << true;
    QTest::addRow("31 ticks, a whole trial and its recording, linear movement") << false << true;
}

void BenchHandlers::walkTimerTick() {
    QFETCH(bool, plane);
    QFETCH(bool, recording);
    selectPlane(plane);
    walk::Experiment& experiment = form1->experiment();
    experiment.clear();
    experiment.startTrial();
    experiment.stepTimer().setEnabled(false);
    if (recording) {
        QBENCHMARK {
            // A whole trial: its 30 steps and the recording on the tick
            // after them. Every cell of the column changes, as it does in an
            // experiment; the table starts afresh before it runs out.
            if (experiment.trialCount() == walk::trialsPerExperiment)
                experiment.clear();
            experiment.startTrial();
            for (int tick = 0; tick <= walk::stepsPerTrial; ++tick)
                experiment.step();
        }
        QVERIFY(experiment.recordedCount() > 0);
    } else {
        QBENCHMARK {
            // Walls keep the walker on the plane, so the walk can go on for
            // as many steps as the measurement wants.
            if (experiment.stepsTaken() == walk::stepsPerTrial)
                experiment.prepareTrial();
            experiment.step();
        }
        QVERIFY(experiment.stepsTaken() > 0);
        QCOMPARE(experiment.recordedCount(), 0);
    }
    experiment.stepTimer().setEnabled(false);
    experiment.clear();
}

void BenchHandlers::experimentTimerTick_data() {
    QTest::addColumn<bool>("complete");
    QTest::addRow("next trial") << false;
    QTest::addRow("experiment complete") << true;
}

void BenchHandlers::experimentTimerTick() {
    QFETCH(bool, complete);
    selectPlane(true);
    walk::Experiment& experiment = form1->experiment();
    experiment.clear();
    for (int trial = 0; complete && trial < walk::trialsPerExperiment; ++trial)
        experiment.startTrial();
    experiment.stepTimer().setEnabled(false);
    QBENCHMARK {
        // As in an experiment, the trial number shown changes, until the
        // experiment is complete.
        if (!complete && experiment.trialCount() == walk::trialsPerExperiment)
            experiment.clear();
        experiment.startTrial();
    }
    QCOMPARE(experiment.stepTimer().isEnabled(), !complete);
    QCOMPARE(experiment.walkerX(), 0);
    QCOMPARE(experiment.stepsTaken(), 0);
    experiment.stepTimer().setEnabled(false);
    experiment.clear();
}

void BenchHandlers::redraw_data() {
    QTest::addColumn<QString>("window");
    QTest::addRow("main window") << QStringLiteral("main");
    QTest::addRow("x-coordinate histogram") << QStringLiteral("x");
    QTest::addRow("distance histogram") << QStringLiteral("distance");
    QTest::addRow("help") << QStringLiteral("help");
}

void BenchHandlers::redraw() {
    QFETCH(QString, window);
    std::function<void()> activate;
    if (window == QLatin1String("main"))
        activate = [this] { form1->activate(), form1->plane()->image(); };
    else if (window == QLatin1String("x"))
        activate = [this] { form2->activate(), form2->surface()->image(); };
    else if (window == QLatin1String("distance"))
        activate = [this] { form3->activate(), form3->surface()->image(); };
    else
        activate = [this] { form4->activate(), form4->surface()->image(); };
    QBENCHMARK {
        activate();
    }
}

QTEST_MAIN(BenchHandlers)
#include "bench_handlers.moc"
