#pragma once
#include <QChar>

#include "core/side.h"

namespace kvd {

class Game;
class Dice;

// A simple player of either side, as its clicks on the board: a damaged ship beside the
// supply ship asks for a repair; otherwise an attack the fight table favours, or else a free
// step, each drawn at random; a player with nothing that can move passes. It plays the
// self-play games' first side, and either side where tests play a game by clicks.
struct ScriptedMove {
    enum Kind { Repair, Step, Pass } kind = Pass;
    int column = 0, row = 0;      // the unit to click first
    int toColumn = 0, toRow = 0;  // then the cell (the supply ship's for a repair)
    int drawn = 0;                // the range of the draw it made to choose, 0 for none
};
// Without a favoured attack: any free step (wandering, as in the self-play games), or pressing
// on: an attack that trades ship for ship, else a step that takes its unit nearer an opposing
// ship, so that two such players meet and finish a game soon.
enum class Approach { Wander, PressOn };
ScriptedMove ChooseMove(const Game& game, Dice& random, Side side = kFirstSide,
                        Approach approach = Approach::Wander);

}  // namespace kvd
