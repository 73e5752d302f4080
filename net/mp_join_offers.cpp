// The join panel's offers beside typing an address: the games heard on the local network, and
// the way back to the game this program last joined.
#include <QListWidget>

#include "core/context.h"
#include "core/navy.h"
#include "core/text_ids.h"
#include "net/mp_form.h"
#include "net/rejoin_ticket.h"
#include "platform/platform.h"

namespace kvd {

void TMPForm::ShowHeardGames() {
    const LanguageTexts& texts = context_.texts;
    GameList->clear();
    for (const LanGame& heard : heard_.Games()) {
        const LanAnnouncement& g = heard.announced;
        const QString navy = NavyName(g.navy, texts);
        const QString where = heard.address + QLatin1Char(':') + QString::number(g.port);
        const QString line = texts.TextOr(text::kHeardGame, QStringLiteral("%1 - %2, %3 - %4"));
        auto* item = new QListWidgetItem(line.arg(g.game, g.commander, navy, where), GameList);
        item->setData(Qt::UserRole, heard.address);
        item->setData(Qt::UserRole + 1, g.port);
    }
    // An empty list says what it is for.
    if (GameList->count() == 0) {
        auto* none = new QListWidgetItem(
            texts.TextOr(text::kNoGameHeard,
                         QStringLiteral("No game heard on the local network yet.")),
            GameList);
        none->setFlags(Qt::NoItemFlags);
    }
}

void TMPForm::PickHeardGame(QListWidgetItem* item) {
    if (Busy() || !item) return;
    ClientIP->setText(item->data(Qt::UserRole).toString());
    ClientPortEdit->setText(QString::number(item->data(Qt::UserRole + 1).toUInt()));
}

void TMPForm::OfferRejoin() {
    const std::optional<RejoinTicket> ticket = RejoinTicket::Load(*context_.platform.files);
    Label23->setVisible(ticket.has_value());
    if (ticket)
        Label23->setText(context_.texts.TextOr(text::kRejoin, QStringLiteral("Rejoin")) +
                         QStringLiteral("  ") + ticket->game + QStringLiteral(" (") + ticket->host +
                         QLatin1Char(':') + QString::number(ticket->port) + QLatin1Char(')'));
}

void TMPForm::Label23Click() {
    const std::optional<RejoinTicket> ticket = RejoinTicket::Load(*context_.platform.files);
    if (!ticket) return OfferRejoin();
    ClientIP->setText(ticket->host);
    ClientPortEdit->setText(QString::number(ticket->port));
    Edit1->setText(ticket->name);
    state_.GameCode = ticket->code;
    rejoining_ = true;
    ConnectToHost();
}

}  // namespace kvd
