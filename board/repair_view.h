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
// flag; the opponent's carries its navy's flag when withFlag.
void CarrierTakesTheFlag(GamePictures& pictures, const Resources& resources, QChar homeNavy, bool firstSide,
                         bool withFlag);

}  // namespace kvd
