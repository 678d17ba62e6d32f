#include "platform/multimediacontrol.h"
#include "platform/soundoutput.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray le(quint32 value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char(value >> (8 * i));
    return out;
}

// A chunk whose size field says `declared`, padded to an even length.
QByteArray chunk(const char* id, const QByteArray& body, qint64 declared = -1) {
    const QByteArray out = id + le(quint32(declared < 0 ? body.size() : declared), 4) + body;
    return body.size() % 2 ? out + '\0' : out;
}

// A "fmt " chunk; WAVE_FORMAT_EXTENSIBLE (0xFFFE) adds its subformat as `more`.
QByteArray fmt(int tag, int channels, quint32 rate, int bits, int align = 0,
               const QByteArray& more = {}) {
    align = align ? align : channels * bits / 8;
    return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) +
                             le(align, 2) + le(bits, 2) + more);
}

QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le(4 + chunks.size(), 4) + "WAVE" + chunks;
}

const QByteArray stereo16 = QByteArray::fromHex("34120100feff0080"); // two frames
const QByteArray fmt16 = fmt(1, 2, 44100, 16);
const QByteArray data = chunk("data", stereo16);

// Stands in for the audio output and notes what reaches it.
struct Recorder : platform::SoundOutput {
    explicit Recorder(QStringList& log) : log(log) {}
    void play(const QAudioFormat& format, const QByteArray& samples) override {
        log << QStringLiteral("play %1 ch %2 Hz format %3: %4")
                   .arg(format.channelCount())
                   .arg(format.sampleRate())
                   .arg(format.sampleFormat())
                   .arg(QString::fromLatin1(samples.toHex()));
    }
    void stop() override { log << QStringLiteral("stop"); }
    QStringList& log;
};

QStringList warnings;

// The chime cued as the main window cues it, with the file's bytes, or a
// directory of its name: what reached the output and the warnings, each
// after a "|". A sound plays with samples in this little-endian host's order.
QString cue(const QByteArray& file) {
    QDir().rmdir(QStringLiteral("pinpon.wav"));
    QFile::remove(QStringLiteral("pinpon.wav"));
    QFile chime(QStringLiteral("pinpon.wav"));
    if (file == "/")
        QDir().mkdir(QStringLiteral("pinpon.wav"));
    else if (!file.isNull() && (!chime.open(QIODevice::WriteOnly) || chime.write(file) < 0))
        return QStringLiteral("not written");
    chime.close();
    QStringList log;
    platform::MultimediaControl MMControl1(std::make_unique<Recorder>(log));
    warnings.clear();
    MMControl1.setCommand(QStringLiteral("Stop"));
    MMControl1.setCommand(QStringLiteral("Close"));
    MMControl1.setFileName(QStringLiteral("pinpon.wav"));
    MMControl1.setCommand(QStringLiteral("Open"));
    MMControl1.setCommand(QStringLiteral("Sound"));
    return (QStringList(log.join(u' ')) + warnings).join(QStringLiteral(" | "));
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    }

    void file_data() {
        QTest::addColumn<QByteArray>("file"); // null: none of that name; "/": a directory
        QTest::addColumn<QString>("heard");   // what is played, or why not
        const auto row = [](const char* name, const QByteArray& file, const char* heard) {
            QTest::newRow(name) << file << heard;
        };
        const QByteArray subformat = le(22, 2) + le(16, 2) + le(3, 4) + le(1, 2) +
                                     QByteArray::fromHex("000000001000800000aa00389b71");
        const char* good = "2 ch 44100 Hz format 2: 34120100feff0080";
        row("PCM 8-bit", riff(fmt(1, 1, 8000, 8) + chunk("data", "\x01\x80\xff")),
            "1 ch 8000 Hz format 1: 0180ff");
        row("PCM 16-bit", riff(fmt16 + data), good);
        row("PCM 24-bit as 32", riff(fmt(1, 1, 96000, 24) + chunk("data", stereo16.left(6))),
            "1 ch 96000 Hz format 3: 003412010000feff");
        row("PCM 32-bit", riff(fmt(1, 1, 22050, 32) + data),
            "1 ch 22050 Hz format 3: 34120100feff0080");
        row("float", riff(fmt(3, 2, 48000, 32) + data), "2 ch 48000 Hz format 4: 34120100feff0080");
        row("extensible", riff(fmt(0xFFFE, 2, 44100, 16, 0, subformat) + data), good);
        row("other chunks skipped, odd ones padded",
            riff(chunk("LIST", "INFOa") + fmt16 + chunk("junk", "xyz") + data), good);
        row("data first, a second one ignored", riff(data + fmt16 + chunk("data", "abcd")), good);
        row("sizes beyond the bytes trimmed, partial frame dropped",
            "RIFF" + le(~0u, 4) + "WAVE" + fmt16 + chunk("data", stereo16 + "ab", ~0u), good);
        row("missing", {}, "no such file");
        row("a directory", "/", "not a regular file");
        row("empty", "", "not a RIFF/WAVE file");
        row("big-endian RIFX", "RIFX" + riff(fmt16 + data).mid(4), "not a RIFF/WAVE file");
        row("no fmt", riff(data), "no fmt chunk");
        row("fmt of 14 bytes", riff(chunk("fmt ", fmt16.mid(8, 14)) + data),
            "fmt chunk shorter than 16 bytes");
        row("fmt cut short", riff(fmt16).chopped(3), "fmt chunk cut short");
        row("fmt behind a chunk too long", riff(chunk("LIST", "", ~0u - 1) + fmt16 + data),
            "no fmt chunk");
        row("extensible, cbSize 0", riff(fmt(0xFFFE, 2, 44100, 16, 0, QByteArray(24, 0)) + data),
            "extensible fmt chunk too short");
        row("extensible, foreign GUID",
            riff(fmt(0xFFFE, 2, 44100, 16, 0, subformat.chopped(1) + "!") + data),
            "unknown extensible subformat");
        row("ADPCM", riff(fmt(2, 2, 44100, 16) + data), "unsupported format 2 with 16 bits");
        row("64-bit float", riff(fmt(3, 1, 44100, 64) + data), "unsupported format 3 with 64 bits");
        row("nine channels", riff(fmt(1, 9, 44100, 16) + data), "unsupported channel count 9");
        row("rate 768001", riff(fmt(1, 2, 768001, 16) + data), "unsupported sample rate 768001");
        row("block align", riff(fmt(1, 2, 44100, 16, 2) + data),
            "block align 2 does not fit 2 channels of 16 bits");
        row("no data", riff(fmt16), "no data chunk");
        row("less than a frame", riff(fmt16 + chunk("data", "abc")), "no audio in the data chunk");
    }

    // A cue stops and closes, then plays the file, or costs one warning that
    // names the file and says why.
    void file() {
        QFETCH(QByteArray, file);
        QFETCH(QString, heard);
        const QString played = QStringLiteral("stop stop play ") + heard;
        const QString refused =
            QStringLiteral("stop stop | No sound from \"pinpon.wav\": ") + heard;
        QCOMPARE(cue(file), heard.contains(QLatin1String(" Hz ")) ? played : refused);
    }

    // Every prefix of a file is refused, or gives the whole frames within it.
    void cutAtEveryByte() {
        const QByteArray head = riff(chunk("LIST", "INFOabc") + fmt16);
        const QByteArray file = head + data;
        for (qsizetype cut = 0; cut <= file.size(); ++cut) {
            const qsizetype frames = std::max<qsizetype>(0, cut - head.size() - 8) / 4;
            const QString heard = cue(file.left(cut));
            const QString want =
                "stop stop play 2 ch 44100 Hz format 2: " + stereo16.left(frames * 4).toHex();
            QVERIFY2(frames ? heard == want : heard.count(u'|') == 1, qPrintable(heard));
        }
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
