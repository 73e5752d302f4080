#include "board/board_painter.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "board/game_pictures.h"
#include "board/main_form.h"
#include "core/context.h"
#include "core/game.h"
#include "core/game_sound.h"
#include "platform/platform.h"

namespace kvd {

BoardPainter::BoardPainter(TMainForm& board, GamePictures& pictures, Context& context)
    : board_(board), pictures_(pictures), context_(context) {}

const Screen& BoardPainter::TheScreen() const {
    return *context_.platform.screen;
}

QRect BoardPainter::Cell(int column, int row) const {
    return board_.Geometry().Cell(column, row);
}

int BoardPainter::X(int percent) const {
    return context_.platform.screen->Width() / 100 * percent;
}

void BoardPainter::Changed(const QRect& area) {
    board_.CanvasChanged(area);
}

// A board nobody sees (before set-up shows it, after the game has left it, or in a headless
// run) is not painted; the rules go on the same, and the board is composed anew when shown.
bool BoardPainter::Seen() const {
    return board_.isVisible();
}

QRect BoardPainter::ReportArea(int leftPercent, int rightPercent) const {
    const Screen& screen = *context_.platform.screen;
    const int top = WorkHeight(screen, 81), bottom = WorkHeight(screen, 84);
    return QRect(QPoint(X(leftPercent), top), QPoint(X(rightPercent) - 1, bottom - 1));
}

void BoardPainter::ReportBox(int leftPercent, int rightPercent) {
    if (!Seen()) return;
    QPainter painter(&board_.Canvas());
    painter.setPen(Qt::white);
    painter.setBrush(Qt::black);
    const QRect box = ReportArea(leftPercent, rightPercent);
    painter.drawRect(box);
    reportBox_ = box.adjusted(1, 1, -1, -1);
    Changed(box.adjusted(0, 0, 1, 1));
}

void BoardPainter::Write(int xPercent, int yPercent, const QString& text) {
    Write(xPercent, yPercent, text, 0);
}

void BoardPainter::Write(int xPercent, int yPercent, const QString& text, int pixels) {
    if (!Seen()) return;
    const Screen& screen = *context_.platform.screen;
    QPainter painter(&board_.Canvas());
    QFont font = painter.font();
    font.setPixelSize(pixels > 0 ? pixels : qMax(11, screen.Height() * 17 / 1000));
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QFontMetrics metrics(font);
    const QPoint at(X(xPercent), WorkHeight(screen, yPercent));
    QString shown = text;
    QRect drawn(at, QSize(metrics.horizontalAdvance(text) + 2, metrics.height()));
    if (reportBox_.contains(at)) {
        // A report longer than its box would run over the band and stay there.
        shown = metrics.elidedText(text, Qt::ElideRight, reportBox_.right() - at.x() - 2);
        painter.setClipRect(reportBox_);
        drawn = drawn.intersected(reportBox_);
    }
    painter.drawText(at + QPoint(0, metrics.ascent()), shown);
    Changed(drawn);
}

void BoardPainter::Report(const QString& text, int xPercent, int leftPercent, int rightPercent) {
    lastReport_ = text;
    ReportBox(leftPercent, rightPercent);
    // A line longer than its box is written smaller, down to two thirds of the size, so the
    // whole of it is read; only one longer still (a long file name in it) gives up its middle,
    // never the time.
    const Screen& screen = *context_.platform.screen;
    const int size = qMax(11, screen.Height() * 17 / 1000), smallest = qMax(10, size * 2 / 3);
    const QString now = Now();
    QFont font;
    int pixels = size, room = 0;
    for (;; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        room = X(rightPercent) - X(xPercent) - metrics.horizontalAdvance(now) -
               metrics.averageCharWidth();
        if (metrics.horizontalAdvance(text) <= room || pixels <= smallest) break;
    }
    const QFontMetrics metrics(font);
    Write(xPercent, 82, metrics.elidedText(text, Qt::ElideMiddle, qMax(0, room)) + now, pixels);
}

QString BoardPainter::Now() const {
    if (clock_)
        return clock_->isValid() ? QLocale::system().toString(*clock_, QLocale::ShortFormat)
                                 : QString();
    return QLocale::system().toString(context_.platform.pacing->Now(), QLocale::ShortFormat);
}

void BoardPainter::RestoreRect(const QRect& rect) {
    if (!Seen()) return;
    QPainter painter(&board_.Canvas());
    painter.drawImage(rect, pictures_.CleanMap.Image(), rect);
    Changed(rect);
}

void BoardPainter::RestoreCell(int column, int row) {
    RestoreRect(Cell(column, row));
}

void BoardPainter::DrawInRect(const Picture* picture, const QRect& rect) {
    if (!picture || picture->IsNull() || !Seen()) return;
    picture->StretchDraw(board_.Canvas(), rect);
    Changed(rect);
}

void BoardPainter::DrawInCell(const Picture* picture, int column, int row) {
    DrawInRect(picture, Cell(column, row));
}

void BoardPainter::DrawBand(const Picture& picture) {
    if (!Seen()) return;
    board_.DrawBand(picture);
    Changed(board_.Geometry().BottomBand());
}

void BoardPainter::DrawFrame(int column, int row, const QColor& rim, int rimWidth,
                             const QColor& line, int width, int inset) {
    if (!Seen()) return;
    const QRect cell = Cell(column, row);
    const QRect frame = cell.adjusted(inset, inset, -inset - 1, -inset - 1);
    QPainter painter(&board_.Canvas());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(rim, rimWidth));
    painter.drawRect(frame);
    painter.setPen(QPen(line, width));
    painter.drawRect(frame);
    Changed(cell);
}

void BoardPainter::DrawTargetFrame(int column, int row) {
    if (!Seen()) return;
    const QRect cell = Cell(column, row);
    // Three rounded rings, dark outside, light inside, in the proportions of the frame the game
    // has always shown (291 by 118 units a cell); every edge falls on a whole pixel.
    struct Ring {
        int left, top, side, band, radius;
        QColor colour;
    };
    static const Ring kRings[] = {{0, 0, 10, 6, 8, QColor(24, 110, 40)},
                                  {2, 1, 6, 4, 7, QColor(60, 220, 80)},
                                  {4, 2, 3, 2, 6, QColor(150, 255, 150)}};
    const double sx = cell.width() / 291.0, sy = cell.height() / 118.0;
    // Each edge where its place in those units falls, so the rings keep their order.
    auto across = [&](int units) { return int(std::lround(units * sx)); };
    auto down = [&](int units) { return int(std::lround(units * sy)); };
    QPainter painter(&board_.Canvas());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const Ring& r : kRings) {
        const int x0 = across(r.left), y0 = down(r.top);
        const int x1 = qMax(x0 + 1, across(r.left + r.side)),
                  y1 = qMax(y0 + 1, down(r.top + r.band));
        const QRect outer = cell.adjusted(x0, y0, -x0, -y0);
        QPainterPath ring;
        ring.setFillRule(Qt::OddEvenFill);
        ring.addRoundedRect(QRectF(outer), r.radius * sx, r.radius * sy);
        ring.addRect(QRectF(cell.adjusted(x1, y1, -x1, -y1)));
        painter.setBrush(r.colour);
        painter.drawPath(ring);
    }
    Changed(cell);
}

void BoardPainter::DrawHintFrame(int column, int row) {
    // A dark rim outside a bright one, so the frame stands out on sea and land alike.
    const int width = qMax(3, Cell(column, row).width() / 16);
    DrawFrame(column, row, QColor(0, 40, 60), width + 2, HintFrameColour(), width, width / 2 + 1);
}

QImage BoardPainter::Grab(const QRect& area) const {
    return board_.Canvas().copy(area);
}

void BoardPainter::PutBack(const QImage& pixels, QPoint at) {
    if (!Seen() || pixels.isNull()) return;
    QPainter painter(&board_.Canvas());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, pixels);
    Changed(QRect(at, pixels.size()));
}

void BoardPainter::DrawCursorFrame(int column, int row) {
    // Black outside and inside a white line: one of the three stands out on any ground.
    const int width = qMax(2, Cell(column, row).width() / 24);
    DrawFrame(column, row, Qt::black, 3 * width, Qt::white, width, 3 * width / 2);
}

void BoardPainter::TakeSnapshot() {
    if (!Seen()) return;
    pictures_.Snapshot.Assign(board_.Canvas().copy(board_.Geometry().BoardArea()));
}

void BoardPainter::RedrawBoard() {
    if (!Seen()) return;
    board_.ShowSnapshot();
    Changed(board_.Geometry().BoardArea());
}

void BoardPainter::Play(const QString& name, bool wait) {
    PlaySound(context_.platform, context_.settings, name, wait && speed_ == 1);
}

void BoardPainter::PlayAlways(const QString& name, bool wait) {
    context_.platform.sound->Play(name, wait && speed_ == 1);
}

bool BoardPainter::Delay(int ms) {
    return context_.guard.Delay(ms / speed_);
}

const Picture* FightPicture(const GamePictures& pictures, bool secondSet, int code) {
    if (code == 3 || code == 32) return nullptr;
    return SpriteForCode(secondSet ? pictures.SecondSet : pictures.FirstSet, code);
}

}  // namespace kvd
