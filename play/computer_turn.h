#pragma once

namespace kvd {

// The computer opponent, as the player's turn and the fight need it.
class ComputerTurn {
public:
    virtual ~ComputerTurn() = default;
    // Its whole turn, run when the player's move ends in a game against it.
    virtual void RunKI() = 0;
    // Its submarine steps away after damaging a big ship of the player's.
    virtual void SubmarineRetreat() = 0;
};

}  // namespace kvd
