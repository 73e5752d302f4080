#pragma once
#include <QChar>
#include <QString>

namespace kvd {

// The variables of a game, one instance for the program: how the game was started, whose turn
// it is, the units of the current step and fight, and how the game ended. Game set-up gives
// them their start values.
struct GameVariables {
    // How the game was started.
    int GameMode = 0;        // 0 single game, 1 to 3 the campaign stages (2 the convoy escort)
    int CampaignRegion = 0;  // 1 to 8 during a campaign
    int NetRole = 0;         // 0 no network game, 1 hosting, 2 joining
    int NetGame = 0;

    // Turn state.
    int GameActive = 0;  // the board may be painted
    int GameOver = 0;
    int PlayerTurn = 1;
    int OpponentTurn = 0;
    QChar SideToMove = QLatin1Char('E');
    int UnitSelected = 0;
    int SweepAllowed = 1;
    int TurnCount = 0;

    // Fight results and the flag transfer.
    int Winner = 0;
    int Looser = 0;
    int Gamestage = 0;  // 8 first side wins, 9 second side wins, 10 both flagships lost
    QChar FlagTransferSecond = QLatin1Char('N');
    int ETransfered = 0;
    int DTransfered = 0;

    // The radar aircraft.
    int PlaneLaunches = 1;
    int PatrolWaypoint = 1;

    // The campaign tally.
    int FirstSideWins = 0;
    int SecondSideWins = 0;

    // The map and the fleets of the running game.
    QChar HasPresets = QLatin1Char('N');
    QChar HomePosition = QLatin1Char('L');
    int FirstSideShips = 0;
    int SecondSideShips = 0;
};

}  // namespace kvd
