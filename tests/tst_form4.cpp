#include "activation.h"
#include "help/form4.h"
#include "help/helptext.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "resources/creditline.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

// The help text as the reader sees it: the indent counted in ideographic and
// then ordinary spaces, and what follows.
struct Line {
    int ideographic;
    int ordinary;
    const char* rest;
};

const Line expected[] = {
    {0, 0, ""},
    {1, 0, "\u3010Question\u3011"},
    {5, 0, "A drunk person sways indiscriminately from front to back and left and right."},
    {5, 0, "A drunk person may come back to the same place many times while walking "},
    {4, 0, "around to reach his destination."},
    {5, 0, "Now the drunk person is at the origin on the xy coordinate plane."},
    {5, 0, "When a drunk person departs from the origin and wanders 30 times , how far"},
    {4, 0, "is the position where he is at the 30th time from the origin ?"},
    {5, 0, "However , it is assumed that a drunk person sways in four directions , up ,"},
    {4, 0, "down , left , and right , and the distance traveled by one sway is one."},
    {5, 0, "Also , what if a drunk person sways in only two directions left and right , "},
    {4, 0, "and is on the x-axis ?"},
    {0, 0, ""},
    {1, 0, "\u3010Operation method\u3011"},
    {4, 0, "\u25A0In case of wobbing in 4 directions , click the check box [Plane movement]."},
    {4, 0, "\u25A0In case of wobbing in 2 directions , click the check box [Linear movement]."},
    {5, 0, "(Click the [Init] button to change the 4-way wobble and the 2-way wobble.)"},
    {5, 0, "Click the [ExperimentStart] button to start the drunk person's wobbling."},
    {4, 2, "(However , it takes time to start wobbling.)"},
    {5, 0, "Click the [ExperimentStop] button to stop the drunk person's wobbling."},
    {5, 0, "(However , it takes time to stop wobbling.)"},
    {5, 0, "Click the [Graph display] button to display the graph."},
    {4, 2, "(However , in the case of 4-way wobbling , the horizontal axis is the distance"},
    {4, 0, "between the position where the drunk person staggers 30 times and the origin."},
    {4, 0, "And , in the case of 2-way wobbling , the horizontal axis is the x-coordinate of"},
    {4, 0, "the position where the drunk person staggers 30 times.)"},
};

QString text(const Line& line) {
    return QString(line.ideographic, QChar(0x3000)) + QString(line.ordinary, QLatin1Char(' ')) +
           QString::fromUtf8(line.rest);
}

const QSize canvasSize(557, 445);

// The text drawn straight onto a white canvas, line n one line height below line n - 1.
QImage rendering(const QColor& ink) {
    QImage image(canvasSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QFont font = platform::gothic(11.25);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(ink);
    int top = 0;
    for (const Line& line : expected) {
        painter.drawText(QPoint(0, top + metrics.ascent()), text(line));
        top += metrics.height();
    }
    return image;
}

bool inked(const QImage& image, int y) {
    for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
            return true;
    return false;
}

} // namespace

class TestForm4 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerGothicSubstitutes(); }
    void text_data();
    void text();
    void textAsDrawn();
    void activationRewritesTheSameText_data();
    void activationRewritesTheSameText();
    void window();
    void controls_data();
    void controls();
    void closingDestroysTheWindow_data();
    void closingDestroysTheWindow();
};

void TestForm4::text_data() {
    QTest::addColumn<int>("index");
    for (int n = 0; n < int(std::size(expected)); ++n)
        QTest::addRow("line %d", n + 1) << n;
}

void TestForm4::text() {
    QFETCH(int, index);
    QCOMPARE(helpText().size(), std::size(expected));
    const Line& want = expected[index];
    const QString line = helpText().at(index);
    int n = 0;
    while (n < line.size() && line.at(n) == QChar(0x3000))
        ++n;
    QCOMPARE(n, want.ideographic);
    int m = 0;
    while (n + m < line.size() && line.at(n + m) == QLatin1Char(' '))
        ++m;
    QCOMPARE(m, want.ordinary);
    QCOMPARE(line.mid(n + m), QString::fromUtf8(want.rest));
}

void TestForm4::textAsDrawn() {
    Form4 form;
    form.show();
    const QImage drawn = form.Picture1->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.size(), canvasSize);
    const QImage want = rendering(form.palette().color(QPalette::ButtonText));

    // Line by line first, so a misplaced line is named.
    const int height = QFontMetrics(platform::gothic(11.25)).height();
    QVERIFY(height * int(std::size(expected)) <= canvasSize.height());
    for (int n = 0; n < int(std::size(expected)); ++n) {
        bool ink = false;
        for (int y = n * height; y < (n + 1) * height; ++y) {
            ink = ink || inked(drawn, y);
            QVERIFY2(drawn.copy(0, y, drawn.width(), 1) == want.copy(0, y, want.width(), 1),
                     qPrintable(QStringLiteral("line %1, row %2").arg(n + 1).arg(y)));
        }
        QCOMPARE(ink, expected[n].rest[0] != '\0');
    }
    QCOMPARE(drawn, want);
}

void TestForm4::activationRewritesTheSameText_data() {
    QTest::addColumn<bool>("fromAnotherWindow");
    QTest::addRow("switching back from another window") << true;
    QTest::addRow("showing it again while open") << false;
}

void TestForm4::activationRewritesTheSameText() {
    QFETCH(bool, fromAnotherWindow);
    Form4 form;
    form.show();
    const QImage first = form.Picture1->image();
    OtherWindow other;
    other.show();
    sendActivate(&other);
    // Ink left over from before must not survive the next activation.
    form.Picture1->box({1000, 1000}, {4000, 3000}, Qt::red);
    QVERIFY(form.Picture1->image() != first);

    if (fromAnotherWindow)
        sendActivate(&form);
    else
        form.showAndRaise();
    QCOMPARE(form.Picture1->image(), first);
    QCOMPARE(form.Picture1->currentY(),
             std::size(expected) * 15.0 * QFontMetrics(platform::gothic(11.25)).height());
}

void TestForm4::window() {
    Form4 form;
    form.show();
    QCOMPARE(form.windowTitle(),
             QStringLiteral(" Lurchfield\uFF3FHelp\uFF08Questions and Operation method\uFF09 ") +
                 creditLine);
    QCOMPARE(form.size(), QSize(580, 488));
    QCOMPARE(form.geometry().topLeft(), QPoint(232, 149));
    QVERIFY(!form.testAttribute(Qt::WA_SetWindowIcon));
    QCOMPARE(QFontInfo(form.font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(form.font().pixelSize(), 12);
    QCOMPARE(form.focusWidget(), form.Command1);
    QStringList order;
    for (QWidget* w = form.nextInFocusChain(); w != &form; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    QCOMPARE(order, (QStringList{"Command1", "Picture1"}));
}

void TestForm4::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("pixelSize");
    QTest::addRow("Command1") << "Command1" << QRect(512, 0, 57, 25) << 12;
    QTest::addRow("Line1") << "Line1" << QRect(8, 24, 552, 1) << 12;
    QTest::addRow("Picture1") << "Picture1" << QRect(8, 32, 561, 449) << 15;
}

void TestForm4::controls() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(int, pixelSize);
    Form4 form;
    form.show();
    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->font().pixelSize(), pixelSize);
    QVERIFY(!widget->font().bold());
    if (widget == form.Command1)
        QCOMPARE(form.Command1->text(), QStringLiteral("Close"));
    if (widget == form.Picture1) {
        // Twips from the inner corner, the whole inner area in view.
        QCOMPARE(form.Picture1->canvas()->size(), canvasSize);
        QCOMPARE(form.Picture1->toPixels({8355, 6675}), QPoint(557, 445));
        QCOMPARE(form.Picture1->toPixels({120, 30}), QPoint(8, 2));
        QCOMPARE(form.Picture1->image().pixel(556, 444) & 0xFFFFFF, 0xFFFFFFu);
        QCOMPARE(form.Picture1->foreColor(), form.palette().color(QPalette::ButtonText));
    }
}

void TestForm4::closingDestroysTheWindow_data() {
    QTest::addColumn<bool>("byButton");
    QTest::addRow("Close button") << true;
    QTest::addRow("window frame") << false;
}

void TestForm4::closingDestroysTheWindow() {
    QFETCH(bool, byButton);
    QPointer<Form4> form = new Form4;
    form->showAndRaise();
    QVERIFY(form->isVisible());
    if (byButton)
        QTest::mouseClick(form->Command1, Qt::LeftButton);
    else
        form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
}

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
