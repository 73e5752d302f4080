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
#include "play/fight_forecast.h"
#include "play/game_journal.h"
#include "play/legal_moves.h"
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
      scene_{game, context, pictures, paint_},
      cursor_(paint_),
      forecast_(paint_) {}

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

bool PlayerTurn::OwnTurn() const {
    // The joining player's program keeps the turn flags from the host's point of view.
    return (Side() == kFirstSide ? game_.PlayerTurn : game_.OpponentTurn) && game_.GameActive;
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
    TakeMarksOff();
    DropHint();
    ClickToCell(position);
    // The board answers only to the left button.
    if (button == Qt::LeftButton) {
        if (OnBoard(position)) CellPressed(game_.ClickColumn, game_.ClickRow);
        if (board_.Geometry().InQuitCorner(position) && game_.GameActive) QuitCorner();
    }
    PutMarksBack();
}

void PlayerTurn::DropHint() {
    if (!hintShown_) return;
    // Any click, or any key that acts, takes the hint's frames away.
    hintShown_ = false;
    paint_.RedrawBoard();
    board_.FormPaint();
}

void PlayerTurn::CellPressed(int column, int row) {
    Game& g = game_;
    if (!OwnTurn()) return;
    g.ClickColumn = column;
    g.ClickRow = row;
    if (g.RepairReady && column == g.RepairCellX && row == g.RepairCellY) {
        RepairClick();
    } else if (IsMarkedTarget(g, Side(), column, row)) {
        MoveSelectedUnit(column, row);
    } else {
        SelectUnit();
    }
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

void PlayerTurn::TakeMarksOff() {
    forecast_.Clear();
    forecastText_.clear();
    forecastCell_ = QPoint(-1, -1);
    cursor_.Hide();
}

void PlayerTurn::PutMarksBack() {
    // The cursor shows only while the keys may act: the board is the peer's or the computer's
    // otherwise, and its showing must not take the cursor into a snapshot.
    if (!OwnTurn() || !board_.isVisible()) return;
    cursor_.Redraw();
    if (cursor_.Active()) PointAt(cursor_.Cell().x(), cursor_.Cell().y());
}

void PlayerTurn::FormMouseMove(QPoint position) {
    const BoardGeometry& geometry = board_.Geometry();
    const int column = CellIndex(position.x(), geometry.cellWidth);
    const int row = CellIndex(position.y(), geometry.cellHeight);
    if (!OnBoard(position) || column < 0 || row < 0) {
        if (!cursor_.Active()) PointAt(-1, -1);
        return;
    }
    PointAt(column, row);
}

void PlayerTurn::PointAt(int column, int row) {
    if (QPoint(column, row) == forecastCell_) return;
    forecast_.Clear();
    forecastText_.clear();
    forecastCell_ = QPoint(column, row);
    const kvd::Side side = Side();
    if (!OwnTurn() || !IsMarkedTarget(game_, side, column, row)) return;
    const Move move = SelectedUnitTo(game_, side, column, row, MoveKind::Step);
    forecastText_ =
        ForecastText(ForecastFight(game_, context_.settings, move), context_.texts, side);
    if (forecastText_.isEmpty()) return;
    // The box's frame is drawn on its edge: a pixel further right and down than its area.
    forecast_.Show(paint_.ReportArea().adjusted(0, 0, 1, 1), [&] {
        paint_.ReportBox();
        paint_.Write(12, 82, forecastText_);
    });
}

bool PlayerTurn::PlayKey(int key) {
    const QPoint step = CursorStep(key);
    const bool chatKey = game_.NetGame && (key == Qt::Key_Return || key == Qt::Key_Enter);
    const bool acts = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
                      key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_R ||
                      key == Qt::Key_Backspace;
    if (step.isNull() && (!acts || chatKey)) return false;
    TakeMarksOff();
    if (!step.isNull()) {
        // The first key shows the cursor where the selected unit stands (or the top left),
        // the next ones move it.
        if (cursor_.Active())
            cursor_.Step(step);
        else if (game_.UnitSelected)
            cursor_.MoveTo(game_.FighterOf(Side()).X, game_.FighterOf(Side()).Y);
        else
            cursor_.MoveTo(0, 0);
    } else if (OwnTurn()) {
        DropHint();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            NextUnit(key == Qt::Key_Tab);
        else if (key == Qt::Key_R)
            RepairKey();
        else if (key == Qt::Key_Backspace)
            DropSelection();
        else
            CellPressed(cursor_.Cell().x(), cursor_.Cell().y());
    }
    PutMarksBack();
    return true;
}

void PlayerTurn::NextUnit(bool forward) {
    const kvd::Side side = Side();
    std::vector<Move> movers;
    for (const Move& move : LegalMoves(game_, side))
        if (movers.empty() || movers.back().code != move.code) movers.push_back(move);
    if (movers.empty()) return;
    const int selected = game_.UnitSelected ? game_.FighterOf(side).Code : 0;
    const int count = int(movers.size());
    int at = forward ? 0 : count - 1;
    for (int k = 0; k < count; ++k)
        if (movers[size_t(k)].code == selected) at = (k + (forward ? 1 : count - 1)) % count;
    const Move& next = movers[size_t(at)];
    cursor_.MoveTo(next.fromColumn, next.fromRow);
    game_.ClickColumn = next.fromColumn;
    game_.ClickRow = next.fromRow;
    SelectUnit();
}

void PlayerTurn::RepairKey() {
    Game& g = game_;
    const kvd::Side side = Side();
    if (!g.UnitSelected || !g.RepairReady) return;
    const Fighter& unit = g.FighterOf(side);
    const Move repair{side,          unit.Code,     unit.X,          unit.Y,
                      g.RepairCellX, g.RepairCellY, MoveKind::Repair};
    if (IsLegal(g, repair)) RepairClick();
}

void PlayerTurn::DropSelection() {
    kvd::SelectUnit(game_, Side(), -1, -1);
    paint_.RedrawBoard();
    board_.FormPaint();
    paint_.DrawBand(board_.MenuImage);
}

void PlayerTurn::FormKeyDown(int key) {
    if (PlayKey(key)) return;
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
            TakeMarksOff();
            ShowHint();
            PutMarksBack();
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
