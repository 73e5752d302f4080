#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "platform/resources.h"
#include "platform/wave.h"

// The shipped sounds measured the way they are heard: matched in loudness (not merely in
// peak), none clipped, none changed in length, and an explosion that still sounds like one on
// a laptop's small speakers. Loudness is measured as tools/make_sounds.py sets it.
namespace {

constexpr double kPi = 3.14159265358979323846;

// Every effect sits within kWindow dB of kTarget; the interface click may be quieter, down
// to kClickFloor under it, but never louder than the effects' target.
constexpr double kTarget = -16.0;
constexpr double kWindow = 2.0;
constexpr double kClickFloor = 6.0;
// Peaks keep this much room under full scale, so no sample is ever squared off.
constexpr double kHeadroomDb = 0.5;

struct SoundLength {
    const char* name;
    int ms;
    bool waited;  // the game waits for it, so its length paces play
};

// Every shipped sound and its playing time. The waiting plays (click, klaxon, ship's horn,
// crossfire, sonar) hold the game for exactly this long; the others were kept as they were.
const std::vector<SoundLength> kLengths = {
    {"BELL", 1200, false},  {"CLICK", 40, true},       {"CROSSFIRE", 1500, true},
    {"ENEMY", 1000, true},  {"EXPLODE", 1500, false},  {"HAMMER", 1000, false},
    {"INTRO", 5000, false}, {"PLANE", 2000, false},    {"PLANEGUNS", 1200, false},
    {"RADAR", 1000, false}, {"SHIPSHORN", 1500, true}, {"SONAR", 1200, true},
    {"XING", 2600, false},
};

struct Pcm {
    int rate = 0;
    std::vector<double> samples;  // mono, full scale = 1
};

// Decodes 16-bit mono PCM, the shipped format; false for anything else.
bool Decode(const QByteArray& data, Pcm& pcm) {
    if (data.size() < 12 || data.left(4) != "RIFF" || data.mid(8, 4) != "WAVE") return false;
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    bool format = false;
    qsizetype at = 12;
    while (at + 8 <= data.size()) {
        const qsizetype size = qFromLittleEndian<quint32>(bytes + at + 4);
        const uchar* body = bytes + at + 8;
        if (data.mid(at, 4) == "fmt " && size >= 16 && at + 8 + 16 <= data.size()) {
            format = qFromLittleEndian<quint16>(body) == 1 &&
                     qFromLittleEndian<quint16>(body + 2) == 1 &&
                     qFromLittleEndian<quint16>(body + 14) == 16;
            pcm.rate = int(qFromLittleEndian<quint32>(body + 4));
        } else if (data.mid(at, 4) == "data" && format) {
            const qsizetype count = std::min(size, data.size() - at - 8) / 2;
            for (qsizetype i = 0; i < count; ++i)
                pcm.samples.push_back(qFromLittleEndian<qint16>(body + 2 * i) / 32768.0);
            return pcm.rate > 0 && !pcm.samples.empty();
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

Pcm Load(const QString& name) {
    Pcm pcm;
    Decode(kvd::Resources().Data(kvd::ResourceKind::Sound, name), pcm);
    return pcm;
}

std::vector<double> Biquad(const std::vector<double>& x, double b0, double b1, double b2, double a1,
                           double a2) {
    std::vector<double> y(x.size());
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        y[i] = b0 * x[i] + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x[i], y2 = y1, y1 = y[i];
    }
    return y;
}

// The ear's weighting for loudness: a 4 dB shelf above ~1.7 kHz, a high pass under ~40 Hz.
std::vector<double> KWeighted(const Pcm& pcm) {
    double k = std::tan(kPi * 1681.974450955533 / pcm.rate);
    double q = 0.7071752369554196;
    const double vh = std::pow(10.0, 3.999843853973347 / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    double a0 = 1 + k / q + k * k;
    const std::vector<double> shelf =
        Biquad(pcm.samples, (vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0,
               (vh - vb * k / q + k * k) / a0, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0);
    k = std::tan(kPi * 38.13547087602444 / pcm.rate);
    q = 0.5003270373238773;
    a0 = 1 + k / q + k * k;
    return Biquad(shelf, 1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0);
}

// Loudness in dB while the sound sounds: the weighted power of 100 ms blocks every 25 ms,
// averaged over the blocks within 10 dB of the loudest; a shorter sound is one block.
double Loudness(const Pcm& pcm) {
    const std::vector<double> k = KWeighted(pcm);
    const size_t size = size_t(std::lround(0.1 * pcm.rate));
    const size_t hop = size_t(std::lround(0.025 * pcm.rate));
    std::vector<double> sums{0.0};
    for (double v : k) sums.push_back(sums.back() + v * v);
    std::vector<double> blocks;
    if (k.size() <= size) blocks.push_back(sums.back() / double(k.size()));
    for (size_t i = 0; k.size() > size && i + size <= k.size(); i += hop)
        blocks.push_back((sums[i + size] - sums[i]) / double(size));
    const double top = *std::max_element(blocks.begin(), blocks.end());
    double kept = 0;
    int count = 0;
    for (double b : blocks)
        if (b >= top * 0.1) kept += b, ++count;
    return -0.691 + 10 * std::log10(kept / count + 1e-30);
}

std::vector<double> Slice(const Pcm& pcm, double from, double to) {
    const auto a = pcm.samples.begin() + std::lround(from * pcm.rate);
    return {a, pcm.samples.begin() + std::lround(to * pcm.rate)};
}

double MeanSquareDb(const std::vector<double>& x) {
    double sum = 0;
    for (double v : x) sum += v * v;
    return 10 * std::log10(sum / double(x.size()) + 1e-30);
}

// The share of a stretch's energy between lo and hi Hz: Hann-windowed, summed over the DFT's
// bins in the band (each found by Goertzel) against the windowed energy.
double BandShare(std::vector<double> x, int rate, double lo, double hi) {
    const size_t n = x.size();
    double total = 0;
    for (size_t i = 0; i < n; ++i) {
        x[i] *= 0.5 - 0.5 * std::cos(2 * kPi * double(i) / double(n - 1));
        total += x[i] * x[i];
    }
    double band = 0;
    for (size_t bin = std::max<size_t>(1, size_t(std::ceil(lo * n / rate)));
         bin < size_t(std::ceil(hi * n / rate)); ++bin) {
        const double c = 2 * std::cos(2 * kPi * double(bin) / double(n));
        double s1 = 0, s2 = 0;
        for (double v : x) {
            const double s0 = v + c * s1 - s2;
            s2 = s1, s1 = s0;
        }
        band += 2 * (s1 * s1 + s2 * s2 - c * s1 * s2) / double(n);
    }
    return band / total;
}

}  // namespace

TEST(SoundLevels, EverySoundKeepsItsLengthAtFullRate) {
    const kvd::Resources resources;
    QStringList listed;
    for (const SoundLength& expected : kLengths) {
        SCOPED_TRACE(expected.name);
        listed << expected.name;
        const QByteArray data = resources.Data(kvd::ResourceKind::Sound, expected.name);
        Pcm pcm;
        ASSERT_TRUE(Decode(data, pcm));
        EXPECT_EQ(pcm.rate, 44100);
        EXPECT_EQ(kvd::WaveDurationMs(data), expected.ms)
            << (expected.waited ? "the game waits for it" : "");
    }
    // A new sound needs its length agreed here, and its level checked below.
    EXPECT_EQ(resources.Names(kvd::ResourceKind::Sound), listed);
}

TEST(SoundLevels, EverySoundIsMatchedInLoudnessAndNeverClips) {
    const double ceiling = std::pow(10.0, -kHeadroomDb / 20.0);
    for (const QString& name : kvd::Resources().Names(kvd::ResourceKind::Sound)) {
        SCOPED_TRACE(name.toStdString());
        const Pcm pcm = Load(name);
        ASSERT_FALSE(pcm.samples.empty());
        const double loudness = Loudness(pcm);
        if (name == "CLICK") {
            EXPECT_GE(loudness, kTarget - kClickFloor);
            EXPECT_LE(loudness, kTarget);
        } else {
            EXPECT_NEAR(loudness, kTarget, kWindow);
        }
        double peak = 0;
        for (double v : pcm.samples) peak = std::max(peak, std::abs(v));
        EXPECT_LE(peak, ceiling) << "peak " << 20 * std::log10(peak) << " dBFS";
    }
}

TEST(SoundLevels, RadarBeepsAreNotTheLoudest) {
    std::map<QString, double> loudness;
    for (const QString& name : kvd::Resources().Names(kvd::ResourceKind::Sound))
        loudness[name] = Loudness(Load(name));
    ASSERT_TRUE(loudness.count("RADAR") && loudness.count("EXPLODE"));
    EXPECT_LT(loudness["RADAR"], loudness["EXPLODE"]);
    const auto loudest =
        std::max_element(loudness.begin(), loudness.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    EXPECT_NE(loudest->first.toStdString(), "RADAR");
}

class ShippedExplosion : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_GT(pcm.samples.size(), size_t(pcm.rate)); }
    Pcm pcm = Load("EXPLODE");
};

// The crack: the loudest moment comes at once, and it is bright.
TEST_F(ShippedExplosion, OpensWithACrack) {
    const size_t width = size_t(pcm.rate / 1000), step = width / 4;
    std::vector<double> levels;  // each millisecond's mean square, every quarter millisecond
    for (size_t at = 0; at + width <= pcm.samples.size(); at += step)
        levels.push_back(
            MeanSquareDb({pcm.samples.begin() + at, pcm.samples.begin() + at + width}));
    const double top = *std::max_element(levels.begin(), levels.end());
    const size_t first =
        size_t(std::find_if(levels.begin(), levels.end(), [&](double l) { return l >= top - 6; }) -
               levels.begin());
    EXPECT_LE(first * step * 1000.0 / pcm.rate, 2.0)
        << "ms before it is within 6 dB of its loudest";
    EXPECT_GE(1 - BandShare(Slice(pcm, 0, 0.01), pcm.rate, 0, 2000), 0.3) << "share above 2 kHz";
}

// The body: a broadband burst that dies away.
TEST_F(ShippedExplosion, HasABodyOfBlastNoiseThatDecays) {
    const std::vector<double> body = Slice(pcm, 0.02, 0.25);
    EXPECT_GE(1 - BandShare(body, pcm.rate, 0, 1000), 0.12) << "share above 1 kHz";
    EXPECT_LE(MeanSquareDb(Slice(pcm, 0.7, 1.0)), MeanSquareDb(body) - 12);
}

// The boom: deep, but with much of it between 150 and 300 Hz, where small speakers still play.
TEST_F(ShippedExplosion, HasABoomThatSmallSpeakersCanPlay) {
    const std::vector<double> boom = Slice(pcm, 0.02, 0.6);
    EXPECT_GE(BandShare(boom, pcm.rate, 0, 150), 0.2) << "share under 150 Hz";
    EXPECT_GE(BandShare(boom, pcm.rate, 150, 300), 0.15) << "share from 150 to 300 Hz";
}
