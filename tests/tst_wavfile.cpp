#include "platform/wavfile.h"
#include "wavbytes.h"

#include <QTest>

#include <cstring>
#include <vector>

using platform::WavFile;
using Sample = WavFile::Sample;
using namespace wavbytes;

namespace {

// Values laid out in host order, as the decoder hands them over.
template <class T> QByteArray host(std::initializer_list<T> values) {
    QByteArray out(qsizetype(values.size() * sizeof(T)), Qt::Uninitialized);
    std::memcpy(out.data(), std::data(values), size_t(out.size()));
    return out;
}

const QByteArray guidTail = QByteArray::fromHex("000000001000800000aa00389b71");

QByteArray extensible(int subformat, int channels, int bits, int cbSize = 22,
                      const QByteArray& tail = guidTail) {
    const int blockAlign = channels * bits / 8;
    return chunk("fmt ", le(0xFFFE, 2) + le(channels, 2) + le(48000, 4) +
                             le(48000 * blockAlign, 4) + le(blockAlign, 2) + le(bits, 2) +
                             le(cbSize, 2) + le(bits, 2) + le(3, 4) + le(subformat, 2) + tail);
}

// Two stereo 16-bit frames.
const QByteArray stereo16 = QByteArray::fromHex("34120100feff0080");
const QByteArray stereo16Host = host<qint16>({0x1234, 1, -2, -32768});

WavFile decode(const QByteArray& bytes) {
    // An exact-size heap copy, where a sanitizer sees any read past the end.
    const std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    return WavFile::decode(copy);
}

QByteArray samplesOf(const WavFile& wav) {
    return QByteArray(reinterpret_cast<const char*>(wav.samples.data()),
                      qsizetype(wav.samples.size()));
}

} // namespace

class TestWavFile : public QObject {
    Q_OBJECT
private slots:
    void decodes_data();
    void decodes();
    void rejects_data();
    void rejects();
    void truncatedAtEveryOffset();
};

void TestWavFile::decodes_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("sample");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<QByteArray>("samples");
    const QByteArray pcm8 = QByteArray::fromHex("0080ff");
    const QByteArray pcm24 = QByteArray::fromHex("563412ffffff000080");
    const QByteArray pcm24Host = host<qint32>({0x12345600, -256, -0x7FFFFFFF - 1});
    const QByteArray pcm32 = le(0x89ABCDEF, 4) + le(7, 4);
    const QByteArray pcm32Host = host<quint32>({0x89ABCDEF, 7});
    const QByteArray float32 = le(0x3F000000, 4) + le(0xBF800000, 4);
    const QByteArray float32Host = host<float>({0.5f, -1.0f});

    QTest::addRow("PCM 8-bit mono") << riff(fmt(1, 1, 8000, 8) + chunk("data", pcm8))
                                    << int(Sample::UInt8) << 1 << 8000 << pcm8;
    QTest::addRow("PCM 16-bit stereo") << riff(fmt(1, 2, 44100, 16) + chunk("data", stereo16))
                                       << int(Sample::Int16) << 2 << 44100 << stereo16Host;
    QTest::addRow("PCM 24-bit mono widened") << riff(fmt(1, 1, 96000, 24) + chunk("data", pcm24))
                                             << int(Sample::Int32) << 1 << 96000 << pcm24Host;
    QTest::addRow("PCM 32-bit mono") << riff(fmt(1, 1, 22050, 32) + chunk("data", pcm32))
                                     << int(Sample::Int32) << 1 << 22050 << pcm32Host;
    QTest::addRow("float 32-bit stereo") << riff(fmt(3, 2, 48000, 32) + chunk("data", float32))
                                         << int(Sample::Float32) << 2 << 48000 << float32Host;
    QTest::addRow("extensible PCM 16-bit") << riff(extensible(1, 2, 16) + chunk("data", stereo16))
                                           << int(Sample::Int16) << 2 << 48000 << stereo16Host;
    QTest::addRow("extensible PCM 24-bit") << riff(extensible(1, 1, 24) + chunk("data", pcm24))
                                           << int(Sample::Int32) << 1 << 48000 << pcm24Host;
    QTest::addRow("extensible float") << riff(extensible(3, 2, 32) + chunk("data", float32))
                                      << int(Sample::Float32) << 2 << 48000 << float32Host;

    const QByteArray fmt16 = fmt(1, 2, 44100, 16);
    const auto stereo = [&](const char* name, const QByteArray& file, const QByteArray& samples) {
        QTest::addRow("%s", name) << file << int(Sample::Int16) << 2 << 44100 << samples;
    };
    stereo("other chunks skipped, odd one padded",
           riff(chunk("LIST", "INFOab") + fmt16 + chunk("junk", "xyz") + chunk("data", stereo16)),
           stereo16Host);
    stereo("data before fmt", riff(chunk("data", stereo16) + fmt16), stereo16Host);
    stereo("second data chunk ignored",
           riff(fmt16 + chunk("data", stereo16) + chunk("data", stereo16.left(4))), stereo16Host);
    stereo("RIFF size ignored",
           "RIFF" + le(0xFFFFFFFF, 4) + "WAVE" + fmt16 + chunk("data", stereo16), stereo16Host);
    stereo("data size 0xFFFFFFFF trimmed", riff(fmt16 + chunk("data", stereo16, 0xFFFFFFFF)),
           stereo16Host);
    stereo("data claiming more than present trimmed, partial frame dropped",
           riff(fmt16 + chunk("data", stereo16 + "\x01\x02", 1000)), stereo16Host);
    stereo("partial frame at the end of a data chunk dropped",
           riff(fmt16 + chunk("data", stereo16 + "\x01\x02\x03") + chunk("LIST", "INFO")),
           stereo16Host);
}

void TestWavFile::decodes() {
    QFETCH(QByteArray, file);
    const WavFile wav = decode(file);
    QVERIFY2(wav.ok(), wav.error.c_str());
    QTEST(int(wav.sample), "sample");
    QTEST(wav.channels, "channels");
    QTEST(wav.sampleRate, "rate");
    QTEST(samplesOf(wav), "samples");
    QFETCH(int, channels);
    QCOMPARE(int(wav.frames()), int(wav.samples.size()) / channels / wav.bytesPerSample());
}

void TestWavFile::rejects_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error");
    const QByteArray data = chunk("data", stereo16);
    const QByteArray fmt16 = fmt(1, 2, 44100, 16);
    QTest::addRow("empty") << QByteArray() << "not a RIFF/WAVE";
    QTest::addRow("RIFF alone") << QByteArray("RIFF") << "not a RIFF/WAVE";
    QTest::addRow("big-endian RIFX") << "RIFX" + riff(fmt16 + data).mid(4) << "not a RIFF/WAVE";
    QTest::addRow("not WAVE") << riff(fmt16 + data).replace("WAVE", "AVI ") << "not a RIFF/WAVE";
    QTest::addRow("garbage") << QByteArray(300, '\xA5') << "not a RIFF/WAVE";
    QTest::addRow("no fmt") << riff(data) << "no fmt";
    QTest::addRow("fmt of 14 bytes") << riff(chunk("fmt ", fmt16.mid(8, 14)) + data) << "shorter";
    QTest::addRow("fmt cut short") << riff(fmt16).chopped(3) << "cut short";
    QTest::addRow("fmt hidden behind a huge chunk")
        << riff(chunk("LIST", "INFO", 0xFFFFFFFE) + fmt16 + data) << "no fmt";
    QTest::addRow("zero channels") << riff(fmt(1, 0, 44100, 16) + data) << "channel";
    QTest::addRow("nine channels") << riff(fmt(1, 9, 44100, 16) + data) << "channel";
    QTest::addRow("65535 channels") << riff(fmt(1, 65535, 44100, 16, 2) + data) << "channel";
    QTest::addRow("zero rate") << riff(fmt(1, 2, 0, 16) + data) << "rate";
    QTest::addRow("rate 0xFFFFFFFF") << riff(fmt(1, 2, 0xFFFFFFFF, 16) + data) << "rate";
    QTest::addRow("block align too small") << riff(fmt(1, 2, 44100, 16, 2) + data) << "align";
    QTest::addRow("block align zero") << riff(fmt(1, 2, 44100, 16, 0) + data) << "align";
    QTest::addRow("12-bit PCM") << riff(fmt(1, 2, 44100, 12, 4) + data) << "unsupported format";
    QTest::addRow("ADPCM") << riff(fmt(2, 2, 44100, 16) + data) << "unsupported format";
    QTest::addRow("64-bit float") << riff(fmt(3, 1, 44100, 64) + data) << "unsupported format";
    QTest::addRow("extensible too short")
        << riff(chunk("fmt ", extensible(1, 2, 16).mid(8, 18)) + data) << "extensible";
    QTest::addRow("extensible cbSize 0") << riff(extensible(1, 2, 16, 0) + data) << "extensible";
    QTest::addRow("extensible foreign GUID")
        << riff(extensible(1, 2, 16, 22, QByteArray(14, '\x42')) + data) << "subformat";
    QTest::addRow("extensible of ADPCM") << riff(extensible(2, 2, 16) + data) << "unsupported";
    QTest::addRow("no data") << riff(fmt16 + chunk("LIST", "INFO")) << "no data";
    QTest::addRow("empty data") << riff(fmt16 + chunk("data", {})) << "no audio";
    QTest::addRow("data shorter than a frame") << riff(fmt16 + chunk("data", "abc")) << "no audio";
    QTest::addRow("huge data, one byte present")
        << riff(fmt16 + chunk("data", "a", 0xFFFFFFFF)).chopped(1) << "no audio";
}

void TestWavFile::rejects() {
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    const WavFile wav = decode(file);
    QVERIFY(!wav.ok());
    QVERIFY2(QString::fromStdString(wav.error).contains(error), wav.error.c_str());
    QVERIFY(wav.samples.empty());
    QCOMPARE(wav.frames(), std::size_t(0));
}

// Every prefix of a file either fails or yields the whole frames that are in it.
void TestWavFile::truncatedAtEveryOffset() {
    const QByteArray head = chunk("LIST", "INFOabc") + fmt(1, 2, 44100, 16);
    const QByteArray file = riff(head + chunk("data", stereo16));
    const int dataStart = 12 + int(head.size()) + 8;
    for (int cut = 0; cut <= file.size(); ++cut) {
        const WavFile wav = decode(file.left(cut));
        const int frames = cut < dataStart ? 0 : (cut - dataStart) / 4;
        QVERIFY2(wav.ok() == (frames > 0), qPrintable(QString::number(cut)));
        QCOMPARE(samplesOf(wav), stereo16Host.left(frames * 4));
    }
}

QTEST_APPLESS_MAIN(TestWavFile)
#include "tst_wavfile.moc"
