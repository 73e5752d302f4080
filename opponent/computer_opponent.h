#pragma once
#include "opponent/move_choice.h"
#include "opponent/opponent_state.h"
#include "play/computer_turn.h"

namespace kvd {

class Game;

// The computer opponent, playing the second side's turn: it shoots at the radar aircraft,
// then one unit fights, steps away, or steps toward its goal, and the supply ship mends the
// big ships. A side that cannot act has lost. It decides through the same move function as
// every player and notes what the board is to show.
class ComputerOpponent : public ComputerTurn {
  public:
    void RunKI(Rules& rules) override;
    // The submarine that damaged a big ship steps on (or back, with escorts about).
    Move SubmarineRetreat(Rules& rules) override;

    OpponentState& State() { return state_; }
    // Quiet: a turn with no meeting moves nothing, where the opponent would step a unit drawn
    // at random. The Admiral's model of the opponent's reply: the random step is noise to a
    // search that cannot know the draw, and the hidden units' ways are followed apart.
    void SetQuiet(bool quiet) { quiet_ = quiet; }
    // The meetings of this turn: a copy of each player's unit next to one of the opponent's
    // acting units, with that unit's code in the attacker column.
    void BuildEngagements(const Game& game);

  protected:
    // The flagship fires at the radar aircraft over or beside it.
    void ShootAtTheAircraft(Rules& rules);

  private:
    void Attack(Rules& rules);

    OpponentState state_;
    bool quiet_ = false;
    MoveChoice moves_{state_};
};

// The opponent's moods, from the units left: concern by its own losses, aggression by the
// player's.
int EnemyConcern(const Game& game);
// What follows the second side's move in a game against the computer, whoever chose it: the
// unit that moved shown where the board shows it, the board composed (and what its radar
// identifies noted), the supply ship mending the big ships; nothing after a fight that sank or
// spent a unit, and in the first two campaign stages neither the composing nor the repairs.
void FinishSecondSideMove(Rules& rules);
int EnemyAggression(const Game& game);

}  // namespace kvd
