#include "allowedstates.h"
#include "directions.h"
#include "graphs/form2.h"
#include "graphs/form3.h"
#include "help/form4.h"
#include "help/helptext.h"
#include "mainwindow/form1.h"
#include "mainwindow/resultstable.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/messagebox.h"
#include "platform/pictureholder.h"
#include "platform/virtualtime.h"
#include "walk/bins.h"
#include "walk/formats.h"
#include "walk/module1.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <private/qguiapplication_p.h>
#include <private/qhooks_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <cmath>
#include <malloc.h>
#include <map>
#include <memory>

namespace {

const QRgb white = qRgb(255, 255, 255);
const QRgb black = qRgb(0, 0, 0);
const QRgb lightBlue = qRgb(0, 0, 255);

qint64 liveObjects = 0; // QObjects alive, counted from before QApplication exists
[[maybe_unused]] const bool counting = [] {
    qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(+[](QObject*) { ++liveObjects; });
    qtHookData[QHooks::RemoveQObject] =
        reinterpret_cast<quintptr>(+[](QObject*) { --liveObjects; });
    return true;
}();

// Checks that ended in each state of the table.
std::map<QString, int> visits;

// The main window in virtual time, worked through its real buttons, and
// checked after every step: the flags are a state of the table, the
// read-outs follow the walker, and every column of the results is counted in
// freq and the average, and never changes or goes missing.
struct Session {
    platform::VirtualTime time;
    Form1 form;
    bool lagged = false;          // the walk timer fell behind since the last Init
    std::array<QString, 52> seen; // each column as last seen since the last Init

    explicit Session(float timeOfDay = 50000.0f) : time(timeOfDay) {
        QCOMPARE(flags(), QStringLiteral("11101111 11 00"));
        form.show();
    }

    // Command1..Command8, Option1 and Option2, Timer1 and Timer2: "10100101 11 00".
    QString flags() const {
        QString text;
        for (int c = 0; c < 10; ++c)
            text += form.control(walk::Switch(c))->isEnabled() ? u'1' : u'0';
        text += form.walk.Timer1.isEnabled() ? u'1' : u'0';
        text += form.walk.Timer2.isEnabled() ? u'1' : u'0';
        return text.insert(10, u' ').insert(8, u' ');
    }

    // Words: a button (start, stop, init, graph, help, exit, plane, linear),
    // close (the open graph or help window's "Close"), away (that window
    // becomes the active one), back (this one does), lag (the walk timer
    // falls 2.5 s behind) and +N (N ms pass).
    void run(const QString& script) {
        for (const QString& word : script.split(u' ', Qt::SkipEmptyParts)) {
            QEvent activated(QEvent::WindowActivate);
            lagged = (lagged || (word == QLatin1String("lag") && form.walk.Timer1.isEnabled())) &&
                     word != QLatin1String("init");
            if (word.startsWith(u'+'))
                time.advance(word.mid(1).toLongLong());
            else if (word == QLatin1String("close"))
                click(other()->findChild<QPushButton*>(QStringLiteral("Command1")));
            else if (word == QLatin1String("away"))
                QCoreApplication::sendEvent(other(), &activated);
            else if (word == QLatin1String("back"))
                QCoreApplication::sendEvent(&form, &activated);
            else if (word == QLatin1String("lag"))
                time.delay(form.walk.Timer1, 2500);
            else
                click(button(word));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (word == QLatin1String("init"))
                seen.fill({});
            const QString error = check();
            QVERIFY2(error.isEmpty(), qPrintable(word + QStringLiteral(": ") + error));
        }
    }

    QAbstractButton* button(const QString& word) const {
        const QStringList words{"start", "stop", "init",  "graph",
                                "help",  "exit", "plane", "linear"};
        const QList<QAbstractButton*> buttons{form.Command6, form.Command7, form.Command4,
                                              form.Command5, form.Command8, form.Command3,
                                              form.Option1,  form.Option2};
        return buttons.at(words.indexOf(word));
    }

    // A person clicks only what is enabled; a script that tries otherwise is wrong.
    static void click(QAbstractButton* button) {
        QVERIFY2(button->isEnabled(), qPrintable(button->text()));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // The graph or help window that is open, if any.
    QWidget* other() const {
        for (QWidget* window : std::initializer_list<QWidget*>{form.form2, form.form3, form.form4})
            if (window)
                return window;
        return nullptr;
    }

    QString check() {
        const walk::Walk& w = form.walk;
        const bool linear = form.Option2->isChecked();
        const AllowedState* state = allowedState(flags(), linear, w.ct);
        if (!state || form.Option1->isChecked() == linear)
            return QStringLiteral("flags %1 at ct %2 are no state of the table")
                .arg(flags())
                .arg(w.ct);
        ++visits[QLatin1String(state->name)];
        const QString readouts = QStringList{form.Label2->text(), form.Label4->text(),
                                             form.Label6->text(), form.Label72->text()}
                                     .join(u' ');
        if (readouts !=
            QStringLiteral("%1 %2 %3 %4").arg(w.x - 15).arg(w.y - 15).arg(w.caunt).arg(w.ct))
            return QStringLiteral("the read-outs show ") + readouts;
        std::array<float, 31> counted{};
        float sum = 0;
        int filled = 0;
        for (int c = 1; c <= 51; ++c) {
            QStringList cells;
            for (walk::Row row : {walk::Row::xz, walk::Row::yz, walk::Row::kr})
                cells << form.results->cell(row, c)->text();
            const QString shown = cells.join(u' ');
            const bool past = c < w.ct || (c == w.ct && !w.Timer1.isEnabled());
            if (shown == QLatin1String("  ")) {
                if ((past && !lagged) || (!seen[c].isEmpty() && seen[c] != QLatin1String("cut")))
                    return QStringLiteral("column %1 is empty, was \"%2\"").arg(c).arg(seen[c]);
                seen[c] = past ? QStringLiteral("cut") : seen[c];
                continue;
            }
            const int X = cells[0].toInt();
            const int Y = cells[1].toInt();
            const double d = std::sqrt(double(X * X + Y * Y));
            const bool reachable =
                linear ? Y == 0 && std::abs(X) <= 30 : X >= -14 && X <= 15 && Y >= -14 && Y <= 15;
            if (c > w.ct || !reachable || (!seen[c].isEmpty() && seen[c] != shown) ||
                shown != QStringLiteral("%1 %2 %3").arg(X).arg(Y).arg(walk::tenths(d)))
                return QStringLiteral("column %1 shows \"%2\", was \"%3\"")
                    .arg(c)
                    .arg(shown, seen[c]);
            const int bar = linear ? walk::linearBin(X) : walk::distanceBin(float(d));
            seen[c] = shown;
            if (bar >= 0)
                counted[std::size_t(bar)] += 1;
            sum = float(sum + d);
            ++filled;
        }
        if (counted != Module1::freq)
            return QStringLiteral("freq does not count the trials in the table");
        if (form.Label74->text() != (filled ? walk::tenths(sum / float(filled)) : QString()))
            return QStringLiteral("the average is not that of the table");
        return {};
    }
};

QString accessible(QObject* object) {
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(object);
    return read->text(QAccessible::Name) + QStringLiteral(": ") +
           read->text(QAccessible::Description);
}

// Whether the surface shows the text with its top-left corner at a point of
// its scale, pixel for pixel as the text alone renders there.
bool showsText(const platform::DrawingSurface& surface, QPointF at, const QString& text) {
    const QImage& shown = surface.image();
    QImage alone(shown.size(), shown.format());
    alone.fill(shown.pixel(0, 0)); // the background
    const QFontMetrics metrics(surface.font());
    const QPoint baseline = surface.toPixels(at) + QPoint(0, metrics.ascent());
    QPainter painter(&alone);
    painter.setFont(surface.font());
    painter.setPen(surface.foreColor());
    painter.drawText(baseline, text);
    const QRect box = metrics.boundingRect(text).translated(baseline);
    return !box.isEmpty() && shown.copy(box) == alone.copy(box);
}

// Bar k of a histogram, in light blue, stands `count` units up from the
// axis at 35, cut at the top of the chart.
void expectBar(const GraphWindow& window, int k, int count) {
    const platform::DrawingSurface& chart = *window.Picture1;
    const QImage& image = chart.image();
    const QPoint foot = chart.toPixels({3.5 + k, 35});
    const int top = std::max(0, chart.toPixels({0, 35.0 - count}).y());
    for (int y = 0; y <= foot.y(); ++y)
        QCOMPARE(image.pixel(foot.x(), y) == lightBlue, y >= top);
}

QtMessageHandler qtHandler = nullptr;

// Chimes missing or unplayable here, and the offscreen platform raises no
// window: a line each, thousands of times.
void quieten(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("No sound")) && !text.contains(QLatin1String("raise()")))
        qtHandler(type, context, text);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
    QTemporaryDir m_chimes;

private slots:
    void initTestCase() {
        platform::registerGothicSubstitutes();
        // Offscreen has no screen reader to switch accessibility on; the test stands in for one.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        // No sound server, and the chimes looked for in a directory of the test's own.
        qputenv("PULSE_SERVER", "unix:/nonexistent/pulse/native");
        QVERIFY(QDir::setCurrent(m_chimes.path()));
        qtHandler = qInstallMessageHandler(quieten);
    }
    void init() {
        platform::replaceMessageBoxes([](auto&, auto&) { return platform::answerOk; });
    }
    void cleanup() { platform::replaceDraws({}); }

    void stateTable_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<int>("ct");
        const auto row = [](const char* name, const char* script, const char* flags, int ct) {
            QTest::newRow(name) << script << flags << ct;
        };
        const char* idle = "10100101 11 00";
        row("idle at start-up", "", idle, 0);
        row("armed from idle", "linear start +3999", "00000010 11 01", 0);
        row("stopped while armed, mode locked", "start +3999 stop +60000", "10111101 10 00", 0);
        row("mode chosen while armed", "start +2000 linear +2100", "10000010 01 11", 1);
        row("running, resting", "start +7100", "10000010 10 01", 1);
        row("stopped mid-trial", "start +5500 stop", "10111101 10 10", 1);
        row("armed from stopped", "start +5000 stop start", "00000010 10 11", 1);
        row("numbering on after a stop", "start +83100 stop start +7100", "10000010 10 01", 21);
        row("stopped, linear", "linear start +7100 stop", "10111101 01 00", 1);
        row("complete", "start +208000", "10111001 10 01", 51);
        row("complete, linear, ticking on", "linear start +230000", "10111001 01 01", 51);
        row("complete after a stop at 51", "start +204100 stop +3100 start +4000", "10111001 10 01",
            51);
        row("graph display, stopped", "start +7100 stop graph", "00111101 10 00", 1);
        row("graph display, complete", "start +208000 graph", "00111001 10 01", 51);
        row("help sets no flag", "start +7100 stop help", "10111101 10 00", 1);
        row("back from another program", "start +7100 stop back", "10111101 10 00", 1);
        row("activation after graph display", "start +7100 stop graph away back", "00110101 10 00",
            1);
        row("activation, a stopped trial walks on", "start +5000 stop help away back +3000",
            "10110101 10 00", 1);
        row("activation, complete", "start +208000 help away back", "10110001 10 01", 51);
        row("activation, complete, next tick", "start +208000 help away back +4000",
            "10111001 10 01", 51);
        row("activation, armed", "help back start away back", "00000010 11 01", 0);
        row("activation, running, trial walks on", "help back start +5000 away back +2100",
            "10000010 10 01", 1);
        row("init ends a walking trial", "start +5000 stop init +10000", idle, 0);
        row("init, complete", "start +208000 init", idle, 0);
    }

    // The flags and the trial count through the real buttons in virtual time.
    void stateTable() {
        QFETCH(QString, script);
        Session s;
        s.run(script);
        QTEST(s.flags(), "flags");
        QTEST(int(s.form.walk.ct), "ct");
    }

    void recording_data() {
        QTest::addColumn<QString>("draws");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("columns"); // "cut" for a trial cut short
        QTest::addColumn<QString>("average");
        const auto row = [](const char* name, const char* draws, const char* script,
                            const char* columns, const char* average) {
            QTest::newRow(name) << draws << script << columns << average;
        };
        row("plane, home", "13*15", "start +7100", "0 0 .0", ".0");
        row("plane, upper wall", "2*30", "start +7100", "0 -14 14.0", "14.0");
        row("plane, lower right corner", "14*15", "start +7100", "15 15 21.2", "21.2");
        row("linear, right wall", "1*30", "linear start +7100", "15 0 15.0", "15.0");
        row("linear, 2 past the wall", "2*30", "linear start +7100", "30 0 30.0", "30.0");
        row("linear, left wall, 4 past it", "3*15 4*15", "linear start +7100", "-29 0 29.0",
            "29.0");
        row("halves up, 9/4", "11 24*14 11 24*14 11 24*14 3*15 1*11 2424", "start +19100",
            "2 0 2.0|2 0 2.0|2 0 2.0|-3 0 3.0", "2.3");
        row("a trial cut short", "11 24*14 1*15 3*15 1*11 2424", "start +9500 lag +5700",
            "2 0 2.0|cut|-3 0 3.0", "2.5");
    }

    // Trials walked in known directions: the columns they fill and their average.
    void recording() {
        QFETCH(QString, draws);
        QFETCH(QString, script);
        drawDirections(draws);
        Session s;
        s.run(script);
        QTEST(QStringList(&s.seen[1], &s.seen[1] + s.form.walk.ct).join(u'|'), "columns");
        QTEST(s.form.Label74->text(), "average");
    }

    // "Help" and "Init" sound "pinpon.wav", the experiment's buttons nothing.
    // "Exit" sounds "endpinpon.wav", asks with a real message box, and ends
    // the program when it is answered, with Escape too.
    void chimesAndExit() {
        Session s;
        QStringList heard;
        connect(&s.form.MMControl1, &platform::MultimediaControl::commandSet,
                [&](const QString& command) { heard << command; });
        connect(&s.form.MMControl1, &platform::MultimediaControl::fileNameSet,
                [&](const QString& file) { heard << file; });
        s.run("start +7100 stop graph back help back init");
        const QString cue = QStringLiteral("Stop Close %1 Open Sound");
        QCOMPARE(heard.join(u' '), cue.arg("pinpon.wav") + u' ' + cue.arg("pinpon.wav"));
        heard.clear();
        platform::replaceMessageBoxes({});
        QTimer::singleShot(0, &s.form, [&] { s.run("exit"); });
        QTimer::singleShot(100, &s.form, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            heard << box->windowTitle() << box->text() << QString::number(box->icon());
            for (const QAbstractButton* button : box->buttons())
                heard << button->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QTimer::singleShot(5000, &s.form, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        // No icon (0), and "OK" alone.
        QCOMPARE(heard.join(u' '),
                 cue.arg("endpinpon.wav") + " Lurchfield This software will exit. 0 OK");
        QCOMPARE(s.form.walk.ret, platform::answerOk);
        QVERIFY(!s.form.isVisible() && !s.form.form3->isVisible() && !s.form.form4->isVisible());
    }

    // One plane trial to (3, -3): the plane's white axes, ticks and labels on
    // black, the marker's top-left corner at (18, 12), what a screen reader
    // reads of the window, and the distance histogram.
    void mainWindow() {
        drawDirections("111222 13*12");
        Session s;
        s.run("start +7100 stop graph");
        const platform::DrawingSurface& plane = *s.form.Picture1;
        const QImage& image = plane.image();
        QCOMPARE(s.form.Picture2->pos(), plane.toPixels({18, 12}));
        const QPoint crossing = plane.toPixels({18, 20});
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixel(x, crossing.y()), white);
        for (int y = 0; y < image.height(); ++y)
            QCOMPARE(image.pixel(crossing.x(), y), white);
        for (int i = 3; i <= 33; i += 5) // below the x axis
            QCOMPARE(image.pixel(plane.toPixels({double(i), 20.6})), white);
        for (int i = 5; i <= 35; i += 5) { // left of the y axis only
            QCOMPARE(image.pixel(plane.toPixels({17.6, double(i)})), white);
            QCOMPARE(image.pixel(plane.toPixels({18.4, double(i)})), i == 20 ? white : black);
        }
        const std::tuple<double, double, const char*> labels[] = {{27, 22, "10"}, {7, 22, "-10"},
                                                                  {15, 29, "10"}, {14, 9, "-10"},
                                                                  {19, 37, "ｙ"}, {34, 17, "ｘ"}};
        for (const auto& [x, y, text] : labels)
            QVERIFY2(showsText(plane, {x, y}, QString::fromUtf8(text)), text);

        // Every name and description in the window: captions, values and what they are.
        QStringList read{accessible(&s.form)};
        for (QWidget* widget : s.form.findChildren<QWidget*>())
            read << accessible(widget);
        QVERIFY2(QCryptographicHash::hash(read.join(u'\n').toUtf8(), QCryptographicHash::Sha256)
                         .toHex() ==
                     "19d8a311f490519d852f654dedcaf1b48e03bc39236b087a18158351fa3939cb",
                 qPrintable(read.join(u'|')));
        QCOMPARE(accessible(s.form.Picture1), "Coordinate plane: Walker at x 3, y -3");

        expectBar(*s.form.form3, 3, 1);
        QCOMPARE(accessible(s.form.form3->Picture1),
                 "Histogram of the distance from the origin: distance 4.2 to 5.7: 1 trial");
        QVERIFY(showsText(*s.form.form3->Picture1, {3, 2}, QStringLiteral("(Frequency)")));
    }

    // Linear trials all to x 6: the bar cut at the top after a whole
    // experiment; after Init and one trial the same window shows that alone.
    void xHistogram() {
        drawDirections("111222 13*12");
        Session s;
        s.run("linear start +208000 graph");
        QVERIFY(s.form.form2 && !s.form.form3);
        expectBar(*s.form.form2, 21, 51);
        s.run("back init start +7100 stop graph");
        expectBar(*s.form.form2, 21, 1);
        QCOMPARE(accessible(s.form.form2->Picture1),
                 "Histogram of the final x coordinate: x 6: 1 trial");
        QVERIFY(showsText(*s.form.form2->Picture1, {12, 1}, QStringLiteral("(Frecuency)")));
    }

    // The 26 lines drawn a line height apart, rewritten whole over whatever
    // was there on each activation, and read out as the text's description.
    void helpText() {
        Session s;
        s.run("help");
        const Form4& help = *s.form.form4;
        const QString lines = QStringList(::helpText().begin(), ::helpText().end()).join(u'\n');
        // Pins every character: fullwidth letters, ideographic indents, trailing blanks.
        QCOMPARE(QCryptographicHash::hash(lines.toUtf8(), QCryptographicHash::Sha256).toHex(),
                 "45133b06b8558fbbc5f809a3b7160d0ba3e1a3e34ca864674f5958891e130fce");
        QCOMPARE(accessible(help.Picture1), QStringLiteral("Help text: ") + lines);
        QImage want(help.Picture1->image().size(), QImage::Format_RGB32);
        want.fill(Qt::white);
        QPainter painter(&want);
        const QFontMetrics metrics(platform::gothic(11.25));
        painter.setFont(platform::gothic(11.25));
        painter.setPen(help.palette().color(QPalette::ButtonText));
        for (int n = 0; n < 26; ++n)
            painter.drawText(0, n * metrics.height() + metrics.ascent(), ::helpText()[n]);
        painter.end();
        help.Picture1->box({1000, 1000}, {4000, 3000}, Qt::red);
        s.run("back away");
        QCOMPARE(help.Picture1->image(), want);
    }

    // Random events from one seed, each checked by the session: time passing,
    // clicks on what is enabled, other windows made active or closed, the
    // walk timer falling behind, the program ended; the chimes are broken for
    // the first half. LURCHFIELD_CHAOS_SEED replays a run and
    // LURCHFIELD_CHAOS_EVENTS sets its length; 0 leaves it to its own ctest entry.
    void randomEvents() {
        bool given = false;
        const quint32 chosen = qEnvironmentVariable("LURCHFIELD_CHAOS_SEED").toUInt(&given);
        const quint32 seed = given ? chosen : QRandomGenerator::global()->generate();
        const int events = qEnvironmentVariable("LURCHFIELD_CHAOS_EVENTS", "100000").toInt();
        if (events == 0)
            QSKIP("no events asked for");
        const QString replay = QStringLiteral("replay with LURCHFIELD_CHAOS_SEED=%1").arg(seed);
        qInfo("%s", qPrintable(replay));
        QRandomGenerator random(seed);
        const auto below = [&random](int n) { return int(random.bounded(n)); };
        for (const char* name : {"pinpon.wav", "endpinpon.wav"}) {
            QFile chime(QString::fromLatin1(name));
            QVERIFY(chime.open(QIODevice::WriteOnly) && chime.write("RIFF") == 4);
        }
        auto s = std::make_unique<Session>(float(below(86400)));
        QStringList recent;
        for (int n = 1; n <= events && !QTest::currentTestFailed(); ++n) {
            if (n == events / 2)
                QVERIFY(QFile::remove("pinpon.wav") && QFile::remove("endpinpon.wav"));
            QStringList words{"back"};
            for (const char* button : {"start", "stop", "init", "graph", "help", "plane", "linear"})
                if (s->button(QLatin1String(button))->isEnabled())
                    words << QLatin1String(button);
            if (s->other())
                words << "away"
                      << "close";
            const int roll = below(1000);
            QString word = words[below(int(words.size()))];
            if (roll < 500)
                word = QStringLiteral("+%1").arg(below(4) ? below(4000) + 1 : below(60000) + 1);
            else if (roll < 520)
                word = QStringLiteral("lag");
            else if (roll >= 996)
                word = roll == 999 || !s->form.Command3->isEnabled() ? "frame" : "exit";
            recent << QStringLiteral("#%1 %2").arg(n).arg(word);
            if (recent.size() > 12)
                recent.removeFirst();
            if (word == QLatin1String("frame"))
                s->form.close();
            else
                s->run(word);
            if (word == QLatin1String("frame") || word == QLatin1String("exit")) {
                for (const QWidget* window : QApplication::topLevelWidgets())
                    if (window->isVisible())
                        QTest::qFail(qPrintable(window->objectName() + " is left open"), __FILE__,
                                     __LINE__);
                s = std::make_unique<Session>(float(below(86400)));
            }
        }
        QVERIFY2(!QTest::currentTestFailed(), qPrintable(recent.join(u'\n') + u'\n' + replay));
        for (const AllowedState& state : allowedStates)
            QVERIFY2(events < 20000 || visits.count(QLatin1String(state.name)), state.name);
    }

    // Graph and help windows opened and closed through the buttons a hundred
    // times over leave no object and no heap behind.
    void windowsLeaveNothingBehind() {
        drawDirections("1");
        Session s;
        qint64 objects = 0;
        std::size_t heap = 0;
        for (int n = 0; n < 103; ++n) {
            if (n == 3) { // once the first windows have filled Qt's caches
                objects = liveObjects;
                heap = mallinfo2().uordblks;
            }
            s.run("linear start +7100 stop graph close back help close back init "
                  "plane start +7100 stop graph close back help close back init");
            QCoreApplication::processEvents();
        }
        QCOMPARE(liveObjects, objects);
#ifndef __SANITIZE_ADDRESS__ // whose heap malloc's statistics do not see
        QVERIFY2(std::abs(qint64(mallinfo2().uordblks) - qint64(heap)) < 2048, "the heap grew");
#endif
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
