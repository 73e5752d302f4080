#pragma once
#include "core/side.h"

namespace kvd {

class Game;

// What a position is worth to a side, as the computer's search weighs the worlds it plays
// out: the end of the game above all; then each side's flag lives (the flagship, and the
// carrier while the flag may still pass to it), with a price on every hit such a ship can still
// take before the next one sinks it; then the ships afloat by kind and strength (submarines and
// minefields for what only they can do); then what the fight table says of every pair of
// opposing units that stand side by side (the side moves next, so the best of its own chances
// counts more than the enemy's threats); and last how close its fighting ships are to enemies
// they can beat, a pull that grows as the game goes on, so a quiet board still has a way
// forward.
double PositionValue(const Game& game, Side side);

// What a meeting of two units would change, by the fight table, for the first side: the
// second side's loss minus the first side's.
double MeetingGain(const Game& game, int firstLine, int secondLine);

// The hits a capital ship of this strength can still take before the next one sinks it.
int HitsLeft(int strength);

}  // namespace kvd
