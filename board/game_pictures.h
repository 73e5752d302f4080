#pragma once
#include "board/picture_sets.h"
#include "platform/picture.h"

namespace kvd {

class Resources;
struct Settings;

// The pictures of one game: set-up loads them, the board and the rules draw with them, and the
// end of the game frees them.
struct GamePictures {
    Picture MapImage;    // the decoded map picture
    Picture Background;  // the map picture at its own size
    Picture CleanMap;    // the background stretched to the board area, no units
    Picture Snapshot;    // the board as last composed
    Picture EnemyFlag;   // ENEMYFLAG, the marker of an unidentified opponent
    Picture GreenBox;    // GREENBOX, the cell marker
    Picture NavyFlag;    // the opposing navy's flag stamped onto the second set
    Picture Jstars;      // the radar aircraft
    PictureSet FirstSet;   // the player's units
    PictureSet SecondSet;  // identified opposing units, and the opponent in a fight

    // The markers and both sides' unit pictures for a game of this mode and these settings.
    void LoadUnitPictures(const Resources& resources, int gameMode, const Settings& settings);
    // Makes a map picture the map and the background.
    void SetMap(const Picture& picture);
    void Clear();
};

}  // namespace kvd
