#include <gtest/gtest.h>
#include <tuple>

#include "core/game.h"
#include "core/language_texts.h"
#include "core/settings.h"
#include "play/apply_move.h"
#include "play/combat.h"
#include "play/move.h"
#include "play/rules.h"
#include "play/selection.h"
#include "play/showing.h"
#include "tests/support/unit_line.h"

namespace {

// A game on an open sea with the units a test names (side, code, strength, column, row).
struct Moves : ::testing::Test {
    kvd::Game game;
    kvd::Settings settings;
    kvd::LanguageTexts texts;
    kvd::Showing shown{true};

    void Units(std::initializer_list<std::tuple<char, int, int, int, int>> units) {
        QStringList lines{"header"};
        for (const auto& [side, code, strength, column, row] : units)
            lines << kvd::test::UnitLine(QChar(side), code, strength, column, row);
        game.scratchpad.SetLines(lines);
        game.GameActive = true;
    }
    kvd::MoveResult Apply(const kvd::Move& move, kvd::Meeting meeting = kvd::Meeting::Now) {
        kvd::Rules rules{game, settings, texts, shown};
        return kvd::ApplyMove(rules, move, meeting);
    }
    // The mover's fight variables as a selection leaves them.
    kvd::Move Step(char side, int code, int toColumn, int toRow) {
        const kvd::UnitTable& t = game.scratchpad;
        const int i = t.Find(code);
        const kvd::Move move{kvd::test::SideOf(side), code, t.PosX(i), t.PosY(i), toColumn, toRow,
                             kvd::MoveKind::Step};
        if (side == 'E')
            game.Player.Code = code, game.Player.Strength = t.Strength(i);
        else
            game.Enemy.Code = code, game.Enemy.Strength = t.Strength(i);
        return move;
    }
    QPoint Cell(int code) {
        return {game.scratchpad.PosX(Find(code)), game.scratchpad.PosY(Find(code))};
    }
    QPoint Prev(int code) {
        return {game.scratchpad.PrevX(Find(code)), game.scratchpad.PrevY(Find(code))};
    }
    int Find(int code) { return game.scratchpad.Find(code); }
};

}  // namespace

TEST_F(Moves, AStepMovesTheUnitAndMeetsWhatStandsThere) {
    // Free water, a stronger and a weaker opposing ship, for either side as the mover.
    struct Case {
        char side;
        int mover, strength, target, targetStrength;
        int outcome;  // -1: no fight
        bool moverLeft, targetLeft;
    } cases[] = {
        {'E', 16, 5, 0, 0, -1, true, false},
        {'E', 16, 5, 40, 3, kvd::outcome::kFirstWins, true, false},
        {'E', 16, 3, 40, 5, kvd::outcome::kSecondWins, false, true},
        {'D', 40, 5, 16, 3, kvd::outcome::kSecondWins, true, false},
        {'D', 40, 5, 0, 0, -1, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.side << c.mover << " onto " << c.target);
        if (c.target)
            Units({{c.side, c.mover, c.strength, 4, 4},
                   {c.side == 'E' ? 'D' : 'E', c.target, c.targetStrength, 5, 4}});
        else
            Units({{c.side, c.mover, c.strength, 4, 4}});
        const kvd::MoveResult result = Apply(Step(c.side, c.mover, 5, 4));
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.met, c.target);
        EXPECT_EQ(game.SideToMove, kvd::test::SideOf(c.side));
        EXPECT_EQ(Find(c.mover) >= 0, c.moverLeft);
        if (c.target) {
            EXPECT_EQ(Find(c.target) >= 0, c.targetLeft);
        }
        if (Find(c.mover) >= 0) {
            EXPECT_EQ(Cell(c.mover), QPoint(5, 4));
            EXPECT_EQ(Prev(c.mover), QPoint(4, 4)) << "the cell it came from";
        }
    }
}

TEST_F(Moves, WhenTheMeetingComes) {
    // The peer's step meets nothing until its turn token; a retreat never; a unit that stays
    // where it is meets nobody, though a fight that came to nothing left an enemy on its cell.
    for (kvd::Meeting meeting : {kvd::Meeting::Later, kvd::Meeting::Never}) {
        Units({{'E', 16, 5, 4, 4}, {'D', 40, 3, 5, 4}});
        const kvd::MoveResult result = Apply(Step('E', 16, 5, 4), meeting);
        EXPECT_EQ(result.outcome, -1);
        EXPECT_EQ(Cell(16), QPoint(5, 4));
        EXPECT_GE(Find(40), 0);
    }
    Units({{'D', 41, 3, 6, 6}, {'E', 17, 5, 6, 6}});
    EXPECT_EQ(Apply(Step('D', 41, 6, 6)).outcome, -1);
    EXPECT_GE(Find(17), 0);
}

TEST_F(Moves, TheRadarAircraftFliesOverShipsAndOnlyGunsReachIt) {
    Units({{'E', 1, 0, 3, 3}, {'E', 22, 7, 0, 0}, {'D', 40, 5, 5, 5}, {'D', 46, 7, 3, 4}});
    // Its patrol step keeps no previous cell and meets the ship below.
    Apply(kvd::Move{kvd::kFirstSide, 1, 3, 3, 4, 4, kvd::MoveKind::Step});
    EXPECT_EQ(Cell(1), QPoint(4, 4));
    EXPECT_EQ(Prev(1), QPoint(3, 3)) << "as the fleet placed it";
    EXPECT_GE(Find(40), 0);
    // An opposing ship stepping under it meets nothing.
    EXPECT_EQ(Apply(Step('D', 40, 4, 4)).outcome, -1);
    // The carrier's guns shoot it down: nobody moves.
    game.Player.Code = 1, game.Enemy.Code = 46, game.Player.X = 4, game.Player.Y = 4;
    const kvd::MoveResult shot =
        Apply(kvd::Move{kvd::kSecondSide, 46, 3, 4, 4, 4, kvd::MoveKind::Shot});
    EXPECT_EQ(shot.outcome, kvd::outcome::kSecondWins);
    EXPECT_EQ(Find(1), -1) << "no launch left";
    EXPECT_EQ(Cell(46), QPoint(3, 4));
}

TEST_F(Moves, ARepairRequestAsksTheSidesSupplyShipAndAPassDoesNothing) {
    for (char side : {'E', 'D'}) {
        const int supply = side == 'E' ? 2 : 26, ship = side == 'E' ? 16 : 40;
        Units({{side, supply, 2, 4, 4}, {side, ship, 3, 5, 5}});
        const QStringList before = game.scratchpad.Lines();
        EXPECT_FALSE(Apply(kvd::Move{kvd::test::SideOf(side)}).repaired);
        EXPECT_EQ(game.scratchpad.Lines(), before) << "a pass";
        EXPECT_TRUE(
            Apply(kvd::Move{kvd::test::SideOf(side), ship, 5, 5, 4, 4, kvd::MoveKind::Repair})
                .repaired);
        EXPECT_EQ(game.scratchpad.Strength(Find(ship)), 4);
    }
}

TEST_F(Moves, TheRulesDecideTheSameWhetherAnyoneLooksOrNot) {
    // A whole fight decided with and without noting what to show.
    auto fight = [&](bool recording) {
        kvd::Showing show(recording);
        Units({{'E', 16, 5, 4, 4}, {'D', 40, 5, 5, 4}, {'E', 11, 5, 6, 5}, {'D', 36, 5, 5, 5}});
        settings.AdditionalDamage = 'Y';
        game.dice = kvd::Dice(7);
        kvd::Rules rules{game, settings, texts, show};
        kvd::ApplyMove(rules, Step('E', 16, 5, 4));
        return std::make_pair(game.scratchpad.Lines(), show.Steps().size());
    };
    const auto [seen, steps] = fight(true);
    const auto [unseen, none] = fight(false);
    EXPECT_EQ(seen, unseen);
    EXPECT_GT(steps, 20u) << "the flashes, sounds and pauses of a fight";
    EXPECT_EQ(none, 0u);
}

TEST_F(Moves, ACopyOfAGamePlaysOnApart) {
    Units({{'E', 16, 5, 4, 4}, {'D', 40, 3, 6, 4}});
    game.dice = kvd::Dice(3);
    kvd::Game copy = game;
    kvd::Rules rules{copy, settings, texts, shown};
    kvd::ApplyMove(rules, kvd::Move{kvd::kFirstSide, 16, 4, 4, 5, 4, kvd::MoveKind::Step});
    EXPECT_EQ(Cell(16), QPoint(4, 4)) << "the original stays";
    EXPECT_EQ(copy.scratchpad.PosX(copy.scratchpad.Find(16)), 5);
    EXPECT_EQ(copy.dice.Next(1000), game.dice.Next(1000)) << "both draw on from the same point";
}

TEST_F(Moves, OnlyAMarkedTargetIsAStepAndTheTopLeftCellIsNoException) {
    // A supply ship at (2, 0) with the cell (0, 0) two columns away: the unmarked slots of
    // MoveTargets read "0000", the text of that cell, and once let a click there move it.
    for (char side : {'E', 'D'}) {
        SCOPED_TRACE(side);
        const int supply = side == 'E' ? 2 : 26;
        Units({{side, supply, 2, 2, 0}, {side == 'E' ? 'D' : 'E', side == 'E' ? 40 : 16, 5, 3, 1}});
        game.MemoPad.SetLines({"a", "b", "[Position] =L", "d", "0101"});  // land south-west
        const kvd::Selection selection = kvd::SelectUnit(game, kvd::test::SideOf(side), 2, 0);
        ASSERT_EQ(selection.line, Find(supply));
        EXPECT_EQ(selection.targets.size(), 4u)
            << "west, east, south, and the opposing unit south-east";
        EXPECT_FALSE(kvd::IsMarkedTarget(game, kvd::test::SideOf(side), 0, 0));
        EXPECT_FALSE(kvd::IsMarkedTarget(game, kvd::test::SideOf(side), 1, 1)) << "land";
        EXPECT_FALSE(kvd::IsMarkedTarget(game, kvd::test::SideOf(side), 2, 0)) << "its own cell";
        for (QPoint cell : selection.targets)
            EXPECT_TRUE(kvd::IsMarkedTarget(game, kvd::test::SideOf(side), cell.x(), cell.y()));
        // A unit right beside the top-left cell may step there when it is free.
        Units({{side, supply, 2, 1, 0}});
        kvd::SelectUnit(game, kvd::test::SideOf(side), 1, 0);
        EXPECT_TRUE(kvd::IsMarkedTarget(game, kvd::test::SideOf(side), 0, 0));
    }
}

TEST(MoveRecords, TheWireFormOfAMove) {
    const kvd::Move step{kvd::kSecondSide, 35, 7, 2, 6, 3, kvd::MoveKind::Step};
    EXPECT_EQ(kvd::PeerRecord(step), "[Move]=3506030702");
    const kvd::Move read = kvd::MoveOfPeerRecord(kvd::PeerRecord(step), kvd::kSecondSide);
    EXPECT_EQ(read.kind, kvd::MoveKind::Step);
    EXPECT_EQ(read.code, 35);
    EXPECT_EQ(QPoint(read.toColumn, read.toRow), QPoint(6, 3));
    EXPECT_EQ(QPoint(read.fromColumn, read.fromRow), QPoint(7, 2));
    // A repair names the side's own supply ship and the unit repaired.
    for (const kvd::Side side : {kvd::kFirstSide, kvd::kSecondSide}) {
        const int target = side == kvd::kFirstSide ? 21 : 45;
        const kvd::Move repair{side, target, 0, 0, 0, 0, kvd::MoveKind::Repair};
        const QString record = kvd::PeerRecord(repair);
        EXPECT_EQ(record, side == kvd::kFirstSide ? "[Repair]=0221" : "[Repair]=2645");
        const kvd::Move back = kvd::MoveOfPeerRecord(record, side);
        EXPECT_EQ(back.kind, kvd::MoveKind::Repair);
        EXPECT_EQ(back.code, target);
        // The other side's supply ship is not this side's to ask.
        EXPECT_EQ(kvd::MoveOfPeerRecord(record, kvd::OtherSide(side)).kind, kvd::MoveKind::Pass);
    }
    for (const char* broken :
         {"[Move]=35060307", "[Move]=35060307020", "[Mover]=3506030702", "[Move]=35x6030702",
          "[Move]=-505060505", "[Repair]=026", "[Repair]=02211", "[Repair]=02x1", "[Repair]=2645"})
        EXPECT_EQ(kvd::MoveOfPeerRecord(broken, kvd::kFirstSide).kind, kvd::MoveKind::Pass)
            << broken;
}
