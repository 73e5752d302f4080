#pragma once
#include <QPoint>
#include <Qt>

namespace kvd {

// What the board asks of the turn rules above it: the radar sweep after it composes the board,
// and the player's clicks and keys it passes on.
class BoardRules {
  public:
    virtual ~BoardRules() = default;
    // The radar sweep in the bottom band.
    virtual void RadarFlacker() = 0;
    // A mouse press at a window position.
    virtual void FormMouseDown(Qt::MouseButton button, QPoint position) = 0;
    // A key of the board window other than Esc.
    virtual void FormKeyDown(int key) = 0;
    // The pointer moved over the board window (no button needed).
    virtual void FormMouseMove(QPoint) {}
};

}  // namespace kvd
