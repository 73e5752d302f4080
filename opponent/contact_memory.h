#pragma once
#include <cstdint>
#include <vector>

#include "opponent/submarine_belief.h"

namespace kvd {

struct SideView;

// What a player remembers of the board from turn to turn: a contact identified once keeps its
// kind in the player's mind after it has slipped out of sight, for as long as it can be
// followed. Contacts that stay on their cells are the same units; the enemy moves one unit a
// turn, so a remembered contact whose cell is empty now is the one new contact beside it (if
// there is exactly one). A unit no longer afloat is forgotten.
//
// It also follows where the unseen units may be. They start in the enemy's home band. The enemy
// moves one unit a turn: when a contact was seen to move, no submarine did; otherwise one may
// have moved a cell, and every cell a submarine might have reached stays in mind. A minefield
// never moves, and no cell the player's own ships have stood on holds one. A ship of the
// player's that lost strength while no contact was seen to move was struck by an unseen
// submarine, which stays beside it (or on its cell, when it could not get away). Within those
// cells it keeps a belief about each submarine (SubmarineBelief). It learns only from views.
class ContactMemory {
  public:
    // Fills in the kinds the view's board no longer shows but the player remembers, then
    // remembers what the view now tells.
    void Recall(SideView& view);
    void Forget() {
        known_.clear();
        started_ = false;
        belief_.Forget();
        placements_.clear();
    }

  private:
    struct Known {
        int column, row, code, strength;
    };
    void FollowHidden(SideView& view);
    std::vector<Known> known_;
    bool started_ = false;
    std::vector<char> submarines_, minefields_;   // cells where one may be, row by row
    std::vector<int> contactCells_;               // the contacts' cells at the last look
    std::vector<std::pair<int, int>> strengths_;  // the player's units' codes and strengths then
    SubmarineBelief belief_;
    std::vector<std::uint64_t> placements_;  // the side's positions at its last looks
};

}  // namespace kvd
