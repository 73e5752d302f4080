#pragma once
#include <QStringList>
#include <cstdint>

#include "play/move.h"

namespace kvd {

// A fingerprint of where a side's own units stand (and how strong they are): two looks at the
// board with the same fingerprint are the same position of the side's, whatever the enemy did.
// With a move, the position it leads to: the unit stepped to its target cell.
std::uint64_t Placement(const QStringList& own, const Move* move = nullptr);

// Whether a move leaves the flagship and its screen alone: a move of the flagship itself, or
// of a unit beside it. A quiet board may shuffle them to and fro without a price.
bool MovesTheFlagshipOrItsScreen(const QStringList& own, Side side, const Move& move);

}  // namespace kvd
