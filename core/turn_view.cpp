#include "core/turn_view.h"

#include "core/game.h"

namespace kvd {

TurnView ViewOfTurn(const Game& game) {
    const bool firstSideMoves = game.PlayerTurn == 1 && game.OpponentTurn == 0;
    const bool secondSideMoves = game.PlayerTurn == 0 && game.OpponentTurn == 1;
    if (!firstSideMoves && !secondSideMoves) return TurnView::None;
    const bool joining = game.NetRole == 2;
    return firstSideMoves != joining ? TurnView::Own : TurnView::Waiting;
}

}  // namespace kvd
