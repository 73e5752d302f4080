#include "play/legal_moves.h"

#include <array>

#include "core/game.h"
#include "core/unit_codes.h"
#include "play/repair.h"
#include "play/selection.h"

namespace kvd {

namespace {

// Whether a unit of a side can be selected by a click on its cell: it is on the board, it is not
// the radar aircraft, and no unit of its side (but the aircraft) stands before it in the table
// on that cell.
bool Selectable(const UnitTable& t, Side side, int line) {
    const int code = t.Code(line), column = t.PosX(line), row = t.PosY(line);
    if (t.Side(line) != side || code == kReconPlaneCode || !OnBoard(column, row)) return false;
    for (int i = 1; i < line; ++i)
        if (t.Side(i) == side && t.Code(i) != kReconPlaneCode && t.PosX(i) == column &&
            t.PosY(i) == row)
            return false;
    return true;
}

// Whether a unit may ask its side's supply ship (the line `supply`, or -1) for a repair.
bool MayBeRepaired(const UnitTable& t, int line, int supply) {
    const int damage = t.DamageState(line);
    return supply >= 0 && MayAskForRepair(t.Code(line)) && (damage == 1 || damage == 2) &&
           t.RepairCount(line) == 0 &&
           DirectionTo(t.PosX(line), t.PosY(line), t.PosX(supply), t.PosY(supply)) > 0;
}

}  // namespace

std::vector<Move> LegalMoves(const Game& game, Side side) {
    const UnitTable& t = game.scratchpad;
    std::vector<Move> moves;
    moves.reserve(64);
    // A click selects the first unit of the side on a cell (a minefield too): the table is
    // read in order, so a cell already taken has its unit.
    std::array<bool, kBoardSize * kBoardSize> taken{};
    const int supply = t.FindSide(SupplyShipOf(side), side);
    for (int i = 1; i < t.Count(); ++i) {
        const int code = t.Code(i), column = t.PosX(i), row = t.PosY(i);
        if (t.Side(i) != side || code == kReconPlaneCode || !OnBoard(column, row)) continue;
        bool& onCell = taken[size_t(row * kBoardSize + column)];
        if (onCell) continue;
        onCell = true;
        if (IsMinefield(code)) continue;
        ForEachTarget(game, side, column, row, [&](int toColumn, int toRow, bool opposed) {
            moves.push_back(Move{side, code, column, row, toColumn, toRow,
                                 opposed ? MoveKind::Attack : MoveKind::Step});
        });
        if (MayBeRepaired(t, i, supply))
            moves.push_back(
                Move{side, code, column, row, t.PosX(supply), t.PosY(supply), MoveKind::Repair});
    }
    return moves;
}

bool IsLegal(const Game& game, const Move& move) {
    const UnitTable& t = game.scratchpad;
    const int unit = t.FindSide(move.code, move.side);
    if (unit < 0 || !Selectable(t, move.side, unit) || IsMinefield(move.code)) return false;
    switch (move.kind) {
        case MoveKind::Repair:
            return MayBeRepaired(t, unit, t.FindSide(SupplyShipOf(move.side), move.side));
        case MoveKind::Step:
        case MoveKind::Attack:
            break;
        case MoveKind::Shot:
        case MoveKind::Pass:
            return false;
    }
    if (t.PosX(unit) != move.fromColumn || t.PosY(unit) != move.fromRow) return false;
    for (QPoint cell : TargetsOf(game, move.side, move.fromColumn, move.fromRow))
        if (cell == QPoint(move.toColumn, move.toRow)) return true;
    return false;
}

}  // namespace kvd
