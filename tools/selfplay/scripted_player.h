#pragma once

namespace kvd {

class Game;
class Dice;

// The simple first-side player of the self-play games: a damaged ship beside the supply ship
// asks for a repair; otherwise an attack the fight table favours, or else any free step, each
// drawn at random; a player with nothing that can move passes.
struct ScriptedMove {
    enum Kind { Repair, Step, Pass } kind = Pass;
    int column = 0, row = 0;      // the unit to click first
    int toColumn = 0, toRow = 0;  // then the cell (the supply ship's for a repair)
    int drawn = 0;                // the range of the game's draw it made to choose, 0 for none
};
ScriptedMove ChooseMove(const Game& game, Dice& random);

}  // namespace kvd
