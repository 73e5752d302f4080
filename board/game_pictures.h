#pragma once
#include <QColor>
#include "board/picture_sets.h"

#include "platform/picture.h"

namespace kvd {

// The corner of an enemy's picture that carries its navy's flag, in picture pixels; the flag's
// own top 70 x 40 is copied there.
inline constexpr QRect kFlagCorner{0, 0, 70, 40};

class Resources;
struct Settings;

// The tone the opponent's borrowed pictures are blended toward, and by how much, so that they
// read apart from the player's own grey ships as the Kriegsmarine's do.
inline const QColor kEnemyTone{120, 45, 35};
constexpr int kEnemyTint = 35;

// The pictures of one game: set-up loads them, the board and the rules draw with them, and the
// end of the game frees them.
struct GamePictures {
    Picture MapImage;      // the decoded map picture
    Picture Background;    // the map picture at its own size
    Picture CleanMap;      // the background stretched to the board area, no units
    Picture Snapshot;      // the board as last composed
    Picture EnemyFlag;     // ENEMYFLAG, the marker of an unidentified opponent
    Picture NavyFlag;      // the opposing navy's flag, stamped onto every picture of the second set
    Picture Jstars;        // the radar aircraft
    PictureSet FirstSet;   // the player's units
    PictureSet SecondSet;  // identified opposing units, and the opponent in a fight

    // The markers and both sides' unit pictures for a game of this mode and these settings.
    void LoadUnitPictures(const Resources& resources, int gameMode, const Settings& settings);
    // Loads into the second set, as the picture of `slot`, the picture an identified opponent
    // is drawn with for the unit picture `name` (a first-set name): the Kriegsmarine's own "D"
    // picture, or else the player's picture turned to face left; either way with NavyFlag in
    // its top-left corner. False when the picture is missing.
    bool LoadOpposing(const Resources& resources, QChar homeNavy, UnitKind slot,
                      const QString& name);
    // Makes a map picture the map and the background.
    void SetMap(const Picture& picture);
    void Clear();
};

}  // namespace kvd
