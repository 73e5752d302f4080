#include "board/radar_view.h"

#include <QPainter>

#include "board/board_painter.h"
#include "board/main_form.h"
#include "platform/screen.h"

namespace kvd {

void RadarFlacker(BoardPainter& painter) {
    TMainForm& board = painter.Board();
    if (!painter.Seen()) {
        // Nothing to turn on a board nobody sees; the sound and the sweep's time remain.
        painter.PlayAlways(QStringLiteral("radar"), false);
        for (int frame = 0; frame < 9; ++frame)
            if (!painter.Delay(30)) return;
        return;
    }
    const BoardGeometry& geometry = board.Geometry();
    painter.DrawBand(board.MenuRadarImage);
    // The radar plays even with the sound setting off.
    painter.PlayAlways(QStringLiteral("radar"), false);
    const Screen& screen = painter.TheScreen();
    const int left = painter.X(geometry.width > 1155 ? 75 : 74);
    const QRect scope(QPoint(left, WorkHeight(screen, 86)),
                      QPoint(WorkWidth(screen, 80) - 1, WorkHeight(screen, 96) - 1));
    // Each turn of the picture is drawn over the console and wiped off it again; nothing else
    // of the window changes.
    const QImage console = board.Canvas().copy(scope);
    for (int angle = 35; angle <= 315; angle += 35) {
        painter.DrawInRect(&board.RadarFrame(angle), scope);
        const bool go = painter.Delay(30);
        {
            QPainter wipe(&board.Canvas());
            wipe.setCompositionMode(QPainter::CompositionMode_Source);
            wipe.drawImage(scope.topLeft(), console);
        }
        if (!go) return;
    }
    painter.DrawBand(board.MenuImage);
}

bool JstarsFlacker(BoardPainter& painter, QPoint aircraftCell, bool overShip) {
    painter.TakeSnapshot();
    painter.Play(QStringLiteral("planeguns"), false);
    const QRect cell = painter.Cell(aircraftCell.x(), aircraftCell.y());
    const QRect plane = overShip ? QRect(QPoint(cell.left() + 60, cell.top()),
                                         QPoint(cell.right(), cell.bottom() - 50))
                                 : cell.adjusted(20, 20, -20, -20);
    for (int blink = 0; blink < 4; ++blink) {
        painter.RestoreRect(plane);
        if (!painter.Delay(300)) return false;
        painter.RedrawBoard();
        if (!painter.Delay(300)) return false;
    }
    painter.RestoreRect(plane);
    return true;
}

}  // namespace kvd
