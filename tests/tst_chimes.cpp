#include "platform/multimediacontrol.h"
#include "platform/soundfilesearch.h"
#include "platform/wavfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <span>

using platform::WavFile;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int loudest(std::span<const std::int16_t> samples) {
    int peak = 0;
    for (const std::int16_t sample : samples)
        peak = std::max(peak, std::abs(int(sample)));
    return peak;
}

} // namespace

class TestChimes : public QObject {
    Q_OBJECT
private slots:
    void builtChime_data();
    void builtChime();
    void searchOrder();
};

void TestChimes::builtChime_data() {
    QTest::addColumn<double>("seconds");
    QTest::addRow("pinpon.wav") << 0.8;
    QTest::addRow("endpinpon.wav") << 1.2;
}

// Each chime beside the built program: mono 16-bit at 44.1 kHz, its peak
// between -12 and -6 dBFS, rising from and falling to silence within 1 ms
// of its ends, and the same bytes when the tool writes it again.
void TestChimes::builtChime() {
    QFETCH(double, seconds);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QByteArray bytes = contents(QStringLiteral(CHIME_DIR "/") + name);
    const WavFile wav = WavFile::decode(
        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
    QVERIFY2(wav.ok(), wav.error.c_str());
    QCOMPARE(wav.sample, WavFile::Sample::Int16);
    QCOMPARE(wav.channels, 1);
    QCOMPARE(wav.sampleRate, 44100);
    QVERIFY(qAbs(double(wav.frames()) / 44100 - seconds) < 0.1);
    const std::span samples(reinterpret_cast<const std::int16_t*>(wav.samples.data()),
                            wav.frames());
    const int peak = loudest(samples);
    QVERIFY2(peak >= 8231 && peak <= 16422, qPrintable(QString::number(peak)));
    QCOMPARE(int(samples.front()), 0);
    QCOMPARE(int(samples.back()), 0);
    QVERIFY(loudest(samples.first(44)) <= peak / 4);
    QVERIFY(loudest(samples.last(44)) <= peak / 4);
    QTemporaryDir again;
    QCOMPARE(QProcess::execute(QStringLiteral(CHIMES_TOOL), {again.path()}), 0);
    QCOMPARE(contents(again.filePath(name)), bytes);
}

// A file of the name in every place: each one removed uncovers the next.
// Then nothing is found, which costs one line naming every place in order.
void TestChimes::searchOrder() {
    QTemporaryDir root;
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("user")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", root.filePath(QStringLiteral("system")).toLocal8Bit());
    const QString program = QCoreApplication::applicationDirPath();
    const QStringList places = {
        root.filePath(QStringLiteral("work")), root.filePath(QStringLiteral("user/lurchfield")),
        root.filePath(QStringLiteral("system/lurchfield")),
        QDir::cleanPath(program + QStringLiteral("/../share/lurchfield")), program};
    // A name of this run's own: two of the places are in the build tree.
    const QString name = QStringLiteral("searched-%1.wav").arg(QCoreApplication::applicationPid());
    QStringList patterns;
    for (const QString& place : places) {
        QVERIFY(QDir().mkpath(place));
        QVERIFY(QFile(place + u'/' + name).open(QIODevice::WriteOnly));
        patterns << QRegularExpression::escape(place);
    }
    QVERIFY(QDir::setCurrent(places[0]));
    for (const QString& place : places) {
        QCOMPARE(platform::findSoundFile(name), place + u'/' + name);
        QVERIFY(QFile::remove(place + u'/' + name));
    }
    QDir().rmpath(places[3]);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression(QStringLiteral("^No sound from \"%1\": no such file in %2$")
                               .arg(name, patterns.join(QStringLiteral(", ")))));
    platform::MultimediaControl MMControl1;
    MMControl1.setFileName(name);
    MMControl1.setCommand(QStringLiteral("Open"));
}

QTEST_GUILESS_MAIN(TestChimes)
#include "tst_chimes.moc"
