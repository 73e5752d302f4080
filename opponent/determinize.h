#pragma once
#include <QString>

#include "core/game.h"

namespace kvd {

class Dice;
struct SideView;

// One world the viewer cannot tell from the real one: a whole game built from a side's view
// and a draw of the dice, so the game's own rules can run on it. The side's own units are as
// they are; identified contacts keep their kinds and strengths; every unidentified contact is
// given one of the kinds the enemy can still hold, at that kind's usual strength; as many
// submarines and minefields as the enemy still has are put on cells the viewer cannot rule out
// (water that holds no unit the viewer sees), each submarine the belief follows drawn from its
// weights. Which of the enemy's codes they have is drawn too, as the board never tells. The
// world's own dice are drawn too: the real game's next draws are no more known than its hidden
// units.
Game Determinize(const SideView& view, Dice& draw);

// A unit line as a fleet file writes one, for a unit placed by the search.
QString PlacedUnitLine(Side side, int code, int strength, int column, int row, bool identified);

// The strength a unit of this code starts with in the game's fleets (what an unidentified one
// is taken to have).
int UsualStrength(int code);

}  // namespace kvd
