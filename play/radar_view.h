#pragma once

namespace kvd {

class BoardPainter;
class Game;

// The radar sweep in the bottom band: the radar picture turned in nine steps over the radar
// console, after a composition of the board that identified something.
void RadarFlacker(BoardPainter& painter);

// The radar aircraft shot down: its picture blinks out four times in its cell.
void JstarsFlacker(BoardPainter& painter, const Game& game, int aircraftColumn, int aircraftRow);

}  // namespace kvd
