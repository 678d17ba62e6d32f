// SPDX-License-Identifier: GPL-3.0-or-later
#include "allowedstates.h"
#include "help/helptext.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/resultstable.h"
#include "platform/announcer.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/messagebox.h"
#include "platform/pictureholder.h"
#include "platform/random.h"
#include "platform/soundfilesearch.h"
#include "platform/soundoutput.h"
#include "platform/sunkenborder.h"
#include "platform/translations.h"
#include "platform/virtualtime.h"
#include "platform/wavfile.h"
#include "walk/bins.h"
#include "walk/enddistribution.h"
#include "walk/formats.h"
#include "walk/move.h"

#include <QtTest>
#include <QtWidgets>

#include <private/qguiapplication_p.h>
#include <private/qhooks_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <map>
#include <optional>
#include <span>

Q_DECLARE_METATYPE(walk::Walls)

namespace {

qint64 alive = 0; // QObjects alive, counted from before QApplication exists
[[maybe_unused]] const bool counting = [] {
    qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(+[](QObject*) { ++alive; });
    qtHookData[QHooks::RemoveQObject] = reinterpret_cast<quintptr>(+[](QObject*) { --alive; });
    return true;
}();

// The walk's draws replaced so that its steps go round the directions
// written: "111222 13*12", 1 right, 2 up, 3 left, 4 down, "*n" n times over.
void drawDirections(const QString& written) {
    QString steps;
    for (const QString& group : written.split(u' '))
        steps += group.section(u'*', 0, 0).repeated(qMax(1, group.section(u'*', 1).toInt()));
    platform::replaceDraws([steps, next = qsizetype(0)]() mutable {
        return float(steps.at(next++ % steps.size()).digitValue() - 1) / 4.0f + 0.1f;
    });
}

// What the main window asked a screen reader to say, in order.
QStringList said;

// A change to the plane's description is said too: sent on every step, it
// would drown the announcements.
void listen(QAccessibleEvent* event) {
    auto* widget = qobject_cast<QWidget*>(event->object());
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        said << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#else
    if (event->type() == QAccessible::ObjectShow && widget &&
        qobject_cast<platform::Announcer*>(widget->parentWidget()))
        said << widget->accessibleName();
#endif
    if (event->type() == QAccessible::DescriptionChanged &&
        qobject_cast<platform::DrawingSurface*>(widget) &&
        qobject_cast<MainWindow*>(widget->window()))
        said << QStringLiteral("plane changed");
}

// The main window in virtual time, worked through its real buttons, checked after
// each step: flags of the table, no trial lost but to a lag, the counters and the average right.
struct Session {
    platform::VirtualTime time;
    MainWindow form;
    bool lagged = false; // since the last Init

    explicit Session(float timeOfDay = 50000.0f) : time(timeOfDay) {
        QCOMPARE(flags(), QStringLiteral("11101111 11 00"));
        form.show();
        said.clear();
    }

    // The buttons and options in walk::Control's order, then the step and trial timers.
    QString flags() const {
        QString text;
        for (int c = 0; c < walk::controlCount; ++c)
            text += form.control(walk::Control(c))->isEnabled() ? u'1' : u'0';
        text += form.experiment().stepTimer().isEnabled() ? u'1' : u'0';
        text += form.experiment().trialTimer().isEnabled() ? u'1' : u'0';
        return text.insert(10, u' ').insert(8, u' ');
    }

    // Words: a button, close (the graph or help window's "Close"), away (that
    // window made the active one), back (this one), lag (the walk timer 2.5 s
    // behind), frame (this window closed through its frame), +N (N ms pass).
    void run(const QString& script) {
        for (const QString& word : script.split(u' ', Qt::SkipEmptyParts)) {
            QEvent activated(QEvent::WindowActivate);
            lagged = word != QLatin1String("init") &&
                     (lagged ||
                      (word == QLatin1String("lag") && form.experiment().stepTimer().isEnabled()));
            if (word.startsWith(u'+'))
                time.advance(word.mid(1).toLongLong());
            else if (word == QLatin1String("close"))
                click(other()->findChild<QPushButton*>(QStringLiteral("closeButton")));
            else if (word == QLatin1String("away") || word == QLatin1String("back"))
                QCoreApplication::sendEvent(word == QLatin1String("back") ? &form : other(),
                                            &activated);
            else if (word == QLatin1String("lag"))
                time.delay(form.experiment().stepTimer(), 2500);
            else if (word == QLatin1String("frame"))
                form.close();
            else
                click(button(word));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const QString error = check();
            QVERIFY2(error.isEmpty(), qPrintable(word + QStringLiteral(": ") + error));
        }
    }

    QAbstractButton* button(const QString& word) const {
        const QStringList words{"start", "stop", "init",  "graph",
                                "help",  "exit", "plane", "linear"};
        const QList<walk::Control> controls{
            walk::Control::Start,       walk::Control::Stop,        walk::Control::Init,
            walk::Control::Graph,       walk::Control::Help,        walk::Control::Exit,
            walk::Control::PlaneOption, walk::Control::LinearOption};
        return form.control(controls.at(words.indexOf(word)));
    }

    // A person clicks only what is enabled; a script that tries otherwise is wrong.
    static void click(QAbstractButton* button) {
        QVERIFY2(button->isEnabled(), qPrintable(button->text()));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QWidget* other() const {
        for (QWidget* window : std::initializer_list<QWidget*>{
                 form.xHistogram(), form.distanceHistogram(), form.help()})
            if (window)
                return window;
        return nullptr;
    }

    // Trial c's column, "X Y distance", or "cut" while empty.
    QString column(int c) const {
        QStringList cells;
        for (walk::Row row : {walk::Row::FinalX, walk::Row::FinalY, walk::Row::Distance})
            cells << form.results()->cell(row, c)->text();
        return cells.join(u' ').trimmed().isEmpty() ? QStringLiteral("cut") : cells.join(u' ');
    }

    QString check() {
        const walk::Experiment& e = form.experiment();
        const bool linear = !form.planeMovement();
        if (!allowedState(flags(), linear, e.trialCount()))
            return QStringLiteral("flags %1 at trial %2").arg(flags()).arg(e.trialCount());
        const walk::ControlFlags shown = walk::enabledControls(e.state(), !linear);
        for (int c = 0; c < walk::controlCount; ++c)
            if (form.control(walk::Control(c))->isEnabled() != shown[std::size_t(c)])
                return QStringLiteral("control %1 is not as the experiment's state says").arg(c);
        walk::Frequencies counted{};
        float sum = 0;
        int filled = 0;
        for (int c = 1; c <= walk::trialsPerExperiment; ++c) {
            const QStringList cells = column(c).split(u' ');
            const bool finished =
                c < e.trialCount() || (c == e.trialCount() && !e.stepTimer().isEnabled());
            if (cells.size() == 1 && (!finished || lagged))
                continue;
            const int X = cells.value(0).toInt();
            const int Y = cells.value(1).toInt();
            const double d = std::sqrt(double(X * X + Y * Y));
            if (!finished || cells.size() == 1 || cells[2] != walk::tenths(d) || (linear && Y != 0))
                return QStringLiteral("column %1: %2").arg(c).arg(column(c));
            const int bar = linear ? walk::linearBin(X) : walk::distanceBin(float(d));
            if (bar >= 0)
                counted[std::size_t(bar)] += 1;
            sum = float(sum + d);
            ++filled;
        }
        if (counted != e.frequencies())
            return QStringLiteral("the counters do not count the trials in the table");
        if (form.readout(walk::Readout::AverageDistance)->text() !=
            (filled ? walk::tenths(sum / float(filled)) : QString()))
            return QStringLiteral("the average is not that of the table");
        return {};
    }
};

// The main window as the experiment sees it, in one movement mode.
struct Panel : walk::Panel {
    explicit Panel(bool plane) : plane(plane) {}
    void setEnabled(walk::Control, bool) override {}
    bool planeMovement() const override { return plane; }
    void setCaption(walk::Readout, const QString&) override {}
    void setCell(walk::Row, int, const QString&) override {}
    void moveMarker(int, int) override {}
    void announce(const QString&) override {}
    bool plane;
};

using Chances = std::map<std::pair<int, int>, double>; // by end point

// Every one of the 4^left walks from `at`, through the program's move rule.
void everyWalk(Chances& ends, walk::Position at, int left, double chance, bool plane,
               walk::Walls walls) {
    if (left == 0)
        ends[{at.x - 15, at.y - 15}] += chance;
    for (int a = 1; a <= 4 && left > 0; ++a)
        everyWalk(ends, walk::moved(at, a, plane, walls), left - 1, chance / 4, plane, walls);
}

// The clipboard's plain text, if its CSV holds the same rows (a decimal
// comma quoted there).
QString pasted() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return QStringLiteral("nothing");
    QString csv;
    for (const QString& row : data->text().split(u'\n', Qt::SkipEmptyParts)) {
        QStringList fields = row.split(u'\t');
        for (QString& field : fields)
            field = field.contains(u',') ? u'"' + field + u'"' : field;
        csv += fields.join(u',') + QStringLiteral("\r\n");
    }
    return data->data("text/csv") == csv.toUtf8() ? data->text() : QStringLiteral("other CSV");
}

QByteArray le(quint32 value, int bytes) {
    const quint32 little = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char*>(&little), bytes);
}

// A chunk whose size field says `declared` (0: its size), padded to an even length.
QByteArray chunk(const char* id, const QByteArray& body, quint32 declared = 0) {
    const QByteArray out = id + le(declared ? declared : quint32(body.size()), 4) + body;
    return body.size() % 2 ? out + '\0' : out;
}

// A "fmt " chunk; an extensible one (tag 0xFFFE) carries its subformat in `more`.
QByteArray fmt(int tag, int channels, quint32 rate, int bits, int align = 0,
               const QByteArray& more = {}) {
    align = align ? align : channels * bits / 8;
    return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) +
                             le(align, 2) + le(bits, 2) + more);
}

QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le(4 + chunks.size(), 4) + "WAVE" + chunks;
}

const QByteArray stereo16 = QByteArray::fromHex("34120100feff0080"); // two frames
const QByteArray fmt16 = fmt(1, 2, 44100, 16);
const QByteArray data = chunk("data", stereo16);

QStringList heard; // what reached the output, and the warnings, in order

// Stands in for the audio output; samples reach it in this little-endian host's order.
struct Recorder : platform::SoundOutput {
    // Sample formats are numbered from 1: UInt8, Int16, Int32, Float32.
    void play(const platform::SoundFormat& format, const QByteArray& samples) override {
        heard << QString::asprintf("play %d ch %d Hz format %d: ", format.channels,
                                   format.sampleRate, int(format.sample) + 1) +
                     QString::fromLatin1(samples.toHex());
    }
    void stop() override { heard << QStringLiteral("stop"); }
};

// "pinpon.wav" with these bytes, cued as the main window cues it.
QString cue(const QByteArray& bytes) {
    QFile file(QStringLiteral("pinpon.wav"));
    file.remove();
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    file.close();
    heard.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { heard << text; });
    platform::SoundPlayer(std::make_unique<Recorder>()).play(file.fileName());
    qInstallMessageHandler(previous);
    return heard.join(QStringLiteral(" | "));
}

QString accessible(QAccessibleInterface* read) {
    return read->text(QAccessible::Name) + QStringLiteral(": ") +
           read->text(QAccessible::Description);
}

QString accessible(QObject* object) {
    return accessible(QAccessible::queryAccessibleInterface(object));
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
    return text.isEmpty() || shown.copy(box) == alone.copy(box);
}

// Bar k of a histogram, in light blue, `count` units up from the axis at 35, cut at the top.
void expectBar(const GraphWindow* window, int k, int count) {
    const platform::DrawingSurface& chart = *window->surface();
    const QPoint foot = chart.toPixels({3.5 + k, 35});
    const int top = std::max(0, chart.toPixels({0, 35.0 - count}).y());
    for (int y = 0; y <= foot.y(); ++y)
        QCOMPARE(chart.image().pixel(foot.x(), y) == qRgb(0, 0, 255), y >= top);
}

int loudest(std::span<const std::int16_t> samples) {
    const auto [low, high] = std::ranges::minmax(samples);
    return std::max(-int(low), int(high));
}

// How far a caption laid out as its control lays it out runs past the room
// the control gives it, in pixels; 0 or less where it fits.
int overflow(const QFont& font, const QRect& room, int flags, const QString& text) {
    const QRect needed = QFontMetrics(font).boundingRect(room, flags, text);
    return std::max(needed.width() - room.width(), needed.height() - room.height());
}

// The same for a label's, a button's or an option's caption.
int overflow(const QWidget* control) {
    const QString text = control->property("text").toString();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return overflow(label->font(), label->contentsRect(),
                        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
    const bool option = qobject_cast<const QRadioButton*>(control);
    QStyleOptionButton style;
    style.initFrom(control);
    const QRect room = control->style()->subElementRect(
        option ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &style, control);
    return overflow(control->font(), room,
                    option ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter | Qt::TextWordWrap,
                    text);
}

QtMessageHandler qtHandler = nullptr;

// Chimes missing or broken, and windows offscreen cannot raise: a line each, thousands of times.
void quieten(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("No sound")) && !text.contains(QLatin1String("raise()")))
        qtHandler(type, context, text);
}

} // namespace

class TestLurchfield : public QObject {
    Q_OBJECT
    QTemporaryDir m_chimes;
    std::optional<platform::Translations> m_english; // as in the C locale

private slots:
    void initTestCase() {
        platform::registerGothicSubstitutes();
        // Offscreen has no screen reader to switch accessibility on; the test stands in for one.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(listen);
        QVERIFY(QDir::setCurrent(m_chimes.path())); // where the chimes are looked for
        qtHandler = qInstallMessageHandler(quieten);
        platform::replaceMessageBoxes([](auto&, auto&) { return platform::answerOk; });
        m_english.emplace(QLocale::c(), QStringList{TRANSLATIONS_DIR});
        QCOMPARE(m_english->language(), "en");
    }
    void cleanup() { platform::replaceDraws({}); }

    // Every end point's chance after a short walk against every one of its 4^n
    // walks; with the walls out of reach, linear movement's against the binomial law.
    void endPoints_data() {
        QTest::addColumn<bool>("plane");
        QTest::addColumn<int>("steps");
        QTest::addColumn<walk::Walls>("walls");
        const walk::Walls outOfReach{-1000, 1000};
        QTest::newRow("plane, walls out of reach") << true << 8 << outOfReach;
        // Ten steps fall short of the real walls; walls five steps away are met.
        QTest::newRow("plane, real walls") << true << 10 << walk::Walls{};
        QTest::newRow("plane, near walls") << true << 10 << walk::Walls{10, 20};
        QTest::newRow("linear, near walls") << false << 10 << walk::Walls{10, 20};
        QTest::newRow("linear, 30 steps, walls out of reach") << false << 30 << outOfReach;
    }
    void endPoints() {
        QFETCH(bool, plane);
        QFETCH(int, steps);
        QFETCH(walk::Walls, walls);
        Chances walks;
        double ways = 1; // C(30, right), exact in a double
        for (int right = 0; steps == 30 && right <= 30; ++right) {
            walks[{2 * right - 30, 0}] = std::ldexp(ways, -30);
            ways = ways * (30 - right) / (right + 1);
        }
        if (steps < 30)
            everyWalk(walks, {15, 15}, steps, 1.0, plane, walls);
        const std::vector<walk::EndPoint> ends = walk::endPoints(plane, steps, walls);
        QCOMPARE(ends.size(), walks.size());
        for (const walk::EndPoint& end : ends)
            QCOMPARE_LE(std::abs(walks[{end.X, end.Y}] - end.chance), 1e-12 * end.chance);
    }

    // 20,000 trials a mode through the real step and time-seeded generator against
    // the exact chances of the end points with the walls: Pearson's chi-square below
    // its 1-in-1000 critical value (Wilson-Hilferty). Plane movement's cells are its bars.
    // The mean distance and the expected counts were worked out apart from the program.
    void distribution() {
        // Each step draws from the generator seeded with that moment's time of
        // day: a walk started a tick later takes the same steps a step later.
        QList<QPoint> taken[2]; // each step's move
        for (const int late : {0, 1}) {
            platform::VirtualTime time(40000.0f);
            time.advance(100 * late);
            Panel panel(true);
            walk::Experiment walk(panel);
            QPoint at;
            QObject::connect(&walk.stepTimer(), &platform::Timer::tick, [&] {
                taken[late] << QPoint(walk.walkerX(), walk.walkerY()) - at;
                at += taken[late].last();
            });
            walk.stepTimer().setEnabled(true);
            time.advance(3000);
        }
        QCOMPARE(taken[1].mid(0, 29), taken[0].mid(1));
        for (const bool plane : {true, false}) {
            const auto cellOf = [plane](int X, int Y) {
                return plane ? walk::distanceBin(float(std::hypot(X, Y))) : X;
            };
            std::map<int, std::pair<double, double>> cells; // observed and expected
            QRect reach;
            double total = 0;
            double mean = 0; // of the distance: 4.85711 in plane movement, 4.85742 without walls
            for (const walk::EndPoint& end : walk::endPoints(plane, 30)) {
                reach |= QRect(end.X, end.Y, 1, 1);
                int k = 0;
                while (2 * (k + 1) * (k + 1) <= end.X * end.X + end.Y * end.Y)
                    ++k;
                QVERIFY(!plane || cellOf(end.X, end.Y) == (k <= 14 ? k : -1));
                cells[cellOf(end.X, end.Y)].second += end.chance * 20000;
                total += end.chance;
                mean += end.chance * std::hypot(end.X, end.Y);
            }
            // Walls at x and y -14 and 15; in linear movement only 1 and 3 meet them.
            QCOMPARE(reach, plane ? QRect(-14, -14, 30, 30) : QRect(-30, 0, 61, 1));
            QCOMPARE_LE(std::abs(total - 1), 1e-12);
            QVERIFY(!plane || std::abs(mean - 4.85711) < 5e-6);
            platform::VirtualTime time(plane ? 12345.0f : 54321.0f);
            Panel panel(plane);
            walk::Experiment walk(panel);
            for (int n = 0; n < 20000; ++n) {
                walk.prepareTrial();
                walk.stepTimer().setEnabled(true);
                time.advance(3100);
                cells[cellOf(walk.walkerX(), walk.walkerY())].first += 1;
            }
            double chiSquare = 0;
            double k = 0;
            std::pair<double, double> few;
            for (const auto& [cell, counts] : cells) {
                const auto [observed, expected] = counts;
                few = expected < 5 ? std::pair(few.first + observed, few.second + expected) : few;
                chiSquare +=
                    expected < 5 ? 0 : (observed - expected) * (observed - expected) / expected;
                k += expected < 5 ? 0 : 1;
            }
            chiSquare += (few.first - few.second) * (few.first - few.second) / few.second;
            const double critical =
                k * std::pow(1 - 2 / (9 * k) + 3.09 * std::sqrt(2 / (9 * k)), 3);
            qInfo("chi-square %.1f, %g degrees of freedom, critical %.1f", chiSquare, k, critical);
            QVERIFY(k >= 10 && chiSquare < critical);
        }
        // Of 30 trials that bars count; x 0 has 4.33394 of 30 among all trials.
        QCOMPARE_LE(std::abs(walk::expectedCounts(false, 31, 30)[15] - 4.34200), 5e-5);
        QCOMPARE_LE(std::abs(walk::expectedCounts(true, 15, 30)[2] - 7.05174), 5e-5);
    }

    void stateTable_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<int>("trials");
        QTest::addColumn<QString>("said"); // to a screen reader, but the trials' results
        const auto row = [](const char* name, const char* script, const char* flags, int trials,
                            const char* said = "") {
            QTest::newRow(name) << script << flags << trials << said;
        };
        const char* stopped = "Experiment stopped.";
        const char* complete = "Experiment complete, 51 trials, average distance 4.6.";
        row("idle at start-up", "", "10100101 11 00", 0);
        row("armed, linear", "linear start +3999", "00000010 11 01", 0);
        row("stopped while armed, the mode locked", "start +3999 stop", "10111101 10 00", 0,
            stopped);
        row("mode chosen while armed", "start +2000 linear +2100", "10000010 01 11", 1);
        row("running, resting", "start +7100", "10000010 10 01", 1);
        row("stopped mid-trial", "start +5500 stop", "10111101 10 10", 1, stopped);
        row("armed from stopped", "start +5000 stop start", "00000010 10 11", 1, stopped);
        row("numbering on after a stop", "start +83100 stop start +7100", "10000010 10 01", 21,
            stopped);
        row("complete, linear, ticking on", "linear start +230000", "10111001 01 01", 51,
            "Experiment complete, 51 trials, average distance 4.3.");
        row("back from another program, help", "start +7100 stop back help", "10111101 10 00", 1,
            stopped);
        row("activation, stopped", "start +5000 stop graph away back +3000", "00110101 10 00", 1,
            stopped);
        row("activation, complete", "start +208000 graph away back", "00110001 10 01", 51,
            complete);
        row("activation, complete, tick", "start +208000 graph away back +4000", "10111001 10 01",
            51, complete);
        row("activation, running", "help back start +5000 away back +2100", "10000010 10 01", 1);
        row("init ends a walking trial", "start +5000 stop init +10000", "10100101 11 00", 0,
            "Experiment stopped.|Cleared.");
    }

    // The flags, the trial count and what a screen reader hears through the
    // real buttons in virtual time.
    void stateTable() {
        QFETCH(QString, script);
        Session s;
        s.run(script);
        QTEST(s.flags(), "flags");
        QTEST(s.form.experiment().trialCount(), "trials");
        said.removeIf([](const QString& text) { return text.startsWith(QLatin1String("Trial")); });
        QTEST(said.join(u'|'), "said");
    }

    // Five trials in known directions, the second cut short by the walk
    // timer falling behind: four columns filled, their average 9/4 half up.
    void recording() {
        drawDirections("13*15 1*15 11 24*14 3*15 1*11 2424 1111 24*13");
        Session s;
        s.run("start +9500 lag +13700");
        QStringList columns;
        for (int c = 1; c <= 6; ++c)
            columns << s.column(c);
        QCOMPARE(columns.join(u'|'), "0 0 .0|cut|2 0 2.0|-3 0 3.0|4 0 4.0|cut");
        QCOMPARE(s.form.readout(walk::Readout::AverageDistance)->text(), "2.3");
        QCOMPARE(said, QStringList({"Trial 1: x 0, y 0, distance .0. Average .0.",
                                    "Trial 3: x 2, y 0, distance 2.0. Average 1.0.",
                                    "Trial 4: x -3, y 0, distance 3.0. Average 1.7.",
                                    "Trial 5: x 4, y 0, distance 4.0. Average 2.3."}));
        // Copied for a spreadsheet, the sixth trial still walking.
        QVERIFY(QTest::qWaitForWindowActive(&s.form));
        QTest::keyClick(&s.form, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(pasted(), "Trial\tx\ty\tDistance\n1\t0\t0\t.0\n3\t2\t0\t2.0\n4\t-3\t0\t3.0\n"
                           "5\t4\t0\t4.0\nAverage distance\t2.3\nPlane movement\n");
    }

    // The windows through one run: a plane trial to (3, -3), the help, whole
    // experiments of linear trials to x 6, and "Exit".
    void windows() {
        drawDirections("111222 13*12");
        Session s;
        QStringList heard;
        connect(&s.form.chimes(), &platform::SoundPlayer::played,
                [&](const QString& file) { heard << file; });
        s.run("start +7100 stop graph");

        // The plane's white axes, with ticks below and left of them, on black.
        const platform::DrawingSurface& plane = *s.form.plane();
        const QPoint crossing = plane.toPixels({18, 20});
        for (int x = 0; x < plane.image().width(); ++x)
            QCOMPARE(plane.image().pixel(x, crossing.y()), qRgb(255, 255, 255));
        for (int y = 0; y < plane.image().height(); ++y)
            QCOMPARE(plane.image().pixel(crossing.x(), y), qRgb(255, 255, 255));
        for (int i = 5; i <= 35; i += 5) {
            QCOMPARE(plane.image().pixel(plane.toPixels({i - 2.0, 20.6})), qRgb(255, 255, 255));
            QCOMPARE(plane.image().pixel(plane.toPixels({17.6, double(i)})), qRgb(255, 255, 255));
            QCOMPARE(qGray(plane.image().pixel(plane.toPixels({18.4, double(i)}))),
                     i == 20 ? 255 : 0);
        }
        QCOMPARE(s.form.walker()->pos(), plane.toPixels({18, 12}));

        // What a screen reader finds in the window: the controls by their
        // captions, the read-outs by their values and what those are, the
        // plane by where the walker is, the cells by their trial and row.
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&s.form);
        QStringList read{accessible(window)};
        for (int i = 0; i < window->childCount(); ++i)
            read << accessible(window->child(i));
        for (const char* expected :
             {" Lurchfield　A random walk for the mathematics class: ", "Exit: ", "Init: ",
              "Help: ", "Graph display: ", "Experiment Start: ", "Experiment Stop: ",
              "Plane movement: ", "Linear movement: ", "3: Walker's x coordinate",
              "-3: Walker's y coordinate", "30: Number of staggers", "1: Trial number",
              "4.2: Average distance", "Coordinate plane: Walker at x 3, y -3",
              "3: Trial 1, x coordinate", "-3: Trial 1, y coordinate", "4.2: Trial 1, distance",
              ": Trial 51, distance"})
            QVERIFY2(read.contains(QString::fromUtf8(expected)), expected);

        // The distance histogram: 4.2 counts in [4.2, 5.7).
        QVERIFY(s.form.distanceHistogram() && !s.form.xHistogram());
        expectBar(s.form.distanceHistogram(), 3, 1);
        QCOMPARE(accessible(s.form.distanceHistogram()->surface()),
                 "Histogram of the distance from the origin: distance 4.2 to 5.7: 1 trial");

        // The help text, rewritten whole over old ink on each activation. The
        // digest pins every character: fullwidth letters, indents, trailing blanks.
        s.run("close back help");
        const platform::DrawingSurface& help = *s.form.help()->surface();
        const std::array<QString, 26> text = helpText();
        const QString lines = QStringList(text.begin(), text.end()).join(u'\n');
        QCOMPARE(QCryptographicHash::hash(lines.toUtf8(), QCryptographicHash::Sha256).toHex(),
                 "45133b06b8558fbbc5f809a3b7160d0ba3e1a3e34ca864674f5958891e130fce");
        QCOMPARE(accessible(s.form.help()->surface()), QStringLiteral("Help text: ") + lines);
        s.form.help()->surface()->box({1000, 1000}, {4000, 3000}, Qt::red);
        s.run("back away");
        const double lineTwips = 15.0 * QFontMetrics(help.font()).height();
        for (int n = 0; n < 26; ++n)
            QVERIFY(showsText(help, {0, n * lineTwips}, text[n]));

        // The x histogram after a whole experiment, its bar cut at the top;
        // after Init and one trial the same window shows that trial alone.
        s.run("back init linear start +208000 graph");
        QVERIFY(s.form.xHistogram() && !s.form.distanceHistogram());
        expectBar(s.form.xHistogram(), 21, 51);
        // Theory expects 4.3420 of 30 trials at x 0: the mark at 51 / 30 times
        // that over the empty bar, and the bars copied, only when asked for.
        const platform::DrawingSurface& chart = *s.form.xHistogram()->surface();
        const QPoint mark = chart.toPixels({18.5, 35 - 4.3420 * 51 / 30});
        QCOMPARE(chart.image().pixel(mark), qRgb(0, 0, 0));
        QVERIFY(QTest::qWaitForWindowActive(s.form.xHistogram()));
        QTest::keyClick(s.form.xHistogram(), Qt::Key_E);
        QCOMPARE(chart.image().pixel(mark), qRgb(255, 0, 0));
        QVERIFY(accessible(s.form.xHistogram()->surface()).contains("x 0: 0 trials, expected 7.4"));
        QTest::keyClick(s.form.xHistogram(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(pasted().startsWith("Bar\tTrials\nx -15\t0\n") && pasted().contains("\nx 6\t51\n"));
        QTest::keyClick(s.form.xHistogram(), Qt::Key_E);
        QCOMPARE(chart.image().pixel(mark), qRgb(0, 0, 0));
        s.run("back init start +7100 stop graph");
        expectBar(s.form.xHistogram(), 21, 1);
        QCOMPARE(accessible(s.form.xHistogram()->surface()),
                 "Histogram of the final x coordinate: x 6: 1 trial");
        QVERIFY(showsText(*s.form.xHistogram()->surface(), {12, 1}, QStringLiteral("(Frecuency)")));
        // One trial expects 4.3420 / 30 of itself at x 0, not a share of 30 or 51.
        QTest::keyClick(s.form.xHistogram(), Qt::Key_E);
        QVERIFY(
            accessible(s.form.xHistogram()->surface()).contains("x 0: 0 trials, expected 0.1;"));
        QTest::keyClick(s.form.xHistogram(), Qt::Key_E);
        // The results copied from the table's menu.
        const QPoint last = s.form.results()->cell(walk::Row::Distance, 51)->rect().center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, last, last);
        QApplication::sendEvent(s.form.results(), &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu && menu->actions().value(0)->text() == QLatin1String("Copy results"));
        menu->actions().value(0)->trigger();
        menu->close();
        QCOMPARE(pasted(), "Trial\tx\ty\tDistance\n1\t6\t0\t6.0\nAverage distance\t6.0\n"
                           "Linear movement\n");

        // Help and Init sounded "pinpon.wav", nothing else a chime. "Exit" sounds
        // "endpinpon.wav" and ends the program on the real message box's answer.
        const QString cue = QStringLiteral("%1 ");
        QCOMPARE(heard.join(u' ') + u' ', cue.arg("pinpon.wav").repeated(3));
        heard.clear();
        platform::replaceMessageBoxes({});
        QTimer::singleShot(0, &s.form, [&] { s.run("exit"); });
        QTimer::singleShot(100, &s.form, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            heard << box->windowTitle() << box->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QTimer::singleShot(5000, &s.form, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        platform::replaceMessageBoxes([](auto&, auto&) { return platform::answerOk; });
        QCOMPARE(heard.join(u' '),
                 cue.arg("endpinpon.wav") + "Lurchfield This software will exit.");
        QVERIFY(!s.form.isVisible() && !s.form.xHistogram()->isVisible() &&
                !s.form.help()->isVisible());
    }

    // Each language shipped: the main window's captions from its catalogue,
    // every translated caption, row title, help line and axis title inside
    // its control, the language's decimal point in the read-outs and the
    // copied results, and Qt's own catalogue for the message box's button.
    void languages_data() {
        QTest::addColumn<QString>("language");
        int rows = 0;
        for (const QString& file : QDir(TRANSLATIONS_DIR).entryList({"lurchfield_*.qm"})) {
            const QString language = file.section(u'_', 1).section(u'.', 0, 0);
            if (language == "en") // English's holds its plural forms only
                continue;
            QTest::newRow(qPrintable(language)) << language;
            ++rows;
        }
        QVERIFY2(rows >= 4, "German, Spanish, French and Japanese at least");
    }
    void languages() {
        QFETCH(QString, language);
        const MainWindow english;
        const platform::Translations translations(QLocale(language), {TRANSLATIONS_DIR});
        QCOMPARE(translations.language(), language);
        // Qt's own catalogue, which names the message box's buttons, is in.
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != "Cancel");
        QTranslator catalogue;
        QVERIFY(catalogue.load("lurchfield_" + language, TRANSLATIONS_DIR));
        const QString point = QLocale(language).decimalPoint();
        drawDirections("111222 13*12");
        Session s;
        QStringList faults;
        const auto check = [&](const QString& text, int over) {
            if (over > 0)
                faults << QStringLiteral("%1: \"%2\" %3 px over").arg(language, text).arg(over);
        };
        // Each of the other windows as it opens; closed, it is gone.
        const auto checkWindow = [&](const platform::SurfaceWindow* window) {
            const auto* close = window->findChild<QPushButton*>();
            check(close->text(), overflow(close));
            const platform::DrawingSurface& surface = *window->surface();
            for (const auto& printed : surface.printedTexts())
                check(printed.text, printed.topLeft.x() +
                                        QFontMetrics(printed.font).horizontalAdvance(printed.text) -
                                        surface.canvas()->width());
        };
        s.run("start +7100 stop graph");
        checkWindow(s.form.distanceHistogram());
        s.run("close back init linear start +7100 stop graph");
        checkWindow(s.form.xHistogram());
        s.run("close back help");
        checkWindow(s.form.help());
        QCOMPARE(s.form.readout(walk::Readout::AverageDistance)->text(), "6" + point + "0");
        s.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.form));
        QTest::keyClick(&s.form, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(pasted().contains("\t6\t0\t6" + point + "0\n"));

        for (const QWidget* control : english.findChildren<QWidget*>()) {
            const QString source = control->property("text").toString();
            // Left out: the hidden buttons, the program's name and the coordinates' signs.
            if (control->isHidden() || source.isEmpty() || source == "Lurchfield" ||
                source.endsWith(u'＝'))
                continue;
            const auto* translated = s.form.findChild<QWidget*>(control->objectName());
            const QString text = translated->property("text").toString();
            QCOMPARE(text, catalogue.translate("MainWindow", source.toUtf8())); // empty if missing
            check(text, overflow(translated));
        }
        for (int n = 0; n < 12; ++n) { // the row titles
            const ResultsTable::Cell& title = s.form.results()->cellAt(n);
            const int border = platform::sunkenBorderWidth;
            check(title.text(),
                  overflow(title.font(), title.rect() - QMargins(border, border, border, border),
                           Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title.text()));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Random events, each checked by the session, with broken chimes for the first
    // half. LURCHFIELD_CHAOS_SEED replays a run, LURCHFIELD_CHAOS_EVENTS sets its length.
    void randomEvents() {
        const quint32 seed =
            qEnvironmentVariable("LURCHFIELD_CHAOS_SEED",
                                 QString::number(QRandomGenerator::global()->generate()))
                .toUInt();
        const int events = qEnvironmentVariable("LURCHFIELD_CHAOS_EVENTS", "100000").toInt();
        qInfo("replay with LURCHFIELD_CHAOS_SEED=%u", seed);
        QRandomGenerator random(seed);
        const auto below = [&random](int n) { return int(random.bounded(n)); };
        for (const char* name : {"pinpon.wav", "endpinpon.wav"}) {
            QFile chime(QString::fromLatin1(name));
            QVERIFY(chime.open(QIODevice::WriteOnly) && chime.write("RIFF") == 4);
        }
        auto s = std::make_unique<Session>(float(below(86400)));
        for (int n = 1; n <= events && !QTest::currentTestFailed(); ++n) {
            if (n == events / 2)
                QVERIFY(QFile::remove("pinpon.wav") && QFile::remove("endpinpon.wav"));
            QStringList words{"back", s->other() ? "away" : "back", s->other() ? "close" : "back"};
            for (const char* word : {"start", "stop", "init", "graph", "help", "plane", "linear"})
                if (s->button(QLatin1String(word))->isEnabled())
                    words << QLatin1String(word);
            const int roll = below(1000);
            QString word = words[below(int(words.size()))];
            if (roll < 500)
                word = QStringLiteral("+%1").arg(below(4) ? below(4000) + 1 : below(60000) + 1);
            else if (roll < 520)
                word = QStringLiteral("lag");
            else if (roll >= 997)
                word = roll == 999 || !s->form.control(walk::Control::Exit)->isEnabled() ? "frame"
                                                                                         : "exit";
            s->run(word);
            if (word == QLatin1String("exit") || word == QLatin1String("frame")) {
                for (const QWidget* window : QApplication::topLevelWidgets())
                    if (window->isVisible())
                        QTest::qFail(qPrintable(window->objectName() + " left open"), __FILE__,
                                     __LINE__);
                s = std::make_unique<Session>(float(below(86400)));
            }
        }
    }

    // Graph and help windows opened and closed a hundred times leave no object behind.
    void windowsLeaveNothingBehind() {
        drawDirections("1");
        Session s;
        qint64 objects = 0;
        for (int n = 0; n < 103; ++n) {
            objects = n == 3 ? alive : objects; // once Qt's caches are filled
            s.run("linear start +7100 stop graph close back help close back init "
                  "plane start +7100 stop graph close back help close back init");
            QCoreApplication::processEvents();
        }
        // Qt may still drop something of its own later on; nothing of ours may pile up.
        QVERIFY2(alive <= objects, qPrintable(QStringLiteral("%1 > %2").arg(alive).arg(objects)));
    }
    void file_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("heard"); // what plays, or why nothing does
        const auto row = [](const char* name, const QByteArray& file, const char* heard) {
            QTest::newRow(name) << file << heard;
        };
        const QByteArray subformat = le(22, 2) + le(16, 2) + le(3, 4) + le(1, 2) +
                                     QByteArray::fromHex("000000001000800000aa00389b71");
        const char* good = "2 ch 44100 Hz format 2: 34120100feff0080";
        row("PCM 8-bit", riff(fmt(1, 1, 8000, 8) + chunk("data", "\x01\x80\xff")),
            "1 ch 8000 Hz format 1: 0180ff");
        row("PCM 24-bit as 32", riff(fmt(1, 1, 96000, 24) + chunk("data", stereo16.left(6))),
            "1 ch 96000 Hz format 3: 003412010000feff");
        row("float", riff(fmt(3, 2, 48000, 32) + data), "2 ch 48000 Hz format 4: 34120100feff0080");
        row("extensible", riff(fmt(0xFFFE, 2, 44100, 16, 0, subformat) + data), good);
        row("other chunks skipped, odd ones padded, data first, a second ignored",
            riff(chunk("LIST", "INFOa") + data + fmt16 + chunk("data", "abcd")), good);
        row("sizes past the end trimmed, half a frame dropped",
            "RIFF" + le(~0u, 4) + "WAVE" + fmt16 + chunk("data", stereo16 + "ab", ~0u), good);
        row("empty", "", "not a RIFF/WAVE file");
        row("no fmt", riff(data), "no fmt chunk");
        row("fmt cut short", riff(fmt16).chopped(3), "fmt chunk cut short");
        row("extensible, foreign GUID",
            riff(fmt(0xFFFE, 2, 44100, 16, 0, subformat.chopped(1) + "?") + data),
            "unknown extensible subformat");
        row("ADPCM", riff(fmt(2, 2, 44100, 16) + data), "unsupported format 2 with 16 bits");
        row("rate 768001", riff(fmt(1, 2, 768001, 16) + data), "unsupported sample rate 768001");
        row("block align", riff(fmt(1, 2, 44100, 16, 2) + data),
            "block align 2 does not fit 2 channels of 16 bits");
        row("no data", riff(fmt16), "no data chunk");
    }

    // A cue stops what plays, then plays the file, or costs one warning that
    // names the file and says why.
    void file() {
        QFETCH(QByteArray, file);
        QFETCH(QString, heard);
        const bool plays = heard.contains(QLatin1String(" Hz "));
        const QString found = QDir::current().absoluteFilePath(QStringLiteral("pinpon.wav"));
        QCOMPARE(cue(file),
                 (plays ? "stop | play " : "stop | No sound from \"" + found + "\": ") + heard);
    }

    // Every prefix of a file is refused, or gives the whole frames within it.
    void cutAtEveryByte() {
        const QByteArray head = riff(chunk("LIST", "INFOabc") + fmt16);
        for (qsizetype cut = 0; cut <= head.size() + data.size(); ++cut) {
            const qsizetype frames = std::max<qsizetype>(0, cut - head.size() - 8) / 4;
            const QString got = cue((head + data).left(cut));
            const QString want =
                "stop | play 2 ch 44100 Hz format 2: " + stereo16.left(frames * 4).toHex();
            QVERIFY2(frames ? got == want : got.count(u'|') == 1, qPrintable(got));
        }
    }
    void builtChime_data() {
        QTest::addColumn<double>("seconds");
        QTest::addRow("pinpon.wav") << 0.8;
        QTest::addRow("endpinpon.wav") << 1.2;
    }

    // The chimes the build wrote: at most -6 dBFS (and not under -12), silent
    // at both ends and rising and falling over 1 ms.
    void builtChime() {
        QFETCH(double, seconds);
        QFile file(CHIME_DIR "/" + QString(QTest::currentDataTag()));
        QVERIFY(file.open(QFile::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto wav = platform::WavFile::decode(
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), std::size_t(bytes.size())});
        QVERIFY(wav.ok() && wav.sample == platform::WavFile::Sample::Int16 && wav.channels == 1);
        QVERIFY(wav.sampleRate == 44100 && qAbs(wav.frames() / 44100.0 - seconds) < 0.1);
        const std::span samples(reinterpret_cast<const std::int16_t*>(wav.samples.data()),
                                wav.frames());
        const int peak = loudest(samples);
        QVERIFY(peak >= 8231 && peak <= 16422);
        QVERIFY(samples.front() == 0 && loudest(samples.first(44)) <= peak / 4);
        QVERIFY(samples.back() == 0 && loudest(samples.last(44)) <= peak / 4);
    }

    // Each place a chime is looked for, removed, uncovers the next; none left
    // costs one line naming them all in order.
    void searchOrder() {
        QTemporaryDir root;
        qputenv("XDG_DATA_HOME", root.filePath("user").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", root.filePath("system").toLocal8Bit());
        const QString program = QCoreApplication::applicationDirPath();
        const QStringList places = {root.filePath("work"), root.filePath("user/lurchfield"),
                                    root.filePath("system/lurchfield"),
                                    QDir::cleanPath(program + "/../share/lurchfield"), program};
        const QString name = "searched.wav";
        for (const QString& place : places)
            QVERIFY(QDir().mkpath(place) && QFile(place + '/' + name).open(QFile::WriteOnly));
        QVERIFY(QDir::setCurrent(places[0]));
        for (const QString& place : places) {
            QCOMPARE(platform::findSoundFile(name), place + '/' + name);
            QVERIFY(QFile::remove(place + '/' + name));
        }
        QDir().rmpath(places[3]);
        heard.clear();
        qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { heard << text; });
        platform::SoundPlayer().play(name);
        qInstallMessageHandler(quieten);
        const QString line = "No sound from \"%1\": no such file in %2";
        QCOMPARE(heard, QStringList(line.arg(name, places.join(", "))));
        QVERIFY(QDir::setCurrent(m_chimes.path()));
    }
};

QTEST_MAIN(TestLurchfield)
#include "tst_lurchfield.moc"
