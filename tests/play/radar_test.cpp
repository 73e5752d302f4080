#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "core/game.h"
#include "core/language_texts.h"
#include "core/settings.h"
#include "play/apply_move.h"
#include "play/patrol.h"
#include "play/radar.h"
#include "play/repair.h"
#include "play/rules.h"
#include "play/showing.h"
#include "tests/support/test_platform.h"

namespace {
struct Sea : ::testing::Test {
    kvd::test::TestPlatform t;
    kvd::Game game;
    void Units(std::initializer_list<std::tuple<char, int, int, int>> units) {
        QStringList lines{"header"};
        for (const auto& [side, code, column, row] : units) {
            QString line = QStringLiteral(
                "E 5 1    3 5  0  0 Unit              0 Kind      0000 0000          00");
            line[0] = QChar(side);
            kvd::WriteNumber(line, 55, 2, column);
            kvd::WriteNumber(line, 57, 2, row);
            kvd::WriteNumber(line, 69, 2, code);
            lines << line;
        }
        game.scratchpad.SetLines(lines);
    }
    bool Revealed(int code) { return game.scratchpad.IsRevealed(game.scratchpad.Find(code)); }
};
}  // namespace

TEST_F(Sea, RadarSeesWaterUnitsLandAndTheEdge) {
    Units({{'E', 11, 0, 0}});
    EXPECT_EQ(kvd::Radar(game, 0, 0).Text(), "XXXX5X78");
    EXPECT_EQ(kvd::Radar(game, 9, 9).Text(), "12X4XXXX");
    // A unit of each side, the radar aircraft (never seen) and land around (5, 5).
    Units({{'E', 11, 4, 4}, {'D', 35, 6, 4}, {'E', 1, 5, 6}, {'E', 12, 6, 6}, {'D', 36, 4, 5}});
    game.MemoPad.SetLines({"a", "b", "[Position] =L", "d", "0605", "ABCD"});
    EXPECT_EQ(kvd::Radar(game, 5, 5).Text(), "E2DDX67E");
    // Land and the edge win over a unit standing there.
    Units({{'D', 35, 6, 5}});
    EXPECT_EQ(kvd::Radar(game, 5, 5)[4], 'X');
}

TEST_F(Sea, WhoIdentifiesWhom) {
    // A cruiser sees a minefield but not a submarine; a destroyer the submarine but not the
    // minefield; the radar aircraft what shares its cell.
    Units({{'E', 16, 2, 2},
           {'D', 27, 3, 3},
           {'D', 47, 1, 1},
           {'E', 11, 7, 7},
           {'D', 28, 8, 8},
           {'D', 48, 6, 6},
           {'E', 1, 4, 8},
           {'D', 40, 4, 8},
           {'D', 41, 9, 0}});
    EXPECT_EQ(kvd::RevealEnemy(game), 3);
    EXPECT_FALSE(Revealed(27));
    EXPECT_TRUE(Revealed(47));
    EXPECT_TRUE(Revealed(28));
    EXPECT_FALSE(Revealed(48));
    EXPECT_TRUE(Revealed(40));
    EXPECT_FALSE(Revealed(41));
    // Marks are made anew each time: a unit left alone is anonymous again.
    game.scratchpad.SetPos(game.scratchpad.Find(11), 0, 9);
    EXPECT_EQ(kvd::RevealEnemy(game), 2);
    EXPECT_FALSE(Revealed(28));
    // Convoy ships and minefields identify nothing.
    Units({{'E', 23, 2, 2}, {'E', 50, 5, 5}, {'D', 40, 2, 3}, {'D', 41, 5, 6}});
    EXPECT_EQ(kvd::RevealEnemy(game), 0);
    // The edges of who sees what: escorts (9 to 15) every ship, the others the supply ship and
    // every code from 32 on.
    for (int escort : {9, 15})
        for (int seen : {26, 27, 46, 47, 64})
            EXPECT_EQ(kvd::CanIdentify(escort, seen), seen != 47) << escort << " " << seen;
    for (int other : {2, 8, 16, 22})
        for (int seen : {26, 27, 31, 32, 47, 64})
            EXPECT_EQ(kvd::CanIdentify(other, seen), seen != 27 && seen != 31)
                << other << " " << seen;
}

// The reveal counts each cell's lookouts once; what it marks must be what every lookout, pair by
// pair, would mark. Random fleets crowd the board, its edges and corners included, and both
// passes (the host's and the joining player's) are held to the pairs.
TEST_F(Sea, TheRevealMarksWhatEveryPairOfLookoutAndUnitWould) {
    std::mt19937 draw(5);
    auto cell = [&] { return int(draw() % 10); };
    auto near = [](int c1, int r1, int c2, int r2) {
        return std::abs(c1 - c2) <= 1 && std::abs(r1 - r2) <= 1;
    };
    auto looksOut = [](int code) { return !kvd::IsMinefield(code) && !kvd::IsConvoyCode(code); };
    auto alliedSees = [](int d, int e) {
        return kvd::IsEscort(d) ? kvd::IsSupply(e) || kvd::IsSubmarine(e) || kvd::IsWarship(e)
                                : kvd::IsSupply(e) || kvd::IsWarship(e) || kvd::IsMinefield(e) ||
                                      kvd::IsConvoyCode(e);
    };
    for (int round = 0; round < 200; ++round) {
        QStringList lines{"header"};
        std::vector<std::tuple<kvd::Side, int, int, int>> units;
        for (int code : {1,  2,  3,  9,  11, 13, 16, 19, 21, 22, 23, 50, 51,
                         26, 27, 32, 33, 35, 37, 40, 43, 45, 46, 47, 60, 63}) {
            // Corners and edges come up often: half the cells are drawn from the rim.
            int column = cell(), row = cell();
            if (draw() % 2) (draw() % 2 ? column : row) = draw() % 2 ? 0 : 9;
            units.emplace_back(*kvd::SideOfCode(code), code, column, row);
        }
        for (const auto& [side, code, column, row] : units) {
            QString line = QStringLiteral(
                "E 5 1    3 5  0  0 Unit              0 Kind      0000 0000          00");
            line[0] = kvd::SideLetter(side);
            kvd::WriteNumber(line, 55, 2, column);
            kvd::WriteNumber(line, 57, 2, row);
            kvd::WriteNumber(line, 69, 2, code);
            lines << line;
        }
        for (bool allied : {false, true}) {
            game.scratchpad.SetLines(lines);
            const kvd::Side seer = allied ? kvd::kSecondSide : kvd::kFirstSide;
            int pairs = 0;
            std::map<int, bool> seen;
            for (const auto& [side, code, column, row] : units) {
                if (side == seer) continue;
                seen[code] = false;
                for (const auto& [s, lookout, c, r] : units) {
                    if (s != seer || !looksOut(lookout) || !near(c, r, column, row)) continue;
                    const bool sees =
                        allied ? alliedSees(lookout, code) : kvd::CanIdentify(lookout, code);
                    pairs += sees;
                    seen[code] = seen[code] || sees;
                }
            }
            ASSERT_EQ(allied ? kvd::RevealAllied(game) : kvd::RevealEnemy(game), pairs)
                << round << (allied ? " allied" : "");
            for (const auto& [code, marked] : seen)
                ASSERT_EQ(Revealed(code), marked) << round << " code " << code;
        }
    }
}

// The computer asks only whether a unit has open water beside it: the answer is the radar's.
TEST_F(Sea, OpenWaterBesideIsWhatTheRadarShows) {
    Units({{'E', 11, 0, 0}, {'D', 35, 1, 0}, {'E', 1, 0, 1}, {'D', 36, 9, 9}, {'E', 12, 8, 8}});
    game.MemoPad.SetLines({"a", "b", "[Position] =L", "d", "0101", "0908", "0405", "0505"});
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 10; ++r) {
            const QString radar = kvd::Radar(game, c, r).Text();
            const bool digit =
                std::any_of(radar.begin(), radar.end(), [](QChar x) { return x.isDigit(); });
            EXPECT_EQ(kvd::HasOpenWaterBeside(game, c, r), digit) << c << "," << r;
        }
}

namespace {
// One patrol step through the move function, as the turn makes it.
void Patrol(kvd::Game& game) {
    kvd::Settings settings;
    kvd::LanguageTexts texts;
    kvd::Showing nothing(false);
    kvd::Rules rules{game, settings, texts, nothing};
    kvd::ApplyMove(rules, kvd::PatrolStep(game));
}
}  // namespace

TEST_F(Sea, ThePatrolRestsOneTurnAtEachCorner) {
    Units({{'E', 1, 5, 5}});
    game.PatrolWaypoint = 1;
    const std::vector<std::pair<int, int>> route{{4, 4}, {3, 3}, {2, 2}, {2, 2}, {3, 2}, {4, 2}};
    for (const auto& [column, row] : route) {
        Patrol(game);
        EXPECT_EQ(game.scratchpad.PosX(1), column);
        EXPECT_EQ(game.scratchpad.PosY(1), row);
    }
    EXPECT_EQ(game.PatrolWaypoint, 2);
    EXPECT_EQ(game.scratchpad.PrevX(1), 0) << "the patrol leaves the previous cell alone";
    game.PatrolWaypoint = 9;  // out of range: clamped to the last corner
    game.scratchpad.SetPos(1, 2, 3);
    Patrol(game);
    EXPECT_EQ(game.PatrolWaypoint, 1);
}

TEST_F(Sea, RepairsAreLimitedToTwoANeighbourAndTheWeak) {
    Units({{'E', 2, 4, 4}, {'E', 21, 5, 5}, {'E', 11, 6, 6}, {'E', 12, 4, 5}});
    kvd::UnitTable& table = game.scratchpad;
    const int battleship = table.Find(21);
    table.SetStrength(battleship, 5);
    table.SetDamageState(battleship, 2);
    const int expected[][3] = {{6, 1, 1}, {7, 1, 2}, {7, 1, 2}};  // strength, damage, repairs
    for (const auto& e : expected) {
        kvd::RepairUnit(game, 2, 21);
        EXPECT_EQ(table.Strength(battleship), e[0]);
        EXPECT_EQ(table.DamageState(battleship), e[1]);
        EXPECT_EQ(table.RepairCount(battleship), e[2]);
    }
    EXPECT_FALSE(kvd::RepairUnit(game, 2, 11).repaired) << "two cells away";
    const int destroyer = table.Find(12);
    table.SetStrength(destroyer, 8);
    EXPECT_FALSE(kvd::RepairUnit(game, 2, 12).repaired) << "strong enough";
    EXPECT_EQ(table.RepairCount(destroyer), 0);
    table.SetStrength(destroyer, 1);
    EXPECT_TRUE(kvd::RepairUnit(game, 2, 12).repaired);
    EXPECT_EQ(table.Strength(destroyer), 1) << "too weak to mend, but the repair counts";
    EXPECT_EQ(table.RepairCount(destroyer), 1);

    // The repair scan finds the supply ship for a damaged, never repaired unit.
    table.SetRepairCount(destroyer, 0);
    table.SetDamageState(destroyer, 1);
    game.Player.Code = 12;
    EXPECT_EQ(kvd::RadarAux(game, 4, 5), "1A345678");
    EXPECT_EQ(game.RepairCellX, 4);
    EXPECT_EQ(game.RepairCellY, 4);
    table.SetDamageState(destroyer, 0);
    EXPECT_EQ(kvd::RadarAux(game, 4, 5), "12345678");
}

TEST_F(Sea, TheJoiningSideIdentifiesTheHostsUnitsByItsOwnRule) {
    // Each second-side seer beside one first-side unit: who is identified.
    struct Case {
        int seer, seen;
        bool identified;
    };
    const Case cases[] = {
        {35, 5, true},   {33, 3, true},   {39, 22, true},
        {35, 23, false},                                   // escorts: subs, not mines
        {27, 5, false},  {32, 3, false},  {45, 5, false},  // others: no submarines
        {27, 2, true},   {40, 9, true},   {46, 23, true},
        {26, 50, true},                    // ... the rest they see
        {47, 2, false},  {49, 21, false},  // minefields see nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seer << " sees " << c.seen);
        Units({{'D', c.seer, 4, 4}, {'E', c.seen, 5, 5}});
        EXPECT_EQ(kvd::RevealAllied(game), c.identified ? 1 : 0);
        EXPECT_EQ(Revealed(c.seen), c.identified);
    }
    // Two cells away is out of sight; the joining pass leaves the second side's marks alone.
    Units({{'D', 35, 4, 4}, {'E', 11, 6, 6}, {'E', 12, 3, 3}});
    game.scratchpad.SetRevealed(1, QLatin1Char('1'));
    EXPECT_EQ(kvd::RevealAllied(game), 1);
    EXPECT_FALSE(Revealed(11));
    EXPECT_TRUE(Revealed(35));
}

TEST_F(Sea, TheJoiningRepairScanLooksForItsOwnSupplyShip) {
    Units({{'E', 2, 4, 4}, {'D', 26, 6, 6}, {'D', 36, 5, 5}});
    kvd::UnitTable& table = game.scratchpad;
    table.SetDamageState(table.Find(36), 2);
    game.Enemy.Code = 36;
    EXPECT_EQ(kvd::AxisRepairScan(game, 5, 5), "1234567A") << "its own supply ship, not the host's";
    EXPECT_EQ(game.RepairCellX, 6);
    table.SetRepairCount(table.Find(36), 1);
    EXPECT_EQ(kvd::AxisRepairScan(game, 5, 5), "12345678") << "repaired before";
}

// The reveal skips a pass over a table unchanged since its last one, and only then: a mark
// another rule set in between, a step, or the other side seeing are all read afresh.
TEST_F(Sea, TheRevealReadsEveryChangeSinceItsLastPass) {
    Units({{'E', 11, 4, 4}, {'D', 35, 5, 5}, {'D', 40, 8, 8}});
    EXPECT_EQ(kvd::RevealEnemy(game), 1);
    EXPECT_TRUE(Revealed(35));
    EXPECT_EQ(kvd::RevealEnemy(game), 1) << "nothing changed";
    EXPECT_EQ(game.scratchpad.Revision(), game.lastReveal.revision);

    kvd::UnitTable& t = game.scratchpad;
    t.SetRevealed(t.Find(40), '1');  // marked by a fight
    EXPECT_EQ(kvd::RevealEnemy(game), 1);
    EXPECT_FALSE(Revealed(40)) << "out of sight again";

    t.SetPos(t.Find(11), 7, 7);
    EXPECT_EQ(kvd::RevealEnemy(game), 1);
    EXPECT_TRUE(Revealed(40));
    EXPECT_FALSE(Revealed(35));

    game.RevealCount = 99;  // a resumed game's count, over a table read before
    EXPECT_EQ(kvd::RevealEnemy(game), 1) << "the count is the pass's own";
    EXPECT_EQ(kvd::RevealAllied(game), 1) << "the other side's pass is its own";
    EXPECT_TRUE(Revealed(11));
}
