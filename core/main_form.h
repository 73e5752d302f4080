#pragma once
#include <functional>

#include "core/board_geometry.h"
#include "core/map_file.h"
#include "core/picture_sets.h"
#include "core/unit_table.h"
#include "platform/canvas.h"
#include "platform/picture.h"

namespace kvd {

struct Context;

// The board window: the map with its grid of cells and every unit's picture in the top four
// fifths of the screen, the band for panels and reports below. It holds the unit table and the
// map lines of the running game, and the pictures a game draws with.
class TMainForm : public CanvasWindow {
public:
    explicit TMainForm(Context& context, QWidget* parent = nullptr);

    // --- game set-up ---
    // Prepares and shows a new game against the computer for the mode already set. False when
    // the game could not start (a missing or broken map, picture or fleet file): the reason has
    // been shown in a message box and OnSetupFailed (or, for a fleet that cannot be copied,
    // OnFatalFailure) has been called.
    bool GameInit();
    // Draws and loads the map of a campaign stage. False when its map file cannot be loaded.
    bool PickCampaignMap();
    // Puts the radar aircraft on its carrier while a launch is left.
    void LaunchReconPlane();

    // --- drawing ---
    // Composes the board snapshot from the background and the unit table.
    void GetPositions();
    // Composes the snapshot and puts it on the window, with the reveal pass and radar sweep.
    void PreDraw();
    // Puts the snapshot and the band picture on the window without composing anything.
    void FormPaint();
    // Turns the radar source picture by `angle` degrees clockwise into RadarImage.
    void RotateBitmap(double angle);
    // Frees the pictures of a game (the end of a game does this before the next set-up).
    void FreePictures();

    const BoardGeometry& Geometry() const { return geometry_; }
    // Sizes the window and the board to the screen (the window's creation does this once).
    void FormCreate();

    // Hooks the turn rules fill in: the reveal pass returns how many opposing units it found;
    // the radar sweep animates the radar picture.
    std::function<int()> RevealEnemy;
    std::function<void()> RadarFlacker;
    // Set-up could not start the game: the program goes back to the main menu.
    std::function<void()> OnSetupFailed;
    // The fleet could not be copied: the program ends.
    std::function<void()> OnFatalFailure;
    // Esc on the board ends the program.
    std::function<void()> OnEndProgram;

    UnitTable scratchpad;  // the unit table
    MapLines MemoPad;      // the map lines

    Picture MapImage;    // the decoded map picture
    Picture Background;  // the map picture at its own size
    Picture CleanMap;    // the background stretched to the board area, no units
    Picture Snapshot;    // the board as last composed
    Picture EnemyFlag;   // ENEMYFLAG, the marker of an unidentified opponent
    Picture GreenBox;    // GREENBOX, the cell marker
    Picture NavyFlag;    // the opposing navy's flag stamped onto the second set
    Picture Jstars;      // the radar aircraft
    PictureSet FirstSet;
    PictureSet SecondSet;
    Picture MenuImage;  // the band while this side may act
    Picture DarkImage;  // the band while it waits
    Picture RadarSource;
    Picture RadarImage;
    int CurrentBand = 80;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool Fail(const QString& message);
    bool LoadMapOfSingleGame();
    bool LoadFleetOfGame();
    bool PlaceSide(QChar side, bool writePrev);
    void ApplyPresets();
    void LoadPictureSets();
    void SetMapPicture(const Picture& picture);

    Context& context_;
    BoardGeometry geometry_;
};

}  // namespace kvd
