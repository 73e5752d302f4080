#include "play/patrol.h"

#include "core/game.h"

namespace kvd {

Move PatrolStep(Game& game) {
    static constexpr int kCorners[5][2] = {{2, 2}, {8, 2}, {8, 8}, {2, 8}, {2, 3}};
    game.PatrolWaypoint = qBound(1, game.PatrolWaypoint, 5);
    const UnitTable& table = game.scratchpad;
    const int plane = table.Find(1);
    if (plane < 0) return {};
    const int tx = kCorners[game.PatrolWaypoint - 1][0], ty = kCorners[game.PatrolWaypoint - 1][1];
    const int x = table.PosX(plane), y = table.PosY(plane);
    // Arrived: the next corner is the goal from the next turn on.
    if (x == tx && y == ty) game.PatrolWaypoint = game.PatrolWaypoint % 5 + 1;
    auto toward = [](int from, int to) { return from + (to > from) - (to < from); };
    return Move{kFirstSide, 1, x, y, toward(x, tx), toward(y, ty), MoveKind::Step};
}

}  // namespace kvd
