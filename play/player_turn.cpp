#include "play/player_turn.h"

#include "core/board_geometry.h"
#include "core/context.h"
#include "core/game.h"
#include "platform/platform.h"

namespace kvd {

namespace {
// The cell index of a coordinate along one axis: 0 before the first line, k strictly between
// lines k and k + 1; -1 on a line or past the last cell.
int CellIndex(int coordinate, int cellSize) {
    if (coordinate < cellSize) return 0;
    for (int k = 1; k <= 9; ++k)
        if (coordinate > k * cellSize && coordinate < (k + 1) * cellSize) return k;
    return -1;
}
}  // namespace

PlayerTurn::PlayerTurn(Game& game, Context& context) : game_(game), context_(context) {}

// Identification and the radar sweep come with the radar rules; until then nothing is
// identified and the board is composed without a sweep.
int PlayerTurn::RevealEnemy() { return 0; }
void PlayerTurn::RadarFlacker() {}

void PlayerTurn::ClickToCell(QPoint position) {
    const BoardGeometry geometry = BoardGeometry::Of(*context_.platform.screen);
    const int column = CellIndex(position.x(), geometry.cellWidth);
    const int row = CellIndex(position.y(), geometry.cellHeight);
    if (column >= 0) game_.ClickColumn = column;
    if (row >= 0) game_.ClickRow = row;
}

void PlayerTurn::FormMouseDown(Qt::MouseButton button, QPoint position) {
    if (button != Qt::LeftButton) return;
    ClickToCell(position);
}

void PlayerTurn::FormKeyDown(int) {}

}  // namespace kvd
