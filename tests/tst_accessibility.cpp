#include "activation.h"
#include "graphwindows.h"
#include "help/form4.h"
#include "help/helptext.h"
#include "mainwindow/form1.h"
#include "mainwindow/resultstable.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/messagebox.h"
#include "platform/virtualtime.h"
#include "walk/module1.h"
#include "walkscript.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>

using walk::Row;

namespace {

QAccessibleInterface* iface(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString name(QAccessibleInterface* accessible) {
    return accessible->text(QAccessible::Name);
}

QString name(QObject* object) {
    return name(iface(object));
}

QString description(QAccessibleInterface* accessible) {
    return accessible->text(QAccessible::Description);
}

QString description(QObject* object) {
    return description(iface(object));
}

// What a screen reader was told, one entry an event: "<objectName> named: <name>"
// or "<objectName> described: <description>", read as the event arrives.
QStringList heard;
QObject* listenedTo = nullptr;

void listen(QAccessibleEvent* event) {
    QObject* object = event->object();
    QAccessibleInterface* source = event->accessibleInterface();
    // A results cell has no object of its own: it is heard by what it is.
    if (!object && listenedTo && source->parent() == iface(listenedTo) &&
        event->type() == QAccessible::NameChanged)
        heard << description(source) + QStringLiteral(" named: ") + name(source);
    if (!object || (object != listenedTo && object->parent() != listenedTo))
        return;
    if (event->type() == QAccessible::DescriptionChanged)
        heard << object->objectName() + QStringLiteral(" described: ") + description(object);
    else if (event->type() == QAccessible::NameChanged)
        heard << object->objectName() + QStringLiteral(" named: ") + name(object);
}

// Every event about the window and its direct children from now on.
void listenTo(QObject* window) {
    heard.clear();
    listenedTo = window;
}

QStringList heardFrom(const QString& objectName) {
    return heard.filter(QRegularExpression(QLatin1Char('^') + objectName + QLatin1Char(' ')));
}

// The focus chain walked with Tab from the widget with the focus, once round.
QStringList tabOrder(QWidget* window) {
    QStringList order{window->focusWidget()->objectName()};
    for (int n = 0; n < 20; ++n) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        if (window->focusWidget()->objectName() == order.first())
            return order;
        order << window->focusWidget()->objectName();
    }
    return order << QStringLiteral("(no way back)");
}

// The main window in virtual time, shown, with the experiment's buttons
// worked from the keyboard.
struct Session {
    platform::VirtualTime time{40000.0f};
    Form1 form;

    Session() { form.show(); }
    void press(QWidget* control) {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Space);
    }
    // From idle: one trial walked in the given directions, then "Experiment Stop".
    void oneTrial(std::vector<int> directions) {
        scriptDirections(std::move(directions));
        press(form.Command6);
        time.advance(7100);
        press(form.Command7);
        platform::replaceDraws({});
    }
};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void commands_data();
    void commands();
    void readouts_data();
    void readouts();
    void focusOrder_data();
    void focusOrder();
    void optionsByKeyboard();
    void actions();
    void trialAsHeard();
    void resultsCells_data();
    void resultsCells();
    void histograms_data();
    void histograms();
    void histogramFollowsItsBars();
    void helpText();
};

void TestAccessibility::initTestCase() {
    platform::registerGothicSubstitutes();
    // Offscreen has no screen reader to switch accessibility on; the test
    // stands in for one and takes the events itself.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(listen);
    platform::replaceMessageBoxes([](auto&, auto&) { return platform::answerOk; });
}

void TestAccessibility::init() {
    Module1::freq.fill(0);
    listenTo(nullptr);
}

void TestAccessibility::commands_data() {
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");

    QTest::addRow("Exit") << "Command3" << int(QAccessible::Button) << "Exit";
    QTest::addRow("Init") << "Command4" << int(QAccessible::Button) << "Init";
    QTest::addRow("Graph display") << "Command5" << int(QAccessible::Button) << "Graph display";
    QTest::addRow("Experiment Start")
        << "Command6" << int(QAccessible::Button) << "Experiment Start";
    QTest::addRow("Experiment Stop") << "Command7" << int(QAccessible::Button) << "Experiment Stop";
    QTest::addRow("Help") << "Command8" << int(QAccessible::Button) << "Help";
    QTest::addRow("Plane movement")
        << "Option1" << int(QAccessible::RadioButton) << "Plane movement";
    QTest::addRow("Linear movement")
        << "Option2" << int(QAccessible::RadioButton) << "Linear movement";
}

void TestAccessibility::commands() {
    QFETCH(QString, object);
    QFETCH(int, role);
    QFETCH(QString, name);
    Session s;
    QWidget* control = s.form.findChild<QWidget*>(object);
    QVERIFY(control);
    QCOMPARE(int(iface(control)->role()), role);
    QCOMPARE(::name(control), name);
    QVERIFY(!iface(control)->state().invisible);
}

void TestAccessibility::readouts_data() {
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("description");

    QTest::addRow("x") << "Label2"
                       << "Walker's x coordinate";
    QTest::addRow("y") << "Label4"
                       << "Walker's y coordinate";
    QTest::addRow("staggers") << "Label6"
                              << "Number of staggers";
    QTest::addRow("trial") << "Label72"
                           << "Trial number";
    QTest::addRow("average") << "Label74"
                             << "Average distance";
}

// Each read-out is named by the value it shows and described by what that is.
void TestAccessibility::readouts() {
    QFETCH(QString, object);
    QFETCH(QString, description);
    Session s;
    s.oneTrial(concat({{1, 1, 1, 1}, repeat({2, 4}, 13)}));
    auto* label = s.form.findChild<platform::Label*>(object);
    QVERIFY(label);
    QCOMPARE(int(iface(label)->role()), int(QAccessible::StaticText));
    QVERIFY(!label->text().isEmpty());
    QCOMPARE(name(label), label->text());
    QCOMPARE(::description(label), description);
}

void TestAccessibility::focusOrder_data() {
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("order");

    // Disabled controls are passed over.
    QTest::addRow("idle") << false << "Picture1 Command3 Option1 Option2 Command6 Command8";
    QTest::addRow("stopped after a trial")
        << true << "Picture1 Command3 Command4 Option1 Command5 Command6 Command8";
}

void TestAccessibility::focusOrder() {
    QFETCH(bool, stopped);
    QFETCH(QString, order);
    Session s;
    if (stopped)
        s.oneTrial({1, 3});
    s.form.Picture1->setFocus();
    QCOMPARE(tabOrder(&s.form).join(QLatin1Char(' ')), order);
}

void TestAccessibility::optionsByKeyboard() {
    Session s;
    s.form.Option1->setFocus();
    QTest::keyClick(s.form.Option1, Qt::Key_Tab);
    QCOMPARE(s.form.focusWidget(), s.form.Option2);
    QTest::keyClick(s.form.Option2, Qt::Key_Space);
    QVERIFY(s.form.Option2->isChecked());
    QVERIFY(iface(s.form.Option2)->state().checked);
    QVERIFY(!iface(s.form.Option1)->state().checked);
    QTest::keyClick(s.form.Option2, Qt::Key_Backtab);
    QTest::keyClick(s.form.Option1, Qt::Key_Space);
    QVERIFY(s.form.Option1->isChecked());
}

// What a screen reader offers to do with each command does it. A button's
// press is animated, so the test sees it begin; its click ends a moment later.
void TestAccessibility::actions() {
    Session s;
    auto doAction = [](QAbstractButton* control, const QString& action) {
        QAccessibleActionInterface* actions = iface(control)->actionInterface();
        QVERIFY(actions);
        QVERIFY2(actions->actionNames().contains(action), qPrintable(control->text()));
        actions->doAction(action);
    };
    doAction(s.form.Option2, QAccessibleActionInterface::toggleAction());
    QVERIFY(s.form.Option2->isChecked());
    QVERIFY(!s.form.Option1->isChecked());
    for (QAbstractButton* command : {s.form.Command3, s.form.Command6, s.form.Command8}) {
        doAction(command, QAccessibleActionInterface::pressAction());
        QVERIFY2(command->isDown(), qPrintable(command->text()));
    }
    // A disabled command offers nothing.
    QVERIFY(iface(s.form.Command7)->actionInterface()->actionNames().isEmpty());
}

// One trial as a screen reader follows it: the plane tells every move, the
// step counter every step, and the walker ends where its results column says.
void TestAccessibility::trialAsHeard() {
    Session s;
    QAccessibleInterface* plane = iface(s.form.Picture1);
    QCOMPARE(int(plane->role()), int(QAccessible::Graphic));
    QCOMPARE(plane->text(QAccessible::Name), QStringLiteral("Coordinate plane"));
    QCOMPARE(plane->childCount(), 0); // the walker is in its words, not a child of its own
    QVERIFY(iface(&s.form)->indexOfChild(plane) >= 0);
    listenTo(&s.form);
    s.oneTrial(concat({{1, 1, 1, 2}, repeat({1, 3}, 13)}));

    QStringList path;
    for (int x : {1, 2, 3})
        path << QStringLiteral("Picture1 described: Walker at x %1, y 0").arg(x);
    path << QStringLiteral("Picture1 described: Walker at x 3, y -1");
    for (int n = 0; n < 13; ++n)
        path << QStringLiteral("Picture1 described: Walker at x 4, y -1")
             << QStringLiteral("Picture1 described: Walker at x 3, y -1");
    QCOMPARE(heardFrom(QStringLiteral("Picture1")), path);
    // One a step: the 0 of the trial's start was already shown.
    QCOMPARE(heardFrom(QStringLiteral("Label6")).size(), 30);
    QCOMPARE(heardFrom(QStringLiteral("Label6")).last(), QStringLiteral("Label6 named: 30"));
    QCOMPARE(heardFrom(QStringLiteral("Label72")), QStringList{"Label72 named: 1"});
    QCOMPARE(heardFrom(QStringLiteral("Label74")), QStringList{"Label74 named: 3.2"});

    QCOMPARE(description(s.form.Picture1), QStringLiteral("Walker at x 3, y -1"));
    QCOMPARE(name(s.form.results->accessibleCell(Row::xz, 1)), QStringLiteral("3"));
    QCOMPARE(name(s.form.results->accessibleCell(Row::yz, 1)), QStringLiteral("-1"));
    QCOMPARE(name(s.form.results->accessibleCell(Row::kr, 1)), QStringLiteral("3.2"));
    QCOMPARE(name(s.form.Label2), QStringLiteral("3"));
    QCOMPARE(name(s.form.Label4), QStringLiteral("-1"));

    // Init puts the walker back, and the plane says so once.
    listenTo(&s.form);
    s.press(s.form.Command4);
    QCOMPARE(heardFrom(QStringLiteral("Picture1")),
             QStringList{"Picture1 described: Walker at x 0, y 0"});
    QCOMPARE(name(s.form.results->accessibleCell(Row::kr, 1)), QString());
}

void TestAccessibility::resultsCells_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("trial");
    QTest::addColumn<QString>("description");

    QTest::addRow("x of trial 1") << int(Row::xz) << 1 << "Trial 1, x coordinate";
    QTest::addRow("y of trial 5") << int(Row::yz) << 5 << "Trial 5, y coordinate";
    QTest::addRow("distance of trial 17") << int(Row::kr) << 17 << "Trial 17, distance";
    QTest::addRow("x of trial 18") << int(Row::xz) << 18 << "Trial 18, x coordinate";
    QTest::addRow("y of trial 34") << int(Row::yz) << 34 << "Trial 34, y coordinate";
    QTest::addRow("distance of trial 51") << int(Row::kr) << 51 << "Trial 51, distance";
}

void TestAccessibility::resultsCells() {
    QFETCH(int, row);
    QFETCH(int, trial);
    QFETCH(QString, description);
    Session s;
    QAccessibleInterface* cell = s.form.results->accessibleCell(Row(row), trial);
    QCOMPARE(::description(cell), description);
    QCOMPARE(name(cell), QString());
    listenTo(&s.form);
    s.form.setCell(Row(row), trial, QStringLiteral("-12"));
    QCOMPARE(name(cell), QStringLiteral("-12"));
    QCOMPARE(heard, QStringList{description + QStringLiteral(" named: -12")});
}

void TestAccessibility::histograms_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QList<int>>("counts"); // pairs of counter and count
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    const QString xName = QStringLiteral("Histogram of the final x coordinate");
    const QString dName = QStringLiteral("Histogram of the distance from the origin");
    QTest::addRow("x, empty") << "Form2" << QList<int>{} << xName << "No trials counted";
    QTest::addRow("x, around the origin") << "Form2" << QList<int>{15, 3, 11, 1, 19, 2} << xName
                                          << "x -4: 1 trial; x 0: 3 trials; x 4: 2 trials";
    QTest::addRow("x, both ends") << "Form2" << QList<int>{0, 1, 30, 40} << xName
                                  << "x -15: 1 trial; x 15: 40 trials";
    QTest::addRow("distance, empty") << "Form3" << QList<int>{} << dName << "No trials counted";
    QTest::addRow("distance, first and last range")
        << "Form3" << QList<int>{0, 2, 14, 1} << dName
        << "distance 0.0 to 1.4: 2 trials; distance 19.8 to 21.2: 1 trial";
    QTest::addRow("distance, middle ranges")
        << "Form3" << QList<int>{2, 5, 8, 1} << dName
        << "distance 2.8 to 4.2: 5 trials; distance 11.3 to 12.7: 1 trial";
    QTest::addRow("distance, counters past 14 unseen")
        << "Form3" << QList<int>{15, 4, 30, 1} << dName << "No trials counted";
}

void TestAccessibility::histograms() {
    QFETCH(QString, form);
    QFETCH(QList<int>, counts);
    QFETCH(QString, name);
    QFETCH(QString, description);
    for (qsizetype n = 0; n + 1 < counts.size(); n += 2)
        Module1::freq.at(counts[n]) = float(counts[n + 1]);
    const auto window = openGraphWindow(form);

    QAccessibleInterface* chart = iface(window->Picture1);
    QCOMPARE(int(chart->role()), int(QAccessible::Graphic));
    QCOMPARE(chart->childCount(), 0);
    QVERIFY(iface(window.get())->indexOfChild(chart) >= 0);
    QCOMPARE(chart->text(QAccessible::Name), name);
    QCOMPARE(chart->text(QAccessible::Description), description);
}

// Like the bars, the description keeps the counts of the chart's last
// activation until the window is activated again.
void TestAccessibility::histogramFollowsItsBars() {
    OtherWindow other;
    Form2 window;
    window.show();
    listenTo(&window);
    Module1::freq[17] = 2;
    QCOMPARE(description(window.Picture1), QStringLiteral("No trials counted"));
    sendActivate(&window); // already the active one: nothing is drawn
    sendActivate(&other);
    sendActivate(&window);
    QCOMPARE(description(window.Picture1), QStringLiteral("x 2: 2 trials"));
    sendActivate(&other);
    sendActivate(&window); // the same bars again tell nothing new
    QCOMPARE(heard, QStringList{"Picture1 described: x 2: 2 trials"});
}

void TestAccessibility::helpText() {
    Form4 window;
    window.show();
    QAccessibleInterface* text = iface(window.Picture1);
    QCOMPARE(int(text->role()), int(QAccessible::StaticText));
    QCOMPARE(text->text(QAccessible::Name), QStringLiteral("Help text"));
    const QStringList lines = text->text(QAccessible::Description).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 26);
    for (int n = 0; n < 26; ++n)
        QCOMPARE(lines[n], ::helpText()[n]);
    QCOMPARE(lines[1], QStringLiteral("　【Question】"));
    QCOMPARE(lines[25],
             QStringLiteral("　　　　the position where the drunk person staggers 30 times.)"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
