#include <gtest/gtest.h>

#include <QDir>

#include "core/built_in_maps.h"
#include "core/map_file.h"
#include "tests/support/test_platform.h"

namespace {
QStringList Header(const char* position = "L", const char* region = "E") {
    return {QStringLiteral("[ProjName] =Testmap"), QStringLiteral("[Map]      =/pictures/sea.jpg"),
            QStringLiteral("[Position] =") + position, QStringLiteral("[Location] =") + region};
}
}  // namespace

TEST(MapLines, HeaderValuesStartAtColumn13) {
    kvd::MapLines map;
    map.SetLines(Header("T", "A"));
    EXPECT_EQ(map.HomePosition(), 'T');
    EXPECT_EQ(map.Region(), 'A');
    EXPECT_EQ(map.PicturePath(), "/pictures/sea.jpg");
    map.SetLines({"[ProjName] =x"});
    EXPECT_TRUE(map.HomePosition().isNull());
    EXPECT_TRUE(map.Region().isNull());
}

TEST(MapLines, OnlyFourCharacterEntriesAreLand) {
    kvd::MapLines map;
    QStringList lines = Header();
    lines << "0307"
          << "#"
          << "[12]"
          << "[05]0102"
          << "0910"
          << "12345"
          << "ab12";
    map.SetLines(lines);
    EXPECT_TRUE(map.IsLand(3, 7));
    EXPECT_FALSE(map.IsLand(7, 3));
    EXPECT_FALSE(map.IsLand(1, 2)) << "a preset is not land";
    int land = 0;
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 10; ++r) land += map.IsLand(c, r);
    EXPECT_EQ(land, 1);
}

TEST(MapLines, HeaderOnlyMapHasNoLandAndNoPresets) {
    kvd::MapLines map;
    map.SetLines(Header());
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 10; ++r) EXPECT_FALSE(map.IsLand(c, r));
    EXPECT_FALSE(map.HasPresetLines());
    EXPECT_TRUE(map.Presets().empty());
}

TEST(MapLines, PresetsAreEightCharacterBracketEntries) {
    kvd::MapLines map;
    QStringList lines = Header();
    lines << "#"
          << "[21]0205"
          << "0304"
          << "[12]"
          << "[02]0009";
    map.SetLines(lines);
    EXPECT_TRUE(map.HasPresetLines());
    const auto presets = map.Presets();
    ASSERT_EQ(presets.size(), 2u);
    EXPECT_EQ(presets[0].code, 21);
    EXPECT_EQ(presets[0].cell, "0205");
    EXPECT_EQ(presets[1].code, 2);
    EXPECT_EQ(presets[1].cell, "0009");
    // "#" alone, and "[12]", are neither land nor preset.
    kvd::MapLines other;
    other.SetLines(Header() << "#"
                            << "[12]");
    EXPECT_FALSE(other.IsLand(12, 0));
    EXPECT_TRUE(other.Presets().empty());
}

TEST(MapFile, OnlyAMissingHomeEdgeRefusesAMap) {
    // Entries of any other form are passed over by every reader: they neither refuse the map
    // nor make land or presets.
    for (const char* entry :
         {"[12]", "ABCD", "9999", "[99]0000", "[45]0205", "[2x]0205", "0310", "junk entry", "#"}) {
        const QStringList lines = Header() << "0307" << entry;
        EXPECT_EQ(kvd::CheckMapLines(lines), "") << entry;
        kvd::MapLines map;
        map.SetLines(lines);
        EXPECT_TRUE(map.IsLand(3, 7)) << entry;
        int land = 0;
        for (int c = 0; c < 10; ++c)
            for (int r = 0; r < 10; ++r) land += map.IsLand(c, r);
        EXPECT_EQ(land, 1) << entry;
    }
    EXPECT_NE(kvd::CheckMapLines(Header().mid(0, 3)), "");
    for (const char* home : {"X", "", "l"})
        EXPECT_TRUE(kvd::CheckMapLines(Header(home)).contains("L, R, T or B")) << home;
}

TEST(MapFile, LoadsByNameAndReportsMissingOrBrokenFiles) {
    kvd::test::TestPlatform t;
    t.WriteLines("maps/$ICELAND.map", Header("B") << "0000");
    t.WriteLines("maps/Broken.map", Header("Q"));
    kvd::MapLines map;
    QString error;
    ASSERT_TRUE(kvd::LoadMap(t.Folder(), "$ICELAND", map, &error)) << error.toStdString();
    EXPECT_EQ(map.HomePosition(), 'B');
    EXPECT_TRUE(map.IsLand(0, 0));

    EXPECT_FALSE(kvd::LoadMap(t.Folder(), "Nowhere", map, &error));
    EXPECT_TRUE(error.contains("maps/Nowhere.map"));
    EXPECT_TRUE(map.Lines().isEmpty());
    EXPECT_FALSE(kvd::LoadMap(t.Folder(), "Broken", map, &error));
    EXPECT_TRUE(error.contains("maps/Broken.map"));
    EXPECT_TRUE(error.contains("line 3"));
}

TEST(MapFile, MapListAndRegion) {
    kvd::test::TestPlatform t;
    t.WriteLines("maps/$ICELAND.map", Header("L", "E"));
    t.WriteLines("maps/pacific.MAP", Header("R", "A"));
    t.WriteLines("maps/readme.txt", {"not a map"});
    EXPECT_EQ(kvd::MapList(t.Folder()), (QStringList{"$ICELAND", "pacific"}));
    EXPECT_EQ(kvd::MapRegion(t.Folder(), "$ICELAND"), 'E');
    EXPECT_EQ(kvd::MapRegion(t.Folder(), "pacific"), 'A');
    EXPECT_TRUE(kvd::MapRegion(t.Folder(), "gone").isNull());
    EXPECT_TRUE(kvd::IsBuiltInMap("$ICELAND"));
    EXPECT_FALSE(kvd::IsBuiltInMap("pacific"));
    EXPECT_EQ(kvd::BuiltInPictureName("$ICELAND"), "ICELAND");
    EXPECT_EQ(kvd::MapFileName("$CORK"), "maps\\$CORK.map");
}

// The built-in maps the game knows by name are exactly the maps shipped with their own chart.
TEST(BuiltInMaps, AreTheShippedMapsEachOnce) {
    QStringList shipped = QDir(kvd::test::DataDir() + QStringLiteral("/maps"))
                              .entryList({QStringLiteral("$*.map")}, QDir::Files);
    for (QString& file : shipped) file.chop(4);
    QStringList known = kvd::BuiltInMaps();
    known.sort();
    shipped.sort();
    EXPECT_EQ(known, shipped);
    for (int region = 1; region <= kvd::kRegions; ++region)
        for (const QString& map : kvd::RegionMaps(region))
            EXPECT_TRUE(shipped.contains(map)) << region << " " << map.toStdString();
}
