#pragma once
#include <QString>

#include "core/board_rules.h"
#include "core/program_flow.h"
#include "core/upward_call.h"
#include "play/board_painter.h"
#include "play/computer_turn.h"
#include "play/end_of_game.h"
#include "play/joining_turn.h"
#include "play/network_board.h"
#include "play/scene.h"

namespace kvd {

class Game;
class TMainForm;
struct Context;
struct GamePictures;

// The first side's half of a game: the board's clicks and keys become the player's
// selections, steps, fights and repair requests; the end of a step hands the turn on.
class PlayerTurn : public BoardRules {
public:
    PlayerTurn(Game& game, Context& context, GamePictures& pictures, TMainForm& board);

    // The board's calls.
    int RevealEnemy() override;
    void RadarFlacker() override;
    void FormMouseDown(Qt::MouseButton button, QPoint position) override;
    void FormKeyDown(int key) override;

    // The cell of a click: ClickColumn and ClickRow, each left as it was when the click lies
    // on a grid line or beyond the last cell.
    void ClickToCell(QPoint position);
    // Selects the first side's unit on (ClickColumn, ClickRow), or drops the selection.
    void SelectUnit();
    // The selected unit steps to a marked cell, fighting what stands there.
    void MoveSelectedUnit(int column, int row);
    // The computer's turn, then the player's again.
    void EndPlayerMove();
    // In the convoy stage: one convoy ship steps toward the battleship.
    bool ConvoyStep();
    // The quit corner: asks, and leaves the game on Yes.
    void QuitCorner();
    // A click on the supply ship by a unit that may ask for a repair: the repair, and the
    // move ends. False when the game was left meanwhile.
    bool RepairClick();

    UpwardCall<ComputerTurn> computer{"the player's turn to the computer opponent"};
    UpwardCall<EndOfGame> endOfGame{"the player's turn to the end-of-game window"};
    UpwardCall<NetworkBoard> network{"the player's turn to the multi-player window"};
    UpwardCall<ProgramFlow> flow{"the player's turn to the program"};

private:
    bool OnBoard(QPoint position) const;
    void MarkTargets();
    void SaveShipLines();

    Game& game_;
    Context& context_;
    GamePictures& pictures_;
    TMainForm& board_;
    BoardPainter paint_;
    Scene scene_;
    JoiningTurn joining_;
};

}  // namespace kvd
