#pragma once
#include "board/board_painter.h"
#include "board/show_player.h"
#include "core/setup_display.h"
#include "core/upward_call.h"
#include "play/end_of_game.h"
#include "play/turn_display.h"

namespace kvd {

class Game;
class GameJournal;
class TMainForm;
struct Context;
struct GamePictures;

// The board as set-up and the turn's callers see it: the game's pictures loaded, the board
// shown, what the rules noted played on it, report lines, sounds and the pointer.
class BoardDisplay : public SetupDisplay, public TurnDisplay {
  public:
    BoardDisplay(TMainForm& board, Game& game, GamePictures& pictures, Context& context);

    // A game read back from its save: its pictures as the game had made them (a carrier with the
    // flag shows as the flagship), and the board shown. False, with the reason, when the map's
    // picture cannot be shown.
    bool ShowResumedGame(QString* error);

    void PrepareGamePictures(int gameMode, bool keepMap) override;
    bool LoadMapPicture(const QString& mapName, const MapLines& map, QString* shown,
                        QString* reason) override;
    void FinishPictures() override;
    void DropPictures() override;
    void ShowBoard() override;
    void HideBoard() override;

    bool Show(const Showing& show) override;
    void Report(const QString& text) override;
    void Sound(const QString& name, bool wait) override;
    void SetCursor(CursorShape shape) override;
    void Redraw() override;
    bool Shown() const override;

    BoardPainter& Painter() { return paint_; }
    // Where a single game shown after its set-up is kept (none in a test that needs none).
    GameJournal* journal = nullptr;

    // What a shown end of a game calls on.
    UpwardCall<EndOfGame> endOfGame{"the board to the end-of-game window"};

    // A save that has just begun to fail, said in the report line.
    void TellSaveTrouble();

  private:
    TMainForm& board_;
    Game& game_;
    GamePictures& pictures_;
    Context& context_;
    BoardPainter paint_;
    ShowPlayer player_;
};

}  // namespace kvd
