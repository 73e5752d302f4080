#pragma once
#include <QChar>
#include <QPoint>
#include <array>

#include "core/game.h"
#include "play/move.h"

namespace kvd {

// The cells a unit may step to: at most its eight neighbours, in direction order. A plain value
// that needs no allocation, since the players ask for every unit's targets every turn.
class Targets {
  public:
    void push_back(QPoint cell, bool opposed = false) {
        opposed_ |= opposed << count_;
        cells_[size_t(count_++)] = cell;
    }
    // Whether the i-th cell holds an opposing unit (a step there is an attack).
    bool Opposed(size_t i) const { return (opposed_ >> i) & 1; }
    size_t size() const { return size_t(count_); }
    bool empty() const { return count_ == 0; }
    const QPoint& front() const { return cells_[0]; }
    const QPoint& operator[](size_t i) const { return cells_[i]; }
    const QPoint* begin() const { return cells_.data(); }
    const QPoint* end() const { return cells_.data() + count_; }

  private:
    std::array<QPoint, 8> cells_;
    int count_ = 0;
    unsigned opposed_ = 0;
};

// The cells a unit of a side may step to from (column, row): free water, or an opposing unit
// that does not share its cell with a unit of the mover's side.
Targets TargetsOf(const Game& game, Side side, int column, int row);

// The same cells, each handed to reach(toColumn, toRow, opposed) in direction order, for a scan
// of every unit that keeps no list. What the radar scan of the cell shows, read straight from
// the board: open water, or an opposing unit as the last unit there.
template <class Reach>
void ForEachTarget(const Game& game, Side side, int column, int row, Reach reach) {
    const Side other = OtherSide(side);
    const auto& occupants = game.scratchpad.Occupants();
    const auto& land = game.MemoPad.Land();
    for (int k = 1; k <= 8; ++k) {
        const Offset o = DirectionOffset(k);
        const int toColumn = column + o.dc, toRow = row + o.dr;
        if (!OnBoard(toColumn, toRow)) continue;
        const size_t at = size_t(toRow * kBoardSize + toColumn);
        if (land[at]) continue;
        const UnitTable::Cell cell = occupants[at];
        const std::optional<Side> there = UnitTable::LastSideOn(cell);
        if (!there) {
            reach(toColumn, toRow, false);
            continue;
        }
        // An opposing unit that shares a cell with one of the mover's own (a fight that came to
        // nothing) is out of reach: stepping in would stack two units of one side.
        if (*there == other && !UnitTable::HoldsOn(cell, side)) reach(toColumn, toRow, true);
    }
}

// What a click on a cell selected.
struct Selection {
    int line = -1;              // the unit selected, -1 none
    bool minefield = false;     // shown, but it cannot move
    Targets targets;            // the cells it may step to
    bool repairMarker = false;  // its supply ship beside it may be asked for a repair
};

// A click of the side's player on a cell: its unit there (not the radar aircraft) becomes the
// selected one and its side's fighter (Player for the first side, Enemy for the
// second), its targets in MoveTargets, and whether a click on its supply ship asks for a
// repair (RepairReady, RepairCellX/Y). No unit there drops the selection.
Selection SelectUnit(Game& game, Side side, int column, int row);

// Whether a click on (column, row) steps the side's selected unit there: the slot of MoveTargets
// for that direction holds the cell, and the step is a legal move.
bool IsMarkedTarget(const Game& game, Side side, int column, int row);

// A move of the side's selected unit (its side's fighter) to (column, row).
Move SelectedUnitTo(const Game& game, Side side, int column, int row, MoveKind kind);

}  // namespace kvd
