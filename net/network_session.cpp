#include "net/network_session.h"

#include <utility>

#include "core/context.h"
#include "core/fleet_file.h"
#include "core/game.h"
#include "core/game_setup.h"
#include "core/table_hash.h"
#include "core/text_ids.h"
#include "core/unit_codes.h"
#include "net/battle_log_message.h"
#include "net/message_reader.h"
#include "net/net_state.h"
#include "platform/platform.h"
#include "play/apply_move.h"
#include "play/combat.h"
#include "play/game_journal.h"
#include "play/legal_moves.h"
#include "play/radar.h"
#include "play/repair.h"
#include "play/rules.h"
#include "play/showing.h"
#include "play/turn.h"

namespace kvd {

QChar OppositeOf(QChar homePosition) {
    switch (homePosition.unicode()) {
        case 'L':
            return QLatin1Char('R');
        case 'R':
            return QLatin1Char('L');
        case 'T':
            return QLatin1Char('B');
        case 'B':
            return QLatin1Char('T');
        default:
            return homePosition;
    }
}

NetworkSession::NetworkSession(Game& game, Context& context, TurnDisplay& display, GameSetup& setup,
                               NetState& state)
    : game_(game), context_(context), display_(display), setup_(setup), state_(state) {}

template <class Fn>
bool NetworkSession::DecideAndShow(Fn fn) {
    Showing show;
    // A network game has no computer opponent; its fights never ask for one.
    Rules rules{game_, context_.settings, context_.texts, show};
    fn(rules);
    return display_.Show(show);
}

bool NetworkSession::NetGameInit(bool joining) {
    RuleGuard::Scope running(context_.guard);
    context_.guard.EnterGame();
    Game& g = game_;
    Platform& p = context_.platform;
    g.NetRole = joining ? net_role::kJoining : net_role::kHosting;
    QString error;
    // The joining program loads the map the host named; the host loaded its own at Host.
    const QChar announced = g.HomePosition;
    if (joining && !setup_.LoadNetworkMap(&error)) {
        g.GameActive = false;
        p.boxes->Show(BoxKind::Error, QStringLiteral("   ") + error + QStringLiteral("   "),
                      BoxButtons::Ok);
        return false;
    }
    if (joining) g.HomePosition = announced;  // the host's word, as its table was placed by it
    state_.OppositePosition = OppositeOf(g.HomePosition);
    setup_.NetworkGameVariables(joining);

    if (!joining) {
        if (!setup_.PlaceNetworkFleets(&error)) {
            g.GameActive = false;
            p.boxes->Show(BoxKind::Error, QStringLiteral("   ") + error + QStringLiteral("   "),
                          BoxButtons::Ok);
            return false;
        }
        state_.NetStage = 3;
        if (!SendTable() || !send(QStringLiteral("StartGame"), 0)) return false;
    }
    setup_.FinishSetup();
    if (!joining && !context_.guard.Delay(1000)) return false;
    // The host moves first: the joining board waits with the dark band and no cursor.
    display_.ShowBoard();
    display_.SetCursor(joining ? CursorShape::Hidden : CursorShape::Arrow);
    return true;
}

bool NetworkSession::SendTable() {
    // Each line ends the message it is, so the table goes out as fast as the socket takes it.
    const UnitTable& table = game_.scratchpad;
    for (int i = 0; i < table.Count(); ++i)
        if (table.Line(i).size() > 50 && !send(table.Line(i), 0)) return false;
    return send(QStringLiteral("[Stage]=3"), 0);
}

void NetworkSession::SendMove(Rules& rules, const Move& move) {
    Game& g = game_;
    // A repair leaves the turn where it is: the peer's table takes it, and nothing else goes.
    if (move.kind == MoveKind::Repair) {
        send(PeerRecord(move), 0);
        return;
    }
    // The turn passes in the rules' order: decided, sent, and only then shown and heard. A step
    // that ended the game goes with the turn too, so the peer fights the deciding fight itself.
    const bool host = g.NetRole == net_role::kHosting;
    if (g.GameActive && !g.GameOver) HandOverToPeer(rules, host);
    send(PeerRecord(move), 0) && send(QStringLiteral("[Hash]=") + TableHash(g.scratchpad), 0) &&
        send(host ? QStringLiteral("EnemyGo") : QStringLiteral("PlayerGo"), 0);
}

void NetworkSession::HandedOver() {
    Game& g = game_;
    display_.Sound(QStringLiteral("Enemy"), true);
    if (!g.GameOver && g.GameActive) display_.SetCursor(CursorShape::Hidden);
}

void NetworkSession::Wake(bool joining) {
    Game& g = game_;
    // A token that comes after the game has ended starts nothing.
    if (g.GameOver || !g.GameActive) return;
    DecideAndShow([&](Rules& rules) {
        TurnAfterPeer(rules, joining, state_.LastMovedCode);
        if (journal && pendingPeerMove_) journal->Played(*pendingPeerMove_, g);
        pendingPeerMove_.reset();
    });
}

void NetworkSession::Refused(const QString& message) {
    // The text a peer sent, cut short for a status line.
    status(context_.texts.Text(text::kNotUnderstood) + message.left(40) + QStringLiteral(" "));
}

void NetworkSession::BeginTable() {
    incoming_.clear();
    incomingBroken_ = false;
}

void NetworkSession::TableLine(const QString& line) {
    // The header comes first, then at most a full table of unit lines, each one well formed.
    const bool header = line[0] == QLatin1Char('1');
    const bool fits = header ? incoming_.isEmpty() && line.size() > 50
                             : !incoming_.isEmpty() && incoming_.size() <= kMaxUnitLines &&
                                   CheckUnitLine(line).isEmpty();
    if (!fits) {
        incomingBroken_ = true;  // a table with a line missing is not the host's table
        return Refused(line);
    }
    incoming_ << line;
}

bool NetworkSession::TableComplete() {
    QString fault = CheckFleetLines(QStringLiteral("the host's table"), incoming_);
    if (incomingBroken_ && fault.isEmpty())
        fault = QStringLiteral("the host's table came with lines missing");
    incomingBroken_ = false;
    state_.NetStage = 3;
    if (!fault.isEmpty()) {
        // The table in hand stays; the host may send it again (F12).
        status(context_.texts.Text(text::kNotUnderstood) + fault + QStringLiteral(" "));
        incoming_.clear();
        tableReady_ = false;
        return false;
    }
    game_.scratchpad.SetLines(incoming_);
    incoming_.clear();
    tableReady_ = true;
    RevealSeen(game_);  // the table as the host has it: what this side sees on it
    if (game_.NetGame && game_.GameActive) display_.Redraw();
    return true;
}

bool NetworkSession::PeersTurn(bool host) const {
    const Game& g = game_;
    // The same turn values on both programs: PlayerTurn is set while the hosting player acts.
    return g.GameActive && !g.GameOver && g.PlayerTurn == (host ? 0 : 1);
}

bool NetworkSession::GameMessage(const QString& message, bool host) {
    const Side peer = host ? kSecondSide : kFirstSide;
    if (message == (host ? QLatin1String("PlayerGo") : QLatin1String("EnemyGo"))) {
        // A token out of turn would start this program's turn twice; after the end of the game
        // one starts nothing either way.
        if (game_.GameOver || !game_.GameActive) return true;
        // The board never offers a turn without a step: a token alone is no turn.
        if (!PeersTurn(host) || !pendingPeerMove_)
            Refused(message);
        else
            TurnToken(host);
    } else if (message.startsWith(QLatin1String("[Move]=")) ||
               message.startsWith(QLatin1String("[Repair]=")))
        ApplyPeersRecord(message, peer);
    else if (message.startsWith(QLatin1String("[Hash]=")))
        state_.PeerHash = message.mid(7, 8);
    else
        return false;
    return true;
}

void NetworkSession::ApplyPeersRecord(const QString& message, Side senderSide) {
    Game& g = game_;
    if (!g.GameActive || g.GameOver) return;
    // The peer moves in its own turn, one step after any repairs, as its board would let it.
    const bool host = senderSide == kSecondSide;
    if (!PeersTurn(host) || pendingPeerMove_) return Refused(message);
    const Move move = MoveOfPeerRecord(message, senderSide);
    if (move.kind == MoveKind::Pass || !IsLegal(g, move)) return Refused(message);
    Showing none(false);
    Rules rules{game_, context_.settings, context_.texts, none};
    if (move.kind == MoveKind::Repair) {
        // Through the move function, as every move: the repair is in this program's log too.
        ApplyMove(rules, move);
        if (journal) journal->Played(move, g);
        return;
    }
    state_.LastMovedCode = move.code;
    // The fight the step leads to is fought when the peer's turn token comes; the record takes
    // the step then.
    ApplyPeersStep(rules, move);
    pendingPeerMove_ = move;
}

void NetworkSession::TurnToken(bool host) {
    Game& g = game_;
    if (!g.GameActive || g.GameOver) return;
    RuleGuard::Scope running(context_.guard);
    if (!context_.guard.Delay(1000)) return;
    Wake(!host);
    if (g.GameActive && !g.GameOver && !TablesAgree()) Drifted(host);
}

void NetworkSession::Drifted(bool host) {
    status(context_.texts.Text(text::kTablesDrifted));
    // The host's table is the one both go on with; the joining program sees the host's
    // check after its own next step.
    if (host) ResendTable();
}

void NetworkSession::PeerGone() {
    Game& g = game_;
    if (g.NetRole != net_role::kHosting) {
        g.OpponentTurn = false;
        g.UnitSelected = false;
        return;
    }
    if (pendingPeerMove_ && PeersTurn(true)) TurnToken(true);
}

void NetworkSession::TakeSeat(int role) {
    game_.NetGame = true;
    game_.NetRole = role;
}

void NetworkSession::AwaitHostsTable() {
    game_.scratchpad.Clear();
}

void NetworkSession::ClearSeat() {
    game_.NetRole = net_role::kNone;
}

void NetworkSession::LeaveNetworkGame() {
    game_.NetRole = net_role::kNone;
    game_.NetGame = false;
}

void NetworkSession::StepAway() {
    game_.GameOver = true;
    game_.NetGame = false;
}

void NetworkSession::Abandon() {
    game_.GameOver = true;
    game_.scratchpad.Clear();
    game_.MemoPad.Clear();
}

FleetLoad NetworkSession::LoadHostsFleet(QString* error) {
    return LoadFleet(*context_.platform.files, FleetFileName(0, context_.settings.HomeNavy),
                     game_.scratchpad, error);
}

void NetworkSession::TakeHostsHome(QChar edge) {
    game_.HomePosition = edge;
}

QString NetworkSession::ResumeMessage() const {
    const Game& g = game_;
    return QStringLiteral("[Resume]=") + SideLetter(g.PlayerTurn ? kFirstSide : kSecondSide) +
           QString::number(g.ETransferred ? 1 : 0) + QString::number(g.DTransferred ? 1 : 0) +
           QString::number(g.battleLog.turn);
}

bool NetworkSession::Resume(const QString& message) {
    Game& g = game_;
    bool ok = false;
    const int turns = message.mid(12).toInt(&ok);
    const std::optional<Side> side =
        message.size() > 9 ? SideOfLetter(message[9]) : std::optional<Side>();
    if (message.size() < 13 || message.size() > 20 || !ok || turns < 0 || !side ||
        !QStringLiteral("01").contains(message[10]) || !QStringLiteral("01").contains(message[11]))
        return false;
    g.ETransferred = message[10] == QLatin1Char('1');
    g.DTransferred = message[11] == QLatin1Char('1');
    if (std::exchange(resumeLogCame_, false)) g.battleLog = std::exchange(resumeLog_, {});
    g.battleLog.turn = turns;
    if (side == kSecondSide) {
        // The joining player's turn: its board takes clicks at once.
        g.PlayerTurn = false;
        g.OpponentTurn = true;
        g.SideToMove = kSecondSide;
        display_.SetCursor(CursorShape::Arrow);
    }
    // The band tells the battle as the host has it, from the start.
    DecideAndShow([&](Rules& rules) { rules.show.Battle(g); });
    display_.Redraw();
    return true;
}

QStringList NetworkSession::ResumeLog() const {
    return BattleLogMessages(game_.battleLog);
}

bool NetworkSession::ResumeLogLine(const QString& message) {
    if (!message.startsWith(QLatin1String("[Battle]=")) &&
        !message.startsWith(QLatin1String("[Logged]=")))
        return false;
    if (message.startsWith(QLatin1String("[Battle]="))) resumeLog_ = {};
    if (!TakeBattleLogMessage(message, resumeLog_)) {
        Refused(message);
        return true;
    }
    resumeLogCame_ = true;
    return true;
}

bool NetworkSession::ResendTable() {
    return send(QStringLiteral("[Stage]=2"), 0) && SendTable();
}

bool NetworkSession::TablesAgree() {
    const QString expected = state_.PeerHash;
    state_.PeerHash.clear();
    return expected.isEmpty() || expected == TableHash(game_.scratchpad);
}

}  // namespace kvd
