#pragma once

namespace kvd {

class Game;

// How this program's board shows the turn: its own turn (the menu band, input welcome), waiting
// for the other side (the dark band, cursor hidden), or neither (nothing to show). The joining
// player's program keeps the turn flags from the first side's point of view, so its own turn is
// the one in which the opponent's flag is set.
enum class TurnView { Own, Waiting, None };
TurnView ViewOfTurn(const Game& game);

}  // namespace kvd
