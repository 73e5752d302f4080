#include "app/admiral_hint.h"

#include "core/game.h"
#include "opponent/admiral_turn.h"
#include "opponent/hint_reason.h"
#include "opponent/side_view.h"

namespace kvd {

std::optional<Move> AdmiralHint::Suggest(const Game& game, const Settings& settings, Side side) {
    const SideView view = ViewOf(game, settings, side);
    // One seed a turn: pressing H again in the same turn frames the same move.
    const std::uint32_t seed = 0x48494E54u ^ (std::uint32_t(game.TurnCount) * 2654435761u);
    const Thought thought = ThinkAside(admiral_, view, seed, budget_, pause_);
    reason_.clear();
    if (thought.move.kind == MoveKind::Pass) return std::nullopt;
    reason_ = HintReason(view, thought.move, texts_);
    return thought.move;
}

}  // namespace kvd
