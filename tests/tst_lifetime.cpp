#include "activation.h"
#include "graphs/form2.h"
#include "graphs/form3.h"
#include "help/form4.h"
#include "liveobjects.h"
#include "mainwindow/form1.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/virtualtime.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSemaphore>
#include <QTest>
#include <QThreadPool>

#include <cstdlib>
#include <functional>
#include <malloc.h>

namespace {

#ifdef __SANITIZE_ADDRESS__
// AddressSanitizer keeps its own heap, which malloc's statistics do not see.
constexpr bool heapMeasurable = false;
#else
constexpr bool heapMeasurable = true;
#endif

// Qt's font engines cache each glyph as it is first rendered at a new
// sub-pixel offset, and now and then one turns up late: a few hundred bytes
// over a run. Any leak is far above this: malloc's smallest chunk is 32
// bytes, 32 KB over a thousand cycles.
constexpr qint64 heapSlack = 2048;

// Qt hands large image conversions to its global thread pool, whose threads
// come and go with the wall clock. One thread, started now and kept for
// good, keeps them out of the count.
void keepOnePoolThread() {
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setMaxThreadCount(1);
    pool->setExpiryTimeout(-1);
    QSemaphore started;
    pool->start([&started] { started.release(); });
    started.acquire();
}

QtMessageHandler qtHandler = nullptr;

// Every chime in these runs is missing, and the offscreen platform cannot
// raise a window; the one warning line each costs would otherwise fill the
// log a thousand times over.
void dropRepeatedWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("No sound")) &&
        text != QLatin1String("This plugin does not support raise()"))
        qtHandler(type, context, text);
}

struct Usage {
    qint64 objects;
    std::size_t heap;
};

// Delivers what is pending, closed windows' deferred deletes included.
// Events left behind would keep Qt's queue of posted events growing.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// What is alive once all deferred work is done.
Usage usage() {
    settle();
    return {liveObjects.load(), mallinfo2().uordblks};
}

// The main window in virtual time with its experiment run to Complete.
struct Session {
    platform::VirtualTime time{50000.0f};
    Form1 form;

    explicit Session(bool linear) {
        form.show();
        if (linear)
            click(form.Option2);
        click(form.Command6);
        time.advance(208000);
        QVERIFY(!form.Command6->isEnabled() && form.Command4->isEnabled());
    }

    static void click(QAbstractButton* button) {
        QVERIFY2(button->isEnabled(), qPrintable(button->text()));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Opens a window through the main window's button and closes it through
    // its own. Back on the main window, "Graph display" waits for the next
    // tick of the experiment's clock.
    template <typename Form> void openAndClose(QPushButton* opener, const QPointer<Form>& opened) {
        click(opener);
        QVERIFY(opened && opened->isVisible());
        QPointer<Form> window = opened;
        click(window->Command1);
        settle();
        QVERIFY(!window);
        sendActivate(&form);
        time.advance(4000);
    }
};

void expectUnchanged(const Usage& before) {
    const Usage after = usage();
    QCOMPARE(after.objects, before.objects);
    const qint64 grown = qint64(after.heap) - qint64(before.heap);
    if (heapMeasurable)
        QVERIFY2(std::abs(grown) <= heapSlack, qPrintable(QStringLiteral("%1 bytes").arg(grown)));
}

// Runs action a few times to fill Qt's caches (the second window opened
// still adds some), then a thousand times, and expects the live objects and
// the heap back where they were.
void expectNoGrowth(const std::function<void()>& action) {
    for (int n = 0; n < 3; ++n)
        action();
    const Usage before = usage();
    for (int n = 0; n < 1000 && !QTest::currentTestFailed(); ++n)
        action();
    expectUnchanged(before);
}

} // namespace

class TestLifetime : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void graphAndHelpWindows_data();
    void graphAndHelpWindows();
    void dayLongComplete();
};

void TestLifetime::initTestCase() {
    QVERIFY(countingObjects);
    keepOnePoolThread();
    platform::registerGothicSubstitutes();
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse/native");
    qtHandler = qInstallMessageHandler(dropRepeatedWarnings);
    // Freed chunks held in malloc's per-thread caches count as in use.
    if (heapMeasurable)
        QVERIFY2(qgetenv("GLIBC_TUNABLES").contains("glibc.malloc.tcache_count=0"),
                 "run with GLIBC_TUNABLES=glibc.malloc.tcache_count=0, as ctest does");
}

void TestLifetime::graphAndHelpWindows_data() {
    QTest::addColumn<bool>("linear");
    QTest::addColumn<QString>("window");
    QTest::addRow("Form2, x-coordinate histogram") << true << "Form2";
    QTest::addRow("Form3, distance histogram") << false << "Form3";
    QTest::addRow("Form4, help") << false << "Form4";
}

void TestLifetime::graphAndHelpWindows() {
    QFETCH(bool, linear);
    QFETCH(QString, window);
    Session s(linear);
    Form1& f = s.form;
    if (window == QLatin1String("Form2"))
        expectNoGrowth([&] { s.openAndClose(f.Command5, f.form2); });
    else if (window == QLatin1String("Form3"))
        expectNoGrowth([&] { s.openAndClose(f.Command5, f.form3); });
    else
        expectNoGrowth([&] { s.openAndClose(f.Command8, f.form4); });
    QCOMPARE(f.walk.ct, 51);
}

// The experiment's clock ticks on after Complete for as long as the program
// runs; a day of it changes nothing.
void TestLifetime::dayLongComplete() {
    Session s(false);
    s.time.advance(4000);
    const Usage before = usage();
    const QString label72 = s.form.Label72->text();
    s.time.advance(24LL * 60 * 60 * 1000);
    expectUnchanged(before);
    QVERIFY(s.form.walk.Timer2.isEnabled());
    QCOMPARE(s.form.Label72->text(), label72);
    QCOMPARE(s.form.walk.ct, 51);
}

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"
