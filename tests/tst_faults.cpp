#include "activation.h"
#include "fakepanel.h"
#include "form1state.h"
#include "help/form4.h"
#include "mainwindow/form1.h"
#include "mainwindow/resultstable.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/messagebox.h"
#include "platform/pictureholder.h"
#include "platform/virtualtime.h"
#include "walk/formats.h"
#include "walk/module1.h"
#include "wavbytes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <numeric>

using walk::Row;
using namespace wavbytes;

namespace {

constexpr float startOfDay = 50000.0f;

// A script of the person at the main window: start, stop, init, help, back
// (the main window active again) and +N (N milliseconds pass). Its trace is
// the walk and the flags after each word and at each step of the walk.
const QStringList script = QStringLiteral("start +7100 stop help back +3000 init start +9000 stop "
                                          "init help back start +20000 stop")
                               .split(QLatin1Char(' '));

QString sample(const QString& flags, const walk::Walk& walk, const QString& average) {
    return QStringLiteral("%1 ct=%2 caunt=%3 at=%4,%5 avg=%6")
        .arg(flags)
        .arg(walk.ct)
        .arg(walk.caunt)
        .arg(walk.x)
        .arg(walk.y)
        .arg(average);
}

// Plays the script on walk with step for each other word, and samples.
template <typename Step, typename Sample>
QStringList play(platform::VirtualTime& time, Step step, Sample take) {
    QStringList trace{take()};
    for (const QString& word : script) {
        if (word.startsWith(QLatin1Char('+'))) {
            for (qint64 ms = word.mid(1).toLongLong(); ms > 0; ms -= 100) {
                time.advance(100);
                trace << take();
            }
        } else {
            step(word);
            trace << word + QLatin1Char(' ') + take();
        }
    }
    return trace;
}

// The script on the walk alone, where no sound exists: what the main
// window must do whatever becomes of its chimes.
struct Silent {
    QStringList trace;
    std::array<float, 31> freq;
    std::map<std::pair<Row, int>, QString> cells;
};

Silent silentRun() {
    platform::VirtualTime time{startOfDay};
    FakePanel panel;
    walk::Walk walk(panel);
    walk.load();
    walk.showActivated();
    const auto take = [&] {
        return sample(flags(panel, walk), walk, panel.caption(walk::Readout::Label74));
    };
    const auto step = [&](const QString& word) {
        if (word == QLatin1String("start"))
            walk.command6Click();
        else if (word == QLatin1String("stop"))
            walk.command7Click();
        else if (word == QLatin1String("init"))
            walk.command4Click();
        else if (word == QLatin1String("back"))
            walk.showActivated();
    };
    Silent silent;
    silent.trace = play(time, step, take);
    silent.freq = Module1::freq;
    silent.cells = panel.cells;
    return silent;
}

void write(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

const QByteArray chime = riff(fmt(1, 1, 8000, 16) + chunk("data", QByteArray(1600, '\x10')));

// How both chime names are taken up in a row.
enum Kind { Missing, Bytes, Directory, Unreadable };

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void commandsRunOnWithoutSound_data();
    void commandsRunOnWithoutSound();
    void walkTimerFallsATrialBehind();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_home;
};

void TestFaults::initTestCase() {
    platform::registerGothicSubstitutes();
    // No sound server for this process, whatever the machine runs.
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse/native");
    m_home = QDir::currentPath();
    platform::replaceMessageBoxes([](auto&, auto&) { return platform::answerOk; });
}

// The program looks for its chimes in a working directory of each case's own.
void TestFaults::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void TestFaults::cleanup() {
    QDir::setCurrent(m_home);
    m_dir.reset();
}

void TestFaults::commandsRunOnWithoutSound_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("missing") << int(Missing) << QByteArray();
    QTest::addRow("empty") << int(Bytes) << QByteArray("");
    QTest::addRow("truncated") << int(Bytes) << chime.left(40);
    QTest::addRow("garbage") << int(Bytes) << QByteArray(3000, '\xa5');
    QTest::addRow("directory") << int(Directory) << QByteArray();
    QTest::addRow("mode 000") << int(Unreadable) << chime;
    QTest::addRow("no sound server") << int(Bytes) << chime;
}

// With the real multimedia control and the real audio output, each command
// does what it does with no sound at all: same flags, cells and timing.
void TestFaults::commandsRunOnWithoutSound() {
    QFETCH(int, kind);
    QFETCH(QByteArray, bytes);
    for (const QString& name : {QStringLiteral("pinpon.wav"), QStringLiteral("endpinpon.wav")}) {
        if (kind == Directory)
            QVERIFY(QDir().mkdir(name));
        else if (kind != Missing)
            write(name, bytes);
        if (kind == Unreadable)
            QVERIFY(QFile::setPermissions(name, {}));
    }
    if (kind == Unreadable && QFile(QStringLiteral("pinpon.wav")).open(QIODevice::ReadOnly))
        QSKIP("this user (root) reads files of mode 000");

    const Silent silent = silentRun();
    platform::VirtualTime time{startOfDay};
    Form1 form;
    form.show();
    const auto take = [&] { return sample(state(form), form.walk, form.Label74->text()); };
    const auto step = [&](const QString& word) {
        if (word == QLatin1String("back")) {
            sendActivate(&form);
            return;
        }
        QPushButton* button = word == QLatin1String("start")  ? form.Command6
                              : word == QLatin1String("stop") ? form.Command7
                              : word == QLatin1String("init") ? form.Command4
                                                              : form.Command8;
        QVERIFY2(button->isEnabled(), qPrintable(word));
        QTest::mouseClick(button, Qt::LeftButton);
    };
    const QStringList trace = play(time, step, take);
    QCOMPARE(trace, silent.trace);
    QVERIFY(form.form4);
    QCOMPARE(Module1::freq, silent.freq);
    for (Row row : {Row::xz, Row::yz, Row::kr})
        for (int t = 1; t <= 51; ++t) {
            const auto it = silent.cells.find({row, t});
            QCOMPARE(form.results->cell(row, t)->text(),
                     it == silent.cells.end() ? QString() : it->second);
        }

    // "Exit" shows its message and ends the program all the same.
    QTimer::singleShot(0, &form, [&] { QTest::mouseClick(form.Command3, Qt::LeftButton); });
    QTimer::singleShot(5000, &form, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.walk.ret, platform::answerOk);
}

// The walk timer falls a whole trial behind: the next trial starts from the
// origin, the one cut short is recorded nowhere, and the average is the
// mean of the trials recorded.
void TestFaults::walkTimerFallsATrialBehind() {
    platform::VirtualTime time{startOfDay};
    Form1 form;
    form.show();
    const QPoint origin = form.Picture2->pos();
    QTest::mouseClick(form.Command6, Qt::LeftButton);
    time.advance(4000 + 3100 + 900 + 1500);
    QCOMPARE(form.Label6->text(), QStringLiteral("15"));
    time.delay(form.walk.Timer1, 2500);
    time.advance(2500);
    QCOMPARE(form.Label72->text(), QStringLiteral("3"));
    QCOMPARE(form.Label6->text(), QStringLiteral("0"));
    QCOMPARE(form.Label2->text(), QStringLiteral("0"));
    QCOMPARE(form.Label4->text(), QStringLiteral("0"));
    QCOMPARE(form.Picture2->pos(), origin);
    time.advance(3200);

    QVERIFY(form.results->cell(Row::kr, 2)->text().isEmpty());
    QVERIFY(form.results->cell(Row::xz, 2)->text().isEmpty());
    float sum = 0.0f;
    for (int t : {1, 3}) {
        const int x = form.results->cell(Row::xz, t)->text().toInt();
        const int y = form.results->cell(Row::yz, t)->text().toInt();
        sum += float(std::sqrt(double(x * x + y * y)));
    }
    QCOMPARE(form.Label74->text(), walk::tenths(sum / 2.0f));
    QCOMPARE(std::accumulate(Module1::freq.begin(), Module1::freq.end(), 0.0f), 2.0f);
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
