#pragma once
#include <cstdint>
#include <functional>

#include "opponent/admiral_turn.h"
#include "opponent/computer_opponent.h"
#include "play/computer_turn.h"

namespace kvd {

// The computer opponent the player chose: the standard opponent or the Admiral, by the
// opponent setting of the game being played. A game's settings stay as they were when it
// started (a resumed or replayed game's are its record's), so a game is played by one opponent
// to its end, and the next game takes whatever the options say then.
class OpponentChoice : public ComputerTurn {
  public:
    OpponentChoice(std::uint32_t seed, ThinkBudget budget) : admiral_(seed, budget) {}

    void RunKI(Rules& rules) override;
    Move SubmarineRetreat(Rules& rules) override;
    std::optional<Move> TakeAnswer() override { return admiral_.TakeAnswer(); }
    void FollowAnswer(const std::optional<Move>& answer) override { admiral_.FollowAnswer(answer); }

    ComputerOpponent& Standard() { return standard_; }
    AdmiralTurn& Admiral() { return admiral_; }

  private:
    ComputerOpponent& Playing(const Rules& rules);

    ComputerOpponent standard_;
    AdmiralTurn admiral_;
};

}  // namespace kvd
