#include "tools/selfplay/scripted_player.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/game.h"
#include "core/unit_codes.h"
#include "platform/random.h"
#include "play/combat.h"
#include "play/move.h"
#include "play/repair.h"
#include "play/selection.h"

namespace kvd {

namespace {
// An outcome that sinks or hits the opposing unit and spares the attacker (its own minefield
// spent on a ship counts too). The table is written from the first side's view.
bool Favoured(bool firstSide, int outcome) {
    using namespace outcome;
    if (firstSide)
        return outcome == kFirstWins || outcome == kSecondHit || outcome == kMineHitsShip;
    return outcome == kSecondWins || outcome == kFirstHit || outcome == kShipHitsMine;
}

// King's steps from a cell to the nearest of the opposing ships, or a long way when there is none.
int Distance(const std::vector<QPoint>& ships, int column, int row) {
    int distance = 100;
    for (QPoint ship : ships)
        distance =
            std::min(distance, std::max(std::abs(ship.x() - column), std::abs(ship.y() - row)));
    return distance;
}

// The steps that take their unit nearer an opposing ship; all of them when none does.
std::vector<ScriptedMove> ClosingIn(const UnitTable& t, Side other,
                                    const std::vector<ScriptedMove>& steps) {
    std::vector<QPoint> ships;
    for (int j = 1; j < t.Count(); ++j)
        if (t.Side(j) == other && IsShipCode(t.Code(j)))
            ships.push_back(QPoint(t.PosX(j), t.PosY(j)));
    std::vector<ScriptedMove> closer;
    for (const ScriptedMove& step : steps)
        if (Distance(ships, step.toColumn, step.toRow) < Distance(ships, step.column, step.row))
            closer.push_back(step);
    return closer.empty() ? steps : closer;
}
}  // namespace

ScriptedMove ChooseMove(const Game& g, Dice& random, Side side, Approach approach) {
    const UnitTable& t = g.scratchpad;
    const bool first = side == kFirstSide;
    const Side other = OtherSide(side);
    const int supply = t.FindSide(SupplyShipOf(side), side);
    if (supply >= 0) {
        for (int i = 1; i < t.Count(); ++i) {
            if (t.Side(i) != side || !MayAskForRepair(t.Code(i)) || t.DamageState(i) == 0 ||
                t.RepairCount(i) != 0)
                continue;
            if (!AreNeighbours(t.PosX(i), t.PosY(i), t.PosX(supply), t.PosY(supply))) continue;
            return {ScriptedMove::Repair, t.PosX(i), t.PosY(i), t.PosX(supply), t.PosY(supply)};
        }
    }
    std::vector<ScriptedMove> steps, attacks, trades;
    steps.reserve(size_t(8 * t.Count()));  // every unit's eight cells at most: no regrowing
    for (int i = 1; i < t.Count(); ++i) {
        const int code = t.Code(i);
        if (t.Side(i) != side || code == kReconPlaneCode || IsMinefield(code)) continue;
        const int x = t.PosX(i), y = t.PosY(i);
        // The cells the board would offer this unit: open water, or an opposing unit to meet.
        for (QPoint cell : TargetsOf(g, side, x, y)) {
            const ScriptedMove move{ScriptedMove::Step, x, y, cell.x(), cell.y()};
            if (t.OccupantSide(cell.x(), cell.y()) != other) {
                steps.push_back(move);
                continue;
            }
            const int enemy = LastUnitOn(t, other, cell.x(), cell.y());
            const int outcome = first ? FightOutcome(code, t.Code(enemy), t.Strength(i),
                                                     t.Strength(enemy), g.DTransferred, false)
                                      : FightOutcome(t.Code(enemy), code, t.Strength(enemy),
                                                     t.Strength(i), g.DTransferred, false);
            if (Favoured(first, outcome)) attacks.push_back(move);
            if (outcome == outcome::kBothLost) trades.push_back(move);
        }
    }
    if (attacks.empty() && approach == Approach::PressOn)
        steps = trades.empty() ? ClosingIn(t, other, steps) : trades;
    const std::vector<ScriptedMove>& pool = attacks.empty() ? steps : attacks;
    if (pool.empty()) return {};
    ScriptedMove chosen = pool[size_t(random.Next(int(pool.size())))];
    chosen.drawn = int(pool.size());
    return chosen;
}

}  // namespace kvd
