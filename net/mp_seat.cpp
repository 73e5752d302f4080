// Who sits in the hosting program's one seat for a joining player. Every connection is heard
// first and seated only by what it says: before a game, the first to introduce itself; during a
// game, only the one that proves the game's code, which the host gave its player alone. A
// connection that has said nothing holds no place, so no number of them keeps the player out.
#include <QPointer>
#include <QTimer>

#include "core/context.h"
#include "core/game.h"
#include "core/text_ids.h"
#include "net/mp_form.h"
#include "net/rejoin_ticket.h"

namespace kvd {

namespace {
const QString kName = QStringLiteral("[Name]=");
const QString kRejoin = QStringLiteral("[Rejoin]=");
}  // namespace

bool TMPForm::IsClaim(const TSimpleTCPClient* client) const {
    for (const Claim& claim : claims_)
        if (claim.client == client) return true;
    return false;
}

void TMPForm::DropClaim(const TSimpleTCPClient* client) {
    std::erase_if(claims_, [client](const Claim& claim) { return claim.client == client; });
    if (claims_.empty()) claimTimer_.stop();
}

void TMPForm::ServerClientConnected(TSimpleTCPClient* client) {
    // Held to a few at once: the longest waiting makes room, so a flood keeps nobody out for
    // longer than it takes to say who one is.
    if (int(claims_.size()) >= kMostClaims) TurnAway(claims_.front().client, kSaidNothing);
    Claim claim{client, {}};
    claim.opened.start();
    claims_.push_back(claim);
    if (!claimTimer_.isActive()) claimTimer_.start(std::max(10, peerTimes_.introductionMs / 4));
}

void TMPForm::ClaimsOverdue() {
    std::vector<TSimpleTCPClient*> overdue;
    for (const Claim& claim : claims_)
        if (claim.opened.elapsed() > peerTimes_.introductionMs) overdue.push_back(claim.client);
    for (TSimpleTCPClient* client : overdue) TurnAway(client, kSaidNothing);
}

void TMPForm::TurnAway(TSimpleTCPClient* client, int reason) {
    DropClaim(client);
    const QByteArray words = Framed(QStringLiteral("[Busy]=") + QString::number(reason));
    server_->SendBuffer(client, words.constData(), int(words.size()));
    const int line = reason == kSaidNothing ? text::kSaidNothingHost
                     : reason == kOtherGame ? text::kOtherGameHost
                                            : text::kTurnedAway;
    Status(context_.texts.Text(line));
    // Closed a moment later, so the words reach it before the connection ends.
    QPointer<TSimpleTCPClient> gone(client);
    QTimer::singleShot(300, this, [this, gone] {
        if (gone) server_->Disconnect(gone.data());
    });
}

void TMPForm::HostMessageFrom(TSimpleTCPClient* client, const QString& message) {
    if (client == player_) {
        if (message.startsWith(kName)) hostWatch_.Introduced();
        return HostMessage(message);
    }
    if (!IsClaim(client)) return;  // one being turned away
    const bool inGame = game_.NetGame && game_.GameActive;
    if (message.startsWith(kRejoin)) {
        if (!inGame) return TurnAway(client, kOtherGame);
        if (!RejoinTicket::SameCode(message.mid(kRejoin.size()), state_.GameCode))
            return TurnAway(client, kNotThePlayer);
        return Reseat(client);
    }
    if (message.startsWith(kName) && !inGame && !player_) return Seat(client, message);
    TurnAway(client, inGame ? kNotThePlayer : kGameFull);
}

void TMPForm::Seat(TSimpleTCPClient* client, const QString& hello) {
    DropClaim(client);
    player_ = client;
    hostWatch_.Start(true);
    svrStatus_->Say(
        context_.texts.TextOr(text::kClientAccepted, QStringLiteral("Client Accepted")));
    svrStatus_->Say(context_.texts.Text(text::kOpponentConnected));
    // A code of this player's own: whoever was seated before cannot come back in its place.
    state_.GameCode = RejoinTicket::NewCode();
    HostMessage(hello);
    Greetings2Client();
}

void TMPForm::Reseat(TSimpleTCPClient* client) {
    DropClaim(client);
    // The player proved who it is: a connection still in the seat is one it left behind.
    TSimpleTCPClient* left = player_;
    player_ = client;
    hostWatch_.Start(true);
    if (left) {
        serverReaders_.erase(left);
        server_->Disconnect(left);
        network_.PeerGone();
    }
    Rejoined();
}

void TMPForm::ServerClientDisconnected(TSimpleTCPClient* client) {
    serverReaders_.erase(client);
    if (IsClaim(client)) return DropClaim(client);
    if (client != player_) return;  // one turned away, or left behind by its player
    player_ = nullptr;
    hostWatch_.Stop();
    if (!game_.GameActive && game_.NetRole == net_role::kHosting) {
        // Gone before the game began: the next program to join is greeted afresh.
        state_.NetStage = 0;
        state_.GameCode.clear();
        ShowPanel(AxisPanel, false);
        AxisName->clear();
        Label10->hide();
    }
    ConnectionLost();
}

}  // namespace kvd
