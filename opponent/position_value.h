#pragma once
#include <QChar>

#include "core/side.h"

namespace kvd {

class Game;

// What a position is worth to a side, as the computer's search weighs the worlds it plays
// out: the end of the game above all, then the ships afloat by kind and strength, then what
// the fight table says of every pair of opposing units that stand side by side (the side moves
// next, so the best of its own chances counts more than the enemy's threats), and last how
// close its fighting ships are to enemies they can beat, so a quiet board still has a way
// forward.
double PositionValue(const Game& game, Side side);

// The worth of a unit afloat: its kind's, plus its strength.
double UnitWorth(int code, int strength);

// What a meeting of two units would change, by the fight table, for the first side: the
// second side's loss minus the first side's.
double MeetingGain(const Game& game, int firstLine, int secondLine);

}  // namespace kvd
