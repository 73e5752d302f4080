#include "tools/selfplay/scripted_player.h"

#include <QPoint>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/game.h"
#include "core/unit_codes.h"
#include "platform/random.h"
#include "play/combat.h"
#include "play/legal_moves.h"
#include "play/move.h"

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
    const std::vector<Move> legal = LegalMoves(g, side);
    // A repair first, for the first unit in table order that may ask for one.
    for (const Move& m : legal)
        if (m.kind == MoveKind::Repair)
            return {ScriptedMove::Repair, m.fromColumn, m.fromRow, m.toColumn, m.toRow};
    std::vector<ScriptedMove> steps, attacks, trades;
    steps.reserve(legal.size());
    for (const Move& m : legal) {
        const ScriptedMove move{ScriptedMove::Step, m.fromColumn, m.fromRow, m.toColumn, m.toRow};
        if (m.kind != MoveKind::Attack) {
            steps.push_back(move);
            continue;
        }
        const int i = t.FindSide(m.code, side);
        const int enemy = LastUnitOn(t, other, m.toColumn, m.toRow);
        const int outcome = first ? FightOutcome(m.code, t.Code(enemy), t.Strength(i),
                                                 t.Strength(enemy), g.DTransferred, false)
                                  : FightOutcome(t.Code(enemy), m.code, t.Strength(enemy),
                                                 t.Strength(i), g.DTransferred, false);
        if (Favoured(first, outcome)) attacks.push_back(move);
        if (outcome == outcome::kBothLost) trades.push_back(move);
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
