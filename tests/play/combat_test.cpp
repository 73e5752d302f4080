#include <functional>
#include <gtest/gtest.h>

#include "core/game.h"
#include "core/settings.h"
#include "play/combat.h"
#include "tests/support/test_platform.h"

namespace {

using Strengths = std::function<int(int ps, int es)>;
int Cmp(int ps, int es) { return ps == es ? 3 : ps > es ? 1 : 2; }
Strengths Fixed(int w) { return [w](int, int) { return w; }; }

// The fight table as the rules book writes it: for a first-side code range, the second-side
// ranges in the order they are tried; the first match decides.
struct Row {
    int pLow, pHigh;
    std::vector<std::pair<std::pair<int, int>, Strengths>> cases;
    Strengths otherwise;
};

int Expected(const std::vector<Row>& table, int p, int e, int ps, int es) {
    for (const Row& row : table) {
        if (p < row.pLow || p > row.pHigh) continue;
        for (const auto& [range, w] : row.cases)
            if (e >= range.first && e <= range.second) return w(ps, es);
        return row.otherwise(ps, es);
    }
    return 0;
}

}  // namespace

TEST(Combat, EveryMeetingOfKindsAndStrengthsFollowsTheTable) {
    const Strengths big = [](int, int es) { return es < 5 ? 1 : 4; };
    const std::vector<Row> table = {
        {2, 2, {{{26, 26}, Fixed(3)}, {{47, 49}, Fixed(3)}, {{60, 64}, Fixed(3)}}, Fixed(2)},
        {50, 54, {{{26, 26}, Fixed(3)}, {{47, 49}, Fixed(3)}, {{60, 64}, Fixed(3)}}, Fixed(2)},
        {4, 8, {{{26, 26}, Fixed(1)}, {{60, 64}, Fixed(1)}, {{27, 32}, Fixed(3)}, {{33, 39}, Fixed(2)},
                {{47, 49}, Fixed(3)}, {{40, 46}, big}}, Fixed(0)},
        {9, 15, {{{26, 32}, Fixed(1)}, {{60, 64}, Fixed(1)}, {{47, 49}, Fixed(3)}}, Cmp},
        {16, 22, {{{26, 26}, Fixed(1)}, {{60, 64}, Fixed(1)},
                  {{27, 32}, [](int ps, int) { return ps < 5 ? 2 : 6; }},
                  {{47, 49}, [](int ps, int) { return ps < 5 ? 3 : 7; }}}, Cmp},
        {23, 25, {{{26, 32}, Fixed(3)}, {{60, 64}, Fixed(1)}, {{33, 46}, [](int, int es) { return es < 5 ? 3 : 5; }}}, Cmp},
    };
    const std::vector<int> enemies = [] {
        std::vector<int> codes;
        for (int c = 26; c <= 49; ++c) codes.push_back(c);
        for (int c = 60; c <= 64; ++c) codes.push_back(c);
        return codes;
    }();
    int checked = 0;
    for (int p : {2, 3, 4, 8, 9, 12, 15, 16, 20, 21, 22, 23, 25, 50, 54}) {
        for (int e : enemies) {
            for (int ps = 0; ps <= 9; ++ps) {
                for (int es = 0; es <= 9; ++es) {
                    int expected = Expected(table, p, e, ps, es);
                    // The battleships' duel comes before the comparison.
                    if (p == 21 && e == 45 && ps == es) expected = ps < 5 ? 3 : 11;
                    ASSERT_EQ(kvd::FightOutcome(p, e, ps, es, 0, 0), expected)
                        << "player " << p << " (" << ps << ") against " << e << " (" << es << ")";
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 40000);
    // The radar aircraft only ever meets the opposing flag carrier, and never in a network game.
    for (int e : enemies) {
        EXPECT_EQ(kvd::FightOutcome(1, e, 0, 9, 0, 0), e == 46 ? 2 : 0) << e;
        EXPECT_EQ(kvd::FightOutcome(1, e, 0, 9, 1, 0), e == 45 ? 2 : 0) << e;
        EXPECT_EQ(kvd::FightOutcome(1, e, 0, 9, 0, 1), 0) << e;
    }
}

namespace {
struct Effects : ::testing::Test {
    kvd::test::TestPlatform t;
    kvd::Game game;
    kvd::Settings settings;
    QString Unit(QChar side, int code, int strength, int column, int row) {
        QString line = QStringLiteral("E 5 0    3 5  0  0 Unit              0 Kind      0000 0000          00");
        line[0] = side;
        kvd::UnitTable table;
        table.SetLines({"header", line});
        table.SetStrength(1, strength);
        table.SetPos(1, column, row);
        table.SetPrev(1, column, row);
        line = table.Line(1);
        return line.replace(68, 2, kvd::TwoDigits(code));
    }
    void Fight(int p, int ps, int e, int es) {
        game.scratchpad.SetLines({"header", Unit('E', p, ps, 3, 3), Unit('D', e, es, 3, 3), Unit('E', 22, 7, 0, 0),
                                  Unit('D', 46, 7, 9, 9)});
        game.PlayerCode = p, game.EnemyCode = e, game.PlayerStrength = ps, game.EnemyStrength = es;
        game.Winner = kvd::FightOutcome(p, e, ps, es, game.DTransferred, game.NetGame);
        game.Loser = game.Gamestage = 0;
        kvd::ApplyOutcome(game);
    }
    int Strength(int code) { return game.scratchpad.Strength(game.scratchpad.Find(code)); }
    int Damage(int code) { return game.scratchpad.DamageState(game.scratchpad.Find(code)); }
    bool Exists(int code) { return game.scratchpad.UnitExists(code); }
};
}  // namespace

TEST_F(Effects, LossesHitsAndTheEndOfTheGame) {
    Fight(11, 6, 37, 6);  // destroyer against frigate at equal strength
    EXPECT_EQ(game.Winner, 3);
    EXPECT_FALSE(Exists(11));
    EXPECT_FALSE(Exists(37));

    Fight(16, 4, 28, 5);  // a weak cruiser meets a submarine
    EXPECT_EQ(game.Winner, 2);
    EXPECT_FALSE(Exists(16));
    EXPECT_EQ(game.Loser, 16);
    Fight(16, 5, 28, 5);
    EXPECT_EQ(game.Winner, 6);
    EXPECT_EQ(Strength(16), 3);
    EXPECT_EQ(Damage(16), 1);
    EXPECT_EQ(game.SubRetreat, 1);

    Fight(5, 5, 45, 4);  // a submarine against a weakened battleship
    EXPECT_EQ(game.Winner, 1);
    EXPECT_EQ(game.Gamestage, 8);
    Fight(5, 5, 45, 7);
    EXPECT_EQ(game.Winner, 4);
    EXPECT_EQ(Strength(45), 5);
    EXPECT_EQ(game.Gamestage, 0);

    Fight(21, 6, 45, 6);
    EXPECT_EQ(game.Winner, 11);
    EXPECT_EQ(Strength(21), 4);
    EXPECT_EQ(Strength(45), 4);
    Fight(21, 4, 45, 4);
    EXPECT_EQ(game.Winner, 3);
    EXPECT_EQ(game.Gamestage, 10);

    Fight(2, 2, 26, 2);  // supply ship against supply ship
    EXPECT_FALSE(Exists(2));
    EXPECT_FALSE(Exists(26));

    game.FlagTransfer = game.FlagTransferSecond = 'Y';
    Fight(22, 7, 35, 9);  // the carrier sunk: its side can no longer transfer the flag
    EXPECT_EQ(game.FlagTransfer, 'N');
    Fight(12, 9, 46, 7);
    EXPECT_EQ(game.FlagTransferSecond, 'N');

    Fight(23, 5, 40, 6);  // a minefield spent on a cruiser
    EXPECT_EQ(game.Winner, 5);
    EXPECT_FALSE(Exists(23));
    EXPECT_EQ(Strength(40), 4);
    Fight(19, 7, 48, 5);  // a cruiser on a minefield
    EXPECT_EQ(game.Winner, 7);
    EXPECT_FALSE(Exists(48));
    EXPECT_EQ(Damage(19), 1);
}

TEST_F(Effects, TheRadarAircraftGoesBackToItsCarrierWhileLaunchesRemain) {
    settings.ReconPlanes = '2';
    game.PlaneAllowance = '3';
    game.PlaneLaunches = 2;
    Fight(1, 0, 46, 7);
    EXPECT_EQ(game.Winner, 2);
    const int plane = game.scratchpad.Find(1);
    ASSERT_GE(plane, 0) << "relaunched";
    EXPECT_EQ(game.scratchpad.PosX(plane), 0);
    EXPECT_EQ(game.PlaneLaunches, 3);
    Fight(1, 0, 46, 7);  // the last launch is used up
    EXPECT_FALSE(Exists(1));
    EXPECT_EQ(game.PlaneAllowance, '0');
    EXPECT_EQ(settings.ReconPlanes, '2') << "the game counts, not the settings";
}

TEST_F(Effects, HitsAndExtraDamageNeverGoBelowZero) {
    kvd::UnitTable& table = game.scratchpad;
    table.SetLines({"header", Unit('E', 11, 0, 0, 0)});
    for (int strength : {0, 1, 2, 3, 9}) {
        table.SetStrength(1, strength);
        table.SetDamageState(1, 2);
        kvd::HitUnit(table, 1);
        EXPECT_EQ(table.Strength(1), strength >= 3 ? strength - 2 : strength);
        EXPECT_EQ(table.DamageState(1), 2);
    }
    game.PlayerCode = 11;
    game.Winner = 1;
    table.SetStrength(1, 0);
    kvd::ExtraDamage(game);
    EXPECT_EQ(table.Line(1).mid(2, 1), "0") << "no minus sign in the strength column";
    EXPECT_EQ(game.PlayerStrength, 0);
}

TEST_F(Effects, SupportFireNeedsADestroyerOrBiggerOfTheOtherSideNextToTheFight) {
    // The player's destroyer steps onto a cruiser at (3, 3); a second cruiser stands by.
    game.scratchpad.SetLines({"header", Unit('E', 11, 5, 3, 3), Unit('D', 40, 5, 3, 3), Unit('D', 41, 5, 4, 4),
                              Unit('D', 33, 5, 2, 2)});
    game.PlayerCode = 11, game.EnemyCode = 40, game.PlayerX = game.PlayerY = 3, game.SideToMove = 'E';
    game.PlayerTurn = 1;
    kvd::MultiCombat(game);
    EXPECT_EQ(game.SupportFire, 1);
    game.scratchpad.SetPos(3, 6, 6);  // only the corvette is near
    kvd::MultiCombat(game);
    EXPECT_EQ(game.SupportFire, 0);
    game.scratchpad.SetPos(3, 4, 4);
    game.PlayerCode = 10;  // a corvette fights alone
    kvd::MultiCombat(game);
    EXPECT_EQ(game.SupportFire, 0);
}
