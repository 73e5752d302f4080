#pragma once
#include <QRect>

namespace kvd {

class Screen;

// Where the board lies on the full-screen board window: the top 80 % of the screen is the board
// area of 10 x 10 cells, the rest the bottom band. A strip of less than ten pixels right and
// below the grid shows the map picture.
struct BoardGeometry {
    int width = 0;        // screen width
    int height = 0;       // screen height
    int boardHeight = 0;  // WorkHeight(80)
    int cellWidth = 0;
    int cellHeight = 0;

    static BoardGeometry Of(const Screen& screen);
    QRect Cell(int column, int row) const {
        return QRect(column * cellWidth, row * cellHeight, cellWidth, cellHeight);
    }
    QRect BoardArea() const { return QRect(0, 0, width, boardHeight); }
    QRect BottomBand() const { return QRect(0, boardHeight, width, height - boardHeight); }
    // The bottom-right corner of the band, beyond 85 % of the width and the height, which
    // leaves the game.
    bool InQuitCorner(QPoint position) const {
        return position.x() > width * 85 / 100 && position.y() > height * 85 / 100;
    }
};

}  // namespace kvd
