#pragma once
#include <QString>

#include "core/program_flow.h"
#include "core/upward_call.h"

namespace kvd {

class Game;
class SetupDisplay;
struct Context;
struct GamePictures;
struct Settings;

// Setting up a game against the computer for the mode already set: the game variables, the
// pictures, the map, the fleet and the placement of both sides, then the board is shown.
class GameSetup {
public:
    GameSetup(Game& game, GamePictures& pictures, Context& context, SetupDisplay& display);

    // Prepares and shows a new game. False when it could not start (a missing or broken map,
    // picture or fleet file): the reason has been shown in a message box and the program has
    // gone back to the main menu, or, for a fleet that cannot be copied, has ended.
    bool GameInit();
    // Draws the map of a campaign stage from its region and loads it. False when it cannot be
    // loaded (reported as GameInit reports it).
    bool PickCampaignMap();

    UpwardCall<ProgramFlow> flow{"game set-up to the program"};

private:
    void ResetVariables();
    bool LoadMapAndPicture(bool usePresets);
    bool LoadFleetOfGame();
    bool PlaceSide(QChar side, bool writePrev);
    void ApplyPresets();
    void KeepOnlyUnitsOfThisGame();
    void CountShips();
    bool Fail(const QString& message);

    Game& game_;
    GamePictures& pictures_;
    Context& context_;
    SetupDisplay& display_;
};

// Puts the radar aircraft on its carrier while a launch is left (set-up, and the fight that
// shoots it down).
void LaunchReconPlane(Game& game, const Settings& settings);

}  // namespace kvd
