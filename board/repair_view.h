#pragma once
#include <QChar>
#include <QPoint>

namespace kvd {

class BoardPainter;
class Resources;
struct GamePictures;

// The hammer over the repairer's and the target's cells, five times. False when the game was
// left meanwhile.
bool AuxFlacker(BoardPainter& painter, const Resources& resources, QPoint repairer, QPoint target);

// The flagship picture of a side becomes its carrier's once the carrier has taken over the
// flag. A board draws its own side from the first set and the other side as an enemy, from the
// second (turned, with its navy's flag); the joining board's own side is the second one.
void CarrierTakesTheFlag(GamePictures& pictures, const Resources& resources, QChar homeNavy,
                         bool firstSide, bool joiningBoard);

}  // namespace kvd
