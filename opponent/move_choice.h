#pragma once
#include <QString>

#include "play/move.h"

namespace kvd {

class Game;
class RadarScan;
struct OpponentState;
struct Rules;

// The heading digit from a cell toward a target cell (1 north-west to 8 south-east); 0 when
// the target is the cell itself.
int HeadingToward(int column, int row, int targetColumn, int targetRow);
// The escape list of an avoiding unit: directions away from the player's unit, best first.
QString EscapeList(int playerColumn, int playerRow, int column, int row);
// The highest-numbered free direction of a radar scan, or 0.
int HighestFree(const RadarScan& radar);
// The direction that answers a threat in ring slot 1 to 16.
int ThreatResponse(int slot);

// How the opponent picks and steps the unit of a turn without a fight. The headings and the
// boxed-in marks it keeps in the table are its own; the steps it makes go through the move
// function.
class MoveChoice {
  public:
    explicit MoveChoice(OpponentState& state) : state_(state) {}

    // Marks every acting unit free or boxed in; the number of units that can step.
    int CanMove(Game& game);
    // Picks the unit to move into Enemy.Code (or none).
    void RandomSelection(Rules& rules);
    // Steers Enemy.Code toward its kind's goal: its step (a Pass when no unit was picked).
    Move SteerStep(Rules& rules);
    // Steps the engaged unit away from the player's unit, or gives up (AvoidFailed).
    void AvoidMove(Rules& rules);
    // Chooses EnemyHeading when the preferred way is blocked or a threat is near.
    void NextBestMove(Game& game);

  private:
    // SteerStep's parts: the heading of the unit on `unit`'s line toward what its kind hunts or
    // keeps to; and, after the step is chosen, another way when the cell it leaves has what it
    // fears within two rings.
    void HeadForGoal(Game& game, int unit);
    void TurnFromThreats(Game& game, int code);

    OpponentState& state_;
};

}  // namespace kvd
