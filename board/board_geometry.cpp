#include "board/board_geometry.h"

#include "platform/screen.h"

namespace kvd {

BoardGeometry BoardGeometry::Of(const Screen& screen) {
    BoardGeometry g;
    g.width = screen.Width();
    g.height = screen.Height();
    g.boardHeight = WorkHeight(screen, 80);
    g.cellWidth = g.width / 10;
    g.cellHeight = g.boardHeight / 10;
    return g;
}

}  // namespace kvd
