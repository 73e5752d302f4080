#pragma once
#include <map>

#include "core/unit_codes.h"
#include "platform/picture.h"

namespace kvd {

class Resources;

// The unit pictures of one side, by kind. The first set is drawn for the player's units; the
// second for identified opposing units (the "D" pictures against the Kriegsmarine, otherwise
// the first set's pictures turned to face left; either way with the opposing navy's flag in
// their top-left corner; see GamePictures::LoadOpposing).
class PictureSet {
  public:
    // Loads the sprite `name` as the picture of `kind`, transparent. False when it is missing.
    bool Load(const Resources& resources, UnitKind kind, const QString& name);
    // The picture of a kind, or nullptr when it was not loaded (nothing is drawn then).
    const Picture* Find(UnitKind kind) const;
    Picture* Find(UnitKind kind);
    void Clear() { pictures_.clear(); }
    bool Empty() const { return pictures_.empty(); }

  private:
    std::map<UnitKind, Picture> pictures_;
};

// The boards a unit is drawn on: every board, or the joining player's own units on its board.
enum class SpriteBoard { Any, JoiningOwn };
// Whether a unit is drawn without a picture, as the fleets have always been shown: the first
// submarine slot (code 3) on every board, and the joining player's last three submarine slots
// (30 to 32) on its own board.
bool DrawnWithoutPicture(int code, SpriteBoard board);
// The picture a unit code is drawn with from a set: by its kind, or none.
const Picture* SpriteForCode(const PictureSet& set, int code, SpriteBoard board = SpriteBoard::Any);

}  // namespace kvd
