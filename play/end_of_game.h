#pragma once

namespace kvd {

// The end-of-game window.
class EndOfGame {
  public:
    virtual ~EndOfGame() = default;
    // Shown once a rule has ended the game (Gamestage tells how).
    virtual void ShowEndOfGame() = 0;
    // Frees the game's pictures and reads the settings file again (also when a game is left).
    virtual void Closedown() = 0;
};

}  // namespace kvd
