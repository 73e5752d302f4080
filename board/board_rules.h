#pragma once
#include <QPoint>
#include <Qt>

namespace kvd {

// What the board asks of the turn rules above it: the reveal pass before it composes the
// board and the radar sweep after, and the player's clicks and keys it passes on.
class BoardRules {
  public:
    virtual ~BoardRules() = default;
    // Marks which opposing units are identified; returns how many identifications it made.
    virtual int RevealEnemy() = 0;
    // The radar sweep in the bottom band.
    virtual void RadarFlacker() = 0;
    // A mouse press at a window position.
    virtual void FormMouseDown(Qt::MouseButton button, QPoint position) = 0;
    // A key of the board window other than Esc.
    virtual void FormKeyDown(int key) = 0;
};

}  // namespace kvd
