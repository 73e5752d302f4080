#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "opponent/admiral.h"
#include "opponent/computer_opponent.h"
#include "opponent/contact_memory.h"

namespace kvd {

struct Rules;

// The Admiral playing the second side in a game against the computer, in place of the standard
// opponent's choice of move: the turn keeps the standard opponent's frame (a side that cannot
// move has lost, the flagship fires at the radar aircraft, the supply ship mends the big
// ships), and the one move of the turn is the Admiral's, from the second side's own board.
//
// Its move depends on how far it got within its time limit, so it is no pure function of the
// game's dice: each move it chose is handed to the game's record (TakeAnswer), and a record
// played again gives it back (FollowAnswer), to be played as it was.
class AdmiralTurn : public ComputerOpponent {
  public:
    AdmiralTurn(std::uint32_t seed, ThinkBudget budget) : seed_(seed), budget_(budget) {}
    void RunKI(Rules& rules) override;
    std::optional<Move> TakeAnswer() override;
    void FollowAnswer(const std::optional<Move>& answer) override {
        follow_ = answer;
        refused_ = false;
    }
    bool AnswerRefused() const override { return refused_; }
    const Thought& LastThought() const { return last_; }
    // The moves it has chosen so far.
    int Moves() const { return moves_; }

    // In the program the Admiral thinks on a thread of its own, and the turn waits for it
    // through this, the game's wait (false once the game has been left or the program ends),
    // so the window stays alive. Unset, it thinks in the turn itself (self-play, tests). The
    // thought is the same either way: it reads only its copy of the board.
    std::function<bool(int ms)> pause;

  private:
    Thought Think(const SideView& view, std::uint32_t seed) const;

    std::uint32_t seed_;
    ThinkBudget budget_;
    Admiral admiral_;
    ContactMemory memory_;
    Thought last_;
    int moves_ = 0;
    std::optional<Move> answer_, follow_;
    bool refused_ = false;
};

// Thinks over `view` on a thread of its own while `pause` waits, a few milliseconds at a time,
// on the calling one; inline when there is no pause. The thread reads only its copy of the
// board, so the thought is the one the calling thread would have had.
Thought ThinkAside(const Admiral& admiral, const SideView& view, std::uint32_t seed,
                   const ThinkBudget& budget, const std::function<bool(int ms)>& pause);

// A move of the second side as its turn makes one: the mover's fight variables, the step and
// the fight it leads to, then the supply ship mending the big ships (not in the first two
// campaign stages). False for a unit the side does not have.
bool PlaySecondSideMove(Rules& rules, const Move& move);

}  // namespace kvd
