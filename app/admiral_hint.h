#pragma once
#include <functional>

#include "board/move_hint.h"
#include "opponent/admiral.h"

namespace kvd {
struct LanguageTexts;
}

namespace kvd {

// The board's H key answered by the Admiral: it thinks from the player's own board, as it
// would over its own move, and the board frames what it would play. It remembers nothing
// between hints, so unseen submarines and minefields may be anywhere the board allows.
class AdmiralHint : public MoveHint {
  public:
    // pause: the game's wait, while the Admiral thinks aside (see ThinkAside).
    AdmiralHint(ThinkBudget budget, std::function<bool(int ms)> pause, const LanguageTexts& texts)
        : budget_(budget), pause_(std::move(pause)), texts_(texts) {}
    std::optional<Move> Suggest(const Game& game, const Settings& settings, Side side) override;
    QString Reason() const override { return reason_; }

  private:
    Admiral admiral_;
    ThinkBudget budget_;
    std::function<bool(int ms)> pause_;
    const LanguageTexts& texts_;
    QString reason_;
};

}  // namespace kvd
