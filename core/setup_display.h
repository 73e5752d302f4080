#pragma once
#include <QString>

namespace kvd {

class MapLines;

// What game set-up asks of the board: the game's pictures, the board shown once the game is
// ready, and nothing shown when it fails. A headless run answers with no pictures at all.
class SetupDisplay {
  public:
    virtual ~SetupDisplay() = default;
    // The unit pictures and markers of a new game of this mode; the map's picture is kept when
    // keepMap, else dropped with the rest.
    virtual void PrepareGamePictures(int gameMode, bool keepMap) = 0;
    // The map's picture: the built-in chart of a built-in map, else the picture its lines name,
    // with the faint cell grid of the charts. False when it cannot be shown, with the picture
    // it names as shown to a player and the reason.
    virtual bool LoadMapPicture(const QString& mapName, const MapLines& map, QString* shown,
                                QString* reason) = 0;
    // The clean map the board is composed on, once the table is final.
    virtual void FinishPictures() = 0;
    virtual void DropPictures() = 0;
    // Composes the board of the new game and shows it full screen with the arrow cursor.
    virtual void ShowBoard() = 0;
    virtual void HideBoard() = 0;
};

}  // namespace kvd
