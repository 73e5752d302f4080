#pragma once
#include <QChar>
#include <QRect>
#include <functional>

#include "core/side.h"

namespace kvd {

class Files;
class Game;
class MapLines;
class UnitTable;

// The home band of a side for a map's home edge letter: the first side's along that edge, the
// second side's along the opposite one; the columns or rows 4 and 5 between them stay free. An
// empty rectangle for a letter that is no edge.
QRect HomeBand(QChar homePosition, Side side);

// Draws a cell of the side's home band for every unit of the side that `place` picks (by its
// line), the first side's radar aircraft aside: open water that no unit of the side stands
// on. With writePrev the unit's previous cell becomes its start too. False as soon as the band
// has no such cell left for the next unit; the units drawn so far keep their cells.
bool PlaceInBand(Game& game, Side side, bool writePrev, const std::function<bool(int)>& place);

// Places both fleets of a game whose map and fleet are loaded, as a game starts: the second
// side at random in its band, each unit's previous cell its start; then the first side, with
// `presets` the map's preset ships on their cells as they stand (land or not) and every other
// unit at random in its band like a fleet without presets. False when a band has no room;
// `crowded` (when given) then names the side whose band it was.
bool PlaceFleets(Game& game, bool presets, Side* crowded = nullptr);

// Whether a game could start on the map with the fleet (a single game's: the map's presets are
// used): the placement above tried on copies. False, with the crowded side, when it could not.
bool MapLeavesRoom(const MapLines& map, const UnitTable& fleet, Side* crowded = nullptr);

// The edge along which a band has no room when a single game starts on the map with the fleet
// of any navy (the map's home edge for the player's fleet, the opposite edge for the
// opponent's); a null character when every fleet has room. A fleet file that is missing or
// broken is passed over: starting a game reports it.
QChar CrowdedEdge(const Files& files, const MapLines& map);

}  // namespace kvd
