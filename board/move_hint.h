#pragma once
#include <QChar>
#include <optional>

#include "play/move.h"

namespace kvd {

class Game;
struct Settings;

// The move the board suggests to its player on the H key, decided above the board (by the
// Admiral) from what the side's own board shows. None when the side has nothing to move.
class MoveHint {
  public:
    virtual ~MoveHint() = default;
    virtual std::optional<Move> Suggest(const Game& game, const Settings& settings, Side side) = 0;
};

}  // namespace kvd
