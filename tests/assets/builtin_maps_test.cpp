#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "core/map_file.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "platform/resources.h"
#include "tests/support/test_platform.h"

// The built-in maps shipped in data/maps, read with the game's own map code, and their
// pictures from the embedded resources.

namespace {

constexpr int kBoard = 10;
constexpr int kMaxLand = 18;
// Up to 28 units start at random in each four-column (or four-row) band; a band holds at most
// 5 land cells, so the placement never runs short of room.
constexpr int kFreeCellsPerBand = 35;

// Every built-in map; the Pacific ones are set in region 'A', the others in 'E'.
const QStringList kEuropeanMaps = {"STANDARD", "IRELAND",    "ICELAND",  "CORK",      "LANDSEND",
                                   "FAROE",    "SKAGERRACK", "SHETLAND", "STAVANGER", "BOME",
                                   "CHANNEL",  "PORTLAND",   "WIGHT",    "PLYMOUTH",  "LISBON",
                                   "MALTA",    "ALGIERS",    "TUNIS",    "TRIPOLI"};
const QStringList kPacificMaps = {
    "GUAM",        "HAWAII",   "EHAWAII",  "SHAWAII",  "MARSHALL",    "CAROLINE",    "BATAN",
    "NSOLOMON",    "SSOLOMON", "ESOLOMON", "WSOLOMON", "NPHILLIPINE", "SPHILLIPINE", "EPHILLIPINE",
    "WPHILLIPINE", "NOKINAWA", "SOKINAWA", "NRYUKYU",  "SRYUKYU"};

QString MapsDir() {
    return kvd::test::DataDir() + QStringLiteral("/maps");
}

// The map names as the game knows them ("$MALTA"), from the files in the source tree.
QStringList ShippedMapNames() {
    QStringList names;
    const QStringList files =
        QDir(MapsDir()).entryList({QStringLiteral("*.map")}, QDir::Files, QDir::Name);
    for (const QString& file : files) names << file.chopped(4);
    return names;
}

// The same names as test parameters (standard strings print readably in test output).
std::vector<std::string> ShippedMapParams() {
    std::vector<std::string> params;
    for (const QString& name : ShippedMapNames()) params.push_back(name.toStdString());
    return params;
}

int LandCount(const kvd::MapLines& map) {
    int land = 0;
    for (int column = 0; column < kBoard; ++column)
        for (int row = 0; row < kBoard; ++row)
            if (map.IsLand(column, row)) ++land;
    return land;
}

// Free cells of the four columns (or rows) starting at `first`.
int FreeCellsInBand(const kvd::MapLines& map, bool columns, int first) {
    int free = 0;
    for (int a = first; a < first + 4; ++a)
        for (int b = 0; b < kBoard; ++b)
            if (!(columns ? map.IsLand(a, b) : map.IsLand(b, a))) ++free;
    return free;
}

class BuiltInMap : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(kvd::LoadMap(files_, Name(), map_, &error)) << error.toStdString();
    }

    QString Name() const { return QString::fromStdString(GetParam()); }
    QString Plain() const { return kvd::BuiltInPictureName(Name()); }

    kvd::Files files_{kvd::test::DataDir()};
    kvd::MapLines map_;
};

TEST_P(BuiltInMap, HeaderNamesTheMapAndItsPicture) {
    const QStringList& lines = map_.Lines();
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("[ProjName] =") + Plain());
    EXPECT_EQ(lines[1], QStringLiteral("[Map]      =") + Plain() + QStringLiteral(".jpg"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("[Position] =")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("[Location] =")));
    EXPECT_EQ(map_.PicturePath(), Plain() + QStringLiteral(".jpg"));
    EXPECT_TRUE(kvd::CheckMapLines(lines).isEmpty());
}

TEST_P(BuiltInMap, FileUsesCrLfLineEnds) {
    QFile file(MapsDir() + QLatin1Char('/') + Name() + QStringLiteral(".map"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\n'), map_.Lines().size());
}

TEST_P(BuiltInMap, RegionMatchesTheSeaItShows) {
    const QChar expected = kPacificMaps.contains(Plain()) ? QLatin1Char('A') : QLatin1Char('E');
    EXPECT_EQ(map_.Region(), expected);
}

TEST_P(BuiltInMap, EveryEntryIsADistinctLandCell) {
    const QStringList& lines = map_.Lines();
    QSet<QString> cells;
    for (int i = 4; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i].toStdString());
        ASSERT_EQ(lines[i].size(), 4);
        const int column = lines[i].left(2).toInt();
        const int row = lines[i].mid(2).toInt();
        EXPECT_TRUE(map_.IsLand(column, row));
        EXPECT_FALSE(cells.contains(lines[i]));
        cells.insert(lines[i]);
    }
    EXPECT_FALSE(map_.HasPresetLines());
    EXPECT_EQ(LandCount(map_), cells.size());
}

TEST_P(BuiltInMap, HasSomeLandButNotTooMuch) {
    const int land = LandCount(map_);
    EXPECT_GE(land, 1);
    EXPECT_LE(land, kMaxLand);
}

TEST_P(BuiltInMap, BothStartingBandsHaveRoomForAFleet) {
    const QChar home = map_.HomePosition();
    ASSERT_FALSE(home.isNull());
    ASSERT_TRUE(QStringLiteral("LRTB").contains(home));
    const bool columns = home == QLatin1Char('L') || home == QLatin1Char('R');
    const bool playerFirst = home == QLatin1Char('L') || home == QLatin1Char('T');
    const int player = FreeCellsInBand(map_, columns, playerFirst ? 0 : 6);
    const int opponent = FreeCellsInBand(map_, columns, playerFirst ? 6 : 0);
    EXPECT_GE(player, kFreeCellsPerBand);
    EXPECT_GE(opponent, kFreeCellsPerBand);
}

TEST_P(BuiltInMap, PictureIsEmbeddedAtBoardSize) {
    const kvd::Resources resources;
    kvd::Picture picture;
    ASSERT_TRUE(kvd::LoadJPEGFromRes(resources, Plain(), picture));
    EXPECT_EQ(picture.Width(), 1024);
    EXPECT_EQ(picture.Height(), 768);
}

INSTANTIATE_TEST_SUITE_P(Shipped, BuiltInMap, ::testing::ValuesIn(ShippedMapParams()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param.substr(info.param.rfind('$') + 1);
                         });

// The game offers exactly these built-in maps, each under its "$" name.
TEST(BuiltInMapList, HoldsEveryBuiltInMapAndNothingElse) {
    QStringList expected;
    for (const QString& name : kEuropeanMaps + kPacificMaps) expected << QLatin1Char('$') + name;
    expected.sort();
    QStringList shipped = ShippedMapNames();
    shipped.sort();
    EXPECT_EQ(shipped.size(), 38);
    EXPECT_EQ(shipped, expected);

    // The game's own list reads the same folder.
    const kvd::Files files(kvd::test::DataDir());
    QStringList listed = kvd::MapList(files);
    listed.sort();
    EXPECT_EQ(listed, expected);
}

}  // namespace
