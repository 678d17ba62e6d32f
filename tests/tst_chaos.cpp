#include "activation.h"
#include "allowedstates.h"
#include "flags.h"
#include "form1state.h"
#include "graphs/form2.h"
#include "graphs/form3.h"
#include "help/form4.h"
#include "mainwindow/form1.h"
#include "mainwindow/resultstable.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/messagebox.h"
#include "platform/random.h"
#include "platform/virtualtime.h"
#include "walk/module1.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <vector>

using walk::Row;

namespace {

// "###.0" of a non-negative value: no leading zero, one decimal, halves up.
QString oneDecimal(double value) {
    const auto t = static_cast<long long>(std::floor(value * 10.0 + 0.5));
    return (t >= 10 ? QString::number(t / 10) : QString()) + u'.' + QString::number(t % 10);
}

// The distance counter of an end point with X^2 + Y^2 = q: k where
// 2k^2 <= q < 2(k+1)^2, or -1 beyond the last counter.
int distanceCounter(int q) {
    for (int k = 0; k <= 14; ++k)
        if (q < 2 * (k + 1) * (k + 1))
            return k;
    return -1;
}

// One run of the program: its clock and its main window.
struct Session {
    explicit Session(float timeOfDay) : time(timeOfDay) {}
    platform::VirtualTime time;
    Form1 form;
};

// Drives the real windows with random events drawn from one seed, and checks
// after each one what must hold whatever happened before.
class Chaos {
public:
    explicit Chaos(quint64 seed) : m_seed(seed), m_pick(seed), m_draws(seed ^ 0x5DEECE66DULL) {
        platform::replaceMessageBoxes([this](const QString& text, const QString& title) {
            m_messages << title + u':' + text;
            return platform::answerOk;
        });
    }
    ~Chaos() {
        m_session.reset();
        platform::replaceDraws({});
        platform::replaceMessageBoxes({});
    }
    Chaos(const Chaos&) = delete;
    Chaos& operator=(const Chaos&) = delete;

    // Runs the events; returns what went wrong, or nothing.
    QString run(qint64 events);

    qint64 ran = 0; // events so far
    qint64 sessions = 0;
    qint64 recordings = 0;     // trials seen recorded
    qint64 beyondCounters = 0; // of them, ended where no counter counts them
    qint64 cutShort = 0;       // trials seen never recorded
    qint64 lags = 0;
    std::map<QString, qint64> visits; // events ending in each entry of the state table

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_pick); }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_pick); }

    QString startSession();
    QString event();
    QString advance();
    QString click();
    QString activate();
    QString closeWindow();
    QString lag();
    QString endedProgram(const QString& how);
    QString check();
    QString failure(qint64 n, const QString& what) const;

    float leaningDraw();
    void newLeaning();
    void forgetTrials();

    Form1& form() { return m_session->form; }
    std::vector<QWidget*> openWindows();

    const quint64 m_seed;
    std::mt19937_64 m_pick;  // chooses the events
    std::mt19937_64 m_draws; // feeds the walk when its draws are replaced
    std::array<int, 4> m_leaning{1, 1, 1, 1};
    std::unique_ptr<Session> m_session;
    QStringList m_messages; // message boxes shown
    bool m_ended = false;   // the program ended itself
    // Columns whose trial a lagging walk timer may have cut short, and
    // whether it lagged at all, since the last Init.
    std::array<bool, 52> m_mayBeCut{};
    bool m_lagged = false;
    qint64 m_walkDueBound = 0; // no later than this comes the walk timer's next tick
    // What each column showed when last checked since the last Init: its
    // cells, or "cut" once it can no longer be filled.
    std::array<QString, 52> m_columns;
    AllowedStates m_allowed;
    std::deque<QString> m_recent;
};

QString Chaos::run(qint64 events) {
    if (QString error = startSession(); !error.isEmpty())
        return failure(0, error);
    for (qint64 n = 1; n <= events; ++n) {
        ran = n;
        QString done = event();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QString error = done.startsWith(u'!') ? done.mid(1) : check();
        if (m_session)
            done += QStringLiteral("  -> %1 ct %2").arg(state(form())).arg(form().walk.ct);
        m_recent.push_back(QStringLiteral("#%1 %2").arg(n).arg(done));
        if (m_recent.size() > 12)
            m_recent.pop_front();
        if (error.isEmpty() && m_ended) {
            m_ended = false;
            error = startSession();
        }
        if (!error.isEmpty())
            return failure(n, error);
    }
    return {};
}

QString Chaos::failure(qint64 n, const QString& what) const {
    QString text =
        QStringLiteral("seed %1, event %2: %3\nlast events:\n").arg(m_seed).arg(n).arg(what);
    for (const QString& e : m_recent)
        text += QStringLiteral("  ") + e + u'\n';
    return text + QStringLiteral("replay with LURCHFIELD_CHAOS_SEED=%1").arg(m_seed);
}

// A fresh program: half the runs walk on the real generator seeded from the
// virtual time of day, half on draws leaning towards the walls.
QString Chaos::startSession() {
    m_session.reset();
    ++sessions;
    const bool leaning = below(2) == 0;
    platform::replaceDraws(leaning ? std::function<float()>([this] { return leaningDraw(); })
                                   : std::function<float()>());
    m_session = std::make_unique<Session>(float(between(0, 86399999)) / 1000.0f);
    forgetTrials();
    m_messages.clear();
    // freq outlives the window; its load must have cleared what the last run counted.
    if (const QString created = state(form()); created != AllowedStates::creation)
        return QStringLiteral("new window's flags %1, not %2")
            .arg(created, AllowedStates::creation);
    form().show();
    QCoreApplication::processEvents();
    m_recent.push_back(
        QStringLiteral("new session, %1 draws").arg(leaning ? "leaning" : "time-seeded"));
    const QString error = check();
    return error.isEmpty() ? error : QStringLiteral("new session: ") + error;
}

QString Chaos::event() {
    const int roll = below(1000);
    if (roll < 480)
        return advance();
    if (roll < 800)
        return click();
    if (roll < 900)
        return activate();
    if (roll < 950)
        return closeWindow();
    if (roll < 999)
        return lag();
    form().close();
    return endedProgram(QStringLiteral("main window closed through its frame"));
}

// Mostly a few walk ticks or part of an experiment period, sometimes minutes.
QString Chaos::advance() {
    const int kind = below(100);
    const int ms = kind < 45   ? between(1, 150)
                   : kind < 85 ? between(1, 4000)
                   : kind < 96 ? between(4000, 30000)
                               : between(30000, 250000);
    m_session->time.advance(ms);
    return QStringLiteral("+%1 ms").arg(ms);
}

QString Chaos::click() {
    Form1& f = form();
    struct Target {
        QAbstractButton* button;
        int weight;
    };
    std::vector<Target> targets{{f.Command3, 1}, {f.Command4, 3}, {f.Command5, 4}, {f.Command6, 8},
                                {f.Command7, 3}, {f.Command8, 4}, {f.Option1, 3},  {f.Option2, 3}};
    if (f.form2)
        targets.push_back({f.form2->Command1, 4});
    if (f.form3)
        targets.push_back({f.form3->Command1, 4});
    if (f.form4)
        targets.push_back({f.form4->Command1, 4});
    std::erase_if(targets,
                  [](const Target& t) { return !t.button->isEnabled() || !t.button->isVisible(); });
    int total = 0;
    for (const Target& t : targets)
        total += t.weight;
    if (total == 0)
        return QStringLiteral("!nothing to click");
    int roll = below(total);
    auto chosen = targets.begin();
    while (roll >= chosen->weight)
        roll -= (chosen++)->weight;
    QAbstractButton* button = chosen->button;
    const QString name = button->window()->objectName() + u' ' + button->text();

    QTest::mouseClick(button, Qt::LeftButton);
    if (qobject_cast<QRadioButton*>(button) && !button->isChecked())
        return QStringLiteral("!clicking %1 did not select it").arg(name);
    if (button == f.Command4) {
        forgetTrials();
    } else if (button == f.Command5) {
        QWidget* shown = f.Option2->isChecked() ? static_cast<QWidget*>(f.form2)
                                                : static_cast<QWidget*>(f.form3);
        if (!shown || !shown->isVisible())
            return QStringLiteral("!graph display showed no window of the mode");
    } else if (button == f.Command8 && !(f.form4 && f.form4->isVisible())) {
        return QStringLiteral("!help showed no window");
    } else if (button == f.Command3) {
        if (m_messages != QStringList{QStringLiteral("Lurchfield:This software will exit.")})
            return QStringLiteral("!exit asked %1").arg(m_messages.join(u'|'));
        return endedProgram(QStringLiteral("click Exit"));
    }
    return QStringLiteral("click %1").arg(name);
}

std::vector<QWidget*> Chaos::openWindows() {
    std::vector<QWidget*> open;
    for (QWidget* w :
         std::initializer_list<QWidget*>{&form(), form().form2, form().form3, form().form4})
        if (w && w->isVisible())
            open.push_back(w);
    return open;
}

QString Chaos::activate() {
    const std::vector<QWidget*> open = openWindows();
    QWidget* window = open[std::size_t(below(int(open.size())))];
    sendActivate(window);
    return QStringLiteral("activate ") + window->objectName();
}

QString Chaos::closeWindow() {
    std::vector<QWidget*> open = openWindows();
    std::erase(open, &form());
    if (open.empty())
        return advance();
    QWidget* window = open[std::size_t(below(int(open.size())))];
    window->close();
    return QStringLiteral("close %1 through its frame").arg(window->objectName());
}

// The machine falls behind: the walk timer's next tick comes late, often by a
// whole trial, so the experiment's next tick may find a trial still walking.
QString Chaos::lag() {
    walk::Walk& w = form().walk;
    if (w.Timer1.isEnabled()) {
        const int ms = below(2) ? between(2500, 4000) : between(100, 4000);
        m_session->time.delay(w.Timer1, ms);
        // Each experiment tick before the walk timer's next one may cut a
        // trial short, and so may the tick after it; those ticks are at
        // least a period apart.
        const qint64 now = m_session->time.now();
        m_walkDueBound = std::max(m_walkDueBound, now + 100) + ms;
        const qint64 ticks = (m_walkDueBound - now) / 4000 + 1;
        for (qint64 c = w.ct; c <= std::min<qint64>(51, w.ct + ticks); ++c)
            m_mayBeCut[std::size_t(c)] = true;
        m_lagged = true;
        ++lags;
        return QStringLiteral("walk timer %1 ms behind").arg(ms);
    }
    if (w.Timer2.isEnabled()) {
        const int ms = between(1, 2000);
        m_session->time.delay(w.Timer2, ms);
        return QStringLiteral("experiment timer %1 ms behind").arg(ms);
    }
    return advance();
}

QString Chaos::endedProgram(const QString& how) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return QStringLiteral("!%1 left %2 open").arg(how, w->objectName());
    m_ended = true;
    return how + QStringLiteral(", new session");
}

QString Chaos::check() {
    const Form1& f = form();
    const walk::Walk& w = f.walk;
    if (w.ct < 0 || w.ct > 51)
        return QStringLiteral("ct %1").arg(w.ct);
    if (w.caunt < 0 || w.caunt > 30)
        return QStringLiteral("caunt %1").arg(w.caunt);
    if (f.Command1->isVisible() || f.Command2->isVisible())
        return QStringLiteral("a hidden button shows");
    if (f.Option1->isChecked() == f.Option2->isChecked())
        return QStringLiteral("not exactly one movement mode selected");
    const bool linear = f.Option2->isChecked();
    if (!w.Timer1.isEnabled())
        m_walkDueBound = 0; // enabled again, it starts a fresh period

    const QString flags = state(f);
    const AllowedStates::Entry* entry = m_allowed.match(
        flags, linear ? QStringLiteral("01") : QStringLiteral("10"), w.ct, m_lagged);
    if (!entry)
        return QStringLiteral("flags %1 with ct %2 (%3) are no state of the table")
            .arg(flags)
            .arg(w.ct)
            .arg(linear ? "linear" : "plane");
    ++visits[entry->name];

    const std::pair<platform::Label*, QString> readouts[] = {
        {f.Label2, QString::number(w.x - 15)},
        {f.Label4, QString::number(w.y - 15)},
        {f.Label6, QString::number(w.caunt)},
        {f.Label72, QString::number(w.ct)},
    };
    for (const auto& [label, shown] : readouts)
        if (label->text() != shown)
            return QStringLiteral("%1 shows \"%2\", not %3")
                .arg(label->objectName(), label->text(), shown);

    std::array<int, 31> counted{};
    float sum = 0.0f;
    int filled = 0;
    for (int c = 1; c <= 51; ++c) {
        const QString xz = f.results->cell(Row::xz, c)->text();
        const QString yz = f.results->cell(Row::yz, c)->text();
        const QString kr = f.results->cell(Row::kr, c)->text();
        QString& seen = m_columns[std::size_t(c)];
        if (xz.isEmpty() && yz.isEmpty() && kr.isEmpty()) {
            if (!seen.isEmpty() && seen != QLatin1String("cut"))
                return QStringLiteral("column %1 was emptied").arg(c);
            const bool walking = c == w.ct && w.Timer1.isEnabled();
            if (c <= w.ct && !walking) {
                if (!m_mayBeCut[std::size_t(c)])
                    return QStringLiteral("trial %1 was never recorded").arg(c);
                cutShort += seen.isEmpty();
                seen = QStringLiteral("cut");
            }
            continue;
        }
        if (c > w.ct)
            return QStringLiteral("column %1 filled beyond ct %2").arg(c).arg(w.ct);
        const QString shown = xz + u' ' + yz + u' ' + kr;
        if (!seen.isEmpty() && seen != shown)
            return QStringLiteral("column %1 changed from \"%2\" to \"%3\"")
                .arg(c)
                .arg(seen, shown);
        bool xOk = false, yOk = false;
        const int X = xz.toInt(&xOk);
        const int Y = yz.toInt(&yOk);
        if (!xOk || !yOk || xz != QString::number(X) || yz != QString::number(Y))
            return QStringLiteral("column %1 shows \"%2\" \"%3\" \"%4\"").arg(c).arg(xz, yz, kr);
        const bool reachable =
            linear ? (Y == 0 && X >= -30 && X <= 30) : (X >= -14 && X <= 15 && Y >= -14 && Y <= 15);
        if (!reachable)
            return QStringLiteral(
                       "column %1 ends at (%2, %3), out of the walk's reach in %4 movement")
                .arg(c)
                .arg(X)
                .arg(Y)
                .arg(linear ? "linear" : "plane");
        const int q = X * X + Y * Y;
        if (kr != oneDecimal(std::sqrt(double(q))))
            return QStringLiteral("column %1 shows distance \"%2\" for (%3, %4)")
                .arg(c)
                .arg(kr)
                .arg(X)
                .arg(Y);
        const int counter = linear ? (std::abs(X) <= 15 ? X + 15 : -1) : distanceCounter(q);
        if (counter >= 0)
            ++counted[std::size_t(counter)];
        if (seen.isEmpty()) {
            ++recordings;
            beyondCounters += counter < 0;
            seen = shown;
        }
        sum = static_cast<float>(sum + std::sqrt(double(q)));
        ++filled;
    }

    for (std::size_t k = 0; k < counted.size(); ++k) {
        const float count = Module1::freq[k];
        if (count < 0 || count > 51 || count != float(counted[k]))
            return QStringLiteral("freq(%1) is %2; the table's %3 trials give %4")
                .arg(k)
                .arg(count)
                .arg(linear ? "linear" : "plane")
                .arg(counted[k]);
    }

    const QString average = filled ? oneDecimal(sum / float(filled)) : QString();
    if (f.Label74->text() != average)
        return QStringLiteral("average shows \"%1\"; the %2 recorded trials give \"%3\"")
            .arg(f.Label74->text())
            .arg(filled)
            .arg(average);
    return {};
}

// Init, or a new run: no trial recorded or cut short yet.
void Chaos::forgetTrials() {
    m_mayBeCut.fill(false);
    m_lagged = false;
    m_walkDueBound = 0;
    m_columns.fill(QString());
}

// Leaning draws: for stretches of the walk some directions come far more
// often, so the walls, the far counters and the ends beyond them are reached.
float Chaos::leaningDraw() {
    if (std::uniform_int_distribution<int>(0, 29)(m_draws) == 0)
        newLeaning();
    std::discrete_distribution<int> direction(m_leaning.begin(), m_leaning.end());
    const int a = direction(m_draws);
    return float(a) * 0.25f + float(std::uniform_int_distribution<int>(0, 15)(m_draws)) / 64.0f;
}

void Chaos::newLeaning() {
    m_leaning = {1, 1, 1, 1};
    const int kind = std::uniform_int_distribution<int>(0, 9)(m_draws);
    const int first = std::uniform_int_distribution<int>(0, 3)(m_draws);
    if (kind >= 4)
        m_leaning[std::size_t(first)] = 8;
    if (kind >= 7)
        m_leaning[std::size_t((first + 1 + kind % 3) % 4)] = 8;
}

qint64 fromEnvironment(const char* name, qint64 otherwise, bool* given = nullptr) {
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    if (given)
        *given = ok;
    return ok ? value : otherwise;
}

// Expected noise: the chimes are looked for in an empty working directory,
// and the offscreen platform cannot raise a window.
QtMessageHandler previousHandler = nullptr;
qint64 quietened = 0;
void quietenExpected(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("No sound from")) ||
        text.contains(QLatin1String("does not support raise()"))) {
        ++quietened;
        return;
    }
    previousHandler(type, context, text);
}

} // namespace

class TestChaos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void stateTable_data();
    void stateTable();
    void randomEvents();

private:
    QTemporaryDir m_silent;
};

void TestChaos::initTestCase() {
    platform::registerGothicSubstitutes();
    QVERIFY(m_silent.isValid());
    QVERIFY(QDir::setCurrent(m_silent.path()));
    previousHandler = qInstallMessageHandler(quietenExpected);
}

void TestChaos::cleanupTestCase() {
    qInstallMessageHandler(previousHandler);
}

void TestChaos::stateTable_data() {
    QTest::addColumn<QString>("flags");
    QTest::addColumn<bool>("linear");
    QTest::addColumn<int>("ct");
    QTest::addColumn<bool>("lagged");
    QTest::addColumn<bool>("allowed");

    QTest::addRow("idle") << idle << false << 0 << false << true;
    QTest::addRow("idle with a trial counted") << idle << false << 1 << false << false;
    QTest::addRow("armed from idle") << armedFromIdle << true << 0 << false << true;
    QTest::addRow("running, walking") << runningPlaneWalking << false << 7 << false << true;
    QTest::addRow("running before any trial")
        << runningPlaneResting << false << 0 << false << false;
    QTest::addRow("running, the other mode on")
        << runningPlaneWalking << true << 7 << false << false;
    QTest::addRow("stopped, walking, after activation")
        << "10110101 01 10" << true << 20 << false << true;
    QTest::addRow("stopped after graph display and activation")
        << "00110101 10 00" << false << 3 << false << true;
    QTest::addRow("complete") << completePlane << false << 51 << false << true;
    QTest::addRow("complete early") << completePlane << false << 50 << false << false;
    QTest::addRow("complete after graph display and activation")
        << "00110001 10 01" << false << 51 << false << true;
    QTest::addRow("complete, walking") << "10111001 10 11" << false << 51 << false << false;
    QTest::addRow("complete, walking after a lag")
        << "10111001 10 11" << false << 51 << true << true;
    // What activation did before it was mended: the walk frozen, Stop out of reach.
    QTest::addRow("running after a freezing activation")
        << "10000000 10 01" << false << 7 << false << false;
    QTest::addRow("graph display in idle") << "00100101 11 00" << false << 0 << false << false;
}

void TestChaos::stateTable() {
    QFETCH(QString, flags);
    QFETCH(bool, linear);
    QFETCH(int, ct);
    QFETCH(bool, lagged);
    QFETCH(bool, allowed);
    const AllowedStates states;
    const auto* entry =
        states.match(flags, linear ? QStringLiteral("01") : QStringLiteral("10"), ct, lagged);
    QCOMPARE(entry != nullptr, allowed);
}

void TestChaos::randomEvents() {
    bool replay = false;
    const auto seed = quint64(fromEnvironment(
        "LURCHFIELD_CHAOS_SEED",
        qint64((std::random_device{}() ^ quint64(QDateTime::currentMSecsSinceEpoch())) &
               0x7fffffff),
        &replay));
    const qint64 events = fromEnvironment("LURCHFIELD_CHAOS_EVENTS", 100000);
    qInfo("chaos seed %llu%s; replay with LURCHFIELD_CHAOS_SEED=%llu", seed,
          replay ? " (given)" : "", seed);

    QElapsedTimer elapsed;
    elapsed.start();
    Chaos chaos(seed);
    const QString failure = chaos.run(events);
    qInfo("%lld events in %.1f s: %lld sessions, %lld trials recorded (%lld beyond the counters), "
          "%lld lags, %lld trials cut short, %lld expected warnings quietened",
          chaos.ran, double(elapsed.elapsed()) / 1000.0, chaos.sessions, chaos.recordings,
          chaos.beyondCounters, chaos.lags, chaos.cutShort, quietened);
    for (const auto& [name, count] : chaos.visits)
        qInfo("  %8lld  %s", count, qPrintable(name));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    // A long run that never reached a state, or never cut a trial short or
    // ended one beyond the counters, tested less than it claims.
    if (events >= 50000) {
        const QString where = QStringLiteral(" (seed %1)").arg(seed);
        const AllowedStates table;
        for (const AllowedStates::Entry& entry : table.entries())
            QVERIFY2(entry.needsLag || chaos.visits.count(entry.name),
                     qPrintable(QStringLiteral("never reached: ") + entry.name + where));
        QVERIFY2(chaos.cutShort > 0, qPrintable(QStringLiteral("no trial cut short") + where));
        QVERIFY2(chaos.beyondCounters > 0,
                 qPrintable(QStringLiteral("no trial beyond the counters") + where));
    }
}

QTEST_MAIN(TestChaos)
#include "tst_chaos.moc"
