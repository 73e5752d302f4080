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
#include "platform/platform.h"

namespace kvd {

namespace {
const QString kName = QStringLiteral("[Name]=");
const QString kStage = QStringLiteral("[Stage]");
const QString kBeat = QStringLiteral("[Beat]");
const QString kRejoin = QStringLiteral("[Rejoin]=");
const QString kBusy = QStringLiteral("[Busy]=");

// Why a host turns a connection away, as "[Busy]=" carries it.
enum TurnedAway { kGameFull = 1, kNotThePlayer = 2 };

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

void TMPForm::Greetings2Client(bool rejoin) {
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
    for (const QString& message : greeting) {
        if (state_.NetStage >= 3 && !rejoin) return;
        if (!Send2Client(message)) return;
    }
}

// --- Socket events ---

void TMPForm::ServerAccept(TSimpleTCPClient* client, bool&) {
    // One joining program plays the game. Another is told so before it is let go; during a game
    // whose player is gone, a new connection may be that player coming back.
    if (player_ || candidate_) return;
    if (game_.NetGame && game_.GameActive)
        candidate_ = client;
    else {
        player_ = client;
        svrStatus_->Say(
            context_.texts.TextOr(text::kClientAccepted, QStringLiteral("Client Accepted")));
    }
}

void TMPForm::ServerClientConnected(TSimpleTCPClient* client) {
    if (client != player_ && client != candidate_) return TurnAway(client, kGameFull);
    hostWatch_.Start(false);
    if (client == candidate_) return;
    svrStatus_->Say(context_.texts.Text(text::kOpponentConnected));
    if (state_.NetStage == 0) Greetings2Client();
}

void TMPForm::TurnAway(TSimpleTCPClient* client, int reason) {
    const QByteArray words = Framed(kBusy + QString::number(reason));
    server_->SendBuffer(client, words.constData(), int(words.size()));
    Status(context_.texts.TextOr(
        text::kTurnedAway, QStringLiteral("Another program tried to join and was turned away. ")));
    // Closed a moment later, so the words reach it before the connection ends.
    QPointer<TSimpleTCPClient> gone(client);
    QTimer::singleShot(300, this, [this, gone] {
        if (gone) server_->Disconnect(gone.data());
    });
}

void TMPForm::ServerClientDisconnected(TSimpleTCPClient* client) {
    serverReaders_.erase(client);
    if (client == candidate_) {
        candidate_ = nullptr;
        hostWatch_.Stop();
        return;
    }
    if (client != player_) return;  // one turned away
    player_ = nullptr;
    hostWatch_.Stop();
    svrStatus_->Say(context_.texts.Text(text::kConnectionLost));
    if (!game_.GameActive && game_.NetRole == net_role::kHosting) {
        // Gone before the game began: the next program to join is greeted afresh.
        state_.NetStage = 0;
        ShowPanel(AxisPanel, false);
        AxisName->clear();
        Label10->hide();
    }
    ConnectionLost();
}

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
    clientWatch_.Start(true);
    // A player coming back names the game instead of introducing itself.
    Send2Server(rejoining_ ? kRejoin + state_.GameCode : kName + Edit1->text(), 0);
}

void TMPForm::ClientDisconnected() {
    clientReader_.Clear();
    clientWatch_.Stop();
    cltStatus_->Say(context_.texts.Text(text::kConnectionLost));
    if (!game_.GameActive) {
        // Gone before the game began: connecting is offered again.
        ShowPanel(AlliedPanel, false);
        Label13->show();
        OfferRejoin();
    }
    ConnectionLost();
}

void TMPForm::ClientError(const QString& line) {
    cltStatus_->Say(line);
    Label13->show();
    if (!game_.GameActive) OfferRejoin();
    ConnectionLost();
}

void TMPForm::ConnectionLost() {
    // Nothing can come from a peer that is gone: the player leaves through the quit corner,
    // and needs the pointer to find it. The host keeps the game for its player to come back to.
    if (!game_.NetGame || !game_.GameActive) return;
    if (game_.NetRole == net_role::kHosting) {
        Status(context_.texts.TextOr(
            text::kPlayerLostWaiting,
            QStringLiteral("Connection to the other commander lost - the game waits for them to "
                           "rejoin, or leave by the corner bottom right. ")));
        network_.PeerGone();
    } else {
        Status(context_.texts.Text(text::kPeerLost));
    }
    display_.SetCursor(CursorShape::Arrow);
}

void TMPForm::ServerClientRead(TSimpleTCPClient* client, const QByteArray& bytes) {
    if (client != player_ && client != candidate_) return;  // one being turned away
    MessageReader& reader = serverReaders_[client];
    reader.Feed(bytes);
    if (reader.Overflowed()) {
        Status(context_.texts.Text(text::kLineTooLong));
        // The connection is dropped once its read event is over.
        QTimer::singleShot(0, this, [this, client] { server_->Disconnect(client); });
        return;
    }
    Deliver(reader, client);
}

void TMPForm::ClientRead(const QByteArray& bytes) {
    clientReader_.Feed(bytes);
    if (clientReader_.Overflowed()) {
        Status(context_.texts.Text(text::kLineTooLong));
        clientReader_.Clear();
        QTimer::singleShot(0, this, [this] { client_->SetConnected(false); });
        return;
    }
    Deliver(clientReader_, nullptr);
}

void TMPForm::Deliver(MessageReader& reader, TSimpleTCPClient* client) {
    // Each message waits for a running rule (a fight, a turn) to finish, in the order they came;
    // a beat only says the peer is there, at once.
    PeerWatch& watch = client ? hostWatch_ : clientWatch_;
    QStringList messages;
    QString message;
    while (reader.Next(message)) {
        watch.Heard(message == kBeat);
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

void TMPForm::HostMessageFrom(TSimpleTCPClient* client, const QString& message) {
    if (client == candidate_) {
        // Only the player who left may take its place, and only with the game's code.
        if (message == kRejoin + state_.GameCode && !state_.GameCode.isEmpty()) {
            player_ = candidate_;
            candidate_ = nullptr;
            hostWatch_.Introduced();
            return Rejoined();
        }
        candidate_ = nullptr;
        hostWatch_.Stop();
        return TurnAway(client, kNotThePlayer);
    }
    if (client != player_) return;
    if (message.startsWith(kName) || message.startsWith(kRejoin)) hostWatch_.Introduced();
    HostMessage(message);
}

void TMPForm::HostMessage(const QString& message) {
    if (message.startsWith(kChatKey)) return ShowChat(message);
    if (state_.NetStage < 2) {
        Edit6->setText(NavyName(OpposingNavy(context_.settings.HomeNavy), context_.texts));
        ShowPanel(AxisPanel, true);
        AxisPanel->setGeometry(8, 200, 490, 80);
        if (message.startsWith(kName)) AxisName->setText(message.mid(7, 16));
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
            Edit4->setText(message.mid(7, 16));
        else if (message.startsWith(QLatin1String("[Code]="))) {
            if (!RejoinTicket::IsCode(message.mid(7))) return Refused(message);
            state_.GameCode = message.mid(7);
        } else if (message.startsWith(kBusy)) {
            const bool notThePlayer = message == kBusy + QString::number(kNotThePlayer);
            cltStatus_->Say(
                notThePlayer
                    ? context_.texts.TextOr(
                          text::kNotThePlayer,
                          QStringLiteral(
                              "The host waits for the commander who left its game, and no other. "))
                    : context_.texts.TextOr(
                          text::kGameFull,
                          QStringLiteral("The host already has its second commander. ")));
        } else if (message.startsWith(QLatin1String("[Navy]="))) {
            if (!LetterOf(message, QStringLiteral("EU"), letter)) return Refused(message);
            s.HomeNavy = letter;
            Edit5->setText(NavyName(letter, context_.texts));
        } else if (message.startsWith(kName))
            Edit3->setText(message.mid(7, 16));
        else if (message.startsWith(QLatin1String("[Mapz]="))) {
            // Only a built-in map can be played by both; a name of another kind is not taken.
            const QString map = message.mid(7);
            if (!IsBuiltInMap(map) || map.size() > 40 || map.contains(QLatin1Char('/')) ||
                map.contains(QLatin1Char('\\')))
                return Refused(message);
            s.MapName = map;
        } else if (message.startsWith(QLatin1String("[Home]="))) {
            if (!LetterOf(message, QStringLiteral("LRTB"), letter)) return Refused(message);
            game_.HomePosition = letter;
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
            Send2Server(QStringLiteral("[Stage]=2"));
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
    else if (message.startsWith(QLatin1String("[Stage]=")) && message.size() >= 9 &&
             message[8] == QLatin1Char('2')) {
        // The host sends its table again; it replaces this one once it is all here.
        state_.NetStage = 2;
        network_.BeginTable();
    } else {
        network_.GameMessage(message, false);
    }
}

void TMPForm::StartJoinedGame() {
    if (game_.GameActive || !network_.TableReady()) return;
    game_.NetRole = net_role::kJoining;
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
    game_.NetRole = net_role::kJoining;
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
    Greetings2Client(true);
    if (player_ && network_.SendTable()) Send2Client(network_.ResumeMessage());
}

// --- The hand-overs the board asks for ---

void TMPForm::PlayerSleep() {
    network_.PlayerSleep();
}
void TMPForm::ClientSleep() {
    network_.ClientSleep();
}
void TMPForm::SendLastMove() {
    network_.SendLastMove();
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

void TMPForm::SendRepair(int repairerCode, int targetCode) {
    network_.SendRepair(repairerCode, targetCode);
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
