#include "play/board_painter.h"

#include <QLocale>
#include <QPainter>

#include "core/context.h"
#include "core/game.h"
#include "core/game_pictures.h"
#include "core/game_sound.h"
#include "core/main_form.h"
#include "platform/platform.h"

namespace kvd {

BoardPainter::BoardPainter(TMainForm& board, Game& game, GamePictures& pictures, Context& context)
    : board_(board), game_(game), pictures_(pictures), context_(context) {}

const Screen& BoardPainter::TheScreen() const { return *context_.platform.screen; }

QRect BoardPainter::Cell(int column, int row) const { return board_.Geometry().Cell(column, row); }

int BoardPainter::X(int percent) const { return context_.platform.screen->Width() / 100 * percent; }

void BoardPainter::Changed() { board_.CanvasChanged(); }

// A board nobody sees (before set-up shows it, after the game has left it, or in a headless
// run) is not painted; the rules go on the same, and the board is composed anew when shown.
bool BoardPainter::Seen() const { return board_.isVisible(); }

void BoardPainter::ReportBox(int leftPercent, int rightPercent) {
    const Screen& screen = *context_.platform.screen;
    game_.CurrentBand = 81;
    if (!Seen()) return;
    QPainter painter(&board_.Canvas());
    painter.setPen(Qt::white);
    painter.setBrush(Qt::black);
    const int top = WorkHeight(screen, 81), bottom = WorkHeight(screen, 84);
    painter.drawRect(QRect(QPoint(X(leftPercent), top), QPoint(X(rightPercent) - 1, bottom - 1)));
    Changed();
}

void BoardPainter::Write(int xPercent, int yPercent, const QString& text) {
    if (!Seen()) return;
    const Screen& screen = *context_.platform.screen;
    QPainter painter(&board_.Canvas());
    QFont font = painter.font();
    font.setPixelSize(qMax(11, screen.Height() * 17 / 1000));
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QFontMetrics metrics(font);
    painter.drawText(QPoint(X(xPercent), WorkHeight(screen, yPercent) + metrics.ascent()), text);
    Changed();
}

void BoardPainter::Report(const QString& text, int xPercent, int leftPercent, int rightPercent) {
    ReportBox(leftPercent, rightPercent);
    Write(xPercent, 82, text + Now());
}

QString BoardPainter::Now() const {
    return QLocale::system().toString(context_.platform.pacing->Now(), QLocale::ShortFormat);
}

void BoardPainter::RestoreRect(const QRect& rect) {
    if (!Seen()) return;
    QPainter painter(&board_.Canvas());
    painter.drawImage(rect, pictures_.CleanMap.Image(), rect);
    Changed();
}

void BoardPainter::RestoreCell(int column, int row) { RestoreRect(Cell(column, row)); }

void BoardPainter::DrawInRect(const Picture* picture, const QRect& rect) {
    if (!picture || picture->IsNull() || !Seen()) return;
    picture->StretchDraw(board_.Canvas(), rect);
    Changed();
}

void BoardPainter::DrawInCell(const Picture* picture, int column, int row) {
    DrawInRect(picture, Cell(column, row));
}

void BoardPainter::DrawBand(const Picture& picture) {
    if (!Seen()) return;
    picture.StretchDraw(board_.Canvas(), board_.Geometry().BottomBand());
    Changed();
}

void BoardPainter::DrawMovedUnit(int column, int row) {
    const int code = game_.PlayerCode;
    if (game_.NetRole == 2) {
        // The joining board shows the host's unit as identified, a minefield as mines.
        if (code == 2 || CodeIn(code, 9, 22)) DrawInCell(SpriteForCode(pictures_.SecondSet, code), column, row);
        else if (CodeIn(code, 23, 25)) DrawInCell(pictures_.FirstSet.Find(UnitKind::Minefield), column, row);
        return;
    }
    if (code != 1 && code != 3) DrawInCell(SpriteForCode(pictures_.FirstSet, code), column, row);
    if (game_.NetGame == 1 && game_.NetRole == 1 && game_.MoveMessageLocked == 0) {
        game_.MoveMessage = MoveRecord(code, column, row, game_.OldPlayerX, game_.OldPlayerY);
    }
}

void BoardPainter::SingleMove(int column, int row) {
    DrawInCell(JoiningOwnSprite(pictures_.FirstSet, game_.EnemyCode), column, row);
    if (game_.MoveMessageLocked == 0)
        game_.MoveMessage = MoveRecord(game_.EnemyCode, column, row, game_.OldEnemyX, game_.OldEnemyY);
}

void BoardPainter::ShowSingleEnemy() {
    const UnitTable& table = game_.scratchpad;
    const int code = game_.EnemyCode;
    if (game_.NetRole == 2) {
        // On the joining board the second side is the player's own.
        DrawInCell(JoiningOwnSprite(pictures_.FirstSet, code), game_.EnemyX, game_.EnemyY);
        return;
    }
    if (context_.settings.RevealOption != QLatin1Char('Y')) return;
    const int i = table.FindSide(code, QLatin1Char('D'));
    if (i < 0) return;
    const UnitKind kind = KindOfCode(code);
    if (kind == UnitKind::Submarine || kind == UnitKind::Minefield || kind == UnitKind::None) return;
    if (table.IsRevealed(i)) DrawInCell(SpriteForCode(pictures_.SecondSet, code), game_.EnemyX, game_.EnemyY);
    else if (code != 26) DrawInCell(&pictures_.EnemyFlag, game_.EnemyX, game_.EnemyY);
}

void BoardPainter::ShowEnemyOrMarker(int column, int row) {
    const int code = game_.EnemyCode;
    const bool ship = code == 26 || (code >= 33 && code <= 48) || (code >= 60 && code <= 64);
    if (context_.settings.RevealOption == QLatin1Char('N') && game_.NetRole != 2) {
        if (ship) DrawInCell(&pictures_.EnemyFlag, column, row);
        return;
    }
    ShowSingleEnemy();
}

void BoardPainter::TakeSnapshot() {
    if (!Seen()) return;
    pictures_.Snapshot.Assign(board_.Canvas().copy(board_.Geometry().BoardArea()));
}

void BoardPainter::RedrawBoard() {
    if (!Seen()) return;
    pictures_.Snapshot.StretchDraw(board_.Canvas(), board_.Geometry().BoardArea());
    Changed();
}

void BoardPainter::Play(const QString& name, bool wait) { PlaySound(context_.platform, context_.settings, name, wait); }

void BoardPainter::PlayAlways(const QString& name, bool wait) { context_.platform.sound->Play(name, wait); }

bool BoardPainter::Delay(int ms) { return context_.guard.Delay(ms); }

QString MoveRecord(int code, int column, int row, int fromColumn, int fromRow) {
    return QStringLiteral("[Move]=") + TwoDigits(code) + TwoDigits(column) + TwoDigits(row) + TwoDigits(fromColumn) +
           TwoDigits(fromRow);
}

const Picture* FightPicture(const GamePictures& pictures, bool secondSet, int code) {
    if (code == 3 || code == 32) return nullptr;
    return SpriteForCode(secondSet ? pictures.SecondSet : pictures.FirstSet, code);
}

}  // namespace kvd
