#pragma once
#include "core/board_rules.h"
#include "core/upward_call.h"
#include "play/computer_turn.h"
#include "play/end_of_game.h"
#include "play/network_board.h"

namespace kvd {

class Game;
struct Context;

// The first side's half of a game: the board's clicks and keys become the player's
// selections and steps, and the end of a step hands the turn on.
class PlayerTurn : public BoardRules {
public:
    PlayerTurn(Game& game, Context& context);

    // The board's calls.
    int RevealEnemy() override;
    void RadarFlacker() override;
    void FormMouseDown(Qt::MouseButton button, QPoint position) override;
    void FormKeyDown(int key) override;

    // The cell of a click: ClickColumn and ClickRow, each left as it was when the click lies
    // on a grid line or beyond the last cell.
    void ClickToCell(QPoint position);

    UpwardCall<ComputerTurn> computer{"the player's turn to the computer opponent"};
    UpwardCall<EndOfGame> endOfGame{"the player's turn to the end-of-game window"};
    UpwardCall<NetworkBoard> network{"the player's turn to the multi-player window"};

private:
    Game& game_;
    Context& context_;
};

}  // namespace kvd
