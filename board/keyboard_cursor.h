#pragma once
#include <QPoint>

#include "board/passing_mark.h"

namespace kvd {

class BoardPainter;

// The keyboard's cell cursor: the cell the keys act on. It shows from the first key that moves
// it, and is taken off the board whenever something else draws there, so no snapshot of the
// board ever keeps it.
class KeyboardCursor {
  public:
    explicit KeyboardCursor(BoardPainter& paint) : paint_(paint), mark_(paint) {}
    QPoint Cell() const { return cell_; }
    bool Active() const { return active_; }
    // Moves by a step, staying on the board, or to a cell; from then on Redraw shows it.
    void Step(QPoint by);
    void MoveTo(int column, int row);
    // Off the board for a moment, and back where it stands (when it has been shown).
    void Hide() { mark_.Clear(); }
    void Redraw();

  private:
    BoardPainter& paint_;
    PassingMark mark_;
    QPoint cell_{0, 0};
    bool active_ = false;
};

// The step a key moves the cursor by: the arrows, and Home, End, Page Up and Page Down for the
// diagonals as the numeric keypad sends them without Num Lock; (0, 0) for any other key.
QPoint CursorStep(int key);
// A key of the numeric keypad as the keys of its eight directions (8 up, 7 up and left, ...),
// so it moves the cursor with Num Lock on or off; any other key as it is.
int KeypadAsDirection(int key, bool keypad);

}  // namespace kvd
