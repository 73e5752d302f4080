#pragma once
#include <QRect>
#include <array>
#include <vector>

#include "core/unit_table.h"

namespace kvd {

class Picture;

// The pictures a composition of the board draws, cell by cell, in the order it draws them.
// Compared with the composition before it, it tells which cells need drawing again: a step
// changes a few cells, and the rest of the board can stay as it was drawn.
class CellComposition {
  public:
    struct Drawing {
        const Picture* picture;
        qint64 key;  // the picture's pixels: a picture loaded anew is a different drawing
        QRect rect;
    };

    void Clear();
    // A picture drawn into a rectangle within the cell (column, row). A cell off the board makes
    // the whole composition one that cannot be compared cell by cell.
    void Add(int column, int row, const Picture& picture, const QRect& rect);
    // Sorts the drawings by cell, keeping their order within a cell; call once all are added.
    void Finish();

    // Whether every drawing lies within a cell of the board.
    bool ByCells() const { return byCells_; }
    // The drawings of a cell, in drawing order.
    const Drawing* begin(int cell) const { return sorted_.data() + start_[size_t(cell)]; }
    const Drawing* end(int cell) const { return sorted_.data() + start_[size_t(cell) + 1]; }
    // Whether a cell is drawn the same in both compositions.
    bool SameCell(const CellComposition& other, int cell) const;

    static constexpr int kCells = kBoardSize * kBoardSize;

  private:
    std::vector<std::pair<int, Drawing>> added_;
    std::vector<Drawing> sorted_;
    std::array<int, kCells + 1> start_{};
    bool byCells_ = true;
};

}  // namespace kvd
