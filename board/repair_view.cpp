#include "board/repair_view.h"

#include "board/game_pictures.h"
#include "platform/resources.h"
#include "board/board_painter.h"

namespace kvd {

bool AuxFlacker(BoardPainter& paint, const Resources& resources, QPoint repairer, QPoint target) {
    paint.TakeSnapshot();
    Picture hammer;
    LoadSpriteFromRes(resources, QStringLiteral("HAMMER"), hammer);
    hammer.SetTransparent(true);
    for (int k = 0; k < 5; ++k) {
        for (QPoint cell : {repairer, target})
            paint.DrawInRect(&hammer, QRect(paint.Cell(cell.x(), cell.y()).topLeft(), hammer.Image().size()));
        if (!paint.Delay(300)) return false;
        paint.RedrawBoard();
        if (!paint.Delay(300)) return false;
    }
    return true;
}

void CarrierTakesTheFlag(GamePictures& pictures, const Resources& resources, QChar navy, bool firstSide,
                         bool withFlag) {
    if (firstSide) {
        pictures.FirstSet.Load(resources, UnitKind::Battleship, QStringLiteral("CARRIER"));
        return;
    }
    const bool own = navy == QLatin1Char('E');
    pictures.SecondSet.Load(resources, UnitKind::Battleship, own ? QStringLiteral("DCARRIER") : QStringLiteral("CARRIER"));
    Picture* flagship = pictures.SecondSet.Find(UnitKind::Battleship);
    if (withFlag && !own && flagship && !pictures.NavyFlag.IsNull())
        flagship->CopyRect(QRect(0, 0, 70, 40), pictures.NavyFlag, QRect(0, 0, 70, 40));
}

}  // namespace kvd
