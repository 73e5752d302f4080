#pragma once
#include <vector>

namespace kvd {

class Dice;
struct SideView;

// Where one unseen submarine of the enemy's may be: a weight for every cell of the board (row
// by row), summing to one, under one of the codes the enemy's fleet gave its submarines.
struct SubmarineTrack {
    int code = 0;
    std::vector<double> weight;
    bool struck = false;  // it has just struck a ship of the player's and lies beside it
};

// A player's belief about the enemy's unseen submarines, kept from what the board has shown:
// they start anywhere in the enemy's home band; each enemy turn in which no contact was seen to
// move, one of them may have moved a cell along the way the enemy steers its kind (the computer
// opponent's hunters toward the player's flagship or carrier, its last one lying still; a
// person's anywhere); a cell the board shows a unit on holds none; a strike of an unseen
// submarine puts one beside the ship it struck, and a turn without one says none was beside
// the player's units.
class SubmarineBelief {
  public:
    // The first look of a game: `count` submarines in the cells `may` allows.
    void Start(const SideView& view, int count, const std::vector<char>& may);
    // The enemy's turn since the last look ended with no strike: no submarine was beside a
    // unit of the player's it would have struck (a submarine beside an escort steps away).
    void Unmet(const SideView& view);
    // The enemy's turn since the last look, with no contact seen to move.
    void Advance(const SideView& view);
    // An unseen submarine has struck the player's unit on `cell`.
    void Struck(const SideView& view, int cell);
    // What the board shows this turn: no submarine where a unit stands, or on land.
    void Observe(const SideView& view, const std::vector<char>& may);
    const std::vector<SubmarineTrack>& Tracks() const { return tracks_; }
    bool Started() const { return !tracks_.empty(); }
    void Forget() { tracks_.clear(); }

  private:
    std::vector<SubmarineTrack> tracks_;
};

// Draws a cell from a track's weights among the cells `open` allows; -1 when it allows none
// the track gives any weight to.
int DrawCell(const SubmarineTrack& track, const std::vector<char>& open, Dice& draw);

// Whether a cell is one the board shows a unit on, of either side (the radar aircraft aside).
bool ShownTaken(const SideView& view, int cell);

}  // namespace kvd
