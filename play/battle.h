#pragma once

namespace kvd {

class ComputerTurn;
class EndOfGame;
class NetworkBoard;
struct Scene;

// The fight of the current pair (PlayerCode against EnemyCode, SideToMove the side that
// moved), as the player sees it: the outcome and its effects on the table, the report line,
// the animation, the moves back, supporting fire, the convoy check, and the end of the game
// with the flag transfers. A game that ends here shows the end-of-game window. False when the
// rule must stop (the game was left or the program closes while it waited). In a network game
// a fight that ends the game sends the step and the turn to the peer, which fights it too.
bool Battle(Scene& scene, ComputerTurn& computer, EndOfGame& endOfGame, NetworkBoard* network = nullptr);

// The player's submarine slips back to its previous cell after damaging a big ship.
bool RNRetract(Scene& scene);

}  // namespace kvd
