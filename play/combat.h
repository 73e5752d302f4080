#pragma once
#include <QChar>
#include <QString>

#include "core/side.h"

namespace kvd {

class Game;
class UnitTable;
struct Settings;

// The outcomes of a fight (Winner): who is lost or hit.
namespace outcome {
constexpr int kNothing = 0;
constexpr int kFirstWins = 1;   // the second-side unit is lost
constexpr int kSecondWins = 2;  // the first-side unit is lost
constexpr int kBothLost = 3;
constexpr int kSecondHit = 4;        // a first-side submarine damages a big ship
constexpr int kMineHitsShip = 5;     // a first-side minefield is spent on a second-side ship
constexpr int kFirstHit = 6;         // a second-side submarine damages a big ship
constexpr int kShipHitsMine = 7;     // a second-side minefield is spent on a first-side ship
constexpr int kBattleshipDuel = 11;  // both battleships hit
constexpr int kTurnOver = 99;        // no fight since the last turn ended
}  // namespace outcome

// The outcome of a first-side unit meeting a second-side one, by kinds and strengths.
// dTransferred: the second side's carrier carries its flag (the radar aircraft's target).
int FightOutcome(int playerCode, int enemyCode, int playerStrength, int enemyStrength,
                 bool dTransferred, bool netGame);

// The last line of a side's unit standing on a cell (the radar aircraft too), or -1.
int LastUnitOn(const UnitTable& table, Side side, int column, int row);
// A unit meets a fight: its line's cell (also as its old cell), whole name, kind,
// code and strength become its side's fighter.
void TakeFighter(Game& game, int line);

// Supporting ships before a fight (Additional Damage on): SupportFire is set when a ship of
// the side that did not move can fire into the fight from a neighbour cell.
void MultiCombat(Game& game);

// The names a fight report uses: German kind names with the German texts, and the two
// cruisers whose fleet-file names do not fit the column.
void FightNames(Game& game, const Settings& settings);
// The German kind name of a unit code, or an empty text where the fleet file's name stands.
QString GermanKindName(int code, const Game& game);

// What the outcome does to the table and the end variables (Loser, Gamestage, SubRetreat,
// the flag options), the radar aircraft's loss or relaunch included; not the report.
void ApplyOutcome(Game& game);
// A hit: strength down by two (from 3 up), damage one step worse.
void HitUnit(UnitTable& table, int index);

// The winner of a fight loses one point to supporting fire; never below 0.
void ExtraDamage(Game& game);

// In the convoy stage: every convoy ship of the first side is gone.
bool ConvoyLost(const Game& game);

// A carrier takes over its side's flag: its line gets the flagship's code (22 becomes 21,
// 46 becomes 45). False when the side has no carrier.
bool TransferFlag(Game& game, bool firstSide);

}  // namespace kvd
