#pragma once
#include "core/pending_window.h"
#include "play/end_of_game.h"

namespace kvd {

class Game;
struct GamePictures;

// The end-of-game window. Until its own panel is built, the end of a game names the winner in
// a message box and goes back to the main menu.
class TWinnerForm : public PendingWindow, public EndOfGame {
public:
    TWinnerForm(Context& context, Game& game, GamePictures& pictures, QWidget* parent = nullptr);

    void ShowEndOfGame() override;
    void Closedown() override;

private:
    Context& context_;
    Game& game_;
    GamePictures& pictures_;
};

}  // namespace kvd
