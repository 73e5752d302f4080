#pragma once
#include <QChar>
#include "core/side.h"

namespace kvd {

struct Rules;

// The reveal pass of this program's side, then the board composed anew from the table and put
// on the window (while neither side's turn shows, only the composition).
void ComposeBoard(Rules& rules);

// The side's selected unit steps to (column, row): the step, the fight it leads to, the board
// composed in a single game, the supply ship mending its flagships, and in the convoy stage a
// convoy ship's step. False when the game has ended on the way.
bool SideStep(Rules& rules, Side side, int column, int row);

// The side's selected unit asks the supply ship beside it for a repair.
void RepairRequest(Rules& rules, Side side);

// In a network game this program's step is done: the turn goes to the peer. The turn flags
// are the host's view on both programs.
void HandOverToPeer(Rules& rules, bool host);
// In a network game the peer's step as its record gives it: the unit goes to its cell; what it
// meets there is fought when the peer's turn token comes.
void ApplyPeersStep(Rules& rules, const struct Move& move);
// In a network game the peer's turn token has come: the fight the peer's step (of the unit
// peerMovedCode) caused, fought on this program's table, the peer's supply ship mending its
// flagships, and this program's turn.
void TurnAfterPeer(Rules& rules, bool joining, int peerMovedCode);

// In a game against the computer, the first side's move is done: the computer's turn, the
// radar aircraft's patrol step and the composed board, and the first side's turn again.
void EndFirstSideMove(Rules& rules);

}  // namespace kvd
