#pragma once
#include "play/move.h"

namespace kvd {

struct Rules;

// The computer opponent, as the turn and the fight need it.
class ComputerTurn {
public:
    virtual ~ComputerTurn() = default;
    // Its whole turn, run when the player's move ends in a game against it.
    virtual void RunKI(Rules& rules) = 0;
    // Where its submarine goes after damaging a big ship of the player's (a Pass to stay).
    virtual Move SubmarineRetreat(Rules& rules) = 0;
};

}  // namespace kvd
