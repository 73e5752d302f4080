#include "play/apply_move.h"

#include "core/game.h"
#include "core/settings.h"
#include "play/combat.h"
#include "play/fight.h"
#include "play/repair.h"
#include "play/rules.h"

namespace kvd {

namespace {
MoveResult Result(const Game& g, bool fought, int met) {
    MoveResult r;
    r.met = met;
    if (fought) {
        r.outcome = g.Winner;
        r.sunk = g.Loser;
        r.flagTransferred = g.ETransferred || g.DTransferred;
    }
    r.gameOver = g.GameOver || !g.GameActive;
    return r;
}

// The opposing unit a step onto a cell meets: the last one there in table order. The radar
// aircraft flies above the sea and is met by no step; only a flagship's guns reach it.
int MetOn(const Game& g, Side moverSide, int column, int row) {
    const UnitTable& table = g.scratchpad;
    const Side other = OtherSide(moverSide);
    int found = -1;
    for (int i = 1; i < table.Count(); ++i)
        if (table.Side(i) == other && table.Code(i) != 1 && table.PosX(i) == column &&
            table.PosY(i) == row)
            found = i;
    return found;
}
}  // namespace

void Relocate(UnitTable& table, int line, int column, int row) {
    table.SetPos(line, column, row);
}

void Relocate(UnitTable& table, int line, int column, int row, int prevColumn, int prevRow) {
    table.SetPos(line, column, row);
    table.SetPrev(line, prevColumn, prevRow);
}

void FlyAircraft(Game& g, const Move& m) {
    // The radar aircraft flies over ships and land alike and keeps no previous cell.
    UnitTable& table = g.scratchpad;
    const int line = table.FindSide(kReconPlaneCode, kFirstSide);
    if (line >= 0) Relocate(table, line, m.toColumn, m.toRow);
}

void Meet(Rules& r, Side moverSide, int column, int row) {
    Game& g = r.game;
    const int met = MetOn(g, moverSide, column, row);
    if (met < 0) return;
    TakeFighter(g, met);
    if (r.settings.AdditionalDamage == QLatin1Char('Y')) MultiCombat(g);
    Fight(r);
}

MoveResult ApplyMove(Rules& r, const Move& m, Meeting meeting,
                     const std::function<void()>& afterStep) {
    Game& g = r.game;
    UnitTable& table = g.scratchpad;
    switch (m.kind) {
        case MoveKind::Pass:
            return Result(g, false, 0);
        case MoveKind::Repair: {
            MoveResult result = Result(g, false, 0);
            result.repaired = Repair(r, SupplyShipOf(m.side), m.code);
            return result;
        }
        case MoveKind::Shot:
            // Fired from where the ship stands: nobody moves.
            Fight(r);
            return Result(g, true, 1);
        case MoveKind::Step:
        case MoveKind::Attack:
            break;
    }
    if (m.code == kReconPlaneCode) {
        FlyAircraft(g, m);
        return Result(g, false, 0);
    }
    const int line = table.FindSide(m.code, m.side);
    Fighter& mover = g.FighterOf(m.side);
    mover.OldX = m.fromColumn, mover.OldY = m.fromRow;
    mover.X = m.toColumn, mover.Y = m.toRow;
    if (line >= 0) Relocate(table, line, m.toColumn, m.toRow, m.fromColumn, m.fromRow);
    g.SideToMove = m.side;
    if (afterStep) afterStep();
    if (meeting != Meeting::Now) return Result(g, false, 0);
    g.SubRetreat = false;
    // A unit that stays where it is meets nobody, though an opposing unit may share its cell
    // after a fight that came to nothing.
    if (m.Stays()) return Result(g, false, 0);
    const int met = MetOn(g, m.side, m.toColumn, m.toRow);
    if (met < 0) return Result(g, false, 0);
    const int metCode = table.Code(met);
    Meet(r, m.side, m.toColumn, m.toRow);
    return Result(g, true, metCode);
}

}  // namespace kvd
