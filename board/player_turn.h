#pragma once
#include <QChar>

#include "board/board_rules.h"
#include "board/keyboard_cursor.h"
#include "board/move_hint.h"
#include "board/passing_mark.h"
#include "board/scene.h"
#include "core/program_flow.h"
#include "core/upward_call.h"
#include "play/computer_turn.h"
#include "play/end_of_game.h"
#include "play/network_board.h"

namespace kvd {

class BoardDisplay;
class GameJournal;
class Game;
class TMainForm;
struct Context;
struct GamePictures;

// The board's clicks and keys become the moves of this program's player: the first side's,
// or on the joining program of a network game the second side's. Each move is decided by the
// rules and then shown; the end of a move hands the turn on.
class PlayerTurn : public BoardRules {
  public:
    PlayerTurn(Game& game, Context& context, GamePictures& pictures, TMainForm& board,
               BoardDisplay& display);

    // The board's calls.
    void RadarFlacker() override;
    void FormMouseDown(Qt::MouseButton button, QPoint position) override;
    void FormKeyDown(int key) override;
    void FormMouseMove(QPoint position) override;

    // The cell of a click: ClickColumn and ClickRow, each left as it was when the click lies
    // on a grid line or beyond the last cell.
    void ClickToCell(QPoint position);
    // Selects this player's unit on (ClickColumn, ClickRow), or drops the selection.
    void SelectUnit();
    // The selected unit steps to a marked cell, fighting what stands there, and the turn goes
    // on: to the computer, or to the peer.
    void MoveSelectedUnit(int column, int row);
    // A click on the supply ship by a unit that may ask for a repair: the repair, and against
    // the computer the move ends.
    void RepairClick();
    // The computer's turn, then the player's again.
    void EndPlayerMove();
    // The quit corner: asks, and leaves the game on Yes.
    void QuitCorner();
    // The H key: during the player's own turn, the suggested move's unit and target framed
    // until the next click. The selection is dropped, so the board shows only the hint.
    void ShowHint();
    bool HintShown() const { return hintShown_; }
    // The band's forecast of the fight a step of the selected unit onto (column, row) would
    // lead to, while it is one of its marked targets; off anywhere else.
    void PointAt(int column, int row);
    const QString& Forecast() const { return forecastText_; }
    const KeyboardCursor& KeyCursor() const { return cursor_; }

    UpwardCall<ComputerTurn> computer{"the player's turn to the computer opponent"};
    UpwardCall<EndOfGame> endOfGame{"the player's turn to the end-of-game window"};
    UpwardCall<NetworkBoard> network{"the player's turn to the multi-player window"};
    UpwardCall<ProgramFlow> flow{"the player's turn to the program"};
    UpwardCall<MoveHint> hint{"the player's turn to the suggested move"};
    // Where the moves of a single game are kept, when they are.
    GameJournal* journal = nullptr;

  private:
    kvd::Side Side() const;
    bool OwnTurn() const;
    // A left click's or the cursor's action on a cell of the board during the own turn: the
    // repair, the step onto a marked target, or the selection of what stands there.
    void CellPressed(int column, int row);
    // The keys of keyboard play; false for any other key.
    bool PlayKey(int key);
    // Tab and Shift+Tab: the next (or previous) own unit that may move, selected.
    void NextUnit(bool forward);
    void RepairKey();
    void DropHint();
    void DropSelection();
    // The cursor and the forecast off the board while something else draws, and back after.
    void TakeMarksOff();
    void PutMarksBack();
    // The computer's move that answered the player's, for the record, where it keeps one.
    std::optional<Move> ComputersAnswer();
    bool OnBoard(QPoint position) const;
    // Decides with fn, then plays what it noted; false when the playing was cut short.
    template <class Fn>
    bool DecideAndShow(Fn fn);
    void SaveShipLines();

    Game& game_;
    Context& context_;
    GamePictures& pictures_;
    TMainForm& board_;
    BoardDisplay& display_;
    BoardPainter& paint_;
    Scene scene_;
    bool hintShown_ = false;
    KeyboardCursor cursor_;
    PassingMark forecast_;
    QString forecastText_;
    QPoint forecastCell_{-1, -1};
};

}  // namespace kvd
