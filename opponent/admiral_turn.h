#pragma once
#include <cstdint>

#include "opponent/admiral.h"
#include "opponent/computer_opponent.h"
#include "opponent/contact_memory.h"

namespace kvd {

struct Rules;

// The Admiral playing the second side in a game against the computer, in place of the standard
// opponent's choice of move: the turn keeps the standard opponent's frame (a side that cannot
// move has lost, the flagship fires at the radar aircraft, the supply ship mends the big
// ships), and the one move of the turn is the Admiral's, from the second side's own board.
class AdmiralTurn : public ComputerOpponent {
public:
    AdmiralTurn(std::uint32_t seed, ThinkBudget budget) : seed_(seed), budget_(budget) {}
    void RunKI(Rules& rules) override;
    const Thought& LastThought() const { return last_; }
    // The moves it has chosen so far.
    int Moves() const { return moves_; }

private:
    std::uint32_t seed_;
    ThinkBudget budget_;
    Admiral admiral_;
    ContactMemory memory_;
    Thought last_;
    int moves_ = 0;
};

// A move of the second side as its turn makes one: the mover's fight variables, the step and
// the fight it leads to, then the supply ship mending the big ships (not in the first two
// campaign stages). False for a unit the side does not have.
bool PlaySecondSideMove(Rules& rules, const Move& move);

}  // namespace kvd
