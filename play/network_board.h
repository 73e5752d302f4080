#pragma once
#include <QString>

namespace kvd {

// What the board asks of the multi-player window in a network game: the joining player's
// selection and step, and the host's hand-over of the turn to its peer.
class NetworkBoard {
public:
    virtual ~NetworkBoard() = default;
    // The joining player clicked a cell that is not one of its unit's targets.
    virtual void CheckBox() = 0;
    // The joining player's selected unit steps to a target cell.
    virtual void MoveEnemy(int column, int row) = 0;
    // The hosting player's step is done: the turn passes to the joining player.
    virtual void PlayerSleep() = 0;
    // The name of the commander of a side (the first side is the hosting player's).
    virtual QString Commander(bool firstSide) const = 0;
    // The game is over or left: the connection is closed and the window made ready again.
    virtual void ResetConnection() = 0;
};

}  // namespace kvd
