#pragma once
#include <vector>

#include "play/move.h"

namespace kvd {

class Game;

// Who may move what. The moves a side's player may make on the game as it stands, exactly as its
// board offers them to clicks, and whether one given move is among them. Both are pure and cheap
// (no copy of the game, nothing written): every door a move comes through asks here first (the
// clicks, the peer, a record, a save, the scripted player, the Admiral's candidates), and the
// move function then trusts what it is given.
//
// A unit of the side, but the radar aircraft (it flies its patrol by itself) and the minefields,
// may step to each neighbour cell of open water (Step), or onto an opposing unit that does not
// share its cell with one of the side's own (Attack). A damaged unit of a kind that may ask for a
// repair, and has had none, may ask its side's supply ship beside it (Repair: the move's target
// is the supply ship's cell). Where two units of a side share a cell, only the first in table
// order is selected by a click, so only it moves.
//
// The list goes unit by unit in table order, each unit's steps in direction order (north-west
// to south-east) and then its repair. Moves the rules make themselves (the aircraft's patrol,
// the convoy's steps, the flagship's shot at the aircraft, a pass) are no player's to choose:
// IsLegal refuses them.
std::vector<Move> LegalMoves(const Game& game, Side side);
// For a repair only the unit counts (its cells are where it and the supply ship stand); a step
// and an attack are one move, whichever kind it names, since a step meets what stands there.
bool IsLegal(const Game& game, const Move& move);

}  // namespace kvd
