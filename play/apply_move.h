#pragma once
#include <QChar>
#include <functional>

#include "play/move.h"

namespace kvd {

class Game;
class UnitTable;
struct Rules;

// When the unit that steps meets what stands on its cell.
enum class Meeting {
    Now,    // at once: a step onto an opposing unit is a fight
    Later,  // when the turn comes (the peer's step: this program fights it at the turn token)
    Never,  // a retreat in the middle of a fight meets nothing
};

// What a move came to.
struct MoveResult {
    int met = 0;       // the opposing unit met, 0 none
    int outcome = -1;  // the fight's outcome (see combat.h), -1 when there was no fight
    int sunk = 0;      // the unit the fight sank, 0 none
    bool repaired = false;
    bool flagTransferred = false;
    bool gameOver = false;
};

// Applies a move to the game: the step (or the repair, or the shot), the fight it leads to with
// its outcome, the flag transfer and the end of the game. The one way a unit changes its cell;
// the rules decide at once and note what the board is to show. afterStep runs once the unit
// stands on its new cell and before it meets anything (what shows the step).
MoveResult ApplyMove(Rules& rules, const Move& move, Meeting meeting = Meeting::Now,
                     const std::function<void()>& afterStep = {});

// The fight a unit's step leads to: the last opposing unit on its cell, if any, is met.
// The mover's fight variables are set already.
void Meet(Rules& rules, Side moverSide, int column, int row);

// The radar aircraft's move: its patrol step, or its launch from the carrier after a loss.
void FlyAircraft(Game& game, const Move& move);
// A unit put back or on by what a fight makes of a move (a move back, a retreat, a dive): its
// cell, and its previous cell where given.
void Relocate(UnitTable& table, int line, int column, int row);
void Relocate(UnitTable& table, int line, int column, int row, int prevColumn, int prevRow);

}  // namespace kvd
