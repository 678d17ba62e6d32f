#include "activation.h"
#include "form1state.h"
#include "mainwindow/form1.h"
#include "mainwindow/resultstable.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/pictureholder.h"
#include "platform/virtualtime.h"
#include "walk/formats.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using walk::Row;
using walk::Switch;

namespace {

int countBright(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) > 128;
    return n;
}

int countColour(const QImage& image, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == colour;
    return n;
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerGothicSubstitutes(); }
    void window();
    void controls_data();
    void controls();
    void colours();
    void idleAtStartUp();
    void planeAndMarker();
    void activationOnlyFromAnotherWindowOfTheProgram();
    void wholeExperimentInTheWindow();
};

void TestForm1::window() {
    Form1 form;
    form.show();
    QCOMPARE(form.size(), QSize(642, 623));
    QVERIFY(form.windowTitle().startsWith(QStringLiteral(" Lurchfield\u3000")));
    QVERIFY(form.windowTitle().size() > 12);
    QCOMPARE(form.windowIcon().availableSizes().value(0), QSize(32, 32));
    QCOMPARE(QFontInfo(form.font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(form.font().pixelSize(), 13);
}

void TestForm1::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    auto row = [](const char* name, QRect g, const QString& caption, int px, bool bold = false) {
        QTest::addRow("%s", name) << QString::fromLatin1(name) << g << caption << px << bold;
    };
    row("Command3", {0, 0, 57, 25}, "Exit", 12);
    row("Label70", {216, 0, 201, 25}, "Lurchfield", 21, true);
    row("Command8", {528, 0, 57, 25}, "Help", 12);
    row("Command4", {584, 0, 57, 25}, "Init", 12);
    row("Label5", {48, 344, 97, 41}, "Number of staggers", 16, true);
    row("Label6", {56, 392, 81, 65}, "0", 60, true);
    row("Label75", {48, 464, 97, 41}, "Average distance", 16, true);
    row("Label74", {56, 512, 81, 25}, "", 19, true);
    row("Command5", {56, 560, 81, 41}, "Graph display", 16, true);
    row("Command1", {144, 392, 41, 33}, "実験開始", 16);
    row("Command2", {144, 424, 41, 33}, "実験準備", 16);
    row("Picture1", {192, 352, 265, 225}, "", 12);
    row("Label1", {192, 584, 65, 25}, "ｘ＝", 19, true);
    row("Label2", {256, 584, 57, 25}, "0", 19, true);
    row("Label3", {336, 584, 65, 25}, "ｙ＝", 19, true);
    row("Label4", {400, 584, 57, 25}, "0", 19, true);
    row("Label72", {528, 360, 41, 25}, "0", 19, true);
    row("Label73", {568, 360, 49, 25}, "th", 19, true);
    row("Label76", {472, 408, 153, 25}, "\u3000It takes a little time ...", 13);
    row("Command6", {496, 440, 105, 41}, "Experiment Start", 16);
    row("Command7", {496, 488, 105, 41}, "Experiment Stop", 16);
    row("Option1", {480, 544, 145, 17}, "Plane movement", 15);
    row("Option2", {480, 576, 145, 17}, "Linear movement", 15);
    row("results", {8, 32, 625, 305}, "", 13); // one widget draws every cell
}

void TestForm1::controls() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    Form1 form;
    form.show();
    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->font().pixelSize(), pixelSize);
    QCOMPARE(widget->font().bold(), bold);
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QCOMPARE(button->text(), caption);
}

void TestForm1::colours() {
    Form1 form;
    form.show();
    const QImage shot = form.grab().toImage();
    // The title label is pure green around its dark caption.
    QVERIFY(countColour(shot, QRect(218, 2, 197, 21), 0x00FF00) > 197 * 21 / 2);
    QVERIFY(countColour(shot, QRect(474, 410, 149, 21), 0xFFFF00) > 149 * 21 / 2);
    QCOMPARE(countColour(shot, QRect(90, 58, 29, 21), 0xFFFFFF), 29 * 21); // an empty cell
    QCOMPARE(form.Label76->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(form.findChild<QWidget*>("Picture2")->size(), QSize(41, 42));
}

void TestForm1::idleAtStartUp() {
    Form1 form;
    form.show();
    QCOMPARE(state(form), idle);
    QVERIFY(form.Option1->isChecked());
    QVERIFY(!form.Option2->isChecked());
    QVERIFY(!form.Command1->isVisible());
    QVERIFY(!form.Command2->isVisible());
    QCOMPARE(form.focusWidget(), form.Picture1);

    QStringList order;
    QWidget* w = form.Picture1;
    for (int n = 0; n < 8; ++n) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isVisible())
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    QCOMPARE(order, (QStringList{"Command3", "Command4", "Option1", "Option2", "Command5",
                                 "Command6", "Command7", "Command8"}));
}

void TestForm1::planeAndMarker() {
    Form1 form;
    form.show();
    const QImage plane = form.Picture1->image();
    QCOMPARE(plane.size(), QSize(261, 221));
    // x axis on row 111 and y axis on column 131, white; the marker hides their crossing.
    QVERIFY(countColour(plane, QRect(0, 111, 100, 1), 0xFFFFFF) == 100);
    QVERIFY(countColour(plane, QRect(131, 0, 1, 80), 0xFFFFFF) == 80);
    // Ticks below the x axis at X = -15 and 15, left of the y axis at Y = -15.
    QCOMPARE(plane.pixel(form.Picture1->toPixels({3, 21})) & 0xFFFFFF, 0xFFFFFFu);
    QCOMPARE(plane.pixel(form.Picture1->toPixels({33, 21})) & 0xFFFFFF, 0xFFFFFFu);
    QCOMPARE(plane.pixel(form.Picture1->toPixels({17.5, 5})) & 0xFFFFFF, 0xFFFFFFu);
    // Each label and axis letter puts white text right of and below its position.
    for (QPointF at : {QPointF(27, 22), QPointF(7, 22), QPointF(15, 29), QPointF(14, 9),
                       QPointF(19, 37), QPointF(34, 17)}) {
        const QPoint p = form.Picture1->toPixels(at);
        QVERIFY2(countBright(plane, QRect(p, QSize(12, 12)).intersected(plane.rect())) > 3,
                 qPrintable(QStringLiteral("%1,%2").arg(at.x()).arg(at.y())));
    }
    // Nothing else is drawn: the rest is black.
    QVERIFY(countColour(plane, QRect(150, 30, 90, 70), 0x000000) == 90 * 70);
    QCOMPARE(form.Picture2->pos(), QPoint(109, 83));

    // A second activation draws the same figure over the first: text edges
    // grow brighter, but nothing lands anywhere new.
    OtherWindow other;
    other.show();
    sendActivate(&form);
    const QImage again = form.Picture1->image();
    int moved = 0;
    for (int y = 0; y < plane.height(); ++y)
        for (int x = 0; x < plane.width(); ++x)
            moved += ((plane.pixel(x, y) & 0xFFFFFF) == 0) != ((again.pixel(x, y) & 0xFFFFFF) == 0);
    QCOMPARE(moved, 0);
    QVERIFY(again != plane);
}

void TestForm1::activationOnlyFromAnotherWindowOfTheProgram() {
    platform::VirtualTime time;
    Form1 form;
    form.show();
    form.walk.command6Click();
    time.advance(4000 + 3100);
    form.walk.command7Click();
    QVERIFY(form.Command5->isEnabled());

    // Back from another application: not an activation.
    sendActivate(&form);
    QVERIFY(form.Command5->isEnabled());

    auto* other = new OtherWindow;
    other->show();
    QCOMPARE(other->activations, 1);
    sendActivate(other);
    QCOMPARE(other->activations, 1);
    sendActivate(&form);
    QVERIFY(!form.Command5->isEnabled());
    // Showing an open window again brings it forward and activates it.
    other->showAndRaise();
    QCOMPARE(other->activations, 2);

    form.walk.command7Click();
    delete other; // closing the other window returns the user to this one
    sendActivate(&form);
    QVERIFY(!form.Command5->isEnabled());
}

void TestForm1::wholeExperimentInTheWindow() {
    platform::VirtualTime time(43210.5f);
    Form1 form;
    form.show();
    QTest::mouseClick(form.Command6, Qt::LeftButton);
    QCOMPARE(state(form), armedFromIdle);
    time.advance(4000 + 100 * 12);
    QCOMPARE(form.Label6->text(), QStringLiteral("12"));
    QCOMPARE(form.Picture2->pos(),
             form.Picture1->toPixels({double(form.walk.x), double(form.walk.y)}));
    QCOMPARE(form.Label2->text(), QString::number(form.walk.shownX()));

    time.advance(208000 - 4000 - 1200);
    QCOMPARE(state(form), completePlane);
    QCOMPARE(form.Label72->text(), QStringLiteral("51"));
    for (int t = 1; t <= 51; ++t) {
        const int X = form.results->cell(Row::xz, t)->text().toInt();
        const int Y = form.results->cell(Row::yz, t)->text().toInt();
        QCOMPARE(form.results->cell(Row::kr, t)->text(),
                 walk::tenths(std::sqrt(double(X * X + Y * Y))));
    }
    QCOMPARE(form.Label74->text(), walk::tenths(form.walk.s / 51.0f));
    QCOMPARE(form.Picture2->pos(), QPoint(109, 83));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
