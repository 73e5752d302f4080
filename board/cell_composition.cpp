#include "board/cell_composition.h"

#include "platform/picture.h"

namespace kvd {

void CellComposition::Clear() {
    added_.clear();
    sorted_.clear();
    start_.fill(0);
    byCells_ = true;
}

void CellComposition::Add(int column, int row, const Picture& picture, const QRect& rect) {
    if (!OnBoard(column, row)) byCells_ = false;
    const int cell = OnBoard(column, row) ? row * kBoardSize + column : 0;
    added_.push_back({cell, Drawing{&picture, picture.Image().cacheKey(), rect}});
}

void CellComposition::Finish() {
    // A counting sort: stable, so a cell's drawings keep the order they are drawn in.
    std::array<int, kCells + 1> count{};
    for (const auto& [cell, drawing] : added_) ++count[size_t(cell) + 1];
    for (int cell = 0; cell < kCells; ++cell) count[size_t(cell) + 1] += count[size_t(cell)];
    start_ = count;
    sorted_.resize(added_.size());
    for (const auto& [cell, drawing] : added_) sorted_[size_t(count[size_t(cell)]++)] = drawing;
}

bool CellComposition::SameCell(const CellComposition& other, int cell) const {
    const Drawing *a = begin(cell), *b = other.begin(cell);
    if (end(cell) - a != other.end(cell) - b) return false;
    for (; a != end(cell); ++a, ++b)
        if (a->picture != b->picture || a->key != b->key || a->rect != b->rect) return false;
    return true;
}

}  // namespace kvd
