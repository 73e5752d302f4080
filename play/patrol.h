#pragma once
#include "play/move.h"

namespace kvd {

class Game;

// One patrol step of the radar aircraft over the corners (2, 2), (8, 2), (8, 8), (2, 8),
// (2, 3): one cell toward the corner of PatrolWaypoint, diagonally where both axes differ.
// On reaching a corner it rests there one turn, then heads for the next. Land, units and the
// edge do not matter, and no fight follows. A Pass when no aircraft flies.
Move PatrolStep(Game& game);

}  // namespace kvd
