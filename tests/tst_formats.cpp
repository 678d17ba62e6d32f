#include "walk/formats.h"

#include <QTest>

class TestFormats : public QObject {
    Q_OBJECT
private slots:
    void tenths_data();
    void tenths();
    void decimal();
};

void TestFormats::tenths_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("zero") << 0.0 << ".0";
    QTest::addRow("half") << 0.5 << ".5";
    QTest::addRow("whole") << 4.0 << "4.0";
    QTest::addRow("exact half up, 9/4") << double(9.0f / 4.0f) << "2.3";
    QTest::addRow("2.5") << double(5.0f / 2.0f) << "2.5";
    QTest::addRow("5.0990") << 5.0990 << "5.1";
    QTest::addRow("15*sqrt2") << 21.2132 << "21.2";
    QTest::addRow("thirty") << 30.0 << "30.0";
    QTest::addRow("just below a tenth") << 0.04 << ".0";
    QTest::addRow("rounds into the next whole") << 9.96 << "10.0";
}

void TestFormats::tenths() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(walk::tenths(value), text);
}

void TestFormats::decimal() {
    QCOMPARE(walk::decimal(0), QStringLiteral("0"));
    QCOMPARE(walk::decimal(-3), QStringLiteral("-3"));
    QCOMPARE(walk::decimal(12), QStringLiteral("12"));
}

QTEST_APPLESS_MAIN(TestFormats)
#include "tst_formats.moc"
