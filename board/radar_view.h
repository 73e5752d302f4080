#pragma once
#include <QPoint>

namespace kvd {

class BoardPainter;

// The radar sweep in the bottom band: the radar picture turned in nine steps over the radar
// console, after a composition of the board that identified something.
void RadarFlacker(BoardPainter& painter);

// The radar aircraft shot down: its picture blinks out four times in its cell (where the board
// draws it: small over a ship). False when the game was left meanwhile.
bool JstarsFlacker(BoardPainter& painter, QPoint aircraftCell, bool overShip);

}  // namespace kvd
