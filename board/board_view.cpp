// Composing the board: the snapshot of map and units, and putting it on the window.
#include <cmath>
#include <cstring>

#include "board/cell_composition.h"
#include "board/game_pictures.h"
#include "board/main_form.h"
#include "core/context.h"
#include "core/game.h"
#include "core/turn_view.h"
#include "platform/platform.h"

namespace kvd {

namespace {
// The clean map as the start of a new composition, copied into the frame the last one used
// where it fits: a frame of this size is four megabytes, and a fresh one costs its pages.
QImage CleanFrame(Picture& snapshot, const QImage& clean) {
    QImage frame = snapshot.Take();
    if (frame.size() != clean.size() || frame.format() != clean.format() ||
        frame.bytesPerLine() != clean.bytesPerLine())
        return clean.copy();
    std::memcpy(frame.bits(), clean.constBits(), size_t(clean.sizeInBytes()));
    return frame;
}
}  // namespace

void TMainForm::GetPositions(const UnitTable& table, bool planes) {
    if (game_.NetRole == net_role::kJoining) {
        GetJoiningPositions(table);
        return;
    }
    const Settings& s = context_.settings;
    const GamePictures& p = pictures_;
    const bool reveal = s.RevealOption == QLatin1Char('Y');

    CellComposition& board = nextComposition_;
    board.Clear();
    const int planeMates = planes ? table.CountCellMates(1) : 0;
    const int cw = geometry_.cellWidth, ch = geometry_.cellHeight;

    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != kFirstSide) continue;
        const int code = table.Code(i);
        const QRect cell = geometry_.Cell(table.PosX(i), table.PosY(i));
        if (code == 1) {
            if (!reveal || !planes) continue;
            const int x = cell.x(), y = cell.y();
            // Over a ship it sits small in the cell's top right; alone it fills most of the cell.
            const QRect rect = planeMates > 0 ? QRect(x + 60, y, cw - 60, ch - 50)
                                              : QRect(x + 20, y + 20, cw - 40, ch - 40);
            board.Add(table.PosX(i), table.PosY(i), p.Jstars, rect);
            continue;
        }
        if (const Picture* sprite = SpriteForCode(p.FirstSet, code))
            board.Add(table.PosX(i), table.PosY(i), *sprite, cell);
    }
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != kSecondSide) continue;
        const int code = table.Code(i);
        const UnitKind kind = KindOfCode(code);
        if (showBothFleets) {
            // A replay shows the opposing fleet whole, its submarines and minefields too.
            const Picture* picture = kind == UnitKind::Minefield ? p.FirstSet.Find(kind)
                                                                 : SpriteForCode(p.SecondSet, code);
            if (!picture && kind == UnitKind::Submarine) picture = p.SecondSet.Find(kind);
            if (picture)
                board.Add(table.PosX(i), table.PosY(i), *picture,
                          geometry_.Cell(table.PosX(i), table.PosY(i)));
            continue;
        }
        // Opposing submarines and minefields are never shown.
        if (kind == UnitKind::None || kind == UnitKind::Submarine || kind == UnitKind::Minefield)
            continue;
        const QRect cell = geometry_.Cell(table.PosX(i), table.PosY(i));
        const Picture* picture = &p.EnemyFlag;
        if (reveal && table.IsRevealed(i)) picture = SpriteForCode(p.SecondSet, code);
        if (picture) board.Add(table.PosX(i), table.PosY(i), *picture, cell);
    }
    ComposeCells();
}

void TMainForm::GetJoiningPositions(const UnitTable& table) {
    const GamePictures& p = pictures_;
    const bool reveal = context_.settings.RevealOption == QLatin1Char('Y');
    CellComposition& board = nextComposition_;
    board.Clear();
    // The host's units: markers, or their pictures once identified; submarines never show.
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != kFirstSide) continue;
        const int code = table.Code(i);
        const Picture* picture = nullptr;
        if (!reveal) {
            if (IsSupply(code) || IsWarship(code) || IsMinefield(code) || IsConvoyCode(code))
                picture = &p.EnemyFlag;
        } else if (IsSupply(code) || IsWarship(code)) {
            picture = table.IsRevealed(i) ? SpriteForCode(p.SecondSet, code) : &p.EnemyFlag;
        }
        if (picture)
            board.Add(table.PosX(i), table.PosY(i), *picture,
                      geometry_.Cell(table.PosX(i), table.PosY(i)));
    }
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != kSecondSide) continue;
        if (const Picture* sprite =
                SpriteForCode(p.FirstSet, table.Code(i), SpriteBoard::JoiningOwn))
            board.Add(table.PosX(i), table.PosY(i), *sprite,
                      geometry_.Cell(table.PosX(i), table.PosY(i)));
    }
    ComposeCells();
}

void TMainForm::ComposeCells() {
    CellComposition& next = nextComposition_;
    next.Finish();
    const QImage& clean = pictures_.CleanMap.Image();
    const QImage& was = pictures_.Snapshot.Image();
    // Only the cells drawn differently are drawn again, onto the snapshot as the last
    // composition left it; anything else that changed the snapshot or the map, or a drawing off
    // the cells, composes the whole board afresh on the clean map.
    const bool byCells = composed_ && next.ByCells() && lastComposition_.ByCells() &&
                         was.cacheKey() == composedKey_ && clean.cacheKey() == composedClean_ &&
                         was.size() == clean.size() && was.format() == clean.format();
    const qint64 from = composedKey_;
    QImage board = byCells ? pictures_.Snapshot.Take() : CleanFrame(pictures_.Snapshot, clean);
    redrawn_.clear();
    for (int cell = 0; cell < CellComposition::kCells; ++cell) {
        if (byCells) {
            if (next.SameCell(lastComposition_, cell)) continue;
            const QRect rect = geometry_.Cell(cell % kBoardSize, cell / kBoardSize);
            CopyPixels(board, rect.topLeft(), clean, rect);
            redrawn_.push_back(rect);
        }
        for (const CellComposition::Drawing* d = next.begin(cell); d != next.end(cell); ++d)
            d->picture->StretchDraw(board, d->rect);
    }
    pictures_.Snapshot.Assign(std::move(board));
    composedFrom_ = byCells ? from : 0;
    composedKey_ = pictures_.Snapshot.Image().cacheKey();
    composedClean_ = clean.cacheKey();
    composed_ = true;
    std::swap(lastComposition_, nextComposition_);
}

void TMainForm::PreDraw() {
    const TurnView view = ViewOfTurn(game_);
    // What can be seen is the rules' to mark; the board draws it, and sweeps the radar over the
    // identifications they made last.
    const int found = view == TurnView::None ? 0 : game_.RevealCount;
    ComposeView(game_.scratchpad, view, found, game_.SweepAllowed,
                game_.PlaneAllowance != QLatin1Char('0'));
}

void TMainForm::ComposeView(const UnitTable& table, TurnView view, int found, bool sweepAllowed,
                            bool planes) {
    if (view == TurnView::None) {
        pictures_.Snapshot.Assign(pictures_.Background.Image().copy(geometry_.BoardArea()));
        return;
    }
    Cursor& cursor = *context_.platform.cursor;
    const bool waiting = view == TurnView::Waiting;
    if (waiting) cursor.Set(this, CursorShape::Hidden);
    GetPositions(table, planes);
    if (waiting) DrawBand(DarkImage);
    ShowSnapshot();
    CanvasChanged();
    if (found > 0 && sweepAllowed) rules->RadarFlacker();
    if (waiting)
        cursor.Set(this, CursorShape::Hidden);
    else if (game_.NetRole == net_role::kJoining)
        cursor.Set(this, CursorShape::Arrow);  // the joining player's turn begins
}

void TMainForm::FormPaint() {
    PaintView(ViewOfTurn(game_), game_.GameActive);
}

void TMainForm::PaintView(TurnView view, bool gameActive) {
    if (!gameActive || view == TurnView::None) return;
    ShowSnapshot();
    DrawBand(view == TurnView::Own ? MenuImage : DarkImage);
    if (view == TurnView::Waiting) context_.platform.cursor->Set(this, CursorShape::Hidden);
    CanvasChanged();
}

void TMainForm::ShowSnapshot() {
    // The board area shows the snapshot already when neither has changed since it was put there;
    // when only the cells of the last composition changed, only they are put there.
    const qint64 snapshot = pictures_.Snapshot.Image().cacheKey();
    const bool canvasAsLeft = Canvas().cacheKey() == canvasAfterSnapshot_;
    if (snapshot == shownSnapshot_ && canvasAsLeft) return;
    if (canvasAsLeft && snapshot == composedKey_ && composedFrom_ != 0 &&
        shownSnapshot_ == composedFrom_ &&
        pictures_.Snapshot.Image().format() == Canvas().format()) {
        for (const QRect& rect : redrawn_)
            CopyPixels(Canvas(), geometry_.BoardArea().topLeft() + rect.topLeft(),
                       pictures_.Snapshot.Image(), rect);
    } else {
        pictures_.Snapshot.StretchDraw(Canvas(), geometry_.BoardArea());
    }
    shownSnapshot_ = snapshot;
    canvasAfterSnapshot_ = Canvas().cacheKey();
}

void TMainForm::RotateBitmap(double angle) {
    const QImage source = RadarSource.Image().convertToFormat(QImage::Format_RGB32);
    const int width = source.width(), height = source.height();
    QImage out(width, height, QImage::Format_RGB32);
    out.fill(Qt::black);
    const double t = -angle * M_PI / 180.0;
    const double cosT = std::cos(t), sinT = std::sin(t);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // Twice the distance from the centre of an 80 x 80 picture, so the centre lies
            // between pixels; the halving afterwards rounds toward zero.
            const int u = 2 * x - 79, v = 2 * y - 79;
            const int sx = int(std::lround(u * cosT - v * sinT) - 1) / 2 + 40;
            const int sy = int(std::lround(u * sinT + v * cosT) - 1) / 2 + 40;
            if (sx < 0 || sy < 0 || sx >= width || sy >= height) continue;
            row[x] = reinterpret_cast<const QRgb*>(source.constScanLine(sy))[sx];
        }
    }
    RadarImage.Assign(out.convertToFormat(QImage::Format_RGB888));
}

const Picture& TMainForm::RadarFrame(int angle) {
    const qint64 source = RadarSource.Image().cacheKey();
    if (source != radarFramesOf_) {
        radarFrames_.clear();
        radarFramesOf_ = source;
    }
    auto it = radarFrames_.find(angle);
    if (it == radarFrames_.end()) {
        RotateBitmap(angle);
        Picture frame = RadarImage;
        frame.SetTransparent(true);
        it = radarFrames_.emplace(angle, std::move(frame)).first;
    }
    return it->second;
}

}  // namespace kvd
