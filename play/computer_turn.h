#pragma once
#include <optional>

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

    // An opponent whose move does not follow from the game's dice alone (one that searches
    // within a time limit) hands the move its last turn chose to the game's record, once; the
    // standard opponent hands none, its turns are played again from the dice.
    virtual std::optional<Move> TakeAnswer() { return std::nullopt; }
    // A record played again: the move the record kept for the next turn, played instead of
    // choosing anew; none to choose as usual.
    virtual void FollowAnswer(const std::optional<Move>& /*answer*/) {}
    // Whether the answer it was given to follow was no move its side could make then (a record
    // that lies): the turn then played nothing, and the record is refused.
    virtual bool AnswerRefused() const { return false; }
};

}  // namespace kvd
