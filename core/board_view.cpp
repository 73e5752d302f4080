// Composing the board: the snapshot of map and units, and putting it on the window.
#include <cmath>

#include "core/context.h"
#include "core/main_form.h"
#include "platform/platform.h"

namespace kvd {

void TMainForm::GetPositions() {
    CurrentBand = 80;
    const Context& c = context_;
    const bool reveal = c.settings.RevealOption == QLatin1Char('Y');
    const bool planes = c.settings.ReconPlanes != QLatin1Char('0');

    // The clean map is the background stretched over the board area: the snapshot starts as it.
    QImage board = CleanMap.Image();
    const int planeMates = planes ? scratchpad.CountCellMates(1) : 0;
    const int cw = geometry_.cellWidth, ch = geometry_.cellHeight;

    for (int i = 1; i < scratchpad.Count(); ++i) {
        if (scratchpad.Side(i) != QLatin1Char('E')) continue;
        const int code = scratchpad.Code(i);
        const QRect cell = geometry_.Cell(scratchpad.PosX(i), scratchpad.PosY(i));
        if (code == 1) {
            if (!reveal || !planes) continue;
            const int x = cell.x(), y = cell.y();
            // Over a ship it sits small in the cell's top right; alone it fills most of the cell.
            const QRect rect = planeMates > 0 ? QRect(x + 60, y, cw - 60, ch - 50)
                                              : QRect(x + 20, y + 20, cw - 40, ch - 40);
            Jstars.StretchDraw(board, rect);
            continue;
        }
        if (const Picture* sprite = SpriteForCode(FirstSet, code)) sprite->StretchDraw(board, cell);
    }
    for (int i = 1; i < scratchpad.Count(); ++i) {
        if (scratchpad.Side(i) != QLatin1Char('D')) continue;
        const int code = scratchpad.Code(i);
        const UnitKind kind = KindOfCode(code);
        // Opposing submarines and minefields are never shown.
        if (kind == UnitKind::None || kind == UnitKind::Submarine || kind == UnitKind::Minefield) continue;
        const QRect cell = geometry_.Cell(scratchpad.PosX(i), scratchpad.PosY(i));
        const Picture* picture = &EnemyFlag;
        if (reveal && scratchpad.IsRevealed(i)) picture = SpriteForCode(SecondSet, code);
        if (picture) picture->StretchDraw(board, cell);
    }
    Snapshot.Assign(std::move(board));
}

void TMainForm::PreDraw() {
    CurrentBand = 80;
    GameVariables& g = context_.game;
    const bool ownTurn = g.NetRole != 2 && g.PlayerTurn == 1 && g.OpponentTurn == 0;
    const bool otherTurn = g.NetRole != 2 && g.PlayerTurn == 0 && g.OpponentTurn == 1;
    if (!ownTurn && !otherTurn) {
        // The joining program composes its board itself; the snapshot is the bare map here.
        Snapshot.Assign(Background.Image().copy(geometry_.BoardArea()));
        return;
    }
    Cursor& cursor = *context_.platform.cursor;
    if (otherTurn) cursor.Set(this, CursorShape::Hidden);
    const int found = RevealEnemy ? RevealEnemy() : 0;
    GetPositions();
    Snapshot.StretchDraw(Canvas(), geometry_.BoardArea());
    if (otherTurn) DarkImage.StretchDraw(Canvas(), geometry_.BottomBand());
    CanvasChanged();
    if (found > 0 && g.SweepAllowed == 1 && RadarFlacker) RadarFlacker();
    if (otherTurn) cursor.Set(this, CursorShape::Hidden);
}

void TMainForm::RotateBitmap(double angle) {
    const QImage& source = RadarSource.Image();
    const int width = source.width(), height = source.height();
    QImage out(width, height, QImage::Format_RGB888);
    out.fill(Qt::black);
    const double t = -angle * M_PI / 180.0;
    const double cosT = std::cos(t), sinT = std::sin(t);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Twice the distance from the centre of an 80 x 80 picture, so the centre lies
            // between pixels; the halving afterwards rounds toward zero.
            const int u = 2 * x - 79, v = 2 * y - 79;
            const int sx = int(std::lround(u * cosT - v * sinT) - 1) / 2 + 40;
            const int sy = int(std::lround(u * sinT + v * cosT) - 1) / 2 + 40;
            if (sx < 0 || sy < 0 || sx >= width || sy >= height) continue;
            out.setPixel(x, y, source.pixel(sx, sy));
        }
    }
    RadarImage.Assign(out);
}

}  // namespace kvd
