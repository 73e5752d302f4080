#pragma once
#include <QString>

namespace kvd {

class Game;
class Dice;
struct OpponentState;

// The threat ring around a cell: the sixteen cells two away, row by row from the top left,
// each '0' or the kind of first-side unit there: 'A' submarine, 'B' escort, 'C' big ship.
QString RadarPlus(const Game& game, int column, int row);
// The hunter ring around the player's unit Player.X/Player.Y: its eight neighbours in
// direction order, then the sixteen cells two away; 'H' where a first-side escort stands.
QString UbootRetract(Game& game);

// How much the opponent wants a meeting of its unit `attacker` with the player's `target`:
// the last of the priority rules that holds, '1' most wanted to '9' least; 0 when none holds.
int PriorityRule(int attacker, int target, Dice& random);
// Whether the opponent's unit fights the player's or steps away (the supply ship never fights).
bool Fights(int attacker, int target, int playerStrength, int enemyStrength);

// Chooses one meeting from the engagement list, leaves it in the fight variables (the attacker
// from Enemy.OldX/Y onto its target at Enemy.X/Y) and decides fight or avoid (AvoidFlag).
void BattleStations(Game& game, OpponentState& state, Dice& random);

}  // namespace kvd
