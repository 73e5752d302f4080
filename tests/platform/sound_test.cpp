#include "platform/sound.h"
#include "platform/desktop/qt_sound.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include "platform/pacing.h"
#include "platform/resources.h"
#include "platform/wave.h"
#include "tests/support/loopback.h"

namespace kvd {
namespace {

// TESTBEEP.wav is a 250 ms tone (16-bit mono PCM at 22050 Hz).
constexpr int kBeepMs = 250;

QByteArray TestBeep() {
    QFile file(QStringLiteral(":/testassets/sounds/TESTBEEP.wav"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QByteArray Le16(quint16 v) {
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray Le32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray Chunk(const char* id, const QByteArray& body, qint64 declared = -1) {
    QByteArray chunk = QByteArray(id, 4) + Le32(quint32(declared < 0 ? body.size() : declared));
    chunk += body;
    if (body.size() % 2) chunk += '\0';
    return chunk;
}

QByteArray Fmt(int format, int channels, int rate, int bits) {
    const int block = channels * ((bits + 7) / 8);
    return Le16(quint16(format)) + Le16(quint16(channels)) + Le32(quint32(rate)) +
           Le32(quint32(rate * block)) + Le16(quint16(block)) + Le16(quint16(bits));
}

QByteArray Riff(const QByteArray& chunks) {
    return "RIFF" + Le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

TEST(WaveDuration, TestBeepIsItsLength) {
    EXPECT_EQ(WaveDurationMs(TestBeep()), kBeepMs);
}

TEST(WaveDuration, LayoutsAndExtraChunks) {
    struct Case {
        const char* what;
        QByteArray wave;
        int ms;
    };
    const Case cases[] = {
        {"8-bit stereo, one second",
         Riff(Chunk("fmt ", Fmt(1, 2, 11025, 8)) + Chunk("data", QByteArray(2 * 11025, '\x80'))),
         1000},
        {"unknown chunks of odd size around fmt",
         Riff(Chunk("LIST", "abcde") + Chunk("fmt ", Fmt(1, 1, 22050, 16)) +
              Chunk("fact", Le32(2205)) + Chunk("data", QByteArray(4410, '\0'))),
         100},
        {"data cut short plays what is there",
         Riff(Chunk("fmt ", Fmt(1, 1, 8000, 8)) + Chunk("data", QByteArray(800, '\x80'), 80000)),
         100},
    };
    for (const Case& c : cases) EXPECT_EQ(WaveDurationMs(c.wave), c.ms) << c.what;
}

TEST(WaveDuration, UnreadableDataIsZero) {
    const QByteArray beep = TestBeep();
    ASSERT_FALSE(beep.isEmpty());
    // The header of TESTBEEP ends where its 44th byte does; any cut before that is unreadable.
    for (qsizetype length = 0; length < 44; ++length)
        EXPECT_EQ(WaveDurationMs(beep.left(length)), 0) << "first " << length << " bytes";

    const QByteArray pcm = Chunk("fmt ", Fmt(1, 1, 22050, 16));
    const QByteArray samples = Chunk("data", QByteArray(4410, '\0'));
    struct Case {
        const char* what;
        QByteArray wave;
    };
    const Case cases[] = {
        {"no fmt", Riff(samples)},
        {"no data", Riff(pcm)},
        {"compressed samples", Riff(Chunk("fmt ", Fmt(2, 1, 22050, 4)) + samples)},
        {"no channels", Riff(Chunk("fmt ", Fmt(1, 0, 22050, 16)) + samples)},
        {"fmt too short", Riff(Chunk("fmt ", Fmt(1, 1, 22050, 16).left(12)) + samples)},
        {"a chunk claiming 4 GB", Riff(Chunk("junk", "xy", 0xFFFFFFF0) + pcm + samples)},
        {"not WAVE", Riff(pcm + samples).replace(8, 4, "AVI ")},
    };
    for (const Case& c : cases) EXPECT_EQ(WaveDurationMs(c.wave), 0) << c.what;
}

class SoundTest : public ::testing::Test {
  protected:
    Resources resources{QStringLiteral(":/testassets")};
    VirtualPacing pacing;
};

TEST_F(SoundTest, RecordingSoundRecordsAndTakesTheTimeOfWaitingPlays) {
    RecordingSound sound(resources, pacing);
    sound.Play("TestBeep", true);
    EXPECT_EQ(pacing.Elapsed(), kBeepMs);
    sound.Play("TESTBEEP", false);
    EXPECT_EQ(pacing.Elapsed(), kBeepMs);
    sound.Play("NOSUCHSOUND", true);
    EXPECT_EQ(pacing.Elapsed(), kBeepMs);

    ASSERT_EQ(sound.Plays().size(), 3u);
    EXPECT_EQ(sound.Plays()[0].name, "TestBeep");
    EXPECT_TRUE(sound.Plays()[0].wait);
    EXPECT_FALSE(sound.Plays()[1].wait);
    EXPECT_EQ(sound.Plays()[2].name, "NOSUCHSOUND");
    sound.Clear();
    EXPECT_TRUE(sound.Plays().empty());
}

// The test machine has no audio device: the real player must neither hang nor fail, and a
// waiting play still lasts exactly the sound's length on the game's clock.
TEST_F(SoundTest, QtSoundPacesTheGameWithoutAnAudioDevice) {
    QtSound sound(resources, pacing);
    sound.Play("TESTBEEP", true);
    EXPECT_EQ(pacing.Elapsed(), kBeepMs);
    EXPECT_EQ(pacing.Waits(), 1);

    // Played again at once, not waiting: cuts off the first and returns without time passing.
    sound.Play("testbeep", false);
    EXPECT_EQ(pacing.Elapsed(), kBeepMs);
    sound.Play("TestBeep", true);
    EXPECT_EQ(pacing.Elapsed(), 2 * kBeepMs);

    // An unknown name makes no sound and takes no time.
    const int waits = pacing.Waits();
    sound.Play("NOSUCHSOUND", true);
    EXPECT_EQ(pacing.Elapsed(), 2 * kBeepMs);
    EXPECT_EQ(pacing.Waits(), waits);

    // Qt's cache of sounds deadlocks at the program's end while it still loads one: the test
    // waits (a while at most) until the beep it asked for has loaded.
    QSoundEffect loaded;
    loaded.setSource(QUrl(QStringLiteral("qrc") + resources.Path(ResourceKind::Sound, "TESTBEEP")));
    test::Until(
        [&] {
            return loaded.status() != QSoundEffect::Loading &&
                   loaded.status() != QSoundEffect::Null;
        },
        3000);
}

}  // namespace
}  // namespace kvd
