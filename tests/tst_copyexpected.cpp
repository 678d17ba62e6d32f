#include "form1state.h"
#include "graphwindows.h"
#include "mainwindow/form1.h"
#include "mainwindow/resultstable.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/virtualtime.h"
#include "walk/module1.h"
#include "walkscript.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// The clipboard's plain text, after checking that its CSV holds the same rows.
QString pasted() {
    QClipboard* clipboard = QApplication::clipboard();
    const QString text = clipboard->text();
    const QString csv = QString::fromUtf8(clipboard->mimeData()->data(QStringLiteral("text/csv")));
    clipboard->clear();
    if (csv != QString(text).replace(QLatin1Char('\t'), QLatin1Char(',')).replace("\n", "\r\n"))
        return QStringLiteral("CSV with other rows: ") + csv;
    return text;
}

// Right-clicks a control of the window and picks the first item of the menu it opens.
bool pickFromMenu(QWidget* control) {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3),
                            control->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(control, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return false;
    if (menu->actions().value(0)->text() == QLatin1String("Copy results"))
        menu->actions().value(0)->trigger();
    menu->close();
    return true;
}

// Rows of the chart's pixels in pure light red.
QList<int> redRows(const QImage& image, int x) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if ((image.pixel(x, y) & 0xFFFFFF) == 0xFF0000)
            rows << y;
    return rows;
}

} // namespace

class TestCopyExpected : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerGothicSubstitutes(); }

    void copyResults_data() {
        QTest::addColumn<bool>("linear");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plane") << false
                               << "Trial\tx\ty\tDistance\n1\t5\t-9\t10.3\n2\t5\t-7\t8.6\n"
                                  "Average distance\t9.4\nPlane movement\n";
        QTest::newRow("linear") << true
                                << "Trial\tx\ty\tDistance\n1\t14\t0\t14.0\n2\t12\t0\t12.0\n"
                                   "Average distance\t13.0\nLinear movement\n";
    }
    // Two trials recorded and a third walking: copying shows the first two
    // and leaves the experiment running as it was.
    void copyResults() {
        QFETCH(bool, linear);
        QFETCH(QString, expected);
        platform::VirtualTime time{50000.0f};
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        if (linear)
            QTest::mouseClick(form.Option2, Qt::LeftButton);
        scriptDirections({1, 2, 1, 4, 3, 2, 2});
        QTest::mouseClick(form.Command6, Qt::LeftButton);
        time.advance(12500);
        const QString running = state(form);

        QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(pasted(), expected);
        QVERIFY(pickFromMenu(form.results->cell(walk::Row::kr, 51)));
        QCOMPARE(pasted(), expected);
        QVERIFY(pickFromMenu(form.findChild<QWidget*>(QStringLiteral("Label31"))));
        QCOMPARE(pasted(), expected);
        QVERIFY(!pickFromMenu(form.Label74));
        QCOMPARE(state(form), running);
        platform::replaceDraws({});
    }

    void expectedMarks_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("other");
        QTest::addColumn<double>("expected");
        QTest::addColumn<QString>("described");
        // The expected counts of 30 trials, worked out apart from the program.
        QTest::newRow("Form2") << "Form2" << 15 << 17 << 4.3420 << "x 0: 20 trials, expected 4.3";
        QTest::newRow("Form3") << "Form3" << 2 << 1 << 7.0517
                               << "distance 2.8 to 4.2: 20 trials, expected 7.1";
    }
    // 20 trials in a bar that theory gives about 5: the mark shows over the bar.
    void expectedMarks() {
        QFETCH(QString, form);
        QFETCH(int, bar);
        QFETCH(int, other);
        QFETCH(double, expected);
        QFETCH(QString, described);
        Module1::freq.fill(0);
        Module1::freq[bar] = 20;
        Module1::freq[other] = 10;
        const auto window = openGraphWindow(form);
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const platform::DrawingSurface& chart = *window->Picture1;
        const int across = chart.toPixels({3.5 + bar, 0}).x();
        QCOMPARE(redRows(chart.image(), across), QList<int>());

        QTest::keyClick(window.get(), Qt::Key_E);
        QCOMPARE(redRows(chart.image(), across),
                 QList<int>{chart.toPixels({0, 35 - expected}).y()});
        QVERIFY(chart.accessibleDescription().contains(described));

        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(pasted().contains(described.section(QLatin1Char(':'), 0, 0) + "\t20\n"));
        QTest::keyClick(window.get(), Qt::Key_E);
        QCOMPARE(redRows(chart.image(), across), QList<int>());
    }
};

QTEST_MAIN(TestCopyExpected)
#include "tst_copyexpected.moc"
