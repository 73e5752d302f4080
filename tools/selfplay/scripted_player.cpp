#include "tools/selfplay/scripted_player.h"

#include <vector>

#include "core/game.h"
#include "core/unit_codes.h"
#include "platform/random.h"
#include "play/combat.h"
#include "play/radar.h"

namespace kvd {

ScriptedMove ChooseMove(const Game& g, Dice& random) {
    const UnitTable& t = g.scratchpad;
    const int supply = t.FindSide(2, kFirstSide);
    if (supply >= 0) {
        for (int i = 1; i < t.Count(); ++i) {
            const int code = t.Code(i);
            if (t.Side(i) != kFirstSide || !CodeIn(code, 3, 20) || t.DamageState(i) == 0 || t.RepairCount(i) != 0) continue;
            if (!AreNeighbours(t.PosX(i), t.PosY(i), t.PosX(supply), t.PosY(supply))) continue;
            return {ScriptedMove::Repair, t.PosX(i), t.PosY(i), t.PosX(supply), t.PosY(supply)};
        }
    }
    std::vector<ScriptedMove> steps, attacks;
    for (int i = 1; i < t.Count(); ++i) {
        const int code = t.Code(i);
        if (t.Side(i) != kFirstSide || code < 2 || CodeIn(code, 23, 25)) continue;
        const int x = t.PosX(i), y = t.PosY(i);
        const RadarScan radar = Radar(g, x, y);
        for (int k = 1; k <= 8; ++k) {
            const Offset o = DirectionOffset(k);
            const ScriptedMove move{ScriptedMove::Step, x, y, x + o.dc, y + o.dr};
            if (radar[k - 1] == QChar(u'0' + k)) steps.push_back(move);
            if (radar[k - 1] != QLatin1Char('D') || HoldsUnitOf(g, kFirstSide, move.toColumn, move.toRow)) continue;
            int enemy = -1;
            for (int d = 1; d < t.Count(); ++d)
                if (t.Side(d) == kSecondSide && t.PosX(d) == move.toColumn && t.PosY(d) == move.toRow) enemy = d;
            const int outcome = FightOutcome(code, t.Code(enemy), t.Strength(i), t.Strength(enemy), g.DTransferred, 0);
            if (outcome == outcome::kFirstWins || outcome == outcome::kSecondHit || outcome == outcome::kMineHitsShip)
                attacks.push_back(move);
        }
    }
    const std::vector<ScriptedMove>& pool = attacks.empty() ? steps : attacks;
    if (pool.empty()) return {};
    ScriptedMove chosen = pool[size_t(random.Next(int(pool.size())))];
    chosen.drawn = int(pool.size());
    return chosen;
}

}  // namespace kvd
