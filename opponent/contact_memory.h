#pragma once
#include <vector>

namespace kvd {

struct SideView;

// What a player remembers of the board from turn to turn: a contact identified once keeps its
// kind in the player's mind after it has slipped out of sight, for as long as it can be
// followed. Contacts that stay on their cells are the same units; the enemy moves one unit a
// turn, so a remembered contact whose cell is empty now is the one new contact beside it (if
// there is exactly one). A unit no longer afloat is forgotten. It learns only from views.
class ContactMemory {
public:
    // Fills in the kinds the view's board no longer shows but the player remembers, then
    // remembers what the view now tells.
    void Recall(SideView& view);
    void Forget() { known_.clear(); }

private:
    struct Known {
        int column, row, code, strength;
    };
    std::vector<Known> known_;
};

}  // namespace kvd
