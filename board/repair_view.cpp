#include "board/repair_view.h"

#include "board/board_painter.h"
#include "board/game_pictures.h"
#include "platform/resources.h"

namespace kvd {

bool AuxFlacker(BoardPainter& paint, const Resources& resources, QPoint repairer, QPoint target) {
    paint.TakeSnapshot();
    Picture hammer;
    LoadSpriteFromRes(resources, QStringLiteral("HAMMER"), hammer);
    hammer.SetTransparent(true);
    for (int k = 0; k < 5; ++k) {
        for (QPoint cell : {repairer, target})
            paint.DrawInRect(
                &hammer, QRect(paint.Cell(cell.x(), cell.y()).topLeft(), hammer.Image().size()));
        if (!paint.Delay(300)) return false;
        paint.RedrawBoard();
        if (!paint.Delay(300)) return false;
    }
    return true;
}

void CarrierTakesTheFlag(GamePictures& pictures, const Resources& resources, QChar homeNavy,
                         bool firstSide, bool joiningBoard) {
    const QString carrier = SpriteName(UnitKind::Carrier);
    if (firstSide != joiningBoard)
        pictures.FirstSet.Load(resources, UnitKind::Battleship, carrier);
    else
        pictures.LoadOpposing(resources, homeNavy, UnitKind::Battleship, carrier);
}

}  // namespace kvd
