#include "core/game.h"

namespace kvd {

Game::Game(Pacing& pacing) : guard(pacing, [this] { return GameActive == 0; }) {}

}  // namespace kvd
