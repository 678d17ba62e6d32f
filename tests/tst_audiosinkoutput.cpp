#include "liveobjects.h"
#include "platform/audiosinkoutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

platform::SoundFormat format() {
    return {platform::WavFile::Sample::Int16, 1, 44100};
}

// A second of silence: long enough to be still playing when it is cut.
const QByteArray silence(2 * 44100, '\0');

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

// The real output on a sound server of the test's own, with a null sink.
class TestAudioSinkOutput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void noSinkOutlivesItsOutput();

private:
    QTemporaryDir m_runtime;
    std::unique_ptr<QProcess> m_server;
};

void TestAudioSinkOutput::initTestCase() {
    QVERIFY(countingObjects);
    QVERIFY(m_runtime.isValid());
    // Set before Qt Multimedia first looks for the server.
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    qputenv("PULSE_SERVER",
            "unix:" + m_runtime.filePath(QStringLiteral("pulse/native")).toLocal8Bit());
    m_server = std::make_unique<QProcess>();
    m_server->setStandardOutputFile(QProcess::nullDevice());
    m_server->setStandardErrorFile(QProcess::nullDevice());
    m_server->start(QStringLiteral("pulseaudio"),
                    {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                     QStringLiteral("-n"), QStringLiteral("--load=module-native-protocol-unix"),
                     QStringLiteral("--load=module-null-sink sink_name=null")});
    QVERIFY2(m_server->waitForStarted(), "pulseaudio did not start");
    // The server is ready once its socket answers.
    bool ready = false;
    for (int attempt = 0; attempt < 100 && !ready; ++attempt) {
        QProcess info;
        info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        ready = info.waitForFinished() && info.exitStatus() == QProcess::NormalExit &&
                info.exitCode() == 0;
        if (!ready)
            QTest::qSleep(100);
    }
    QVERIFY2(ready, "the sound server never answered");
    QVERIFY(!QMediaDevices::defaultAudioOutput().isNull());
}

void TestAudioSinkOutput::cleanupTestCase() {
    if (m_server) {
        m_server->terminate();
        m_server->waitForFinished();
    }
}

// Exit during a chime: the program's event loop has ended when the output
// goes, so a sink left to the loop's deferred deletion would never be
// destroyed. Each sink must go with its output.
void TestAudioSinkOutput::noSinkOutlivesItsOutput() {
    {
        // The multimedia backend's own objects are made on first use and kept.
        platform::AudioSinkOutput warm;
        warm.play(format(), silence);
        QVERIFY(warm.isPlaying());
    }
    settle();
    const qint64 before = liveObjects.load();
    {
        platform::AudioSinkOutput output;
        output.play(format(), silence);
        QVERIFY(output.isPlaying());
        output.stop(); // this sink now waits for the event loop
        output.play(format(), silence);
        QVERIFY(output.isPlaying()); // and this one is cut as the output goes
    }
    QCOMPARE(liveObjects.load(), before);
    settle();
}

QTEST_GUILESS_MAIN(TestAudioSinkOutput)
#include "tst_audiosinkoutput.moc"
