#pragma once
#include "core/side.h"

namespace kvd {

class Game;

// The losses of a side at the end of a game: the ships counted at set-up less the ships left.
int ShipsLost(const Game& game, Side side);

// A game has ended: the campaign's tally takes its winner (on the program that kept the first
// side's table) and both sides' losses; the first stage starts the losses afresh. A game that
// leads to no further stage is over for good. The rules keep it when they decide the game.
void TallyTheGame(Game& game);

}  // namespace kvd
