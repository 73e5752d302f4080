#include "opponent/admiral_turn.h"

#include "core/game.h"
#include "core/settings.h"
#include "opponent/side_view.h"
#include "play/apply_move.h"
#include "play/combat.h"
#include "play/game_end.h"
#include "play/repair.h"
#include "play/rules.h"

namespace kvd {

bool PlaySecondSideMove(Rules& r, const Move& m) {
    Game& g = r.game;
    if (m.kind == MoveKind::Pass) return true;
    const int line = g.scratchpad.FindSide(m.code, m.side);
    if (line < 0 || m.side != QLatin1Char('D')) return false;
    g.SideToMove = QLatin1Char('D');
    if (m.kind == MoveKind::Repair) {
        ApplyMove(r, m);
        return true;
    }
    // The mover's fight variables, as the opponent's turn sets them before a step.
    TakeFighter(g, line);
    ApplyMove(r, m);
    if (g.GameOver == 1 || g.GameActive == 0) return true;
    if (g.GameMode != 1 && g.GameMode != 2) {
        Repair(r, 26, 45);
        Repair(r, 26, 46);
    }
    return true;
}

void AdmiralTurn::RunKI(Rules& r) {
    Game& g = r.game;
    if (g.GameOver == 1 || g.GameActive == 0) return;
    g.SubRetreat = 0;
    g.EnemyCode = 99;
    g.TurnCount += 1;
    ShootAtTheAircraft(r);
    if (g.GameOver == 1 || g.GameActive == 0) return;
    SideView view = ViewOf(g, r.settings, QLatin1Char('D'));
    // A new game: nothing of the last one is remembered.
    if (g.TurnCount == 1) memory_.Forget();
    memory_.Recall(view);
    // Each turn thinks from its own draw of the seed, so a game plays the same on every run.
    last_ = admiral_.Choose(view, seed_ ^ (std::uint32_t(g.TurnCount) * 2654435761u), budget_);
    ++moves_;
    if (last_.move.kind == MoveKind::Pass) {
        // Nothing of the second side can move any more: it has lost.
        OpponentGivesUp(r);
        return;
    }
    PlaySecondSideMove(r, last_.move);
    g.LastEnemyCode = last_.move.code;
}

}  // namespace kvd
