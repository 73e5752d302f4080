#pragma once
#include <QString>

namespace kvd {

class Game;
class Dice;
struct OpponentState;
struct Scene;

// The heading digit from a cell toward a target cell (1 north-west to 8 south-east); 0 when
// the target is the cell itself.
int HeadingToward(int column, int row, int targetColumn, int targetRow);
// The escape list of an avoiding unit: directions away from the player's unit, best first.
QString EscapeList(int playerColumn, int playerRow, int column, int row);
// The highest-numbered free direction of a radar string, or 0.
int HighestFree(const QString& radar);
// The direction that answers a threat in ring slot 1 to 16.
int ThreatResponse(int slot);

// How the opponent picks and steps the unit of a turn without a fight.
class MoveChoice {
public:
    MoveChoice(Scene& scene, OpponentState& state);

    // Marks every acting unit free or boxed in; the number of units that can step.
    int CanMove();
    // Picks the unit to move into EnemyCode (or none).
    void RandomSelection();
    // Steers EnemyCode toward its kind's goal and takes one step.
    bool CheckMove();
    // Steps the engaged unit away from the player's unit, or gives up (AvoidFailed).
    bool AvoidMove();
    // Chooses EnemyHeading when the preferred way is blocked or a threat is near.
    void NextBestMove();

private:
    Scene& scene_;
    Game& game_;
    OpponentState& state_;
    Dice& random_;
};

}  // namespace kvd
