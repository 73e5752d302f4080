#include "board/board_display.h"

#include <QPainter>

#include "board/board_geometry.h"
#include "board/game_pictures.h"
#include "board/main_form.h"
#include "board/repair_view.h"
#include "core/context.h"
#include "core/game.h"
#include "core/map_file.h"
#include "core/text_ids.h"
#include "platform/jpeg.h"
#include "platform/platform.h"
#include "play/game_journal.h"
#include "play/radar.h"
#include "play/showing.h"

namespace kvd {

namespace {
// The faint cell grid over every map, drawn on the board as the screen shows it, one pixel wide
// on the cells' edges: a grid in the chart itself would be stretched with it and blur.
void DrawCellGrid(QImage& board, const BoardGeometry& geometry) {
    QPainter painter(&board);
    painter.setPen(QPen(QColor(255, 255, 255, 61), 0));
    const int right = 10 * geometry.cellWidth - 1, bottom = 10 * geometry.cellHeight - 1;
    for (int k = 1; k <= 9; ++k) {
        painter.drawLine(k * geometry.cellWidth, 0, k * geometry.cellWidth, bottom);
        painter.drawLine(0, k * geometry.cellHeight, right, k * geometry.cellHeight);
    }
}
}  // namespace

BoardDisplay::BoardDisplay(TMainForm& board, Game& game, GamePictures& pictures, Context& context)
    : board_(board),
      game_(game),
      pictures_(pictures),
      context_(context),
      paint_(board, pictures, context),
      player_(board, paint_, context, pictures) {}

void BoardDisplay::PrepareGamePictures(int gameMode, bool keepMap) {
    Platform& p = context_.platform;
    const Picture background = pictures_.Background;
    pictures_.Clear();
    if (keepMap) pictures_.SetMap(background);
    const BoardGeometry geometry = BoardGeometry::Of(*p.screen);
    pictures_.Snapshot.Create(geometry.width, geometry.boardHeight);
    pictures_.LoadUnitPictures(*p.resources, gameMode, context_.settings);
}

bool BoardDisplay::LoadMapPicture(const QString& mapName, const MapLines& map, QString* shown,
                                  QString* reason) {
    Platform& p = context_.platform;
    Picture picture;
    if (IsBuiltInMap(mapName)) {
        // A copied map file that names a chart the game does not have cannot be played.
        if (!LoadJPEGFromRes(*p.resources, BuiltInPictureName(mapName), picture)) {
            *shown = BuiltInPictureName(mapName);
            *reason = QStringLiteral("no built-in chart of that name");
            return false;
        }
    } else {
        const QString path = map.PicturePath();
        const QImage image = DecodeJpegFile(p.files->Resolve(path), reason);
        if (image.isNull()) {
            *shown = ShownPath(path);
            return false;
        }
        picture.Assign(image);
    }
    pictures_.SetMap(picture);
    return true;
}

void BoardDisplay::FinishPictures() {
    // The clean map the rules erase units with: the background over the board area.
    const BoardGeometry geometry = BoardGeometry::Of(*context_.platform.screen);
    pictures_.CleanMap.Create(geometry.width, geometry.boardHeight);
    QImage clean = pictures_.CleanMap.Image();
    pictures_.Background.StretchDraw(clean, geometry.BoardArea());
    DrawCellGrid(clean, geometry);
    pictures_.CleanMap.Assign(std::move(clean));
}

void BoardDisplay::DropPictures() {
    pictures_.Clear();
}

void BoardDisplay::ShowBoard() {
    RevealSeen(game_);  // a new game: what its first board shows identified
    board_.ShowBoard();
    if (journal) journal->Begin(game_, context_.settings, context_.platform.pacing->Now());
    TellSaveTrouble();
}

void BoardDisplay::TellSaveTrouble() {
    if (!journal || !board_.isVisible()) return;
    if (const auto trouble = journal->TakeNews())
        paint_.Report(
            context_.texts.TextOr(text::kSaveFailing, QStringLiteral("Not saved: %1 (%2). "))
                .arg(trouble->file, trouble->reason));
}

bool BoardDisplay::ShowResumedGame(QString* error) {
    PrepareGamePictures(game_.GameMode, false);
    QString shown, reason;
    if (!LoadMapPicture(context_.settings.MapName, game_.MemoPad, &shown, &reason)) {
        *error = shown + QStringLiteral(": ") + reason;
        return false;
    }
    const Resources& resources = *context_.platform.resources;
    if (game_.ETransferred)
        CarrierTakesTheFlag(pictures_, resources, context_.settings.HomeNavy, true, false);
    if (game_.DTransferred)
        CarrierTakesTheFlag(pictures_, resources, context_.settings.HomeNavy, false, false);
    FinishPictures();
    RevealSeen(game_);
    board_.ShowBoard();
    return true;
}

void BoardDisplay::HideBoard() {
    board_.hide();
}

bool BoardDisplay::Show(const Showing& show) {
    const bool played = player_.Play(show.Steps(), endOfGame.Wired() ? &*endOfGame : nullptr);
    if (played) TellSaveTrouble();
    return played;
}

void BoardDisplay::Report(const QString& text) {
    paint_.Report(text);
}

void BoardDisplay::Sound(const QString& name, bool wait) {
    paint_.Play(name, wait);
}

void BoardDisplay::SetCursor(CursorShape shape) {
    context_.platform.cursor->Set(&board_, shape);
}

void BoardDisplay::Redraw() {
    board_.PreDraw();
    board_.FormPaint();
}

bool BoardDisplay::Shown() const {
    return board_.isVisible();
}

}  // namespace kvd
