#pragma once
#include <QChar>

namespace kvd {

struct Rules;

// The reveal pass of this program's side, then the board composed anew from the table and put
// on the window (while neither side's turn shows, only the composition).
void ComposeBoard(Rules& rules);

// The side's selected unit steps to (column, row): the step, the fight it leads to, the board
// composed in a single game, the supply ship mending its flagships, and in the convoy stage a
// convoy ship's step. False when the game has ended on the way.
bool SideStep(Rules& rules, QChar side, int column, int row);

// The side's selected unit asks the supply ship beside it for a repair.
void RepairRequest(Rules& rules, QChar side);

// In a game against the computer, the first side's move is done: the computer's turn, the
// radar aircraft's patrol step and the composed board, and the first side's turn again.
void EndFirstSideMove(Rules& rules);

}  // namespace kvd
