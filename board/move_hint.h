#pragma once
#include <QChar>
#include <QString>
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
    // Why the last suggestion, in a few words in the game's language; empty when not told.
    virtual QString Reason() const { return {}; }
};

}  // namespace kvd
