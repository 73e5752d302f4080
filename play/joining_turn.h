#pragma once

namespace kvd {

class ComputerTurn;
class EndOfGame;
class Game;
class NetworkBoard;
class TMainForm;
struct Context;
struct GamePictures;
struct Scene;

// The joining player's half of a network game: the second side's units on the same board,
// selected and stepped as the first side's are, and every step hands the turn back.
class JoiningTurn {
public:
    JoiningTurn(Scene& scene, TMainForm& board);

    // Selects the joining player's unit on (ClickColumn, ClickRow), marks its targets and,
    // for a damaged unit, the supply ship it may ask; or drops the selection.
    void CheckBox();
    // The selected unit steps to a marked cell, fights what stands there, and the turn goes
    // back to the host.
    void MoveEnemy(int column, int row, ComputerTurn& computer, EndOfGame& endOfGame, NetworkBoard& network);
    // A click on the supply ship by a unit that may ask for a repair. The turn goes on.
    void RepairClick(NetworkBoard& network);

private:
    Scene& scene_;
    TMainForm& board_;
};

}  // namespace kvd
