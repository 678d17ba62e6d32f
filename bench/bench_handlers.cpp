#include "graphs/form2.h"
#include "graphs/form3.h"
#include "help/form4.h"
#include "mainwindow/form1.h"
#include "mainwindow/resultstable.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "walk/module1.h"

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

    std::unique_ptr<Exposed<Form1>> form1;
    std::unique_ptr<Exposed<Form2>> form2;
    std::unique_ptr<Exposed<Form3>> form3;
    std::unique_ptr<Exposed<Form4>> form4;
};

void BenchHandlers::initTestCase() {
    platform::registerGothicSubstitutes();
    form1 = std::make_unique<Exposed<Form1>>();
    form2 = std::make_unique<Exposed<Form2>>();
    form3 = std::make_unique<Exposed<Form3>>();
    form4 = std::make_unique<Exposed<Form4>>();
    for (QWidget* w :
         std::initializer_list<QWidget*>{form1.get(), form2.get(), form3.get(), form4.get()}) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
}

void BenchHandlers::selectPlane(bool plane) {
    form1->Option1->setEnabled(true);
    form1->Option2->setEnabled(true);
    (plane ? form1->Option1 : form1->Option2)->setChecked(true);
    QCOMPARE(form1->planeMovement(), plane);
}

void BenchHandlers::walkTimerTick_data() {
    QTest::addColumn<bool>("plane");
    QTest::addColumn<bool>("recording");
    QTest::addRow("step, plane movement") << true << false;
    QTest::addRow("step, linear movement") << false << false;
    QTest::addRow("recording, plane movement") << true << true;
    QTest::addRow("recording, linear movement") << false << true;
}

void BenchHandlers::walkTimerTick() {
    QFETCH(bool, plane);
    QFETCH(bool, recording);
    selectPlane(plane);
    walk::Walk& walk = form1->walk;
    walk.command2Click();
    walk.ct = 1;
    if (recording) {
        bool far = false;
        QBENCHMARK {
            // The 31st tick of a trial, ending at one of two points by turns
            // so that every cell's text changes, as it does in an experiment.
            // The sums start afresh so that the trial count cannot run out of
            // range however long this runs.
            far = !far;
            walk.x = far ? 17 : 16;
            walk.y = far ? 17 : 15;
            walk.caunt = 30;
            walk.recorded = 0;
            walk.s = 0.0f;
            walk.timer1Tick();
        }
        QCOMPARE(walk.recorded, 1);
        // The last end point by turns: (2, 2) at distance 2.8, or (1, 0).
        QCOMPARE(form1->results->cell(walk::Row::kr, 1)->text(),
                 far ? QStringLiteral("2.8") : QStringLiteral("1.0"));
    } else {
        QBENCHMARK {
            // Walls keep the walker on the plane, so the walk can go on for
            // as many steps as the measurement wants.
            if (walk.caunt == 30)
                walk.caunt = 0;
            walk.timer1Tick();
        }
        QVERIFY(walk.caunt > 0);
    }
    QVERIFY(!walk.Timer1.isEnabled());
    Module1::freq.fill(0.0f);
}

void BenchHandlers::experimentTimerTick_data() {
    QTest::addColumn<bool>("complete");
    QTest::addRow("next trial") << false;
    QTest::addRow("experiment complete") << true;
}

void BenchHandlers::experimentTimerTick() {
    QFETCH(bool, complete);
    selectPlane(true);
    walk::Walk& walk = form1->walk;
    bool second = false;
    QBENCHMARK {
        // As in an experiment: the walker rests at a trial's end point, the
        // walk timer is off, and the trial number shown changes.
        second = !second;
        walk.x = 17;
        walk.y = 17;
        walk.Timer1.setEnabled(false);
        walk.ct = complete ? 51 : (second ? 1 : 0);
        walk.timer2Tick();
    }
    QCOMPARE(walk.Timer1.isEnabled(), !complete);
    QCOMPARE(walk.ct, complete ? 51 : (second ? 2 : 1));
    QCOMPARE(walk.shownX(), 0);
    QCOMPARE(walk.caunt, 0);
    walk.Timer1.setEnabled(false);
}

void BenchHandlers::redraw_data() {
    QTest::addColumn<QString>("window");
    QTest::addRow("Form1 main window") << QStringLiteral("Form1");
    QTest::addRow("Form2 x-coordinate histogram") << QStringLiteral("Form2");
    QTest::addRow("Form3 distance histogram") << QStringLiteral("Form3");
    QTest::addRow("Form4 help") << QStringLiteral("Form4");
}

void BenchHandlers::redraw() {
    QFETCH(QString, window);
    // Every bar drawn, at a height a full experiment could reach.
    Module1::freq.fill(5.0f);
    std::function<void()> activate;
    if (window == QLatin1String("Form1"))
        activate = [this] { form1->activate(), form1->Picture1->image(); };
    else if (window == QLatin1String("Form2"))
        activate = [this] { form2->activate(), form2->Picture1->image(); };
    else if (window == QLatin1String("Form3"))
        activate = [this] { form3->activate(), form3->Picture1->image(); };
    else
        activate = [this] { form4->activate(), form4->Picture1->image(); };
    QBENCHMARK {
        activate();
    }
    Module1::freq.fill(0.0f);
}

QTEST_MAIN(BenchHandlers)
#include "bench_handlers.moc"
