#pragma once
#include <QPoint>
#include <QString>
#include <optional>

#include "core/program_flow.h"
#include "core/upward_call.h"

namespace kvd {

class Game;
class SetupDisplay;
struct Context;
struct Settings;

// Setting up a game against the computer for the mode already set: the game variables, the
// pictures, the map, the fleet and the placement of both sides, then the board is shown.
class GameSetup {
  public:
    GameSetup(Game& game, Context& context, SetupDisplay& display);

    // Prepares and shows a new game. False when it could not start (a missing or broken map,
    // picture or fleet file): the reason has been shown in a message box and the program has
    // gone back to the main menu, or, for a fleet that cannot be copied, has ended.
    bool GameInit();
    // Draws the map of a campaign stage from its region and loads it. False when it cannot be
    // loaded (reported as GameInit reports it).
    bool PickCampaignMap();

    // --- Network games (both programs set up the same game from the host's table) ---
    // The map of a network game and its built-in picture. A user map is played as "$STANDARD",
    // land and picture both, as the joining program can only have the built-in maps. False,
    // with the reason, when it cannot be loaded.
    bool LoadNetworkMap(QString* error);
    // The game variables and pictures of a network game. The joining program plays the navy
    // opposing the host's.
    void NetworkGameVariables(bool joining);
    // The host places both fleets in their home bands and takes the radar aircraft out. False
    // when a band has no room (reported by the caller with `error`).
    bool PlaceNetworkFleets(QString* error);
    // The clean map and the ship counts, once the table is final (every game).
    void FinishSetup();
    // The pictures of a game that will not start after all.
    void DropPictures();

    UpwardCall<ProgramFlow> flow{"game set-up to the program"};

  private:
    void ResetVariables();
    bool LoadMapAndPicture(bool usePresets);
    bool LoadFleetOfGame();
    void KeepOnlyUnitsOfThisGame();
    void CountShips();
    bool Fail(const QString& message);

    Game& game_;
    Context& context_;
    SetupDisplay& display_;
};

// Counts a launch of the radar aircraft and tells the cell it takes off from, its carrier's (the
// flagship's once the flag has passed), while the game's allowance has room for it and both are
// there; none where not.
std::optional<QPoint> CountReconPlaneLaunch(Game& game);
// The launch at set-up: counted, and the aircraft put on its carrier. (The fight that shoots it
// down flies the next one there through the move function.)
void LaunchReconPlane(Game& game);

}  // namespace kvd
