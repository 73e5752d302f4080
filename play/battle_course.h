#pragma once
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/side.h"

namespace kvd {

class ComputerTurn;
struct GameRecord;

// How a battle went, turn by turn, as its end-of-game chart shows it.
struct BattleCourse {
    // What the chart marks at a turn.
    struct Mark {
        enum Kind { CapitalSunk, FlagTransfer };
        Kind kind = CapitalSunk;
        int turn = 0;
        Side side = kFirstSide;  // whose ship
        QString name;
    };
    // Ships afloat of the first side [0] and the second [1] at the start ([0]) and at the end of
    // each turn after it (the last one where the battle ended).
    std::vector<std::array<int, 2>> afloat;
    std::vector<Mark> marks;
    int Turns() const { return int(afloat.size()) - 1; }
};

// The course of a recorded battle, played again unseen with the computer that played it;
// nothing, with the reason, when the record does not play.
std::optional<BattleCourse> CourseOf(const GameRecord& record, ComputerTurn* computer,
                                     QString* error);

}  // namespace kvd
