#include "play/selection.h"

#include <algorithm>

#include "core/game.h"
#include "core/unit_codes.h"
#include "play/combat.h"
#include "play/legal_moves.h"
#include "play/repair.h"

namespace kvd {

Move SelectedUnitTo(const Game& g, Side side, int column, int row, MoveKind kind) {
    const Fighter& f = g.FighterOf(side);
    return Move{side, f.Code, f.X, f.Y, column, row, kind};
}

Targets TargetsOf(const Game& game, Side side, int column, int row) {
    Targets targets;
    ForEachTarget(game, side, column, row, [&](int toColumn, int toRow, bool opposed) {
        targets.push_back(QPoint(toColumn, toRow), opposed);
    });
    return targets;
}

Selection SelectUnit(Game& g, Side side, int column, int row) {
    Selection selection;
    const UnitTable& table = g.scratchpad;
    // Written over in place: a selection is made for every move of every player, and taking the
    // shared empty text would cost a fresh copy at the first target written.
    if (g.MoveTargets.size() == Game::kNoMoveTargets.size())
        std::copy(Game::kNoMoveTargets.cbegin(), Game::kNoMoveTargets.cend(),
                  g.MoveTargets.begin());
    else
        g.MoveTargets = Game::kNoMoveTargets;
    for (int i = 1; i < table.Count() && selection.line < 0; ++i)
        if (table.Side(i) == side && table.Code(i) != 1 && table.PosX(i) == column &&
            table.PosY(i) == row)
            selection.line = i;
    if (selection.line < 0) {
        g.UnitSelected = false;
        g.RepairReady = false;
        return selection;
    }
    const int unit = selection.line;
    const int code = table.Code(unit);
    const bool first = side == kFirstSide;
    g.UnitSelected = true;
    TakeFighter(g, unit);
    const int x = table.PosX(unit), y = table.PosY(unit);
    const int damage = table.DamageState(unit);
    g.RepairReady = MayAskForRepair(code) && (damage == 1 || damage == 2);
    if (KindOfCode(code) == UnitKind::Minefield) {
        selection.minefield = true;
        g.UnitSelected = false;
        return selection;
    }
    selection.targets = TargetsOf(g, side, x, y);
    for (QPoint cell : selection.targets) {
        const int k = DirectionTo(x, y, cell.x(), cell.y());
        WriteNumber(g.MoveTargets, 5 * k - 4, 2, cell.x());
        WriteNumber(g.MoveTargets, 5 * k - 2, 2, cell.y());
    }
    if (g.RepairReady) {
        const QString scan = first ? RadarAux(g, x, y) : AxisRepairScan(g, x, y);
        selection.repairMarker = scan.contains(QLatin1Char('A'));
    }
    return selection;
}

bool IsMarkedTarget(const Game& g, Side side, int column, int row) {
    if (!g.UnitSelected) return false;
    const int x = g.FighterOf(side).X, y = g.FighterOf(side).Y;
    const int k = DirectionTo(x, y, column, row);
    if (k == 0 || ReadNumber(g.MoveTargets, 5 * k - 4, 2) != column ||
        ReadNumber(g.MoveTargets, 5 * k - 2, 2) != row)
        return false;
    return IsLegal(g, SelectedUnitTo(g, side, column, row, MoveKind::Step));
}

}  // namespace kvd
