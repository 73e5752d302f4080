// The scripted player that plays the self-play games' first side and either side of the
// network tests: the same position seen from the other side gets the same choice.
#include <gtest/gtest.h>
#include <QPoint>
#include <vector>

#include "core/game.h"
#include "core/unit_codes.h"
#include "platform/random.h"
#include "play/radar.h"
#include "tests/support/unit_line.h"
#include "tools/selfplay/scripted_player.h"

namespace {

using kvd::Approach;
using kvd::ScriptedMove;

struct Unit {
    char side;
    int code, strength, column, row;
    bool damaged = false;
};

// A game on an open sea with these units, or with the sides swapped (each unit the other
// side's unit of its kind).
kvd::Game Position(const std::vector<Unit>& units, bool swapped) {
    QStringList lines{"header"};
    for (const Unit& u : units) {
        const bool first = (u.side == 'E') != swapped;
        const int code = kvd::FirstSideCode(u.code);
        lines << kvd::test::UnitLine(kvd::SideLetter(first ? kvd::kFirstSide : kvd::kSecondSide),
                                     first        ? code
                                     : code >= 50 ? code + 10
                                                  : code + 24,
                                     u.strength, u.column, u.row);
    }
    kvd::Game game;
    game.scratchpad.SetLines(lines);
    for (size_t i = 0; i < units.size(); ++i)
        if (units[i].damaged) game.scratchpad.SetDamageState(int(i) + 1, 1);
    return game;
}

}  // namespace

TEST(ScriptedPlayer, ChoosesAlikeForEitherSide) {
    struct Case {
        const char* what;
        std::vector<Unit> units;  // the mover's side as 'E'
        Approach approach;
        ScriptedMove::Kind kind;
        int toColumn, toRow;  // -1: any free step
    } const cases[] = {
        {"a submarine hits the sound battleship, not the escort beside it",
         {{'E', 5, 5, 4, 4}, {'D', 21, 7, 5, 4}, {'D', 9, 3, 3, 4}},
         Approach::Wander,
         ScriptedMove::Step,
         5,
         4},
        {"a damaged ship beside the supply ship is repaired before any attack",
         {{'E', 2, 2, 0, 0}, {'E', 16, 5, 1, 0, true}, {'D', 9, 2, 2, 0}},
         Approach::Wander,
         ScriptedMove::Repair,
         0,
         0},
        {"a wanderer leaves an even fight alone",
         {{'E', 11, 5, 4, 4}, {'D', 11, 5, 5, 4}},
         Approach::Wander,
         ScriptedMove::Step,
         -1,
         -1},
        {"pressing on, it trades ship for ship",
         {{'E', 11, 5, 4, 4}, {'D', 11, 5, 5, 4}},
         Approach::PressOn,
         ScriptedMove::Step,
         5,
         4},
        {"pressing on, it steps nearer the opposing ships",
         {{'E', 11, 5, 1, 1}, {'D', 11, 5, 8, 8}},
         Approach::PressOn,
         ScriptedMove::Step,
         2,
         2},
        {"with nothing but minefields it passes",
         {{'E', 23, 5, 0, 0}, {'E', 24, 5, 1, 0}, {'D', 11, 5, 2, 0}},
         Approach::PressOn,
         ScriptedMove::Pass,
         0,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int seed = 1; seed <= 5; ++seed) {
            kvd::Dice firstDice(seed), secondDice(seed);
            const kvd::Game first = Position(c.units, false), second = Position(c.units, true);
            const ScriptedMove e = kvd::ChooseMove(first, firstDice, kvd::kFirstSide, c.approach);
            const ScriptedMove d =
                kvd::ChooseMove(second, secondDice, kvd::kSecondSide, c.approach);
            ASSERT_EQ(e.kind, c.kind);
            EXPECT_EQ(d.kind, e.kind);
            EXPECT_EQ(QPoint(d.column, d.row), QPoint(e.column, e.row));
            EXPECT_EQ(QPoint(d.toColumn, d.toRow), QPoint(e.toColumn, e.toRow));
            if (c.kind == ScriptedMove::Pass) continue;
            if (c.toColumn >= 0)
                EXPECT_EQ(QPoint(e.toColumn, e.toRow), QPoint(c.toColumn, c.toRow));
            else
                EXPECT_FALSE(kvd::HoldsUnitOf(first, kvd::kSecondSide, e.toColumn, e.toRow))
                    << "no attack";
        }
    }
}
