#include "fakepanel.h"
#include "walk/walk.h"

#include <QTest>

// The handlers run one after another.
using Handlers = QList<void (walk::Walk::*)()>;
Q_DECLARE_METATYPE(Handlers)

// What the walk asks a screen reader to say, and from which handler.
class TestAnnouncements : public QObject {
    Q_OBJECT
private slots:
    void announcements_data();
    void announcements();
};

void TestAnnouncements::announcements_data() {
    using W = walk::Walk;
    QTest::addColumn<int>("ct");
    QTest::addColumn<int>("recorded");
    QTest::addColumn<Handlers>("handlers");
    QTest::addColumn<QStringList>("said");
    const QString complete = "Experiment complete, 51 trials, average distance 4.9.";
    QTest::newRow("trial recorded")
        << 5 << 4 << Handlers{&W::timer1Tick}
        << QStringList{"Trial 5: x 3, y -2, distance 3.6. Average 4.6."};
    QTest::newRow("start, trial, step")
        << 4 << 4 << Handlers{&W::command6Click, &W::timer2Tick, &W::timer1Tick} << QStringList{};
    QTest::newRow("stop") << 5 << 4 << Handlers{&W::command7Click}
                          << QStringList{"Experiment stopped."};
    QTest::newRow("complete, ticks on")
        << 51 << 51 << Handlers{&W::timer2Tick, &W::timer2Tick} << QStringList{complete};
    QTest::newRow("complete, started again")
        << 51 << 51 << Handlers{&W::timer2Tick, &W::command6Click, &W::timer2Tick}
        << QStringList{complete, complete};
    QTest::newRow("init") << 51 << 51 << Handlers{&W::command4Click} << QStringList{"Cleared."};
}

void TestAnnouncements::announcements() {
    QFETCH(int, ct);
    QFETCH(int, recorded);
    QFETCH(Handlers, handlers);
    QFETCH(QStringList, said);
    FakePanel panel;
    walk::Walk walk(panel);
    // The walker at x 3, y -2 after its 30th step; the earlier trials average 4.9.
    walk.x = 18;
    walk.y = 13;
    walk.caunt = 30;
    walk.ct = static_cast<std::int16_t>(ct);
    walk.recorded = static_cast<std::int16_t>(recorded);
    walk.s = 4.9f * static_cast<float>(recorded);
    for (auto handler : handlers)
        (walk.*handler)();
    QCOMPARE(panel.announcements, said);
}

QTEST_GUILESS_MAIN(TestAnnouncements)
#include "tst_announcements.moc"
