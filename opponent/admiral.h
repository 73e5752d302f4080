#pragma once
#include <cstdint>
#include <vector>

#include "play/move.h"

namespace kvd {

class Game;
struct SideView;

// How long the Admiral may think over a move. With a number of worlds, it plays every
// candidate move out in that many, and the time limit only stops it sooner on a slow machine:
// the count alone decides, so the same position and seed give the same move on every machine.
// Without (0), it thinks on, world after world, while its time lasts: more time, a better move.
struct ThinkBudget {
    int worlds = 0;
    int milliseconds = 40;
};

// What the Admiral decided, and what it took.
struct Thought {
    Move move;
    int worlds = 0;       // worlds played out
    int simulations = 0;  // candidate moves played out, over all worlds
    double milliseconds = 0;
    // The enemy's unseen submarines beside the side's flagship, on average over the worlds: how
    // much danger its belief sees there, to hold against the real games.
    double submarinesBesideFlagship = 0;
};

// The opposing side's submarines within a cell of the side's flagship in a game.
int SubmarinesBesideFlagship(const Game& game, Side side);

// The Admiral: a computer player for either side that plans by playing its candidate moves out
// under the game's own rules, and decides only from what its side's board shows.
//
// It searches by determinization: it draws a number of worlds consistent with its view (the
// kinds of unidentified contacts, the hidden submarines and minefields where its belief has
// them, the dice), plays every candidate move in each of them through the game's own move
// function, with the enemy's reply played by the standard computer opponent where the Admiral
// has the first side (its fights as it would choose them, and no random step where it meets
// nobody: that draw cannot be known and is followed apart, as the belief), and takes the move
// whose positions are worth most on average over the worlds. All candidates meet the same
// worlds, so the comparison is between moves, not between lucky and unlucky draws. With the
// first side it then looks again at the best few, a turn further: in some of the worlds, each
// is followed by the side's best next move after the reply. A full information-set tree search
// would look further ahead still; with one move and one reply per turn and a fight table that
// settles most meetings outright, a wide search over many worlds with a sound evaluation plays
// better in the same time than a deep one over few, and stays fair the same way: nothing
// hidden ever enters the view it draws from.
class Admiral {
  public:
    Thought Choose(const SideView& view, std::uint32_t seed, const ThinkBudget& budget) const;
};

// The moves a side's player may make as its board shows them: every unit that can step to a
// neighbour cell of water that holds no unit of its own (whatever unseen enemy may be there),
// a damaged ship beside the supply ship asking for a repair. None: nothing can move.
std::vector<Move> CandidateMoves(const SideView& view);

}  // namespace kvd
