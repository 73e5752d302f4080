#pragma once
#include <QChar>
#include "core/side.h"

namespace kvd {

class Game;

// The player goes on from the end of a game: to the next stage of a campaign (true: set it up
// now), or out of the campaign after its last stage. The settings are not touched: set-up
// keeps the second stage's aircraft at home itself.
bool GoOnToNextStage(Game& game);

}  // namespace kvd
