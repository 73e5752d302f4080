#include "core/turn_view.h"

#include "core/game.h"

namespace kvd {

TurnView ViewOfTurn(const Game& game) {
    const bool firstSideMoves = game.PlayerTurn && !game.OpponentTurn;
    const bool secondSideMoves = !game.PlayerTurn && game.OpponentTurn;
    if (!firstSideMoves && !secondSideMoves) return TurnView::None;
    const bool joining = game.NetRole == net_role::kJoining;
    return firstSideMoves != joining ? TurnView::Own : TurnView::Waiting;
}

}  // namespace kvd
