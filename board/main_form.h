#pragma once
#include <map>
#include <memory>
#include <vector>

#include "board/board_geometry.h"
#include "board/board_rules.h"
#include "board/cell_composition.h"
#include "core/program_flow.h"
#include "core/turn_view.h"
#include "core/upward_call.h"
#include "platform/desktop/canvas.h"
#include "platform/picture.h"

namespace kvd {

class ChatLine;
class Game;
struct BattleBand;
class UnitTable;
struct Context;
struct GamePictures;

// The board window: the map with its grid of cells and every unit's picture in the top four
// fifths of the screen, the band for panels and reports below. It draws the game from the
// Game and its pictures and passes clicks and keys on to the turn rules; while a rule is
// running, input is ignored but for the quit corner and Esc.
class TMainForm : public CanvasWindow {
  public:
    TMainForm(Context& context, Game& game, GamePictures& pictures, QWidget* parent = nullptr);

    // Composes the board snapshot from the background and a unit table (the aircraft drawn
    // when planes fly).
    void GetPositions(const UnitTable& table, bool planes);
    // Composes the snapshot from the game and puts it on the window, with the reveal pass and
    // radar sweep.
    void PreDraw();
    // The same from a table as it stood when a rule composed the board: the turn view then, the
    // identifications its reveal pass made and whether the sweep may run after them.
    void ComposeView(const UnitTable& table, TurnView view, int found, bool sweepAllowed,
                     bool planes);
    // Puts the snapshot and the band picture on the window without composing anything.
    void FormPaint();
    void PaintView(TurnView view, bool gameActive);
    // A band picture over the bottom band, with the battle's state and log on it.
    void DrawBand(const Picture& band);
    // The battle's state and log as the rules last noted them for the board: kept, and drawn
    // over the band whenever the band is drawn, so they outlast report lines and the sweep.
    void ShowBattle(std::shared_ptr<const BattleBand> battle);
    // The log and state the band shows now.
    const BattleBand* Battle() const { return battle_.get(); }
    // Where the battle's log and its state stand in the band: left and right of the radar scope.
    QRect LogBox() const;
    QRect StateBox() const;
    // How many of the log's lines its box holds on this screen.
    int LogLines() const;
    // Turns the radar source picture by `angle` degrees clockwise into RadarImage.
    void RotateBitmap(double angle);
    // The radar picture turned by `angle` degrees, see-through where the turn left black; the
    // sweep shows the same few angles every time, so each is turned once.
    const Picture& RadarFrame(int angle);

    const BoardGeometry& Geometry() const { return geometry_; }
    // Sizes the window and the board to the screen (the window's creation does this once).
    void FormCreate();

    // Composes the board of a new game and shows it full screen with the arrow cursor.
    void ShowBoard();
    // The line for a message to the other commander of a network game, over the battle's log.
    ChatLine& Chat();

    // A replay may show both fleets whole instead of what the first side's player saw.
    bool showBothFleets = false;

    UpwardCall<BoardRules> rules{"the board to the turn rules"};
    UpwardCall<ProgramFlow> flow{"the board to the program"};

    // The snapshot put on the board area of the window (nothing to do when it shows there
    // already, unchanged and not drawn over).
    void ShowSnapshot();

    // The window's own pictures, kept for the program's life.
    Picture MenuImage;       // the band while this side may act
    Picture DarkImage;       // the band while it waits
    Picture MenuRadarImage;  // the band under the radar sweep
    Picture RadarSource;
    Picture RadarImage;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Tab and Shift+Tab go through the own units, never through the window's controls.
    bool focusNextPrevChild(bool) override { return false; }

  private:
    void FitToScreen();
    // The joining player's board: its own units with their pictures, the host's as markers.
    void GetJoiningPositions(const UnitTable& table);

    Context& context_;
    Game& game_;
    GamePictures& pictures_;
    BoardGeometry geometry_;
    void DrawBattle();

    std::shared_ptr<const BattleBand> battle_;
    ChatLine* chat_ = nullptr;
    std::map<int, Picture> radarFrames_;
    qint64 radarFramesOf_ = 0;  // the source picture the frames were turned from
    // The snapshot last put on the window, and the window's pixels right after it was.
    qint64 shownSnapshot_ = 0;
    qint64 canvasAfterSnapshot_ = 0;

    // Draws what GetPositions gathered into the snapshot: the cells drawn differently from the
    // last composition, or the whole board where that cannot be told.
    void ComposeCells();
    CellComposition nextComposition_, lastComposition_;
    bool composed_ = false;
    qint64 composedKey_ = 0;      // the snapshot as the last composition left it
    qint64 composedFrom_ = 0;     // the snapshot it was drawn over, cell by cell (0: afresh)
    qint64 composedClean_ = 0;    // the clean map it was drawn on
    std::vector<QRect> redrawn_;  // the cells it drew again
};

}  // namespace kvd
