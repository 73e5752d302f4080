#include "board/main_form.h"

#include "board/chat_line.h"
#include "board/keyboard_cursor.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "core/context.h"
#include "core/game.h"
#include "platform/colors.h"
#include "platform/desktop/window_style.h"
#include "platform/platform.h"
#include "play/battle_notes.h"

namespace kvd {

namespace {
constexpr quint32 kBoardBackground = 15191973;
}

TMainForm::TMainForm(Context& context, Game& game, GamePictures& pictures, QWidget* parent)
    : CanvasWindow(parent), context_(context), game_(game), pictures_(pictures) {
    setWindowTitle(QStringLiteral("Korvald"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    // The fight forecast follows the pointer.
    setMouseTracking(true);
    SetCanvasBackground(BgrColor(kBoardBackground));
    FormCreate();
}

ChatLine& TMainForm::Chat() {
    if (!chat_) chat_ = new ChatLine(this);
    return *chat_;
}

void TMainForm::FitToScreen() {
    geometry_ = BoardGeometry::Of(*context_.platform.screen);
    setGeometry(0, 0, geometry_.width, geometry_.height);
    ResizeCanvas(geometry_.width, geometry_.height);
}

void TMainForm::FormCreate() {
    FitToScreen();

    // The band pictures belong to the window; plain panels stand in if they are not built in.
    const Resources& resources = *context_.platform.resources;
    if (!LoadJPEGFromRes(resources, QStringLiteral("MENUIMAGE"), MenuImage))
        MenuImage.Create(geometry_.width, geometry_.height - geometry_.boardHeight,
                         QColor(58, 66, 74));
    if (!LoadJPEGFromRes(resources, QStringLiteral("DARKIMAGE"), DarkImage))
        DarkImage.Create(geometry_.width, geometry_.height - geometry_.boardHeight,
                         QColor(18, 20, 24));
    if (!LoadJPEGFromRes(resources, QStringLiteral("MENURADARIMAGE"), MenuRadarImage))
        MenuRadarImage = MenuImage;
    LoadSpriteFromRes(resources, QStringLiteral("RADAR"), RadarSource);
}

void TMainForm::ShowBoard() {
    FitToScreen();
    battle_ = std::make_shared<const BattleBand>(BattleBandOf(game_));
    PreDraw();
    FormPaint();
    showFullScreen();
    TakeKeyboard(*this);
    context_.platform.cursor->Set(this, CursorShape::Arrow);
}

void TMainForm::mousePressEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    // A click while a rule runs (a fight, the computer's turn) is dropped; only the quit
    // corner, which may end the game at any time, is passed on.
    if (context_.guard.Running() && !geometry_.InQuitCorner(position)) return;
    RuleGuard::Scope running(context_.guard);
    rules->FormMouseDown(event->button(), position);
}

void TMainForm::mouseMoveEvent(QMouseEvent* event) {
    if (context_.guard.Running()) return;
    RuleGuard::Scope running(context_.guard);
    rules->FormMouseMove(event->position().toPoint());
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        flow->EndProgram();
        return;
    }
    if (context_.guard.Running()) return;
    RuleGuard::Scope running(context_.guard);
    rules->FormKeyDown(
        KeypadAsDirection(event->key(), event->modifiers().testFlag(Qt::KeypadModifier)));
}

}  // namespace kvd
