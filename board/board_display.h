#pragma once
#include "board/board_painter.h"
#include "board/show_player.h"
#include "core/setup_display.h"
#include "core/upward_call.h"
#include "play/end_of_game.h"
#include "play/network_board.h"
#include "play/turn_display.h"

namespace kvd {

class TMainForm;
struct Context;
struct GamePictures;

// The board as set-up and the turn's callers see it: the game's pictures loaded, the board
// shown, what the rules noted played on it, report lines, sounds and the pointer.
class BoardDisplay : public SetupDisplay, public TurnDisplay {
public:
    BoardDisplay(TMainForm& board, GamePictures& pictures, Context& context);

    void PrepareGamePictures(int gameMode, bool keepMap) override;
    bool LoadMapPicture(const QString& mapName, const MapLines& map, QString* shown, QString* reason) override;
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

    // What a shown end of a game and a game's last step in a network game call on.
    UpwardCall<EndOfGame> endOfGame{"the board to the end-of-game window"};
    UpwardCall<NetworkBoard> network{"the board to the multi-player window"};

private:
    TMainForm& board_;
    GamePictures& pictures_;
    Context& context_;
    BoardPainter paint_;
    ShowPlayer player_;
};

}  // namespace kvd
