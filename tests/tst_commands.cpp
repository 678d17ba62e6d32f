#include "activation.h"
#include "form1state.h"
#include "graphs/form2.h"
#include "graphs/form3.h"
#include "help/form4.h"
#include "mainwindow/form1.h"
#include "mainwindow/resultstable.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/messagebox.h"
#include "platform/virtualtime.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>

using walk::Row;
using walk::Switch;

namespace {

// The main window in virtual time, worked through its real buttons by a
// script of words: show, start, stop, init, graph, help, linear, away (the
// open graph or help window becomes active), back (the main window becomes
// active again) and +N (N milliseconds pass).
struct Session {
    platform::VirtualTime time{50000.0f};
    Form1 form;

    QString state() const { return ::state(form); }

    QWidget* other() const {
        if (form.form2)
            return form.form2;
        if (form.form3)
            return form.form3;
        return form.form4;
    }

    void run(const QString& script) {
        for (const QString& word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (word.startsWith(QLatin1Char('+')))
                time.advance(word.mid(1).toLongLong());
            else if (word == QLatin1String("show"))
                form.show();
            else if (word == QLatin1String("linear"))
                click(form.Option2);
            else if (word == QLatin1String("away"))
                sendActivate(other());
            else if (word == QLatin1String("back"))
                sendActivate(&form);
            else
                click(button(word));
        }
    }

    QAbstractButton* button(const QString& word) const {
        const std::map<QString, QPushButton*> buttons{
            {QStringLiteral("start"), form.Command6}, {QStringLiteral("stop"), form.Command7},
            {QStringLiteral("init"), form.Command4},  {QStringLiteral("graph"), form.Command5},
            {QStringLiteral("help"), form.Command8},
        };
        return buttons.at(word);
    }

    // A person can only click what is enabled; a script that tries otherwise is wrong.
    static void click(QAbstractButton* button) {
        if (!button->isEnabled())
            throw std::logic_error("clicked a disabled button: " + button->text().toStdString());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Notes every command and file name the multimedia control is given.
    void listen(QStringList& log) {
        QObject::connect(&form.MMControl1, &platform::MultimediaControl::commandSet,
                         [&log](const QString& command) { log << command; });
        QObject::connect(&form.MMControl1, &platform::MultimediaControl::fileNameSet,
                         [&log](const QString& file) { log << file; });
    }

    // Runs the program's event loop with action as its first event. Returns
    // the loop's exit code: 0 when the program ends itself, 1 if it hangs.
    int runProgram(const std::function<void()>& action) {
        QTimer::singleShot(0, &form, action);
        QTimer::singleShot(5000, &form, [] { QCoreApplication::exit(1); });
        return QApplication::exec();
    }

    int recordedColumns() const {
        int n = 0;
        for (int t = 1; t <= 51; ++t)
            n += !form.results->cell(Row::kr, t)->text().isEmpty();
        return n;
    }
};

// Flags of a row with "Plane movement" in use, or the linear counterpart.
const QString armedFromStopped = QStringLiteral("00000010 10 01");
const QString stoppedPlaneWalking = QStringLiteral("10111101 10 10");

} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerGothicSubstitutes(); }
    void init() {
        platform::replaceMessageBoxes([](auto&, auto&) { return platform::answerOk; });
    }
    void stateTable_data();
    void stateTable();
    void activationKeepsAWalkingTrial();
    void initClearsTheWindow();
    void graphDisplayOpensTheWindowOfTheMode();
    void helpOpensOneWindow();
    void chimes();
    void exitEndsTheProgram();
    void exitMessageAnswersOkHoweverDismissed_data();
    void exitMessageAnswersOkHoweverDismissed();
    void closingTheMainWindowEndsTheProgram();
};

void TestCommands::stateTable_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");

    QTest::addRow("at creation") << ""
                                 << "11101111 11 00";
    QTest::addRow("idle at start-up") << "show" << idle;
    QTest::addRow("idle after init, stopped") << "show start +7100 stop init" << idle;
    QTest::addRow("idle after init, trial walking") << "show start +5000 stop init" << idle;
    QTest::addRow("idle after init, complete") << "show start +208000 init" << idle;
    QTest::addRow("idle after init, linear") << "show linear start +7100 stop init" << idle;
    QTest::addRow("armed from idle") << "show start" << armedFromIdle;
    QTest::addRow("armed from idle, linear") << "show linear start" << armedFromIdle;
    QTest::addRow("armed from stopped") << "show start +7100 stop start" << armedFromStopped;
    QTest::addRow("armed from stopped, trial walking") << "show start +5000 stop start"
                                                       << "00000010 10 11";
    QTest::addRow("running, walking") << "show start +4100" << runningPlaneWalking;
    QTest::addRow("running, resting") << "show start +7200" << runningPlaneResting;
    QTest::addRow("running, linear") << "show linear start +4100"
                                     << "10000010 01 11";
    QTest::addRow("stopped, resting") << "show start +7100 stop" << stoppedPlaneResting;
    QTest::addRow("stopped, trial walking") << "show start +5000 stop" << stoppedPlaneWalking;
    QTest::addRow("stopped, linear") << "show linear start +7100 stop"
                                     << "10111101 01 00";
    QTest::addRow("complete") << "show start +208000" << completePlane;
    QTest::addRow("complete, later ticks") << "show start +230000" << completePlane;
    QTest::addRow("complete, linear") << "show linear start +208000"
                                      << "10111001 01 01";

    // Events that change flags but not the state.
    QTest::addRow("graph display, stopped") << "show start +7100 stop graph"
                                            << "00111101 10 00";
    QTest::addRow("graph display, complete") << "show start +208000 graph"
                                             << "00111001 10 01";
    QTest::addRow("help, idle") << "show help" << idle;
    QTest::addRow("help, stopped") << "show start +7100 stop help" << stoppedPlaneResting;
    QTest::addRow("help, complete") << "show start +208000 help" << completePlane;
    QTest::addRow("activation, stopped") << "show start +7100 stop help away back"
                                         << "10110101 10 00";
    QTest::addRow("activation, stopped after graph") << "show start +7100 stop graph away back"
                                                     << "00110101 10 00";
    QTest::addRow("activation, stopped, trial walking") << "show start +5000 stop help away back"
                                                        << "10110101 10 10";
    QTest::addRow("activation, complete") << "show start +208000 help away back"
                                          << "10110001 10 01";
    QTest::addRow("activation, complete, next tick")
        << "show start +208000 help away back +4000" << completePlane;
    // With the help window left open from before the experiment began.
    QTest::addRow("activation, armed") << "show help back start away back" << armedFromIdle;
    QTest::addRow("activation, running")
        << "show help back start +4100 away back" << runningPlaneWalking;
}

void TestCommands::stateTable() {
    QFETCH(QString, script);
    QFETCH(QString, expected);
    Session s;
    s.run(script);
    QCOMPARE(s.state(), expected);
}

// Coming back to the main window never freezes a trial: the one walking
// after "Experiment Stop" is still recorded.
void TestCommands::activationKeepsAWalkingTrial() {
    Session s;
    s.run("show start +5000 stop help away back +3000");
    QCOMPARE(s.recordedColumns(), 1);
    s.run("start +4000 away back +3100");
    QCOMPARE(s.recordedColumns(), 2);
    QVERIFY(s.form.Command7->isEnabled());
}

void TestCommands::initClearsTheWindow() {
    Session s;
    s.run("show linear start +11100 stop");
    QCOMPARE(s.recordedColumns(), 2);
    QVERIFY(!s.form.Label74->text().isEmpty());
    s.run("init");
    QCOMPARE(s.recordedColumns(), 0);
    for (int t = 1; t <= 51; ++t)
        for (Row row : {Row::xz, Row::yz})
            QVERIFY(s.form.results->cell(row, t)->text().isEmpty());
    for (auto* label : {s.form.Label2, s.form.Label4, s.form.Label6, s.form.Label72})
        QCOMPARE(label->text(), QStringLiteral("0"));
    QVERIFY(s.form.Label74->text().isEmpty());
    QVERIFY(s.form.Option2->isChecked());
    // Either mode can be chosen again before the next experiment.
    Session::click(s.form.Option1);
    QVERIFY(s.form.Option1->isChecked());
}

void TestCommands::graphDisplayOpensTheWindowOfTheMode() {
    {
        Session s;
        s.run("show linear start +7100 stop graph");
        QVERIFY(s.form.form2 && s.form.form2->isVisible());
        QVERIFY(!s.form.form3);
        QPointer<Form2> first = s.form.form2;
        s.run("back start +4000 stop graph");
        QCOMPARE(s.form.form2, first); // the same window, brought forward
        first->Command1->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first && !s.form.form2);
        s.run("back");
        QVERIFY(!s.form.Command5->isEnabled()); // closing it while stopped leaves it off
        s.run("start +4000 stop graph");
        QVERIFY(s.form.form2 && s.form.form2->isVisible());
    }
    {
        Session s;
        s.run("show start +208000 graph");
        QVERIFY(s.form.form3 && s.form.form3->isVisible());
        QVERIFY(!s.form.form2);
    }
}

void TestCommands::helpOpensOneWindow() {
    Session s;
    s.run("show help");
    QPointer<Form4> first = s.form.form4;
    QVERIFY(first && first->isVisible());
    s.run("back help");
    QCOMPARE(s.form.form4, first);
    const auto windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget* w) { return qobject_cast<Form4*>(w) != nullptr; }),
             1);
    first->Command1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    s.run("back help");
    QVERIFY(s.form.form4 && s.form.form4->isVisible());
}

void TestCommands::chimes() {
    Session s;
    QStringList heard;
    s.listen(heard);
    const QStringList pinpon{"Stop", "Close", "pinpon.wav", "Open", "Sound"};

    s.run("show start +7100 stop");
    QVERIFY(heard.isEmpty()); // the experiment buttons are silent
    s.run("graph");
    QVERIFY(heard.isEmpty());
    s.run("back help");
    QCOMPARE(heard, pinpon);
    heard.clear();
    s.run("back init");
    QCOMPARE(heard, pinpon);
    // Init's reset runs on while the chime plays.
    QCOMPARE(s.form.Label72->text(), QStringLiteral("0"));
}

void TestCommands::exitEndsTheProgram() {
    Session s;
    QStringList events;
    s.listen(events);
    platform::replaceMessageBoxes([&](const QString& text, const QString& title) {
        events << title + QLatin1Char(':') + text;
        return platform::answerOk;
    });
    s.run("show start +7100 stop help");
    events.clear();
    QVERIFY(s.form.form4->isVisible());

    QCOMPARE(s.runProgram([&] { Session::click(s.form.Command3); }), 0);
    QCOMPARE(events, QStringList({"Stop", "Close", "endpinpon.wav", "Open", "Sound",
                                  "Lurchfield:This software will exit."}));
    QCOMPARE(s.form.walk.ret, platform::answerOk);
    QVERIFY(!s.form.isVisible());
    QVERIFY(!s.form.form4->isVisible());
}

void TestCommands::exitMessageAnswersOkHoweverDismissed_data() {
    QTest::addColumn<int>("dismiss");
    QTest::addRow("OK clicked") << 0;
    QTest::addRow("Escape") << 1;
    QTest::addRow("closed through its frame") << 2;
}

// The real message box: its looks, and that every way of dismissing it answers OK.
void TestCommands::exitMessageAnswersOkHoweverDismissed() {
    QFETCH(int, dismiss);
    platform::replaceMessageBoxes({});
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QStringList buttons; // captions: the buttons go with the box
    QTimer::singleShot(0, qApp, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        for (const QAbstractButton* button : box->buttons())
            buttons << button->text();
        if (dismiss == 0)
            box->button(QMessageBox::Ok)->click();
        else if (dismiss == 1)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    });
    QCOMPARE(platform::messageBox(QStringLiteral("This software will exit."),
                                  QStringLiteral("Lurchfield")),
             platform::answerOk);
    QCOMPARE(title, QStringLiteral("Lurchfield"));
    QCOMPARE(text, QStringLiteral("This software will exit."));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
}

void TestCommands::closingTheMainWindowEndsTheProgram() {
    Session s;
    s.run("show start +7100 stop graph back help");
    QCOMPARE(s.runProgram([&] { s.form.close(); }), 0);
    QVERIFY(!s.form.form3->isVisible());
    QVERIFY(!s.form.form4->isVisible());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
