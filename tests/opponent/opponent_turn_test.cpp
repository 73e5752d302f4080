#include <gtest/gtest.h>

#include "opponent/move_choice.h"
#include "play/apply_move.h"
#include "tests/opponent/opponent_fixture.h"

using kvd::test::OpponentFixture;

namespace {

struct Opponent : OpponentFixture {
    void SetUp() override { StartAgainstTheComputer(); }
    int PosX(int code) { return Table().PosX(Line(code)); }
    int PosY(int code) { return Table().PosY(Line(code)); }
    // The move rules on their own, over this game.
    kvd::OpponentState state;
    kvd::MoveChoice& Moves() {
        moves = std::make_unique<kvd::MoveChoice>(state);
        return *moves;
    }
    std::unique_ptr<kvd::MoveChoice> moves;
    // The meetings the computer finds, as "attacker-met" codes in the order it lists them.
    QStringList Meetings() {
        ki->State().EnemyNews.clear();
        ki->BuildEngagements(game);
        QStringList meetings;
        for (const QString& line : ki->State().EnemyNews)
            meetings << line.mid(64, 2) + "-" + line.mid(68, 2);
        return meetings;
    }
};

}  // namespace

TEST_F(Opponent, MoodsFollowTheLosses) {
    EXPECT_EQ(kvd::EnemyConcern(game), 0) << "supply ship, submarines and heavy ships all there";
    Only({{21, 0, 0}, {35, 9, 9}});
    EXPECT_EQ(kvd::EnemyConcern(game), 5);
    StartGame();
    EXPECT_EQ(kvd::EnemyAggression(game), 1) << "only the battleship's presence counts";
    Table().Remove(Line(21));
    EXPECT_EQ(kvd::EnemyAggression(game), 1);
    // Whatever the player has left, the opponent is never without aggression.
    for (int keep : {1, 2, 19, 22, 50}) {
        Only({{keep, 0, 0}, {35, 9, 9}});
        EXPECT_GE(kvd::EnemyAggression(game), 1) << keep;
        StartGame();
    }
}

TEST_F(Opponent, ASideThatCannotActGivesUp) {
    Only({{21, 0, 0}, {47, 9, 9}, {48, 8, 8}});
    ComputerTurn();
    EXPECT_EQ(end.shown, 1) << "only minefields left";
    EXPECT_EQ(end.stageShown, 8);
    EXPECT_TRUE(game.GameOver);

    StartAgainstTheComputer();
    end.shown = 0;
    // A destroyer in the corner behind land and its own minefields.
    Only({{21, 0, 0}, {35, 9, 9}, {47, 8, 9}, {48, 8, 8}});
    game.MemoPad.SetLines({"a", "b", "[Position] =L", "d", "0908"});
    ComputerTurn();
    EXPECT_EQ(end.shown, 1) << "boxed in";
}

TEST_F(Opponent, TheOnlyUnitThatCanStepMovesEveryTurn) {
    Only({{21, 0, 0}, {43, 9, 9}, {45, 9, 0}});
    game.MemoPad.SetLines(
        {"a", "b", "[Position] =L", "d", "0800", "0801", "0901"});  // 45 is shut in
    game.LastEnemyCode = 43;
    ComputerTurn();
    EXPECT_NE(PosX(43) * 10 + PosY(43), 99) << "it moved although it moved last";
    const int first = PosX(43) * 10 + PosY(43);
    ComputerTurn();
    EXPECT_NE(PosX(43) * 10 + PosY(43), first);
}

TEST_F(Opponent, MeetingsAreNeighboursNotCellMates) {
    Only({{21, 4, 4}, {11, 5, 5}, {16, 6, 5}, {35, 5, 4}, {40, 6, 5}});
    const QStringList meetings = Meetings();
    // The destroyer at (5, 4) meets 11 (south, diagonal to nothing) and 21 (west), in table
    // order; the cruiser at (6, 5) meets 11 but not 16 on its own cell, and 16, sharing its
    // cell with the cruiser, is met by no one: moving in would stack two of the opponent's.
    EXPECT_EQ(meetings, (QStringList{"35-11", "35-21", "40-11"}));
    Table().SetPos(Line(40), 7, 7);
    EXPECT_EQ(Meetings().size(), 3) << "16 alone on its cell is a meeting again";
}

TEST_F(Opponent, MeetingsReachTheCornersAndNeverTheAircraft) {
    // Units in two corners and on an edge; the radar aircraft beside a destroyer is no meeting,
    // and a unit with nobody beside it (40) meets nobody.
    Only({{21, 0, 0},
          {11, 9, 9},
          {12, 0, 5},
          {1, 4, 9},
          {35, 1, 1},
          {36, 8, 8},
          {37, 1, 4},
          {33, 4, 8},
          {40, 5, 2}});
    EXPECT_EQ(Meetings(), (QStringList{"35-21", "36-11", "37-12"}));
}

TEST_F(Opponent, AvoidingUnitsEscapeByTheirList) {
    // The player's unit straight north: south first, then south-west, south-east.
    const struct {
        std::vector<Place> blockers;
        int column, row;
    } cases[] = {{{}, 5, 6}, {{{36, 5, 6}}, 4, 6}, {{{36, 5, 6}, {37, 4, 6}}, 6, 6}};
    for (const auto& c : cases) {
        std::initializer_list<Place> base = {{11, 5, 4}, {35, 5, 5}, {21, 0, 0}};
        std::vector<Place> all(base);
        all.insert(all.end(), c.blockers.begin(), c.blockers.end());
        StartGame();
        Only(all);
        kvd::MoveChoice& moves = Moves();
        game.Enemy.Code = 35, game.Enemy.OldX = 5, game.Enemy.OldY = 5, game.Player.X = 5,
        game.Player.Y = 4;
        Decide([&](kvd::Rules& rules) { moves.AvoidMove(rules); });
        EXPECT_EQ(PosX(35), c.column);
        EXPECT_EQ(PosY(35), c.row);
    }
    EXPECT_EQ(kvd::EscapeList(4, 4, 5, 5), "87536");
    EXPECT_EQ(kvd::EscapeList(6, 6, 5, 5), "14263");
}

TEST_F(Opponent, BlockedHeadingsTakeTheHighestFreeDirection) {
    // A cruiser heading north-west onto land, with only north and south free.
    Only({{21, 0, 0}, {40, 5, 5}, {36, 4, 5}, {37, 6, 5}, {38, 4, 6}, {39, 6, 6}, {33, 6, 4}});
    game.MemoPad.SetLines({"a", "b", "[Position] =L", "d", "0404"});
    kvd::MoveChoice& moves = Moves();
    game.Enemy.Code = 40;
    Decide([&](kvd::Rules& rules) { kvd::ApplyMove(rules, moves.SteerStep(rules)); });
    EXPECT_EQ(PosX(40), 5);
    EXPECT_EQ(PosY(40), 6) << "south, the higher of north and south";
    EXPECT_EQ(Table().PrevY(Line(40)), 5);
    EXPECT_EQ(kvd::HeadingToward(5, 5, 5, 5), 0) << "a goal on its own cell keeps the heading";
    EXPECT_EQ(kvd::HeadingToward(5, 5, 0, 9), 6);
}

TEST_F(Opponent, TheFirstCandidateIsTwiceAsLikelyAndTheLastNeverDrawn) {
    // Three escorts, the last two boxed in by land: n is 3, the list holds one entry.
    Only({{21, 0, 0}, {33, 2, 2}, {34, 8, 8}, {35, 8, 0}});
    QStringList land;
    for (int c = 7; c <= 9; ++c)
        for (int r = 0; r <= 9; ++r)
            if (!(c == 8 && (r == 8 || r == 0))) land << kvd::TwoDigits(c) + kvd::TwoDigits(r);
    game.MemoPad.SetLines(QStringList{"a", "b", "[Position] =L", "d"} + land);
    kvd::MoveChoice& moves = Moves();
    ASSERT_EQ(moves.CanMove(game), 1);
    state.EnemyConcern = 3, state.EnemyAggression = 2;  // the escort group, always
    int picked = 0;
    const int draws = 3000;
    for (int k = 0; k < draws; ++k) {
        game.Enemy.Code = 99;
        game.LastEnemyCode = 0;
        Decide([&](kvd::Rules& rules) { moves.RandomSelection(rules); });
        picked += game.Enemy.Code == 33;
        ASSERT_TRUE(game.Enemy.Code == 33 || game.Enemy.Code == 99);
    }
    EXPECT_NEAR(double(picked) / draws, 2.0 / 3.0, 0.03);
    // Aggression above 4 overrides the escorts with the heavy group.
    StartGame();
    Only({{21, 0, 0}, {33, 2, 2}, {43, 4, 4}});
    game.MemoPad.SetLines({"a", "b", "[Position] =L", "d"});
    kvd::MoveChoice& heavy = Moves();
    heavy.CanMove(game);
    state.EnemyConcern = 3, state.EnemyAggression = 5;
    for (int k = 0; k < 50; ++k) {
        game.Enemy.Code = 99;
        Decide([&](kvd::Rules& rules) { heavy.RandomSelection(rules); });
        ASSERT_EQ(game.Enemy.Code, 43);
    }
}

TEST_F(Opponent, TheComputerAttacksWhatItCanBeat) {
    Only({{21, 0, 0}, {11, 5, 5}, {45, 5, 4}});
    SetStrength(11, 3);
    ComputerTurn();
    EXPECT_FALSE(Table().UnitExists(11)) << "the battleship sinks the weak destroyer";
    EXPECT_EQ(PosX(45), 5);
    EXPECT_EQ(PosY(45), 5);
    EXPECT_EQ(Table().PrevY(Line(45)), 4);
    EXPECT_EQ(game.LastEnemyCode, 45);
    EXPECT_EQ(game.TurnCount, 1);
}
