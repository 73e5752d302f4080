#include <QDir>
#include <map>
#include <set>

#include "core/fleet_placement.h"
#include "core/map_file.h"
#include "core/unit_codes.h"
#include "play/combat.h"
#include "tests/board/board_fixture.h"

using kvd::test::BoardFixture;

namespace {
// The cells of a side's units, checking none is shared.
void ExpectPlacedIn(const kvd::UnitTable& table, kvd::Side side, QRect band,
                    const kvd::MapLines& map) {
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
        ExpectPlacedIn(Table(), kvd::kFirstSide, c.first, game.MemoPad);
        ExpectPlacedIn(Table(), kvd::kSecondSide, c.second, game.MemoPad);
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
        if (Table().Side(i) == kvd::kSecondSide) {
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

TEST_F(BoardFixture, RadarAircraftFollowsThePlanesSettingAndTheSettingStaysAsChosen) {
    WriteMap("Test", 'L');
    // For each setting: how many aircraft the game gets, and whether the first stands on its
    // fleet-file cell (0404) or on the carrier. Three games in a row, as a player plays them.
    const struct {
        char setting;
        int aircraft;
        bool onCarrier;
    } cases[] = {{'0', 0, false}, {'1', 1, false}, {'2', 2, true}, {'3', 3, true}};
    for (const auto& c : cases) {
        for (int game_ = 1; game_ <= 3; ++game_) {
            SCOPED_TRACE(std::string("setting ") + c.setting + ", game " + std::to_string(game_));
            context.settings.ReconPlanes = QLatin1Char(c.setting);
            ASSERT_TRUE(Start("Test"));
            EXPECT_EQ(context.settings.ReconPlanes, QLatin1Char(c.setting))
                << "playing never changes a setting";
            const int plane = Table().Find(1);
            ASSERT_EQ(plane >= 0, c.aircraft > 0);
            if (plane < 0) continue;
            const int carrier = Table().Find(22);
            const QPoint at(Table().PosX(plane), Table().PosY(plane));
            EXPECT_EQ(at, c.onCarrier ? QPoint(Table().PosX(carrier), Table().PosY(carrier))
                                      : QPoint(4, 4));
            // Shot down again and again: each loss while launches remain puts one more aircraft
            // on the carrier.
            int flown = 1;
            while (Table().UnitExists(1) && flown < 10) {
                game.Winner = kvd::outcome::kSecondWins;
                game.Player.Code = 1;
                kvd::ApplyOutcome(game);
                if (!Table().UnitExists(1)) break;
                ++flown;
                EXPECT_EQ(Table().PosX(Table().Find(1)), Table().PosX(carrier));
            }
            EXPECT_EQ(flown, c.aircraft);
            EXPECT_EQ(game.PlaneAllowance, '0');
        }
    }
    // Reveal off: no aircraft whatever the setting.
    context.settings.ReconPlanes = '3';
    context.settings.RevealOption = 'N';
    ASSERT_TRUE(Start("Test"));
    EXPECT_FALSE(Table().UnitExists(1));
}

TEST_F(BoardFixture, ASettingsFileWithoutThePlanesLineKeepsOneAircraftGameAfterGame) {
    // Each game is followed by what the end-of-game window and the options window do: the
    // settings read again from the file, and written back.
    WriteMap("Test", 'L');
    t.WriteLines("config/last.cfg", {"Korvald settings", "E", "E", "Test", "Y", "Y", "N"});
    ASSERT_TRUE(kvd::LoadSettings(t.Folder(), context.settingsLines, context.settings));
    for (int played = 1; played <= 3; ++played) {
        SCOPED_TRACE(played);
        context.settings.MapName = "Test";
        ASSERT_TRUE(Start("Test"));
        const int plane = Table().Find(1);
        ASSERT_GE(plane, 0);
        EXPECT_EQ(QPoint(Table().PosX(plane), Table().PosY(plane)), QPoint(4, 4))
            << "one aircraft, on its own cell";
        ASSERT_TRUE(kvd::LoadSettings(t.Folder(), context.settingsLines, context.settings));
        ASSERT_TRUE(kvd::SaveSettings(t.Folder(), context.settingsLines));
        EXPECT_EQ(context.settings.ReconPlanes, '1');
        EXPECT_EQ(context.settingsLines.First(kvd::settings_line::kReconPlanes), '1');
    }
}

TEST_F(BoardFixture, PresetsApplyOnlyOnUserMaps) {
    WritePicture("pictures/sea.jpg");
    WriteMap("Harbour", 'L', {"[21]0305", "[02]0009", "0305", "#"}, t.Path("pictures/sea.jpg"));
    ASSERT_TRUE(Start("Harbour"));
    EXPECT_EQ(game.HasPresets, 'Y');
    const int flagship = Table().Find(21), supply = Table().Find(2);
    EXPECT_EQ(Table().Line(flagship).mid(54, 4), "0305") << "a preset is used even on land";
    EXPECT_EQ(Table().Line(supply).mid(54, 4), "0009");

    // The same entries in a built-in map are not used.
    WriteMap("$STANDARD", 'L', {"[21]0305", "[02]0009"});
    ASSERT_TRUE(Start("$STANDARD"));
    EXPECT_EQ(game.HasPresets, 'N');
    ExpectPlacedIn(Table(), kvd::kFirstSide, {0, 0, 4, 10}, game.MemoPad);
}

TEST_F(BoardFixture, UnitsAUserMapDoesNotPlaceAreDrawnInTheHomeBand) {
    // The editor places twenty ships; the fleet brings more (four more submarines, which the
    // fleet file puts along the left edge). On every home edge they start in the home band, on
    // open water and alone, as a fleet without presets does.
    const int placedCodes[] = {2,  10, 9,  13, 14, 15, 11, 12, 16, 17,
                               18, 19, 20, 22, 21, 5,  6,  23, 24, 25};
    for (QChar home : QStringLiteral("LRTB")) {
        SCOPED_TRACE(home.toLatin1());
        const QRect band = kvd::HomeBand(home, kvd::kFirstSide);
        QStringList entries;
        std::map<int, QPoint> presets;
        int k = 0;
        for (int row = band.top(); row <= band.bottom(); ++row)
            for (int col = band.left(); col <= band.right(); ++col, ++k) {
                const QString cell = QStringLiteral("%1%2")
                                         .arg(col, 2, 10, QLatin1Char('0'))
                                         .arg(row, 2, 10, QLatin1Char('0'));
                if (k < 20) {
                    entries << QStringLiteral("[%1]").arg(placedCodes[k], 2, 10, QLatin1Char('0')) +
                                   cell;
                    presets[placedCodes[k]] = QPoint(col, row);
                } else if (k < 23) {
                    entries << cell;  // land beside the presets, which the drawn units must miss
                }
            }
        WriteMap("Harbour", home, entries);
        ASSERT_TRUE(Start("Harbour"));
        ASSERT_EQ(game.HasPresets, 'Y');
        for (const auto& [code, at] : presets) {
            const int i = Table().Find(code);
            if (code == 6) continue;  // the sixth submarine sails only in campaigns
            ASSERT_GE(i, 0) << code;
            EXPECT_EQ(QPoint(Table().PosX(i), Table().PosY(i)), at) << code;
        }
        ExpectPlacedIn(Table(), kvd::kFirstSide, band, game.MemoPad);
        ExpectPlacedIn(Table(), kvd::kSecondSide, kvd::HomeBand(home, kvd::kSecondSide),
                       game.MemoPad);
    }
}

TEST_F(BoardFixture, AMapIsRefusedAtTheStartAndAtTheStoreByOneRule) {
    // Land filling a band but for n cells of open water: the first side's band takes 24 units
    // (the aircraft flies), the second side's 24. The check the editor makes before storing
    // agrees with the start of the game, whatever the land leaves.
    kvd::UnitTable fleet;
    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines("config\\Eships.cfg", lines));
    fleet.SetLines(lines);
    const struct {
        kvd::Side side;
        int open;
        bool starts;
    } cases[] = {{kvd::kFirstSide, 24, true},
                 {kvd::kFirstSide, 23, false},
                 {kvd::kSecondSide, 24, true},
                 {kvd::kSecondSide, 23, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.side)) + " " + std::to_string(c.open));
        const QRect band = kvd::HomeBand('T', c.side);
        QStringList land;
        int k = 0;
        for (int row = band.top(); row <= band.bottom(); ++row)
            for (int col = band.left(); col <= band.right(); ++col)
                if (k++ >= c.open)
                    land << QStringLiteral("%1%2")
                                .arg(col, 2, 10, QLatin1Char('0'))
                                .arg(row, 2, 10, QLatin1Char('0'));
        WriteMap("Crowded", 'T', land);
        kvd::MapLines map;
        ASSERT_TRUE(kvd::LoadMap(t.Folder(), "Crowded", map, nullptr));
        kvd::Side crowded = OtherSide(c.side);
        EXPECT_EQ(kvd::MapLeavesRoom(map, fleet, &crowded), c.starts);
        if (!c.starts) {
            EXPECT_EQ(crowded, c.side);
        }
        EXPECT_EQ(Start("Crowded"), c.starts);
    }
}

TEST_F(BoardFixture, AUserMapNamesItsPictureFromTheProgramFolderOrWhole) {
    // The editor names a picture inside the program folder from there; older maps and
    // pictures elsewhere have the whole path.
    WritePicture("pictures/sea.jpg");
    for (const QString& path : {QStringLiteral("pictures\\sea.jpg"),
                                QStringLiteral("pictures/sea.jpg"), t.Path("pictures/sea.jpg")}) {
        SCOPED_TRACE(path.toStdString());
        WriteMap("Moved", 'L', {}, path);
        EXPECT_TRUE(Start("Moved"));
    }
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
        (Table().Side(i) == kvd::kFirstSide ? e : d)++;
    }
    EXPECT_EQ(game.FirstSideShips, e);
    EXPECT_EQ(game.SecondSideShips, d);
    EXPECT_EQ(e, 20) << "21 ships in the file, less the sixth submarine";
    EXPECT_TRUE(game.GameActive);
    EXPECT_GE(game.PatrolWaypoint, 1);
    EXPECT_LE(game.PatrolWaypoint, 5);
}

TEST_F(BoardFixture, BrokenMapsAndFleetsGoBackToTheMenu) {
    MakeBoard();
    EXPECT_FALSE(Start("Nowhere"));
    EXPECT_EQ(flow.backToMenu, 1);
    EXPECT_FALSE(game.GameActive);
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
    for (const char* name :
         {"$GUAM", "$CAROLINE", "$MARSHALL", "$HAWAII", "$EHAWAII", "$SHAWAII", "$BATAN"})
        WriteMap(name, 'T');
    game.CampaignRegion = 7;
    game.dice.Script({0, 5});
    context.settings.ReconPlanes = '2';
    ASSERT_TRUE(Start("$STANDARD", 1));
    EXPECT_EQ(context.settings.MapName, "$SHAWAII");
    EXPECT_EQ(game.HomePosition, 'T');
    EXPECT_EQ(game.PlaneAllowance, '0') << "the first stage flies no aircraft";
    EXPECT_FALSE(Table().UnitExists(1));
    EXPECT_EQ(context.settings.ReconPlanes, '2');
}
