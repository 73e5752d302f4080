#include <QDir>
#include <set>

#include "core/unit_codes.h"
#include "tests/board/board_fixture.h"

using kvd::test::BoardFixture;

namespace {
// The cells of a side's units, checking none is shared.
void ExpectPlacedIn(const kvd::UnitTable& table, QChar side, QRect band, const kvd::MapLines& map) {
    std::set<std::pair<int, int>> cells;
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != side || table.Code(i) == 1) continue;
        const int c = table.PosX(i), r = table.PosY(i);
        SCOPED_TRACE(table.Line(i).toStdString());
        EXPECT_TRUE(band.contains(c, r)) << c << "," << r;
        EXPECT_FALSE(map.IsLand(c, r));
        EXPECT_TRUE(cells.insert({c, r}).second) << "shared cell " << c << "," << r;
    }
}
}  // namespace

TEST_F(BoardFixture, EachSideStartsInItsBandOffLandAndAlone) {
    const struct {
        char home;
        QRect first, second;
    } cases[] = {{'L', {0, 0, 4, 10}, {6, 0, 4, 10}},
                 {'R', {6, 0, 4, 10}, {0, 0, 4, 10}},
                 {'T', {0, 0, 10, 4}, {0, 6, 10, 4}},
                 {'B', {0, 6, 10, 4}, {0, 0, 10, 4}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.home));
        // Land in both bands, so a placement that ignores it shows up.
        WriteMap("Test", c.home, {"0000", "0101", "0909", "0808", "0300", "0609", "0202", "0707"});
        ASSERT_TRUE(Start("Test"));
        ExpectPlacedIn(Table(), 'E', c.first, game.MemoPad);
        ExpectPlacedIn(Table(), 'D', c.second, game.MemoPad);
        EXPECT_EQ(game.HomePosition, c.home);
    }
}

TEST_F(BoardFixture, SecondSidePreviousCellIsItsCellFirstSideKeepsTheFleetFiles) {
    WriteMap("Test", 'B');
    ASSERT_TRUE(Start("Test"));
    kvd::UnitTable file;
    QStringList lines;
    t.Folder().LoadLines("config\\Eships.cfg", lines);
    file.SetLines(lines);
    for (int i = 1; i < Table().Count(); ++i) {
        if (Table().Side(i) == 'D') {
            EXPECT_EQ(Table().PrevX(i), Table().PosX(i));
            EXPECT_EQ(Table().PrevY(i), Table().PosY(i));
        } else {
            const int f = file.Find(Table().Code(i));
            EXPECT_EQ(Table().PrevX(i), file.PrevX(f));
            EXPECT_EQ(Table().PrevY(i), file.PrevY(f));
        }
    }
}

TEST_F(BoardFixture, TheSixthSubmarineSailsOnlyInCampaigns) {
    WriteMap("Test", 'L');
    ASSERT_TRUE(Start("Test", 0));
    EXPECT_FALSE(Table().UnitExists(6));
    EXPECT_TRUE(Table().UnitExists(30));
    game.CampaignRegion = 0;  // no region: the map named in the settings is loaded
    ASSERT_TRUE(Start("Test", 1));
    EXPECT_TRUE(Table().UnitExists(6));
}

TEST_F(BoardFixture, RadarAircraftFollowsThePlanesSetting) {
    WriteMap("Test", 'L');
    // '0': no aircraft, and it stays '0'.
    context.settings.ReconPlanes = '0';
    ASSERT_TRUE(Start("Test"));
    EXPECT_FALSE(Table().UnitExists(1));
    EXPECT_EQ(context.settings.ReconPlanes, '0');
    // '1': the one aircraft keeps its fleet-file cell; the setting becomes '2'.
    context.settings.ReconPlanes = '1';
    ASSERT_TRUE(Start("Test"));
    const int plane = Table().Find(1);
    ASSERT_GE(plane, 0);
    EXPECT_EQ(Table().PosX(plane), 4);
    EXPECT_EQ(Table().PosY(plane), 4);
    EXPECT_EQ(context.settings.ReconPlanes, '2');
    // '2': launched onto the carrier; '3' afterwards.
    context.settings.ReconPlanes = '2';
    ASSERT_TRUE(Start("Test"));
    const int carrier = Table().Find(22);
    EXPECT_EQ(Table().PosX(Table().Find(1)), Table().PosX(carrier));
    EXPECT_EQ(Table().PosY(Table().Find(1)), Table().PosY(carrier));
    EXPECT_EQ(context.settings.ReconPlanes, '3');
    // Reveal off: no aircraft whatever the setting.
    context.settings.ReconPlanes = '3';
    context.settings.RevealOption = 'N';
    ASSERT_TRUE(Start("Test"));
    EXPECT_FALSE(Table().UnitExists(1));
}

TEST_F(BoardFixture, PresetsApplyOnlyOnUserMaps) {
    WritePicture("pictures/sea.jpg");
    WriteMap("Harbour", 'L', {"[21]0305", "[02]0009", "0305", "#"}, t.Path("pictures/sea.jpg"));
    ASSERT_TRUE(Start("Harbour"));
    EXPECT_EQ(game.HasPresets, 'Y');
    const int flagship = Table().Find(21), supply = Table().Find(2);
    EXPECT_EQ(Table().Line(flagship).mid(54, 4), "0305") << "a preset is used even on land";
    EXPECT_EQ(Table().Line(supply).mid(54, 4), "0009");
    // Units without a preset keep their fleet-file cells: nothing is drawn at random.
    QStringList lines;
    t.Folder().LoadLines("config\\Eships.cfg", lines);
    kvd::UnitTable file;
    file.SetLines(lines);
    const int destroyer = Table().Find(11);
    EXPECT_EQ(Table().Line(destroyer).mid(54, 4), file.Line(file.Find(11)).mid(54, 4));

    // The same entries in a built-in map are not used.
    WriteMap("$STANDARD", 'L', {"[21]0305", "[02]0009"});
    ASSERT_TRUE(Start("$STANDARD"));
    EXPECT_EQ(game.HasPresets, 'N');
    ExpectPlacedIn(Table(), 'E', {0, 0, 4, 10}, game.MemoPad);
}

TEST_F(BoardFixture, ConvoyStageLoadsNoCarrierAndNoAircraft) {
    WriteMap("$ICELAND", 'L');
    game.CampaignRegion = 1;
    game.dice.Script({0, 0});  // the waypoint, then the first map of the region
    context.settings.ReconPlanes = '3';
    ASSERT_TRUE(Start("x", 2));
    EXPECT_EQ(context.settings.MapName, "$ICELAND");
    EXPECT_EQ(pictures.FirstSet.Find(kvd::UnitKind::Carrier), nullptr);
    EXPECT_EQ(pictures.SecondSet.Find(kvd::UnitKind::Carrier), nullptr);
    EXPECT_NE(pictures.FirstSet.Find(kvd::UnitKind::Trooper), nullptr);
    EXPECT_FALSE(Table().UnitExists(1));
    EXPECT_EQ(game.FlagTransfer, 'N');
    EXPECT_TRUE(Table().UnitExists(50));
}

TEST_F(BoardFixture, ShipsAreCountedWithoutMinesAndAircraft) {
    WriteMap("Test", 'R');
    ASSERT_TRUE(Start("Test"));
    int e = 0, d = 0;
    for (int i = 1; i < Table().Count(); ++i) {
        if (!kvd::IsShipCode(Table().Code(i))) continue;
        (Table().Side(i) == 'E' ? e : d)++;
    }
    EXPECT_EQ(game.FirstSideShips, e);
    EXPECT_EQ(game.SecondSideShips, d);
    EXPECT_EQ(e, 20) << "21 ships in the file, less the sixth submarine";
    EXPECT_EQ(game.GameActive, 1);
    EXPECT_GE(game.PatrolWaypoint, 1);
    EXPECT_LE(game.PatrolWaypoint, 5);
}

TEST_F(BoardFixture, BrokenMapsAndFleetsGoBackToTheMenu) {
    MakeBoard();
    EXPECT_FALSE(Start("Nowhere"));
    EXPECT_EQ(flow.backToMenu, 1);
    EXPECT_EQ(game.GameActive, 0);
    EXPECT_FALSE(board->isVisible());
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("maps/Nowhere.map"));

    WriteMap("Odd", 'X');
    EXPECT_FALSE(Start("Odd"));
    EXPECT_EQ(flow.backToMenu, 2);
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("L, R, T or B"));

    WriteMap("Lost", 'L', {}, t.Path("pictures/gone.jpg"));
    EXPECT_FALSE(Start("Lost"));
    EXPECT_EQ(flow.backToMenu, 3);
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("gone.jpg"));

    // A band with no room left: every sea cell of the first side's band is land.
    QStringList land;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 10; ++r) land << kvd::TwoDigits(c) + kvd::TwoDigits(r);
    WriteMap("Crowded", 'L', land);
    EXPECT_FALSE(Start("Crowded"));
    EXPECT_EQ(flow.backToMenu, 4);
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("no room"));

    WriteMap("Test", 'L');
    QFile::remove(t.Path("config/Eships.cfg"));
    EXPECT_FALSE(Start("Test"));
    EXPECT_EQ(flow.backToMenu, 5);
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("config/Eships.cfg"));

    // A fleet that is there but cannot be copied ends the program.
    t.CopyData("config/Eships.cfg");
    QFile::remove(t.Path("config/ships.cfg"));
    ASSERT_TRUE(QDir().mkpath(t.Path("config/ships.cfg/stuck")));
    EXPECT_FALSE(Start("Test"));
    EXPECT_EQ(flow.ends, 1);
    EXPECT_EQ(flow.backToMenu, 5);
    EXPECT_EQ(t.Boxes().Boxes().back().text, kvd::kShipsFileFailure);
}

TEST_F(BoardFixture, CampaignMapsAreDrawnFromTheRegion) {
    for (const char* name : {"$GUAM", "$CAROLINE", "$MARSHALL", "$HAWAII", "$EHAWAII", "$SHAWAII", "$BATAN"})
        WriteMap(name, 'T');
    game.CampaignRegion = 7;
    game.dice.Script({0, 5});
    ASSERT_TRUE(Start("$STANDARD", 1));
    EXPECT_EQ(context.settings.MapName, "$SHAWAII");
    EXPECT_EQ(game.HomePosition, 'T');
    EXPECT_EQ(context.settings.ReconPlanes, '0');
}
