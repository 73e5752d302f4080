#pragma once
#include <QChar>
#include <QString>

#include "core/battle_log.h"
#include "core/fighter.h"
#include "core/map_file.h"
#include "core/unit_table.h"
#include "platform/random.h"

namespace kvd {

// Everything a game is: the unit table, the map lines, the game variables and the game's
// draws, in one place outside the windows. The program owns one; windows draw from it and
// rules change it. Game set-up gives the variables their start values; those that outlive a
// game say so. A game is a plain value: a copy plays on apart from the original.
// How a battle stands: going on, or how it ended (the numbers are the ones saves hold).
namespace stage {
constexpr int kOn = 0;
constexpr int kFirstSideWon = 8;
constexpr int kSecondSideWon = 9;
constexpr int kBothFlagshipsLost = 10;
// Every stage from this one on is an end.
constexpr int kEnded = kFirstSideWon;
}  // namespace stage

// Who this program is in a network game (the numbers are the ones saves hold).
namespace net_role {
constexpr int kNone = 0;
constexpr int kHosting = 1;
constexpr int kJoining = 2;
}  // namespace net_role

// A single game, or the campaign's stage (the numbers are the ones saves hold).
namespace mode {
constexpr int kSingleGame = 0;
constexpr int kFirstStage = 1;
constexpr int kConvoyStage = 2;  // the convoy escort
constexpr int kLastStage = 3;
}  // namespace mode

class Game {
  public:
    UnitTable scratchpad;  // every unit of both sides, line 0 the header
    MapLines MemoPad;      // the lines of the running game's map file
    Dice dice;             // every draw of the rules, the scripted first side's included

    // --- How the game was started, and its map and fleets ---
    int GameMode = mode::kSingleGame;       // one of the mode:: values
    int CampaignRegion = 0;                 // 1 to 8 during a campaign
    int NetRole = net_role::kNone;          // one of the net_role:: values
    bool NetGame = false;                   // set during a network game
    QChar HasPresets = QLatin1Char('N');    // the user map places the first side itself
    QChar HomePosition = QLatin1Char('L');  // the map's home edge: L, R, T or B
    int FirstSideShips = 0;  // ships counted at set-up (not the aircraft, not minefields)
    int SecondSideShips = 0;
    int PlaneLaunches = 1;  // radar aircraft launches so far, counted against PlaneAllowance
    // The radar aircraft's launches in this game, as the digit PlaneLaunches is counted against:
    // set-up takes the planes setting and counts its own launch in ('1' to '3' become '2' to
    // '4'); '0' when no aircraft flies (a network game, the first two campaign stages, or once
    // the last one is lost). The game counts here: the settings stay as the player chose them.
    QChar PlaneAllowance = QLatin1Char('0');
    int PatrolWaypoint = 1;  // the radar aircraft's next patrol corner, 1 to 5
    // The computer's unit that moved last. Kept from game to game: no unit has code 0.
    int LastEnemyCode = 0;

    // --- The turn: the click, the selected unit and the unit it meets ---
    int ClickColumn = 0;  // the cell of the last left click on the board
    int ClickRow = 0;
    // Set while a first-side unit is selected and its targets are marked.
    bool UnitSelected = false;
    Fighter Player;  // the first-side unit of the current step or fight
    Fighter Enemy;   // the second-side unit of the current step or fight; Code kNoUnit none
    Fighter& FighterOf(Side side) { return side == kFirstSide ? Player : Enemy; }
    const Fighter& FighterOf(Side side) const { return side == kFirstSide ? Player : Enemy; }
    // The selected unit's eight target cells "CCRR", one slot a direction, blank-separated.
    QString MoveTargets = kNoMoveTargets;
    bool RepairReady = false;  // set when a click on the supply ship asks it for a repair
    int RepairCellX = 0;       // where the repair scan last found the supply ship; not reset
    int RepairCellY = 0;
    bool PlayerTurn = true;        // set while the first side may act
    bool OpponentTurn = false;     // set while the other side acts
    bool GameActive = false;       // set from set-up until the game ends or is left
    bool GameOver = false;         // set once the game has ended: no further step is taken
    Side SideToMove = kFirstSide;  // the side of the unit making the current step
    int TurnCount = 0;             // computer turns played in this game

    // --- The fight and the flag ---
    int Winner = 0;              // outcome of the last fight (play/combat.h)
    int Loser = 0;               // code of the unit the last fight sank
    int Gamestage = stage::kOn;  // how the battle stands: one of the stage:: values
    bool SupportFire = false;    // the coming fight's winner may take a point of extra damage
    bool SubRetreat = false;     // a first-side submarine slipped away in the last fight
    QChar FlagTransfer = QLatin1Char('Y');        // the first side may still transfer its flag
    QChar FlagTransferSecond = QLatin1Char('N');  // the second side may
    bool ETransferred = false;  // the first side's carrier has taken over the flag (now code 21)
    bool DTransferred = false;  // the second side's (now code 45)

    // --- The board view ---
    int RevealCount = 0;  // identifications made by the last reveal pass
    // What the last reveal pass read and found, so a pass over an unchanged table is skipped
    // (the table's revision, the seeing side, the pass's RevealCount).
    struct RevealMemo {
        std::uint64_t revision = 0;
        Side seer = kFirstSide;
        int count = 0;
    } lastReveal;
    bool SweepAllowed = true;  // the radar sweep may run after the board is composed

    // --- What the band tells of the battle: the last things that happened, the turn, the losses
    // ---
    BattleLog battleLog;

    // --- The campaign tally, kept over the three stages ---
    int FirstSideWins = 0;
    int SecondSideWins = 0;
    int CampaignLossesFirst = 0;
    int CampaignLossesSecond = 0;

    // MoveTargets with no target.
    static inline const QString kNoMoveTargets =
        QStringLiteral("0000 0000 0000 0000 0000 0000 0000 0000");
};

}  // namespace kvd
