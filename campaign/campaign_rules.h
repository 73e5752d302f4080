#pragma once
#include <QChar>
#include "core/side.h"

namespace kvd {

class Game;

// The losses of a side at the end of a game: the ships counted at set-up less the ships left.
int ShipsLost(const Game& game, Side side);

// A game has ended: the campaign's tally takes its winner (on the program that kept the first
// side's table) and both sides' losses; the first stage starts the losses afresh. A game that
// leads to no further stage is over for good.
void TallyTheGame(Game& game);

// The player goes on from the end of a game: to the next stage of a campaign (true: set it up
// now), or out of the campaign after its last stage. The settings are not touched: set-up
// keeps the second stage's aircraft at home itself.
bool GoOnToNextStage(Game& game);

}  // namespace kvd
