#include "board/player_turn.h"

#include "board/chat_line.h"

#include "board/board_display.h"
#include "board/board_geometry.h"
#include "board/game_pictures.h"
#include "board/main_form.h"
#include "board/radar_view.h"
#include "board/unit_panel.h"
#include "core/context.h"
#include "core/game.h"
#include "core/text_ids.h"
#include "platform/platform.h"
#include "play/game_journal.h"
#include "play/radar.h"
#include "play/rules.h"
#include "play/selection.h"
#include "play/showing.h"
#include "play/turn.h"

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

PlayerTurn::PlayerTurn(Game& game, Context& context, GamePictures& pictures, TMainForm& board,
                       BoardDisplay& display)
    : game_(game),
      context_(context),
      pictures_(pictures),
      board_(board),
      display_(display),
      paint_(display.Painter()),
      scene_{game, context, pictures, paint_} {}

template <class Fn>
bool PlayerTurn::DecideAndShow(Fn fn) {
    Showing show;
    Rules rules{game_, context_.settings, context_.texts, show,
                computer.Wired() ? &*computer : nullptr};
    fn(rules);
    return display_.Show(show);
}

std::optional<Move> PlayerTurn::ComputersAnswer() {
    return !game_.NetGame && computer.Wired() ? computer->TakeAnswer() : std::nullopt;
}

kvd::Side PlayerTurn::Side() const {
    return game_.NetRole == net_role::kJoining ? kSecondSide : kFirstSide;
}

void PlayerTurn::RadarFlacker() {
    kvd::RadarFlacker(paint_);
}

void PlayerTurn::ClickToCell(QPoint position) {
    const BoardGeometry& geometry = board_.Geometry();
    const int column = CellIndex(position.x(), geometry.cellWidth);
    const int row = CellIndex(position.y(), geometry.cellHeight);
    if (column >= 0) game_.ClickColumn = column;
    if (row >= 0) game_.ClickRow = row;
}

bool PlayerTurn::OnBoard(QPoint position) const {
    return position.y() < 10 * board_.Geometry().cellHeight;
}

void PlayerTurn::FormMouseDown(Qt::MouseButton button, QPoint position) {
    if (hintShown_) {
        // Any click takes the hint's frames away.
        hintShown_ = false;
        paint_.RedrawBoard();
        board_.FormPaint();
    }
    ClickToCell(position);
    if (button != Qt::LeftButton) return;
    Game& g = game_;
    // The joining player's program keeps the turn flags from the host's point of view.
    const kvd::Side side = Side();
    const bool ownTurn = side == kFirstSide ? g.PlayerTurn : g.OpponentTurn;
    if (ownTurn && g.GameActive && OnBoard(position)) {
        if (g.RepairReady && g.ClickColumn == g.RepairCellX && g.ClickRow == g.RepairCellY) {
            RepairClick();
        } else if (IsMarkedTarget(g, side, g.ClickColumn, g.ClickRow)) {
            MoveSelectedUnit(g.ClickColumn, g.ClickRow);
        } else {
            SelectUnit();
        }
    }
    if (board_.Geometry().InQuitCorner(position) && g.GameActive) QuitCorner();
}

void PlayerTurn::SelectUnit() {
    Game& g = game_;
    paint_.RedrawBoard();
    board_.FormPaint();
    const Selection selection = kvd::SelectUnit(g, Side(), g.ClickColumn, g.ClickRow);
    Cursor& cursor = *context_.platform.cursor;
    if (selection.line < 0) {
        paint_.DrawBand(board_.MenuImage);
        cursor.Set(&board_, CursorShape::Arrow);
        return;
    }
    DrawUnitPanel(scene_, selection.line);
    paint_.Play(QStringLiteral("Click"), true);
    // A minefield shows its panel but cannot move.
    for (QPoint cell : selection.targets) paint_.DrawTargetFrame(cell.x(), cell.y());
    if (selection.repairMarker) {
        // The supply ship's cell shows the repair marker when it can be asked.
        Picture hammer;
        if (LoadSpriteFromRes(*context_.platform.resources, QStringLiteral("HAMMERBOX"), hammer)) {
            hammer.SetTransparent(true);
            paint_.DrawInCell(&hammer, g.RepairCellX, g.RepairCellY);
        }
    }
    cursor.Set(&board_, CursorShape::Arrow);
}

void PlayerTurn::MoveSelectedUnit(int column, int row) {
    const kvd::Side side = Side();
    const Move move = SelectedUnitTo(game_, side, column, row, MoveKind::Step);
    const bool networked = game_.NetRole != net_role::kNone;
    bool goesOn = false;
    if (!DecideAndShow([&](Rules& rules) {
            goesOn = SideStep(rules, side, column, row);
            if (goesOn && !networked) EndFirstSideMove(rules);
            if (journal && (!networked || !goesOn)) journal->Played(move, game_, ComputersAnswer());
            // The peer has the step before this program shows or plays a sound for it.
            if (networked) network->SendMove(rules, move);
        }))
        return;
    if (!goesOn || !networked) return;
    network->HandedOver();
    // A network game's step is kept once the turn has gone to the peer, as its replay makes it.
    if (journal) journal->Played(move, game_);
}

void PlayerTurn::RepairClick() {
    const kvd::Side side = Side();
    const int target = game_.FighterOf(side).Code;
    const bool network = game_.NetGame;
    // In a network game the turn goes on after a repair; against the computer it ends.
    if (!DecideAndShow([&](Rules& rules) {
            const Move repair{side, target, 0, 0, 0, 0, MoveKind::Repair};
            RepairRequest(rules, side);
            if (network) this->network->SendMove(rules, repair);
            if (!network) EndFirstSideMove(rules);
            if (journal) journal->Played(repair, game_, ComputersAnswer());
        }))
        return;
}

void PlayerTurn::EndPlayerMove() {
    DecideAndShow([](Rules& rules) { EndFirstSideMove(rules); });
}

void PlayerTurn::QuitCorner() {
    paint_.Play(QStringLiteral("Click"), true);
    const QString question =
        QStringLiteral("  ") + context_.texts.Text(text::kAbandonBattle) + QStringLiteral("   ");
    if (context_.platform.boxes->Show(BoxKind::Confirmation, question, BoxButtons::YesNo) !=
        BoxAnswer::Yes)
        return;
    Game& g = game_;
    endOfGame->Closedown();
    g.GameOver = true;
    g.UnitSelected = false;
    g.CampaignRegion = 0;
    g.Winner = 0;
    if (g.NetGame) network->ResetConnection();
    g.NetRole = net_role::kNone;
    g.NetGame = false;
    g.GameActive = false;
    // A fight or a turn being shown underneath stops where it is.
    context_.guard.LeaveGame();
    board_.hide();
    flow->BackToMenu();
}

void PlayerTurn::ShowHint() {
    Game& g = game_;
    const kvd::Side side = Side();
    const bool ownTurn = side == kFirstSide ? g.PlayerTurn : g.OpponentTurn;
    if (!ownTurn || !g.GameActive || g.GameOver) return;
    const std::optional<Move> move = hint->Suggest(g, context_.settings, side);
    // The game may have been left while the hint was thought over.
    if (!move || move->kind == MoveKind::Pass || !g.GameActive) return;
    // Without a selection, the frames are all the board marks, and a click starts afresh.
    kvd::SelectUnit(g, side, -1, -1);
    paint_.RedrawBoard();
    board_.FormPaint();
    paint_.DrawBand(board_.MenuImage);
    paint_.DrawHintFrame(move->fromColumn, move->fromRow);
    paint_.DrawHintFrame(move->toColumn, move->toRow);
    // Why, in the report line: the frames show the move, not the reason.
    const QString reason = hint->Reason();
    if (!reason.isEmpty())
        paint_.Report(
            context_.texts.TextOr(text::kHintLine, QStringLiteral("Hint: %1 ")).arg(reason));
    hintShown_ = true;
}

void PlayerTurn::SaveShipLines() {
    context_.platform.files->SaveLines(QStringLiteral("ShipLines.txt"), game_.scratchpad.Lines());
}

void PlayerTurn::FormKeyDown(int key) {
    switch (key) {
        case Qt::Key_F1:
            // The game vanishes from the screen until F2.
            flow->HideMenu();
            board_.showNormal();
            board_.setGeometry(0, 0, 3, 3);
            break;
        case Qt::Key_F2: {
            const BoardGeometry& geometry = board_.Geometry();
            board_.setGeometry(0, 0, geometry.width, geometry.height);
            board_.showFullScreen();
            break;
        }
        case Qt::Key_F3:
            SaveShipLines();
            break;
        case Qt::Key_H:
            ShowHint();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A word to the other commander, at any time of a network game.
            if (game_.NetGame && game_.GameActive)
                board_.Chat().Open(
                    board_.LogBox(),
                    context_.texts.TextOr(text::kMessagePrompt,
                                          QStringLiteral("Message to the other commander:")),
                    [this](const QString& text) { network->SendChat(text); });
            break;
        case Qt::Key_F12:
            // The host sends the whole table again, between its own steps.
            if (game_.NetRole == net_role::kHosting && game_.PlayerTurn && !game_.OpponentTurn)
                network->ResendTable();
            break;
        default:
            break;
    }
}

}  // namespace kvd
