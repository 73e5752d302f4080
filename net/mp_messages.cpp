// The multi-player window's exchange with its peer: the socket events, sending, and every
// message the two programs send each other, by stage.
#include <QTimer>

#include "core/context.h"
#include "core/game.h"
#include "core/map_file.h"
#include "core/unit_codes.h"
#include "net/mp_form.h"
#include "platform/platform.h"

namespace kvd {

namespace {
const QString kName = QStringLiteral("[Name]=");
const QString kStage = QStringLiteral("[Stage]");

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
    return pauseMs == 0 || (game_.GameActive == 1 ? context_.guard.Delay(pauseMs) : context_.guard.Pause(pauseMs));
}

bool TMPForm::Send2Client(const QString& text, int pauseMs) {
    const QByteArray bytes = Framed(text);
    for (const auto& client : server_->Clients()) server_->SendBuffer(client.get(), bytes.constData(), int(bytes.size()));
    return pauseMs == 0 || (game_.GameActive == 1 ? context_.guard.Delay(pauseMs) : context_.guard.Pause(pauseMs));
}

void TMPForm::Greetings2Client() {
    const Settings& s = context_.settings;
    const QStringList greeting = {
        QStringLiteral("[Game]=") + GameName->text(),  QStringLiteral("[Navy]=") + s.HomeNavy,
        kName + AlliedName->text(),                     QStringLiteral("[Mapz]=") + s.MapName,
        QStringLiteral("[Home]=") + game_.HomePosition, QStringLiteral("[Fire]=") + s.AdditionalDamage,
        QStringLiteral("[Show]=") + s.RevealOption,     QStringLiteral("[Flag]=") + s.FlagTransfer,
        QStringLiteral("[Stage]=2") + game_.HomePosition};
    for (const QString& message : greeting) {
        if (state_.NetStage >= 3) return;
        if (!Send2Client(message)) return;
    }
}

// --- Socket events ---

void TMPForm::ServerAccept(TSimpleTCPClient*, bool& accept) {
    // One joining program plays the game; a second would only disturb it.
    if (!server_->Clients().empty()) {
        accept = false;
        return;
    }
    SvrLogLabel->setText(context_.texts.TextOr(207, QStringLiteral("Client Accepted")));
}

void TMPForm::ServerClientConnected() {
    SvrLogLabel->setText(context_.texts.Text(106));
    if (state_.NetStage == 0) Greetings2Client();
}

void TMPForm::ServerClientDisconnected(TSimpleTCPClient* client) {
    serverReaders_.erase(client);
    SvrLogLabel->setText(context_.texts.Text(108));
    if (game_.GameActive == 0 && game_.NetRole == 1) {
        // Gone before the game began: the next program to join is greeted afresh.
        state_.NetStage = 0;
        ShowPanel(AxisPanel, false);
        AxisName->clear();
        Label10->hide();
    }
    ConnectionLost();
}

void TMPForm::ServerError(const QString& line) { SvrLogLabel->setText(line); }

void TMPForm::ClientConnected() {
    CltLogLabel->setText(context_.texts.Text(107));
    ShowPanel(AlliedPanel, true);
    AlliedPanel->setGeometry(16, 152, 473, 130);
    Send2Server(kName + Edit1->text(), 0);
}

void TMPForm::ClientDisconnected() {
    clientReader_.Clear();
    CltLogLabel->setText(context_.texts.Text(108));
    ConnectionLost();
}

void TMPForm::ClientError(const QString& line) {
    CltLogLabel->setText(line);
    Label13->show();
    ConnectionLost();
}

void TMPForm::ConnectionLost() {
    // Nothing can come from a peer that is gone: the player leaves through the quit corner,
    // and needs the pointer to find it.
    if (game_.NetGame != 1 || game_.GameActive != 1) return;
    Status(context_.texts.Text(149));
    display_.SetCursor(CursorShape::Arrow);
}

void TMPForm::ServerClientRead(TSimpleTCPClient* client, const QByteArray& bytes) {
    MessageReader& reader = serverReaders_[client];
    reader.Feed(bytes);
    if (reader.Overflowed()) {
        Status(context_.texts.Text(152));
        // The connection is dropped once its read event is over.
        QTimer::singleShot(0, this, [this, client] { server_->Disconnect(client); });
        return;
    }
    Deliver(reader, true);
}

void TMPForm::ClientRead(const QByteArray& bytes) {
    clientReader_.Feed(bytes);
    if (clientReader_.Overflowed()) {
        Status(context_.texts.Text(152));
        clientReader_.Clear();
        QTimer::singleShot(0, this, [this] { client_->SetConnected(false); });
        return;
    }
    Deliver(clientReader_, false);
}

void TMPForm::Deliver(MessageReader& reader, bool host) {
    // Each message waits for a running rule (a fight, a turn) to finish, in the order they came.
    QStringList messages;
    QString message;
    while (reader.Next(message)) messages << message;
    for (const QString& m : messages)
        context_.guard.WhenIdle([this, m, host] { host ? HostMessage(m) : JoiningMessage(m); });
}

void TMPForm::Status(const QString& text) {
    lastStatus_ = text;
    if (game_.NetGame == 1 && game_.GameActive == 1 && display_.Shown()) network_.Report(text);
    else (game_.NetRole == 2 ? CltLogLabel : SvrLogLabel)->setText(text);
}

void TMPForm::Refused(const QString& message) { network_.Refused(message); }

// --- Messages at the host ---

void TMPForm::HostMessage(const QString& message) {
    if (state_.NetStage < 2) {
        Edit6->setText(context_.settings.HomeNavy == QLatin1Char('U')
                           ? context_.texts.TextOr(209, QStringLiteral("Japanese Navy"))
                           : QStringLiteral("Kriegsmarine"));
        ShowPanel(AxisPanel, true);
        AxisPanel->setGeometry(8, 200, 490, 80);
        if (message.startsWith(kName)) AxisName->setText(message.mid(7, 16));
        if (message.startsWith(kStage) && message.size() >= 9 && message[8] == QLatin1Char('2')) {
            state_.NetStage = 3;
            SvrLogLabel->setText(context_.texts.Text(109));
            Caption(Label10, 110);
            Label10->show();
        }
        return;
    }
    if (state_.NetStage != 3 || game_.NetGame != 1) return;
    network_.GameMessage(message, true);
}

// --- Messages at the joining program ---

void TMPForm::JoiningMessage(const QString& message) {
    Settings& s = context_.settings;
    if (state_.NetStage < 2) {
        QChar letter;
        if (message.startsWith(QLatin1String("[Game]="))) Edit4->setText(message.mid(7, 16));
        else if (message.startsWith(QLatin1String("[Navy]="))) {
            if (!LetterOf(message, QStringLiteral("EU"), letter)) return Refused(message);
            s.HomeNavy = letter;
            Edit5->setText(letter == QLatin1Char('E') ? QStringLiteral("Royal Navy") : QStringLiteral("US Navy"));
        } else if (message.startsWith(kName)) Edit3->setText(message.mid(7, 16));
        else if (message.startsWith(QLatin1String("[Mapz]="))) {
            // Only a built-in map can be played by both; a name of another kind is not taken.
            const QString map = message.mid(7);
            if (!IsBuiltInMap(map) || map.size() > 40 || map.contains(QLatin1Char('/')) || map.contains(QLatin1Char('\\')))
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
        } else if (message.startsWith(QLatin1String("[Stage]=")) && message.size() >= 9 && message[8] == QLatin1Char('2')) {
            state_.NetStage = 2;
            network_.BeginTable();
            CltLogLabel->setText(context_.texts.Text(104));  // the host starts the game
            Send2Server(QStringLiteral("[Stage]=2"));
        }
        return;
    }
    if (state_.NetStage == 2) {
        const QChar first = message.isEmpty() ? QChar() : message[0];
        if (first == QLatin1Char('E') || first == QLatin1Char('D') || first == QLatin1Char('1')) network_.TableLine(message);
        else if (message.startsWith(QLatin1String("[Stage]=")) && message.size() >= 9 && message[8] == QLatin1Char('3'))
            network_.TableComplete();
        return;
    }
    if (message == QLatin1String("StartGame")) StartJoinedGame();
    else if (message.startsWith(QLatin1String("[Stage]=")) && message.size() >= 9 && message[8] == QLatin1Char('2')) {
        // The host sends its table again; it replaces this one once it is all here.
        state_.NetStage = 2;
        network_.BeginTable();
    } else {
        network_.GameMessage(message, false);
    }
}

void TMPForm::StartJoinedGame() {
    if (game_.GameActive == 1 || !network_.TableReady()) return;
    game_.NetRole = 2;
    context_.platform.cursor->Set(this, CursorShape::Hidden);
    if (network_.NetGameInit(true)) hide();
    else context_.platform.cursor->Set(this, CursorShape::Arrow);
}

// --- The hand-overs the board asks for ---

void TMPForm::PlayerSleep() { network_.PlayerSleep(); }
void TMPForm::ClientSleep() { network_.ClientSleep(); }
void TMPForm::SendLastMove() { network_.SendLastMove(); }

void TMPForm::SendRepair(int repairerCode, int targetCode) { network_.SendRepair(repairerCode, targetCode); }

void TMPForm::ResendTable() {
    Platform& p = context_.platform;
    p.boxes->Show(BoxKind::Information, context_.texts.Text(141), BoxButtons::Ok);
    display_.SetCursor(CursorShape::Hidden);
    if (!network_.ResendTable()) return;
    display_.SetCursor(CursorShape::Arrow);
    p.boxes->Show(BoxKind::Information, context_.texts.Text(142), BoxButtons::Ok);
}

}  // namespace kvd
