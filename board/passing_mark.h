#pragma once
#include <QImage>
#include <QRect>
#include <functional>

namespace kvd {

class BoardPainter;

// Something drawn over the board window for a moment (the keyboard's cell cursor, the fight
// forecast in the report line) and what it covered, put back when it goes. If the window has
// been drawn on there since (a move shown, the board composed anew), the covered pixels are
// stale and are dropped instead: the new drawing stays.
class PassingMark {
  public:
    explicit PassingMark(BoardPainter& paint) : paint_(paint) {}
    // Takes any earlier mark away, then draws this one over the area.
    void Show(const QRect& area, const std::function<void()>& draw);
    void Clear();
    // Whether the mark is on the window as it was drawn.
    bool Showing() const;

  private:
    BoardPainter& paint_;
    QRect area_;
    QImage under_, over_;
};

}  // namespace kvd
