#pragma once

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
};

}  // namespace kvd
