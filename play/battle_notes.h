#pragma once
#include <QChar>

#include "core/battle_log.h"

namespace kvd {

class Game;
class Showing;
struct Settings;

// What the rules write into the game's battle log, whether anybody looks or not: a game read back
// from its record has the same log. The board shows the log as the notes on the Showing give it,
// so a fight shows up there only once it has been shown.

// The fight just decided (the fight variables and Winner as the outcome left them).
void NoteFight(Game& game);
// A supply ship repaired the unit of the code.
void NoteRepair(Game& game, int code);
// The side's carrier (the table line now holding its flagship code) took over the flag.
void NoteFlagTransfer(Game& game, int line);
// The winner of the last fight took a hit from the escorts around it.
void NoteEscortFire(Game& game, bool secondSideWon);
// The units of the other side that the seer's reveal pass has just identified for the first time.
void NoteIdentified(Game& game, Side seer);
// A turn is over: the second side has answered the first side's move.
void NoteTurnOver(Game& game);

// The side whose player this program shows the battle to: the joining player's program shows the
// second side's, every other the first side's.
Side ViewerSide(const Game& game);

// What the band tells of the battle at one moment: the log, and the state as the viewer knows it.
struct BattleBand {
    BattleLog log;
    Side viewer = kFirstSide;
    int ownShips = 0;       // the viewer's ships afloat
    int enemyContacts = 0;  // the other side's ships the viewer has on the board
};
BattleBand BattleBandOf(const Game& game);

// Ships a side has on the table (the radar aircraft and minefields are no ships).
int ShipsOf(const Game& game, Side side);
// Ships of the side the viewer sees as contacts on the board, identified or not (submarines
// never show).
int ContactsOf(const Game& game, Side side);

}  // namespace kvd
