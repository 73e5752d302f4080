#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QtEndian>

#include <vector>

#include "platform/picture.h"
#include "platform/resources.h"
#include "platform/wave.h"

namespace {

struct PictureSize {
    const char* name;
    int width;
    int height;
};

// Everything the end-of-game screen shows sits on its black panel.
constexpr int kPanelWidth = 730;
constexpr int kPanelHeight = 555;

const std::vector<const char*> kEndOfGamePictures = {
    "ENGFLAG",  "GERFLAG",   "USFLAG",      "JAPFLAG",  "BOTHLOSTFLAG", "RNEMBLEM", "GEREMBLEM",
    "USEMBLEM", "JAPEMBLEM", "KINGGEORGEV", "BISMARCK", "WASHINGTON",   "YAMOTO",   "BOTHLOSTIMAGE",
};

// The window's pictures, each drawn into a place of exactly this size.
const std::vector<PictureSize> kWindowPictures = {
    {"INTROSIGN", 478, 120},  {"INTROPICTURE", 616, 424},    {"MENUIMAGE", 1280, 205},
    {"DARKIMAGE", 1280, 205}, {"MENURADARIMAGE", 1280, 205},
};

bool LoadPicture(const char* name, kvd::Picture& picture) {
    return kvd::LoadJPEGFromRes(kvd::Resources(), QString::fromLatin1(name), picture);
}

double MeanBrightness(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
    return sum / (double(image.width()) * image.height());
}

struct WaveFormat {
    bool found = false;
    quint16 format = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint16 bits = 0;
};

// Walks the RIFF chunks to the fmt chunk and reads the sample layout from it.
WaveFormat ReadFormat(const QByteArray& data) {
    WaveFormat result;
    if (data.size() < 12 || data.left(4) != "RIFF" || data.mid(8, 4) != "WAVE") return result;
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    qsizetype at = 12;
    while (at + 8 <= data.size()) {
        const quint32 size = qFromLittleEndian<quint32>(bytes + at + 4);
        if (data.mid(at, 4) == "fmt " && size >= 16 && at + 8 + 16 <= data.size()) {
            const uchar* body = bytes + at + 8;
            result.found = true;
            result.format = qFromLittleEndian<quint16>(body);
            result.channels = qFromLittleEndian<quint16>(body + 2);
            result.rate = qFromLittleEndian<quint32>(body + 4);
            result.bits = qFromLittleEndian<quint16>(body + 14);
            return result;
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    return result;
}

struct SoundLength {
    const char* name;
    int minMs;
    int maxMs;
};

// How long each sound may play: waiting sounds pace the game, so none runs long.
const std::vector<SoundLength> kSounds = {
    {"BELL", 800, 2000},   {"CLICK", 1, 99},          {"CROSSFIRE", 1000, 2500},
    {"ENEMY", 600, 1600},  {"EXPLODE", 1000, 2500},   {"HAMMER", 600, 1600},
    {"INTRO", 4000, 6000}, {"PLANE", 1400, 3000},     {"PLANEGUNS", 800, 2000},
    {"RADAR", 600, 1600},  {"SHIPSHORN", 1000, 2500}, {"SONAR", 800, 2000},
    {"XING", 1, 3999},
};

}  // namespace

TEST(ShippedPictures, EndOfGamePicturesFitThePanel) {
    for (const char* name : kEndOfGamePictures) {
        SCOPED_TRACE(name);
        kvd::Picture picture;
        ASSERT_TRUE(LoadPicture(name, picture));
        EXPECT_GT(picture.Width(), 0);
        EXPECT_GT(picture.Height(), 0);
        EXPECT_LE(picture.Width(), kPanelWidth);
        EXPECT_LE(picture.Height(), kPanelHeight);
    }
}

TEST(ShippedPictures, FlagsAndEmblemsShareTheirSizes) {
    // The screen lays the winner's flag and emblem out by one size for every side.
    const std::vector<const char*> flags = {"ENGFLAG", "GERFLAG", "USFLAG", "JAPFLAG",
                                            "BOTHLOSTFLAG"};
    const std::vector<const char*> emblems = {"RNEMBLEM", "GEREMBLEM", "USEMBLEM", "JAPEMBLEM"};
    const std::vector<const char*> ships = {"KINGGEORGEV", "BISMARCK", "WASHINGTON", "YAMOTO",
                                            "BOTHLOSTIMAGE"};
    for (const auto* group : {&flags, &emblems, &ships}) {
        kvd::Picture first;
        ASSERT_TRUE(LoadPicture(group->front(), first));
        for (const char* name : *group) {
            SCOPED_TRACE(name);
            kvd::Picture picture;
            ASSERT_TRUE(LoadPicture(name, picture));
            EXPECT_EQ(picture.Width(), first.Width());
            EXPECT_EQ(picture.Height(), first.Height());
        }
    }
}

TEST(ShippedPictures, WindowPicturesHaveTheirPlacesSizes) {
    for (const PictureSize& expected : kWindowPictures) {
        SCOPED_TRACE(expected.name);
        kvd::Picture picture;
        ASSERT_TRUE(LoadPicture(expected.name, picture));
        EXPECT_EQ(picture.Width(), expected.width);
        EXPECT_EQ(picture.Height(), expected.height);
    }
}

TEST(ShippedPictures, TitleFitsUnderTheIntroPicture) {
    kvd::Picture intro;
    kvd::Picture title;
    ASSERT_TRUE(LoadPicture("INTROPICTURE", intro));
    ASSERT_TRUE(LoadPicture("TITLE2", title));
    EXPECT_LE(title.Width(), intro.Width());
    EXPECT_GT(title.Width(), title.Height() * 3);  // a banner, not a picture
}

TEST(ShippedPictures, MenuPictureIsALandscapeUnderTheHeading) {
    kvd::Picture picture;
    ASSERT_TRUE(LoadPicture("MENUPICTURE", picture));
    EXPECT_GT(picture.Width(), picture.Height());
    EXPECT_LE(picture.Width(), 640);
    EXPECT_LE(picture.Height(), 400);
}

TEST(ShippedPictures, WaitingBandIsClearlyDarkerThanTheActiveBand) {
    kvd::Picture active;
    kvd::Picture waiting;
    ASSERT_TRUE(LoadPicture("MENUIMAGE", active));
    ASSERT_TRUE(LoadPicture("DARKIMAGE", waiting));
    const double activeMean = MeanBrightness(active.Image());
    const double waitingMean = MeanBrightness(waiting.Image());
    EXPECT_LT(waitingMean, activeMean * 0.7);
    // White and yellow status text is written over the active band, so it stays dark too.
    EXPECT_LT(activeMean, 128.0);
}

TEST(ShippedSounds, EverySoundIsShortMonoSixteenBitPcm) {
    const kvd::Resources resources;
    for (const SoundLength& expected : kSounds) {
        SCOPED_TRACE(expected.name);
        const QByteArray data = resources.Data(kvd::ResourceKind::Sound, expected.name);
        ASSERT_FALSE(data.isEmpty());
        const WaveFormat format = ReadFormat(data);
        ASSERT_TRUE(format.found);
        EXPECT_EQ(format.format, 1);  // PCM
        EXPECT_EQ(format.channels, 1);
        EXPECT_EQ(format.bits, 16);
        EXPECT_GT(format.rate, 0u);
        const int ms = kvd::WaveDurationMs(data);
        EXPECT_GT(ms, 0);
        EXPECT_LT(ms, 6000);
        EXPECT_GE(ms, expected.minMs);
        EXPECT_LE(ms, expected.maxMs);
    }
}
