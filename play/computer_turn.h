#pragma once

namespace kvd {

// The computer opponent's whole turn, run when the player's move ends in a game against it.
class ComputerTurn {
public:
    virtual ~ComputerTurn() = default;
    virtual void RunKI() = 0;
};

}  // namespace kvd
