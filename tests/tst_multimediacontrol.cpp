#include "platform/audiosinkoutput.h"
#include "platform/multimediacontrol.h"
#include "wavbytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace wavbytes;
using platform::MultimediaControl;

namespace {

// Stands in for the audio output and keeps what reached it.
class RecordingOutput : public platform::SoundOutput {
public:
    void play(const platform::SoundFormat& format, const QByteArray& samples) override {
        calls << QStringLiteral("play");
        played = format;
        this->samples = samples;
        playing = true;
    }
    void stop() override {
        calls << QStringLiteral("stop");
        playing = false;
    }

    QStringList calls;
    platform::SoundFormat played;
    QByteArray samples;
    bool playing = false;
};

// The warnings raised while it lives.
class Warnings {
public:
    Warnings() {
        s_lines = &lines;
        m_previous = qInstallMessageHandler(&Warnings::collect);
    }
    ~Warnings() { qInstallMessageHandler(m_previous); }

    QStringList lines;

private:
    static void collect(QtMsgType, const QMessageLogContext&, const QString& message) {
        s_lines->append(message.split(u'\n'));
    }
    static inline QStringList* s_lines = nullptr;
    QtMessageHandler m_previous;
};

// What the main window does for a chime.
void cue(MultimediaControl& MMControl1, const QString& file) {
    MMControl1.setCommand(QStringLiteral("Stop"));
    MMControl1.setCommand(QStringLiteral("Close"));
    MMControl1.setFileName(file);
    MMControl1.setCommand(QStringLiteral("Open"));
    MMControl1.setCommand(QStringLiteral("Sound"));
}

const QByteArray tone = QByteArray::fromHex("0010f0ff0020e0ff");
const QByteArray chime = riff(fmt(1, 2, 44100, 16) + chunk("data", tone));

// How the name "pinpon.wav" is taken up in a broken-file case.
enum Kind { File, Directory, Unreadable };

void write(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestMultimediaControl : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cueIssuesItsCommandsInOrder();
    void soundReachesTheOutput_data();
    void soundReachesTheOutput();
    void nextCueCutsTheChime();
    void closeDropsTheSound();
    void brokenFileStaysSilent_data();
    void brokenFileStaysSilent();
    void unknownCommandIsReported();
    void noSoundServer();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_home;
};

void TestMultimediaControl::initTestCase() {
    // No sound server for this process, whatever the machine runs.
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse/native");
    m_home = QDir::currentPath();
}

// Each case runs in a fresh working directory, where chimes are looked for.
void TestMultimediaControl::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void TestMultimediaControl::cleanup() {
    QDir::setCurrent(m_home);
    m_dir.reset();
}

void TestMultimediaControl::cueIssuesItsCommandsInOrder() {
    write(QStringLiteral("pinpon.wav"), chime);
    auto* output = new RecordingOutput;
    MultimediaControl MMControl1(std::unique_ptr<RecordingOutput>{output});
    QStringList seen;
    connect(&MMControl1, &MultimediaControl::commandSet, [&](const QString& c) { seen << c; });
    connect(&MMControl1, &MultimediaControl::fileNameSet,
            [&](const QString& f) { seen << "FileName=" + f; });
    cue(MMControl1, QStringLiteral("pinpon.wav"));
    QCOMPARE(seen, QStringList({"Stop", "Close", "FileName=pinpon.wav", "Open", "Sound"}));
    QCOMPARE(MMControl1.fileName(), QStringLiteral("pinpon.wav"));
    QCOMPARE(output->calls, QStringList({"stop", "stop", "play"}));
    QVERIFY(output->playing);
}

// The samples as the output gets them: in host order, little-endian here.
void TestMultimediaControl::soundReachesTheOutput_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("sampleFormat");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<QByteArray>("samples");
    QTest::addRow("8-bit mono") << riff(fmt(1, 1, 11025, 8) + chunk("data", "\x01\x80\xff"))
                                << int(platform::WavFile::Sample::UInt8) << 1 << 11025
                                << QByteArray("\x01\x80\xff");
    QTest::addRow("16-bit stereo")
        << chime << int(platform::WavFile::Sample::Int16) << 2 << 44100 << tone;
    QTest::addRow("24-bit mono") << riff(fmt(1, 1, 48000, 24) + chunk("data", "\x56\x34\x12"))
                                 << int(platform::WavFile::Sample::Int32) << 1 << 48000
                                 << QByteArray::fromHex("00563412");
    QTest::addRow("float stereo") << riff(fmt(3, 2, 22050, 32) + chunk("data", tone))
                                  << int(platform::WavFile::Sample::Float32) << 2 << 22050 << tone;
}

void TestMultimediaControl::soundReachesTheOutput() {
    QFETCH(QByteArray, file);
    write(QStringLiteral("pinpon.wav"), file);
    auto* output = new RecordingOutput;
    MultimediaControl MMControl1(std::unique_ptr<RecordingOutput>{output});
    cue(MMControl1, QStringLiteral("pinpon.wav"));
    QVERIFY(output->playing);
    QTEST(int(output->played.sample), "sampleFormat");
    QTEST(output->played.channels, "channels");
    QTEST(output->played.sampleRate, "rate");
    QTEST(output->samples, "samples");
}

void TestMultimediaControl::nextCueCutsTheChime() {
    write(QStringLiteral("pinpon.wav"), chime);
    write(QStringLiteral("endpinpon.wav"), riff(fmt(1, 1, 8000, 8) + chunk("data", "\x7f")));
    auto* output = new RecordingOutput;
    MultimediaControl MMControl1(std::unique_ptr<RecordingOutput>{output});
    cue(MMControl1, QStringLiteral("pinpon.wav"));
    output->calls.clear();
    cue(MMControl1, QStringLiteral("endpinpon.wav"));
    // The first chime is stopped before anything of the second is loaded.
    QCOMPARE(output->calls, QStringList({"stop", "stop", "play"}));
    QCOMPARE(output->samples, QByteArray("\x7f"));
}

void TestMultimediaControl::closeDropsTheSound() {
    write(QStringLiteral("pinpon.wav"), chime);
    auto* output = new RecordingOutput;
    MultimediaControl MMControl1(std::unique_ptr<RecordingOutput>{output});
    cue(MMControl1, QStringLiteral("pinpon.wav"));
    MMControl1.setCommand(QStringLiteral("Close"));
    QVERIFY(!output->playing);
    MMControl1.setCommand(QStringLiteral("Sound"));
    QVERIFY(!output->playing);
    // A file that went bad after a good one leaves nothing of the good one.
    write(QStringLiteral("pinpon.wav"), "RIFF");
    cue(MMControl1, QStringLiteral("pinpon.wav"));
    QVERIFY(!output->playing);
}

void TestMultimediaControl::brokenFileStaysSilent_data() {
    QTest::addColumn<QByteArray>("file"); // null: no file of that name
    QTest::addColumn<int>("kind");
    const int plain = File;
    QTest::addRow("missing") << QByteArray() << plain;
    QTest::addRow("directory") << QByteArray() << int(Directory);
    QTest::addRow("mode 000") << chime << int(Unreadable);
    QTest::addRow("empty") << QByteArray("") << plain;
    QTest::addRow("truncated header") << chime.left(30) << plain;
    QTest::addRow("garbage") << QByteArray(4096, '\x5a') << plain;
    QTest::addRow("zero channels") << riff(fmt(1, 0, 44100, 16) + chunk("data", tone)) << plain;
    QTest::addRow("bad block align")
        << riff(fmt(1, 2, 44100, 16, 3) + chunk("data", tone)) << plain;
    QTest::addRow("no data") << riff(fmt(1, 2, 44100, 16)) << plain;
    QTest::addRow("data shorter than a frame")
        << riff(fmt(1, 2, 44100, 16) + chunk("data", "\x01\x02")) << plain;
}

void TestMultimediaControl::brokenFileStaysSilent() {
    QFETCH(QByteArray, file);
    QFETCH(int, kind);
    const QString name = QStringLiteral("pinpon.wav");
    if (kind == Directory)
        QVERIFY(QDir().mkdir(name));
    else if (!file.isNull())
        write(name, file);
    if (kind == Unreadable) {
        QVERIFY(QFile::setPermissions(name, {}));
        if (QFileInfo(name).isReadable())
            QSKIP("this user reads files of mode 000");
    }
    auto* output = new RecordingOutput;
    MultimediaControl MMControl1(std::unique_ptr<RecordingOutput>{output});
    QStringList issued;
    connect(&MMControl1, &MultimediaControl::commandSet, [&](const QString& c) { issued << c; });
    Warnings warnings;
    cue(MMControl1, name);
    QCOMPARE(warnings.lines.size(), 1);
    QVERIFY2(warnings.lines[0].contains(name), qPrintable(warnings.lines[0]));
    QCOMPARE(issued, QStringList({"Stop", "Close", "Open", "Sound"}));
    QVERIFY(!output->calls.contains("play"));
}

void TestMultimediaControl::unknownCommandIsReported() {
    auto* output = new RecordingOutput;
    MultimediaControl MMControl1(std::unique_ptr<RecordingOutput>{output});
    QStringList issued;
    connect(&MMControl1, &MultimediaControl::commandSet, [&](const QString& c) { issued << c; });
    Warnings warnings;
    MMControl1.setCommand(QStringLiteral("Play"));
    QCOMPARE(warnings.lines.size(), 1);
    QCOMPARE(issued, QStringList{"Play"});
    QVERIFY(output->calls.isEmpty());
}

// With the real output and no sound server, each cue runs on and costs one
// line, Qt Multimedia's own complaint included.
void TestMultimediaControl::noSoundServer() {
    write(QStringLiteral("pinpon.wav"), chime);
    auto* output = new platform::AudioSinkOutput;
    MultimediaControl MMControl1(std::unique_ptr<platform::AudioSinkOutput>{output});
    for (int i = 0; i < 2; ++i) {
        Warnings warnings;
        cue(MMControl1, QStringLiteral("pinpon.wav"));
        QCOMPARE(warnings.lines.size(), 1);
        QVERIFY2(warnings.lines[0].startsWith("No sound: "), qPrintable(warnings.lines[0]));
        QVERIFY(!output->isPlaying());
    }
}

QTEST_GUILESS_MAIN(TestMultimediaControl)
#include "tst_multimediacontrol.moc"
