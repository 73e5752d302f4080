#pragma once

namespace kvd {

// The end-of-game window, shown once a rule has ended the game (Gamestage tells how).
class EndOfGame {
public:
    virtual ~EndOfGame() = default;
    virtual void ShowEndOfGame() = 0;
};

}  // namespace kvd
