// The multi-player window's exchange with its peer: the socket events, sending, and every
// message the two programs send each other, by stage.
#include <QPointer>
#include <QTimer>

#include "core/context.h"
#include "core/game.h"
#include "core/map_file.h"
#include "core/navy.h"
#include "core/text_ids.h"
#include "core/unit_codes.h"
#include "net/chat_message.h"
#include "net/mp_form.h"
#include "net/rejoin_ticket.h"
#include "net/shown_name.h"
#include "platform/platform.h"

namespace kvd {

namespace {
const QString kName = QStringLiteral("[Name]=");
const QString kStage = QStringLiteral("[Stage]");
const QString kBeat = QStringLiteral("[Beat]");
const QString kRejoin = QStringLiteral("[Rejoin]=");
const QString kBusy = QStringLiteral("[Busy]=");

// The letter after a greeting key, when it is one of the letters that key may carry.
bool LetterOf(const QString& message, const QString& allowed, QChar& letter) {
    if (message.size() != 8 || !allowed.contains(message[7])) return false;
    letter = message[7];
    return true;
}
}  // namespace

// --- Sending ---

bool TMPForm::Send2Server(const QString& text, int pauseMs) {
    client_->SendBuffer(Framed(text));
    return pauseMs == 0 ||
           (game_.GameActive ? context_.guard.Delay(pauseMs) : context_.guard.Pause(pauseMs));
}

bool TMPForm::Send2Client(const QString& text, int pauseMs) {
    // Only the joining program the game is played with hears the game.
    const QByteArray bytes = Framed(text);
    if (player_) server_->SendBuffer(player_, bytes.constData(), int(bytes.size()));
    return pauseMs == 0 ||
           (game_.GameActive ? context_.guard.Delay(pauseMs) : context_.guard.Pause(pauseMs));
}

void TMPForm::Greetings2Client() {
    const Settings& s = context_.settings;
    const QStringList greeting = {QStringLiteral("[Game]=") + GameName->text(),
                                  QStringLiteral("[Navy]=") + s.HomeNavy,
                                  kName + AlliedName->text(),
                                  QStringLiteral("[Mapz]=") + s.MapName,
                                  QStringLiteral("[Home]=") + game_.HomePosition,
                                  QStringLiteral("[Fire]=") + s.AdditionalDamage,
                                  QStringLiteral("[Show]=") + s.RevealOption,
                                  QStringLiteral("[Flag]=") + s.FlagTransfer,
                                  QStringLiteral("[Code]=") + state_.GameCode,
                                  QStringLiteral("[Stage]=2") + game_.HomePosition};
    // Each message is a line of its own: the greeting goes out at once.
    for (const QString& message : greeting) Send2Client(message, 0);
}

// --- Socket events ---

void TMPForm::ServerError(const QString& line) {
    svrStatus_->Say(line);
    // The listener itself failed (an accepted connection's error only ends that connection):
    // Start is offered again before a game, and a game under way hears of it on the board.
    if (!server_->Listen() && !game_.GameActive && state_.NetStage < 3) Label10->show();
}

void TMPForm::ClientConnected() {
    cltStatus_->Say(context_.texts.Text(text::kConnectedToHost));
    ShowPanel(AlliedPanel, true);
    AlliedPanel->setGeometry(16, 152, 473, 130);
    Label23->hide();
    linked_ = true;
    clientWatch_.Start(true);
    // A player coming back names the game instead of introducing itself.
    Send2Server(rejoining_ ? kRejoin + state_.GameCode : kName + Edit1->text(), 0);
}

void TMPForm::ClientDisconnected() {
    clientReader_.Clear();
    clientWatch_.Stop();
    if (!game_.GameActive) {
        // Gone before the game began: connecting is offered again.
        ShowPanel(AlliedPanel, false);
        Label13->show();
        OfferRejoin();
    }
    LostSoon();
}

void TMPForm::ClientError(const QString& line) {
    closeReason_ = line;
    Label13->show();
    if (!game_.GameActive) OfferRejoin();
    LostSoon();
}

void TMPForm::LostSoon() {
    // A socket tells its error just after the close it caused: the line that says the
    // connection is lost waits for it, so the reason stands in it.
    if (lostPending_) return;
    lostPending_ = true;
    QTimer::singleShot(0, this, [this] { ConnectionLost(); });
}

void TMPForm::CloseFor(const QString& reason) {
    closeReason_ = reason;
    if (game_.NetRole == net_role::kHosting) {
        QPointer<TSimpleTCPClient> player(player_);
        // Dropped once the read event that found the fault is over.
        QTimer::singleShot(0, this, [this, player] {
            if (player) server_->Disconnect(player.data());
        });
    } else {
        clientReader_.Clear();
        QTimer::singleShot(0, this, [this] { client_->SetConnected(false); });
    }
}

void TMPForm::ConnectionLost() {
    lostPending_ = false;
    const QString reason = std::exchange(closeReason_, QString()).trimmed();
    const bool wasLinked = std::exchange(linked_, false);
    const QString lost = context_.texts.Text(text::kConnectionLost);
    const QString why = QStringLiteral(" (") + reason + QStringLiteral(") ");
    // A connection that never opened was not lost: its reason is all there is to say.
    if (reason.isEmpty())
        PanelStatus().Say(lost);
    else
        PanelStatus().Say(wasLinked || game_.NetRole == net_role::kHosting ? lost + why : reason);
    lastStatus_ = reason.isEmpty() ? lost : reason;
    // Nothing can come from a peer that is gone: the player leaves through the quit corner,
    // and needs the pointer to find it. The host keeps the game for its player to come back to.
    if (!game_.NetGame || !game_.GameActive) return;
    const QString said = reason.isEmpty() ? QString() : reason + QStringLiteral(" - ");
    if (game_.NetRole == net_role::kHosting) {
        Status(said + context_.texts.TextOr(text::kPlayerLostWaiting,
                                            QStringLiteral("Connection to the other commander "
                                                           "lost - the game waits for them to "
                                                           "rejoin, or leave by the corner bottom "
                                                           "right. ")));
    } else {
        Status(said + context_.texts.Text(text::kPeerLost));
    }
    network_.PeerGone();
    display_.SetCursor(CursorShape::Arrow);
}

void TMPForm::ServerClientRead(TSimpleTCPClient* client, const QByteArray& bytes) {
    if (client != player_ && !IsClaim(client)) return;  // one being turned away
    MessageReader& reader = serverReaders_[client];
    reader.Feed(bytes);
    if (reader.Overflowed()) {
        if (client != player_) return TurnAway(client, kNotThePlayer);
        return CloseFor(context_.texts.Text(text::kLineTooLong));
    }
    Deliver(reader, client);
}

void TMPForm::ClientRead(const QByteArray& bytes) {
    clientReader_.Feed(bytes);
    if (clientReader_.Overflowed()) return CloseFor(context_.texts.Text(text::kLineTooLong));
    Deliver(clientReader_, nullptr);
}

void TMPForm::Deliver(MessageReader& reader, TSimpleTCPClient* client) {
    // Each message waits for a running rule (a fight, a turn) to finish, in the order they came;
    // a beat only says the peer is there, at once.
    // Only the seated player is watched; another connection has its own short time to speak.
    PeerWatch* watch = !client ? &clientWatch_ : client == player_ ? &hostWatch_ : nullptr;
    QStringList messages;
    QString message;
    while (reader.Next(message)) {
        if (watch) watch->Heard(message == kBeat);
        if (message != kBeat) messages << message;
    }
    QPointer<TSimpleTCPClient> from(client);
    for (const QString& m : messages)
        context_.guard.WhenIdle([this, m, from, host = client != nullptr] {
            if (!host)
                JoiningMessage(m);
            else if (from)
                HostMessageFrom(from.data(), m);
        });
}

void TMPForm::Status(const QString& text) {
    lastStatus_ = text;
    if (game_.NetGame && game_.GameActive && display_.Shown())
        network_.Report(text);
    else
        PanelStatus().Say(text);
}

void TMPForm::Refused(const QString& message) {
    network_.Refused(message);
}

// --- Messages at the host ---

void TMPForm::HostMessage(const QString& message) {
    if (message.startsWith(kChatKey)) return ShowChat(message);
    if (state_.NetStage < 2) {
        Edit6->setText(NavyName(OpposingNavy(context_.settings.HomeNavy), context_.texts));
        ShowPanel(AxisPanel, true);
        AxisPanel->setGeometry(8, 200, 490, 80);
        if (message.startsWith(kName)) AxisName->setText(ShownName(message.mid(7)));
        if (message.startsWith(kStage) && message.size() >= 9 && message[8] == QLatin1Char('2')) {
            state_.NetStage = 3;
            svrStatus_->Say(context_.texts.Text(text::kOpponentReady));
            Caption(Label10, 110);
            Label10->show();
        }
        return;
    }
    if (state_.NetStage != 3 || !game_.NetGame) return;
    network_.GameMessage(message, true);
}

// --- Messages at the joining program ---

void TMPForm::JoiningMessage(const QString& message) {
    if (message.startsWith(kChatKey)) return ShowChat(message);
    Settings& s = context_.settings;
    if (state_.NetStage < 2) {
        QChar letter;
        if (message.startsWith(QLatin1String("[Game]=")))
            Edit4->setText(ShownName(message.mid(7)));
        else if (message.startsWith(QLatin1String("[Code]="))) {
            const QString code = message.mid(7);
            if (!RejoinTicket::IsCode(code)) return Refused(message);
            // A host that greets a returning player with another code plays another game.
            if (rejoining_ && !RejoinTicket::SameCode(code, state_.GameCode))
                return RejoinRefused();
            state_.GameCode = code;
        } else if (message.startsWith(kBusy)) {
            HeardBusy(message.mid(kBusy.size()));
        } else if (message.startsWith(QLatin1String("[Navy]="))) {
            if (!LetterOf(message, QStringLiteral("EU"), letter)) return Refused(message);
            s.HomeNavy = letter;
            Edit5->setText(NavyName(letter, context_.texts));
        } else if (message.startsWith(kName))
            Edit3->setText(ShownName(message.mid(7)));
        else if (message.startsWith(QLatin1String("[Mapz]="))) {
            // Only a built-in map can be played by both; a name of another kind is not taken.
            const QString map = message.mid(7);
            if (!IsBuiltInMap(map) || map.size() > 40 || map.contains(QLatin1Char('/')) ||
                map.contains(QLatin1Char('\\')))
                return Refused(message);
            s.MapName = map;
        } else if (message.startsWith(QLatin1String("[Home]="))) {
            if (!LetterOf(message, QStringLiteral("LRTB"), letter)) return Refused(message);
            network_.TakeHostsHome(letter);
        } else if (message.startsWith(QLatin1String("[Fire]="))) {
            if (!LetterOf(message, QStringLiteral("YN"), letter)) return Refused(message);
            s.AdditionalDamage = letter;
        } else if (message.startsWith(QLatin1String("[Show]="))) {
            if (!LetterOf(message, QStringLiteral("YN"), letter)) return Refused(message);
            s.RevealOption = letter;
        } else if (message.startsWith(QLatin1String("[Flag]="))) {
            if (!LetterOf(message, QStringLiteral("YN"), letter)) return Refused(message);
            s.FlagTransfer = letter;
        } else if (message.startsWith(QLatin1String("[Stage]=")) && message.size() >= 9 &&
                   message[8] == QLatin1Char('2')) {
            state_.NetStage = 2;
            network_.BeginTable();
            cltStatus_->Say(context_.texts.Text(text::kPleaseWait));  // the host starts the game
            Send2Server(QStringLiteral("[Stage]=2"), 0);
        }
        return;
    }
    if (state_.NetStage == 2) {
        const QChar first = message.isEmpty() ? QChar() : message[0];
        if (SideOfLetter(first) || first == QLatin1Char('1'))
            network_.TableLine(message);
        else if (message.startsWith(QLatin1String("[Stage]=")) && message.size() >= 9 &&
                 message[8] == QLatin1Char('3'))
            network_.TableComplete();
        return;
    }
    if (message == QLatin1String("StartGame"))
        StartJoinedGame();
    else if (message.startsWith(QLatin1String("[Resume]=")))
        ResumeJoinedGame(message);
    else if (rejoining_ && !game_.GameActive && network_.ResumeLogLine(message))
        return;
    else if (message.startsWith(QLatin1String("[Stage]=")) && message.size() >= 9 &&
             message[8] == QLatin1Char('2')) {
        // The host sends its table again; it replaces this one once it is all here.
        state_.NetStage = 2;
        network_.BeginTable();
    } else {
        network_.GameMessage(message, false);
    }
}

void TMPForm::HeardBusy(const QString& reason) {
    // The host says why it turned this program away; the line that the connection is lost
    // keeps the reason.
    const int why = reason.toInt();
    const int line = why == kNotThePlayer  ? text::kNotThePlayer
                     : why == kSaidNothing ? text::kSaidNothing
                     : why == kOtherGame   ? text::kOtherGame
                                           : text::kGameFull;
    if (why == kOtherGame && rejoining_) return RejoinRefused();
    closeReason_ = context_.texts.Text(line);
    cltStatus_->Say(closeReason_);
}

void TMPForm::RejoinRefused() {
    // The game left is gone: nothing is joined in its place unless the player connects anew.
    rejoining_ = false;
    RejoinTicket::Forget(*context_.platform.files);
    closeReason_ = context_.texts.Text(text::kOtherGame);
    cltStatus_->Say(closeReason_);
    QTimer::singleShot(0, this, [this] { client_->SetConnected(false); });
}

void TMPForm::StartJoinedGame() {
    if (game_.GameActive || !network_.TableReady()) return;
    network_.TakeSeat(net_role::kJoining);
    context_.platform.cursor->Set(this, CursorShape::Hidden);
    if (!network_.NetGameInit(true)) {
        context_.platform.cursor->Set(this, CursorShape::Arrow);
        return;
    }
    hide();
    // Kept for a lost connection: the way back to this game, also after a restart.
    RejoinTicket{client_->Host(), client_->Port(), state_.GameCode, Edit1->text(), Edit4->text()}
        .Save(*context_.platform.files);
}

void TMPForm::ResumeJoinedGame(const QString& message) {
    if (game_.GameActive || !network_.TableReady() || !rejoining_) return Refused(message);
    rejoining_ = false;
    network_.TakeSeat(net_role::kJoining);
    if (!network_.NetGameInit(true)) {
        context_.platform.cursor->Set(this, CursorShape::Arrow);
        return;
    }
    hide();
    if (!network_.Resume(message)) return Refused(message);
    Status(context_.texts.TextOr(text::kRejoined, QStringLiteral("Rejoined - the game goes on. ")));
}

void TMPForm::Rejoined() {
    // The game as the host keeps it, and whose turn it is; no click of the host's meanwhile.
    RuleGuard::Scope sending(context_.guard);
    Status(context_.texts.TextOr(text::kRejoined, QStringLiteral("Rejoined - the game goes on. ")));
    Greetings2Client();
    if (!player_ || !network_.SendTable()) return;
    for (const QString& line : network_.ResumeLog()) Send2Client(line, 0);
    Send2Client(network_.ResumeMessage(), 0);
}

// --- The hand-overs the board asks for ---

void TMPForm::SendMove(Rules& rules, const Move& move) {
    network_.SendMove(rules, move);
}
void TMPForm::HandedOver() {
    network_.HandedOver();
}

void TMPForm::SendChat(const QString& typed) {
    const QString text = ChatText(typed);
    if (text.isEmpty()) return;
    (game_.NetRole == net_role::kHosting ? Send2Client(kChatKey + text, 0)
                                         : Send2Server(kChatKey + text, 0));
    // The player's own words stand in the report line too, so the talk can be followed.
    Status(Commander(game_.NetRole == net_role::kHosting) + QStringLiteral(": ") + text +
           QStringLiteral("  "));
}

void TMPForm::ShowChat(const QString& message) {
    const QString text = ChatText(message.mid(kChatKey.size()));
    if (text.isEmpty()) return;
    const QString from = Commander(game_.NetRole != net_role::kHosting);
    Status(context_.texts.TextOr(text::kMessageFrom, QStringLiteral("Message from ")) +
           (from.isEmpty() ? QStringLiteral("?") : from) + QStringLiteral(": ") + text +
           QStringLiteral("  "));
}

void TMPForm::ResendTable() {
    Platform& p = context_.platform;
    p.boxes->Show(BoxKind::Information, context_.texts.Text(text::kTableWillBeSent),
                  BoxButtons::Ok);
    display_.SetCursor(CursorShape::Hidden);
    if (!network_.ResendTable()) return;
    display_.SetCursor(CursorShape::Arrow);
    p.boxes->Show(BoxKind::Information, context_.texts.Text(text::kTableSent), BoxButtons::Ok);
}

}  // namespace kvd
