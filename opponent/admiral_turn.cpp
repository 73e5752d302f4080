#include "opponent/admiral_turn.h"

#include <chrono>
#include <future>

#include "core/game.h"
#include "core/settings.h"
#include "opponent/side_view.h"
#include "play/apply_move.h"
#include "play/combat.h"
#include "play/game_end.h"
#include "play/legal_moves.h"
#include "play/rules.h"

namespace kvd {

bool PlaySecondSideMove(Rules& r, const Move& m) {
    Game& g = r.game;
    if (m.kind == MoveKind::Pass) return true;
    const int line = g.scratchpad.FindSide(m.code, m.side);
    if (line < 0 || m.side != kSecondSide) return false;
    g.SideToMove = kSecondSide;
    // The mover's fight variables, as the opponent's turn sets them before a step.
    TakeFighter(g, line);
    ApplyMove(r, m);
    if (g.GameOver || !g.GameActive) return true;
    FinishSecondSideMove(r);
    return true;
}

Thought ThinkAside(const Admiral& admiral, const SideView& view, std::uint32_t seed,
                   const ThinkBudget& budget, const std::function<bool(int ms)>& pause) {
    if (!pause) return admiral.Choose(view, seed, budget);
    std::future<Thought> thinking = std::async(std::launch::async, [&admiral, &view, seed, budget] {
        return admiral.Choose(view, seed, budget);
    });
    // Once the wait says the game was left, further waits return at once: the thought is
    // then simply waited for, which its time limit keeps short.
    constexpr int kLookEveryMs = 10;
    while (thinking.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        if (!pause(kLookEveryMs)) break;
    return thinking.get();
}

std::optional<Move> AdmiralTurn::TakeAnswer() {
    std::optional<Move> answer = answer_;
    answer_.reset();
    return answer;
}

Thought AdmiralTurn::Think(const SideView& view, std::uint32_t seed) const {
    return ThinkAside(admiral_, view, seed, budget_, pause);
}

void AdmiralTurn::RunKI(Rules& r) {
    Game& g = r.game;
    if (g.GameOver || !g.GameActive) return;
    g.SubRetreat = false;
    g.Enemy.Code = kNoUnit;
    g.TurnCount += 1;
    ShootAtTheAircraft(r);
    if (g.GameOver || !g.GameActive) return;
    SideView view = ViewOf(g, r.settings, kSecondSide);
    // A new game: nothing of the last one is remembered.
    if (g.TurnCount == 1) memory_.Forget();
    // Its memory learns from every turn, a recorded one too, so a resumed game thinks on as
    // the game it continues would have.
    memory_.Recall(view);
    if (follow_) {
        // A kept answer is played only where the side could have made it: a step its board
        // offers, or a pass where it offers nothing.
        const Move kept = *follow_;
        follow_.reset();
        const bool legal =
            kept.side == kSecondSide &&
            (kept.kind == MoveKind::Pass ? LegalMoves(g, kSecondSide).empty() : IsLegal(g, kept));
        if (!legal) {
            refused_ = true;
            return;
        }
        last_ = Thought{kept};
    } else {
        // Each turn thinks from its own draw of the seed, so a game plays the same on every run.
        last_ = Think(view, seed_ ^ (std::uint32_t(g.TurnCount) * 2654435761u));
        // The game was left while it thought.
        if (g.GameOver || !g.GameActive) return;
    }
    ++moves_;
    if (last_.move.kind == MoveKind::Pass) {
        // Nothing of the second side can move any more: it has lost.
        OpponentGivesUp(r);
        return;
    }
    answer_ = last_.move;
    PlaySecondSideMove(r, last_.move);
    g.LastEnemyCode = last_.move.code;
}

}  // namespace kvd
