#include "activation.h"
#include "graphwindows.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/linecontrol.h"
#include "resources/creditline.h"
#include "walk/module1.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

constexpr QRgb blue = 0x0000FF;

QRgb rgb(const QImage& image, QPoint p) {
    return image.pixel(p) & 0xFFFFFF;
}

template <typename Pred> int count(const QImage& image, const QRect& area, Pred pred) {
    int n = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            n += pred(image.pixel(x, y) & 0xFFFFFF);
    return n;
}

bool dark(QRgb c) {
    return qGray(c) < 128 && c != blue;
}

bool isBlue(QRgb c) {
    return c == blue;
}

// The canvas pixel of a point of the chart's scale.
QPoint at(const GraphWindow& window, double x, double y) {
    return window.Picture1->toPixels({x, y});
}

} // namespace

class TestGraphs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerGothicSubstitutes(); }
    void init() { Module1::freq.fill(0); }
    void layout_data();
    void layout();
    void barPixelsByHand();
    void barsReachTheirRows_data();
    void barsReachTheirRows();
    void emptyChart_data();
    void emptyChart();
    void form3IgnoresCountersBeyond14();
    void gridDashes_data();
    void gridDashes();
    void texts_data();
    void texts();
    void form3FiveStandsOneBlankIn();
    void lowerCountsLeaveNoStaleBar_data();
    void lowerCountsLeaveNoStaleBar();
    void closeDestroys_data();
    void closeDestroys();

private:
    void bothForms();
};

void TestGraphs::bothForms() {
    QTest::addColumn<QString>("form");
    QTest::newRow("Form2") << QStringLiteral("Form2");
    QTest::newRow("Form3") << QStringLiteral("Form3");
}

void TestGraphs::layout_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("clientHeight");
    QTest::addColumn<int>("buttonPixels");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("Form2") << "Form2" << 431 << 12 << "Picture1"
                           << "Command1";
    QTest::newRow("Form3") << "Form3" << 429 << 13 << "Command1"
                           << "Picture1";
}

void TestGraphs::layout() {
    QFETCH(QString, form);
    QFETCH(int, clientHeight);
    QFETCH(int, buttonPixels);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const auto window = openGraphWindow(form);
    QCOMPARE(window->objectName(), form);
    QCOMPARE(window->geometry(), QRect(257, 174, 507, clientHeight));
    QCOMPARE(window->windowTitle(), creditLine);
    QVERIFY(window->windowIcon().isNull());
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(QFontInfo(window->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(window->font().pixelSize(), 12);

    QCOMPARE(window->Command1->geometry(), QRect(440, 0, 65, 25));
    QCOMPARE(window->Command1->text(), QStringLiteral("Close"));
    QCOMPARE(window->Command1->font().pixelSize(), buttonPixels);
    QCOMPARE(window->Line1->geometry(), QRect(0, 24, 504, 1));
    QCOMPARE(window->Picture1->geometry(), QRect(8, 40, 489, 377));
    QCOMPARE(window->Picture1->font().pixelSize(), 12);
    QCOMPARE(window->Picture1->image().size(), QSize(485, 373));

    // Two stops in the tab order: the first starts with the focus, Tab moves on and back.
    QVERIFY(window->focusWidget());
    QCOMPARE(window->focusWidget()->objectName(), first);
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    QCOMPARE(window->focusWidget()->objectName(), second);
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    QCOMPARE(window->focusWidget()->objectName(), first);
}

// Worked out by hand from the canvas (485 x 373 pixels) and the scales.
void TestGraphs::barPixelsByHand() {
    Module1::freq[15] = 30;
    const auto form2 = openGraphWindow(QStringLiteral("Form2"));
    const QImage chart = form2->Picture1->image();
    // X = 0 spans columns 236 to 249 (18 and 19 units of 37), from row 353
    // (35 units) up to row 50 (5 units), the row of the highest dashes.
    QCOMPARE(count(chart, QRect(236, 50, 14, 304), isBlue), 14 * 304);
    QCOMPARE(count(chart, QRect(236, 49, 14, 1), isBlue), 0);
    QCOMPARE(count(chart, QRect(235, 50, 1, 303), isBlue), 0);
    QCOMPARE(count(chart, QRect(250, 50, 1, 303), isBlue), 0);
    QVERIFY(dark(rgb(chart, {27, 50})));

    Module1::freq.fill(0);
    Module1::freq[0] = 5;
    const auto form3 = openGraphWindow(QStringLiteral("Form3"));
    // Bar 0 spans columns 69 to 92 (3 and 4 units of 21) up to row 302 (30 units).
    QCOMPARE(count(form3->Picture1->image(), QRect(69, 302, 24, 52), isBlue), 24 * 52);
    QCOMPARE(count(form3->Picture1->image(), QRect(69, 0, 24, 302), isBlue), 0);
}

void TestGraphs::barsReachTheirRows_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("k");
    QTest::addColumn<float>("count");
    QTest::newRow("X=-15, 5") << "Form2" << 0 << 5.0f;
    QTest::newRow("X=2, 13") << "Form2" << 17 << 13.0f;
    QTest::newRow("X=15, 1") << "Form2" << 30 << 1.0f;
    QTest::newRow("X=-6, 35 to the top") << "Form2" << 9 << 35.0f;
    QTest::newRow("X=8, 51 cut at the top") << "Form2" << 23 << 51.0f;
    QTest::newRow("bar 0, 30") << "Form3" << 0 << 30.0f;
    QTest::newRow("bar 7, 12") << "Form3" << 7 << 12.0f;
    QTest::newRow("bar 14, 2") << "Form3" << 14 << 2.0f;
    QTest::newRow("bar 5, 400 cut at the top") << "Form3" << 5 << 400.0f;
}

void TestGraphs::barsReachTheirRows() {
    QFETCH(QString, form);
    QFETCH(int, k);
    QFETCH(float, count);
    Module1::freq.at(k) = count;
    const auto window = openGraphWindow(form);
    const QImage chart = window->Picture1->image();
    const int left = at(*window, 3 + k, 0).x();
    const int right = at(*window, 4 + k, 0).x();
    const int bottom = at(*window, 0, 35).y();
    const int top = std::max(0, at(*window, 0, 35 - count).y());
    const int height = bottom - top + 1;
    QCOMPARE(::count(chart, QRect(left, top, right - left + 1, height), isBlue),
             (right - left + 1) * height);
    // Nothing of the bar colour outside it, down to the axis.
    QCOMPARE(::count(chart, QRect(0, 0, left, bottom), isBlue), 0);
    QCOMPARE(::count(chart, QRect(right + 1, 0, chart.width(), bottom), isBlue), 0);
    QCOMPARE(::count(chart, QRect(left, 0, right - left + 1, top), isBlue), 0);
}

void TestGraphs::emptyChart_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<double>("axisLeft");
    QTest::addColumn<double>("axisRight");
    QTest::addColumn<int>("bars");
    QTest::newRow("Form2") << "Form2" << 2.0 << 35.0 << 31;
    QTest::newRow("Form3") << "Form3" << 2.0 << 19.0 << 15;
}

void TestGraphs::emptyChart() {
    QFETCH(QString, form);
    QFETCH(double, axisLeft);
    QFETCH(double, axisRight);
    QFETCH(int, bars);
    const auto window = openGraphWindow(form);
    const QImage chart = window->Picture1->image();
    const int axis = at(*window, 0, 35).y();
    QCOMPARE(axis, 353);
    QCOMPARE(count(chart, QRect(0, 0, chart.width(), axis), isBlue), 0);
    // Every bar collapses onto the axis; the axis shows beyond the bars.
    const int barsLeft = at(*window, 3, 0).x();
    const int barsRight = at(*window, 3 + bars, 0).x();
    QCOMPARE(count(chart, QRect(barsLeft, axis, barsRight - barsLeft + 1, 1), isBlue),
             barsRight - barsLeft + 1);
    const int left = at(*window, axisLeft, 0).x();
    const int right = at(*window, axisRight, 0).x();
    QCOMPARE(count(chart, QRect(left, axis, barsLeft - left, 1), dark), barsLeft - left);
    QCOMPARE(count(chart, QRect(barsRight + 1, axis, right - barsRight, 1), dark),
             right - barsRight);
    QCOMPARE(count(chart, QRect(right + 1, axis, chart.width(), 1), dark), 0);
}

void TestGraphs::form3IgnoresCountersBeyond14() {
    for (std::size_t k = 15; k <= 30; ++k)
        Module1::freq.at(k) = 20;
    const auto window = openGraphWindow(QStringLiteral("Form3"));
    const QImage chart = window->Picture1->image();
    // Nothing blue above the axis (row 353), nor on it right of bar 14 (column 416).
    QCOMPARE(count(chart, QRect(0, 0, chart.width(), 353), isBlue), 0);
    QCOMPARE(count(chart, QRect(417, 353, chart.width(), 1), isBlue), 0);
}

void TestGraphs::gridDashes_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QList<int>>("dashes");
    QList<int> form2;
    for (int i = 2; i <= 35; ++i)
        if (i <= 18 || i >= 21)
            form2 << i;
    QList<int> form3;
    for (int i = 2; i <= 18; ++i)
        form3 << i;
    QTest::newRow("Form2") << "Form2" << form2;
    QTest::newRow("Form3") << "Form3" << form3;
}

void TestGraphs::gridDashes() {
    QFETCH(QString, form);
    QFETCH(QList<int>, dashes);
    const auto window = openGraphWindow(form);
    const QImage chart = window->Picture1->image();
    const QRgb background = window->Picture1->palette().color(QPalette::Button).rgb() & 0xFFFFFF;
    for (int row = 5; row <= 30; row += 5) {
        for (int i : dashes) {
            const QString where = QStringLiteral("i=%1 row=%2").arg(i).arg(row);
            QVERIFY2(dark(rgb(chart, at(*window, i + 0.15, row))), qPrintable(where));
            QVERIFY2(rgb(chart, at(*window, i + 0.15, row) + QPoint(0, 2)) == background,
                     qPrintable(where));
            if (dashes.contains(i + 1))
                QVERIFY2(rgb(chart, at(*window, i + 0.65, row)) == background, qPrintable(where));
        }
    }
    if (form == QLatin1String("Form2")) {
        // No dash between the vertical axis and the count labels.
        const int from = at(*window, 18.5, 0).x() + 1;
        const int to = at(*window, 19.3, 0).x() - 1;
        QVERIFY(to - from > 5);
        for (int row = 5; row <= 30; row += 5)
            QCOMPARE(count(chart, QRect(from, at(*window, 0, row).y(), to - from + 1, 1), dark), 0);
    }
}

void TestGraphs::texts_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<bool>("underAxis");
    for (double y : {4.5, 9.5, 14.5, 19.5, 24.5, 29.5}) {
        QTest::addRow("Form2 count at %g", y) << "Form2" << QPointF(19.3, y) << false;
        QTest::addRow("Form3 count at %g", y) << "Form3" << QPointF(1, y) << false;
    }
    QTest::addRow("Form2 vertical title") << "Form2" << QPointF(12, 1) << false;
    QTest::addRow("Form2 horizontal title") << "Form2" << QPointF(24, 1) << false;
    QTest::addRow("Form2 axis letter") << "Form2" << QPointF(35, 33.5) << false;
    QTest::addRow("Form3 horizontal title") << "Form3" << QPointF(11, 2) << false;
    QTest::addRow("Form3 vertical title") << "Form3" << QPointF(3, 2) << false;
    for (double x : {6.0, 10.3, 14.3, 18.3, 22.3, 26.3, 30.0})
        QTest::addRow("Form2 x label at %g", x) << "Form2" << QPointF(x, 34) << true;
    for (int m = 0; m <= 7; ++m)
        QTest::addRow("Form3 distance label at %g", 3.7 + 2 * m)
            << "Form3" << QPointF(3.7 + 2 * m, 34) << true;
}

void TestGraphs::texts() {
    QFETCH(QString, form);
    QFETCH(QPointF, position);
    QFETCH(bool, underAxis);
    const auto window = openGraphWindow(form);
    const QImage chart = window->Picture1->image();
    const QPoint corner = window->Picture1->toPixels(position);
    // Text starts at its position: dark pixels right of it, none just left.
    QCOMPARE(count(chart, QRect(corner.x() - 6, corner.y(), 5, 13), dark), 0);
    if (!underAxis) {
        QVERIFY(count(chart, QRect(corner, QSize(12, 13)), dark) > 3);
        return;
    }
    // A label under the axis stands in the line below y = 34, below the axis row.
    const int axis = at(*window, 0, 35).y();
    const QRect above(corner.x(), corner.y(), 12, axis - corner.y());
    const int vertical = at(*window, form == QLatin1String("Form2") ? 18.5 : 2, 0).x();
    const QRect verticalAxis(vertical, 0, 1, chart.height());
    QCOMPARE(count(chart, above, dark) - count(chart, above & verticalAxis, dark), 0);
    QVERIFY(count(chart, QRect(corner.x(), axis + 2, 12, chart.height()), dark) > 3);
}

// Form3's lowest count label is " 5": the same digit as Form2's "5", one blank further in.
void TestGraphs::form3FiveStandsOneBlankIn() {
    const auto leftmostDark = [](const QString& form, QPointF position) {
        const auto window = openGraphWindow(form);
        const QPoint corner = window->Picture1->toPixels(position);
        for (int x = corner.x(); x < corner.x() + 20; ++x)
            if (count(window->Picture1->image(), QRect(x, corner.y(), 1, 13), dark) > 0)
                return x - corner.x();
        return -1;
    };
    const int five = leftmostDark(QStringLiteral("Form2"), {19.3, 29.5});
    QVERIFY(five >= 0);
    QVERIFY(leftmostDark(QStringLiteral("Form3"), {1, 29.5}) >= five + 2);
}

void TestGraphs::lowerCountsLeaveNoStaleBar_data() {
    bothForms();
}

void TestGraphs::lowerCountsLeaveNoStaleBar() {
    QFETCH(QString, form);
    Module1::freq[4] = 30;
    const auto window = openGraphWindow(form);
    const QPoint high = at(*window, 7.5, 6);
    const QPoint low = at(*window, 7.5, 34);
    QCOMPARE(rgb(window->Picture1->image(), high), blue);

    Module1::freq[4] = 1;
    OtherWindow other;
    other.show();
    sendActivate(window.get());
    const QImage chart = window->Picture1->image();
    QCOMPARE(rgb(chart, high),
             window->Picture1->palette().color(QPalette::Button).rgb() & 0xFFFFFF);
    QCOMPARE(rgb(chart, low), blue);
    QCOMPARE(count(chart, QRect(0, 0, chart.width(), low.y()), isBlue), 0);
}

void TestGraphs::closeDestroys_data() {
    bothForms();
}

void TestGraphs::closeDestroys() {
    QFETCH(QString, form);
    QPointer<GraphWindow> window = openGraphWindow(form).release();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window);
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

QTEST_MAIN(TestGraphs)
#include "tst_graphs.moc"
