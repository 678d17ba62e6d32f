#include "platform/multimediacontrol.h"
#include "platform/soundfilesearch.h"
#include "platform/wavfile.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <span>

static int loudest(std::span<const std::int16_t> samples) {
    const auto [low, high] = std::ranges::minmax(samples);
    return std::max(-int(low), int(high));
}

class TestChimes : public QObject {
    Q_OBJECT
private slots:
    void builtChime_data() {
        QTest::addColumn<double>("seconds");
        QTest::addRow("pinpon.wav") << 0.8;
        QTest::addRow("endpinpon.wav") << 1.2;
    }

    // At most -6 dBFS (and not under -12), silent at both ends and rising and falling over 1 ms.
    void builtChime() {
        QFETCH(double, seconds);
        QFile file(CHIME_DIR "/" + QString(QTest::currentDataTag()));
        QVERIFY(file.open(QFile::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto wav = platform::WavFile::decode(
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), std::size_t(bytes.size())});
        QVERIFY(wav.ok() && wav.sample == platform::WavFile::Sample::Int16 && wav.channels == 1);
        QVERIFY(wav.sampleRate == 44100 && qAbs(wav.frames() / 44100.0 - seconds) < 0.1);
        const std::span samples(reinterpret_cast<const std::int16_t*>(wav.samples.data()),
                                wav.frames());
        const int peak = loudest(samples);
        QVERIFY(peak >= 8231 && peak <= 16422);
        QVERIFY(samples.front() == 0 && loudest(samples.first(44)) <= peak / 4);
        QVERIFY(samples.back() == 0 && loudest(samples.last(44)) <= peak / 4);
    }

    // Each place removed uncovers the next; none left costs one line naming them all in order.
    void searchOrder() {
        QTemporaryDir root;
        qputenv("XDG_DATA_HOME", root.filePath("user").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", root.filePath("system").toLocal8Bit());
        const QString program = QCoreApplication::applicationDirPath();
        const QStringList places = {root.filePath("work"), root.filePath("user/lurchfield"),
                                    root.filePath("system/lurchfield"),
                                    QDir::cleanPath(program + "/../share/lurchfield"), program};
        const QString name = "searched.wav";
        for (const QString& place : places)
            QVERIFY(QDir().mkpath(place) && QFile(place + '/' + name).open(QFile::WriteOnly));
        QVERIFY(QDir::setCurrent(places[0]));
        for (const QString& place : places) {
            QCOMPARE(platform::findSoundFile(name), place + '/' + name);
            QVERIFY(QFile::remove(place + '/' + name));
        }
        QDir().rmpath(places[3]);
        QTest::failOnWarning(QRegularExpression("."));
        const QString line = "No sound from \"%1\": no such file in %2";
        QTest::ignoreMessage(QtWarningMsg, qPrintable(line.arg(name, places.join(", "))));
        platform::MultimediaControl MMControl1;
        MMControl1.setFileName(name);
        MMControl1.setCommand("Open");
    }
};

QTEST_GUILESS_MAIN(TestChimes)
#include "tst_chimes.moc"
