#pragma once

namespace kvd {

struct Rules;

// The fight of the current pair (Player.Code against Enemy.Code, SideToMove the side that
// moved): the outcome and its effects on the table, the moves back and retreats, supporting
// fire, the convoy check, and the end of the game with the flag transfers. Its report line,
// animation, sounds and pauses are noted for the board.
void Fight(Rules& rules);

}  // namespace kvd
