#pragma once

namespace kvd {

struct Rules;

// Every way a game ends, in one place. Each sets Gamestage (8 the first side wins, 9 the
// second, 10 both flagships lost) and, once nothing can follow, takes the game off the board
// and has the end-of-game window shown.

// After a fight that sank a flagship (Gamestage 8 to 10): the carriers take over the flag
// where they may, or the game is over.
void EndOfFight(Rules& rules);
// In the convoy stage a fight sank the last convoy ship: the second side wins (the fight's end
// follows).
void ConvoySunk(Rules& rules);
// In the convoy stage no convoy ship is left that can move: the second side wins.
void ConvoyBoxedIn(Rules& rules);
// The computer has nothing left that can act: it gives up.
void OpponentGivesUp(Rules& rules);

}  // namespace kvd
