#include <gtest/gtest.h>

#include "core/game.h"
#include "opponent/opponent_state.h"
#include "opponent/tactics.h"
#include "tests/support/test_platform.h"
#include "tests/support/unit_line.h"

namespace {
struct Meeting : ::testing::Test {
    kvd::test::TestPlatform t;
    kvd::Game game;
    kvd::OpponentState state;
    QString Unit(QChar side, int code, int strength, int column, int row, QChar priority = '5') {
        QString line = kvd::test::UnitLine(side, code, strength, column, row);
        line[11] = priority;
        return line;
    }
    QString Engaged(const QString& firstSideLine, int attacker) {
        QString line = firstSideLine;
        kvd::WriteNumber(line, 65, 2, attacker);
        return line;
    }
    // The opponent's unit `attacker` at (5, 5) meets the player's units; returns the target.
    int Choose(int attacker, int attackerStrength, std::vector<std::pair<int, int>> targets) {
        QStringList lines{"header", Unit('D', attacker, attackerStrength, 5, 5)};
        state = kvd::OpponentState();
        int column = 4;
        for (const auto& [code, strength] : targets) {
            lines << Unit('E', code, strength, column, 4);
            state.EnemyNews << Engaged(lines.last(), attacker);
            ++column;
        }
        game.scratchpad.SetLines(lines);
        kvd::BattleStations(game, state, game.dice);
        return game.Player.Code;
    }
};
}  // namespace

TEST_F(Meeting, ThePriorityRulesPickTheMeeting) {
    auto& random = game.dice;
    EXPECT_EQ(kvd::PriorityRule(33, 13, random), 8);
    EXPECT_EQ(kvd::PriorityRule(33, 16, random), 8);
    EXPECT_EQ(Choose(33, 5, {{13, 5}, {16, 5}}), 13) << "equal digits: the one listed first";
    EXPECT_EQ(kvd::PriorityRule(46, 21, random), 5);
    EXPECT_EQ(kvd::PriorityRule(46, 11, random), 4);
    EXPECT_EQ(Choose(46, 7, {{21, 8}, {11, 7}}), 11);
    EXPECT_FALSE(state.AvoidFlag) << "the carrier fights a destroyer no stronger than itself";
    EXPECT_EQ(game.scratchpad.PosX(1), 5) << "and moves onto it";
    EXPECT_EQ(game.scratchpad.PrevX(1), 5);
    EXPECT_EQ(Choose(46, 7, {{21, 8}, {11, 8}}), 11);
    EXPECT_TRUE(state.AvoidFlag);
    EXPECT_EQ(kvd::PriorityRule(45, 19, random), 2) << "rule 20 gives 1, rule 21 then 2";
    EXPECT_EQ(kvd::PriorityRule(45, 50, random), 7) << "any attacker against a convoy ship";
    EXPECT_EQ(kvd::PriorityRule(26, 11, random), 8);
    EXPECT_EQ(kvd::PriorityRule(47, 11, random), 0) << "no rule for minefields";
    // The submarine's draw against a submarine: 9 on 2 or 3, else the line keeps its digit.
    game.dice.Script({0, 3});
    EXPECT_EQ(kvd::PriorityRule(28, 5, random), 0);
    EXPECT_EQ(kvd::PriorityRule(28, 5, random), 9);
    // A meeting no rule rates keeps the fleet file's digit; '0' stays out of the choice.
    EXPECT_EQ(Choose(47, 5, {{23, 5}}), 23) << "a single line is used directly";
}

TEST_F(Meeting, FightOrStepAway) {
    Choose(28, 5, {{11, 5}});
    EXPECT_TRUE(state.AvoidFlag) << "a submarine avoids a destroyer";
    Choose(28, 5, {{22, 9}});
    EXPECT_FALSE(state.AvoidFlag) << "and attacks a carrier";
    Choose(43, 5, {{16, 6}});
    EXPECT_TRUE(state.AvoidFlag);
    Choose(43, 9, {{5, 1}});
    EXPECT_TRUE(state.AvoidFlag) << "big ships never go for submarines";
    Choose(26, 9, {{50, 1}});
    EXPECT_TRUE(state.AvoidFlag) << "the supply ship always steps away";
    Choose(35, 3, {{4, 9}});
    EXPECT_FALSE(state.AvoidFlag) << "escorts hunt submarines whatever the strengths";
    for (int a : {33, 39, 40, 46})
        for (int ps = 0; ps <= 9; ++ps)
            EXPECT_EQ(kvd::Fights(a, 16, ps, 5), ps <= 5) << a << " " << ps;
}

TEST_F(Meeting, TheRingsSeeTwoCellsAway) {
    game.scratchpad.SetLines({"header", Unit('E', 5, 5, 3, 3), Unit('E', 11, 5, 5, 1),
                              Unit('E', 21, 5, 7, 5), Unit('E', 23, 5, 1, 5),
                              Unit('E', 12, 5, 4, 4), Unit('E', 13, 5, 7, 3)});
    EXPECT_EQ(kvd::RadarPlus(game, 5, 3), "00B0000AB000000C");
    EXPECT_EQ(kvd::RadarPlus(game, 0, 0), QString(16, '0')) << "beyond the edge lies nothing";
    game.Player.X = game.Player.Y = 5;
    const QString hunters = kvd::UbootRetract(game);
    EXPECT_EQ(hunters[0], 'H') << "the destroyer at (4, 4), north-west";
    EXPECT_EQ(hunters.mid(1, 7), "0000000");
    EXPECT_EQ(hunters.mid(8), "0000H00000000000")
        << "the frigate two away; the destroyer at (5, 1) is too far";
    EXPECT_EQ(game.SideToMove, kvd::kSecondSide);
}
