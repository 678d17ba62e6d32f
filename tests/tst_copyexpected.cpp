#include "form1state.h"
#include "graphs/form2.h"
#include "platform/drawingsurface.h"
#include "platform/virtualtime.h"
#include "walk/enddistribution.h"
#include "walk/module1.h"
#include "walkscript.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <map>

using walk::Walls;
using Chances = std::map<std::pair<int, int>, double>;

Q_DECLARE_METATYPE(Walls)

namespace {

constexpr Walls outOfReach{-1000, 1000};

// Every one of the 4^left walks from `at`, through the program's move rule.
void everyWalk(Chances& ends, walk::Position at, int left, double chance, bool plane, Walls walls) {
    if (left == 0)
        ends[{at.x - 15, at.y - 15}] += chance;
    for (int a = 1; a <= 4 && left > 0; ++a)
        everyWalk(ends, walk::moved(at, a, plane, walls), left - 1, chance / 4, plane, walls);
}

// The clipboard's plain text, if its CSV holds the same rows.
QString pasted() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QString csv = data->text();
    csv.replace(QLatin1Char('\t'), QLatin1Char(',')).replace("\n", "\r\n");
    return data->data("text/csv") == csv.toUtf8() ? data->text() : QStringLiteral("other CSV");
}

} // namespace

class TestCopyExpected : public QObject {
    Q_OBJECT
private slots:
    void matchesEveryWalk_data() {
        QTest::addColumn<bool>("plane");
        QTest::addColumn<int>("steps");
        QTest::addColumn<Walls>("walls");
        QTest::newRow("plane, walls out of reach") << true << 8 << outOfReach;
        // Ten steps fall short of the real walls; walls five steps away are met.
        QTest::newRow("plane, real walls") << true << 10 << Walls{};
        QTest::newRow("plane, near walls") << true << 10 << Walls{10, 20};
        QTest::newRow("linear, near walls") << false << 10 << Walls{10, 20};
    }
    void matchesEveryWalk() {
        QFETCH(bool, plane);
        QFETCH(int, steps);
        QFETCH(Walls, walls);
        Chances walks;
        everyWalk(walks, {15, 15}, steps, 1.0, plane, walls);
        const std::vector<walk::EndPoint> ends = walk::endPoints(plane, steps, walls);
        QCOMPARE(ends.size(), walks.size());
        for (const walk::EndPoint& end : ends)
            QCOMPARE_LE(std::abs(walks[{end.X, end.Y}] - end.chance), 1e-15);
    }

    void linearWithoutWallsIsBinomial() {
        const std::vector<walk::EndPoint> ends = walk::endPoints(false, 30, outOfReach);
        QCOMPARE(ends.size(), 31u);
        for (const walk::EndPoint& end : ends) {
            const int right = (end.X + 30) / 2; // C(30, right) / 2^30
            QCOMPARE(end.chance, std::exp(std::lgamma(31) - std::lgamma(right + 1) -
                                          std::lgamma(31 - right) - 30 * std::log(2)));
        }
    }

    // The figures were worked out apart from the program, in exact rational
    // arithmetic over shown coordinates with the walls at -14 and 15.
    void thirtySteps() {
        for (bool plane : {true, false}) {
            double total = 0;
            double mean = 0; // of the plane distance: 4.85711, or 4.85742 without the walls
            for (const walk::EndPoint& end : walk::endPoints(plane, 30)) {
                total += end.chance;
                mean += end.chance * std::hypot(end.X, end.Y);
            }
            QCOMPARE_LE(std::abs(total - 1), 1e-12);
            QVERIFY(!plane || std::abs(mean - 4.85711) < 5e-6);
        }

        // Of 30 trials counted, leaving out those that no bar counts (x 0: 4.33394 among all).
        QCOMPARE_LE(std::abs(walk::expectedCounts(false, 31, 30)[15] - 4.34200), 5e-5);
        QCOMPARE_LE(std::abs(walk::expectedCounts(true, 15, 30)[2] - 7.05174), 5e-5);
    }
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
    // Stopped after two trials, with the third still walking: every copy
    // shows the two and leaves the window as it was.
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
        QTest::mouseClick(form.Command7, Qt::LeftButton);
        const QString stopped = state(form);

        QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(pasted(), expected);
        QApplication::clipboard()->clear();
        // The same from the menu of a right click on the table's last cell.
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3), QPoint(3, 3));
        QApplication::sendEvent(form.findChild<QWidget*>(QStringLiteral("kr(51)")), &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().value(0)->text(), QStringLiteral("Copy results"));
        menu->actions().value(0)->trigger();
        QCOMPARE(pasted(), expected);
        QCOMPARE(state(form), stopped);
    }

    // 20 of 30 trials at x 0, where theory expects 4.3420 (worked out apart
    // from the program): the mark shows over the bar.
    void expectedMarks() {
        Module1::freq.fill(0);
        Module1::freq[15] = 20;
        Module1::freq[14] = 10;
        Form2 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QPoint mark = window.Picture1->toPixels({18.5, 35 - 4.3420});
        const auto colour = [&] { return window.Picture1->image().pixel(mark) & 0xFFFFFF; };
        QCOMPARE(colour(), 0x0000FFu);
        QTest::keyClick(&window, Qt::Key_E);
        QCOMPARE(colour(), 0xFF0000u);
        QVERIFY(window.Picture1->accessibleDescription().contains("x 0: 20 trials, expected 4.3"));
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(pasted().startsWith("Bar\tTrials\nx -15\t0\n"));
        QVERIFY(pasted().contains("x 0\t20\n"));
        QTest::keyClick(&window, Qt::Key_E);
        QCOMPARE(colour(), 0x0000FFu);
    }
};

QTEST_MAIN(TestCopyExpected)
#include "tst_copyexpected.moc"
