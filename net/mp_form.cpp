#include "net/mp_form.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <map>

#include "core/context.h"
#include "core/fleet_file.h"
#include "core/game.h"
#include "core/game_setup.h"
#include "core/game_sound.h"
#include "core/text_ids.h"
#include "platform/desktop/window_style.h"
#include "platform/platform.h"

namespace kvd {

namespace {

QString Framed(int before, const QString& text, int after) {
    return QString(before, QLatin1Char(' ')) + text + QString(after, QLatin1Char(' '));
}

}  // namespace

TMPForm::TMPForm(Context& context, Game& game, TurnDisplay& display, GameSetup& setup,
                 QWidget* parent)
    : QWidget(parent),
      context_(context),
      game_(game),
      display_(display),
      setup_(setup),
      network_(game, context, display, setup, state_),
      server_(std::make_unique<TSimpleTCPServer>()),
      client_(std::make_unique<TSimpleTCPClient>()) {
    setWindowTitle(QStringLiteral("MultiPlayer..."));
    StyleFullScreenWindow(*this);
    BuildLayout();
    WireSockets();
    network_.send = [this](const QString& message, int pauseMs) {
        return game_.NetRole == net_role::kHosting ? Send2Client(message, pauseMs)
                                                   : Send2Server(message, pauseMs);
    };
    network_.status = [this](const QString& text) { Status(text); };
    svrStatus_ = std::make_unique<StatusLine>(SvrLogLabel);
    cltStatus_ = std::make_unique<StatusLine>(CltLogLabel);
    // A game nothing can announce can still be joined by the address the panel shows.
    announcer_.OnCarriedChange = [this](bool carried) {
        if (!carried) svrStatus_->Say(context_.texts.Text(text::kNotAnnounced));
    };
    hostWatch_.beat = [this] { Send2Client(QStringLiteral("[Beat]"), 0); };
    clientWatch_.beat = [this] { Send2Server(QStringLiteral("[Beat]"), 0); };
    // Silent too long: the connection is closed like any other, and the line says why.
    hostWatch_.gone = clientWatch_.gone = [this] {
        CloseFor(context_.texts.TextOr(
            text::kPeerSilent,
            QStringLiteral(
                "The other program has been silent too long - the connection is closed. ")));
    };
    connect(&claimTimer_, &QTimer::timeout, this, [this] { ClaimsOverdue(); });
}

void TMPForm::SetPeerTimes(const PeerWatch::Times& times) {
    peerTimes_ = times;
    hostWatch_.SetTimes(times);
    clientWatch_.SetTimes(times);
}

StatusLine& TMPForm::PanelStatus() {
    return game_.NetRole == net_role::kJoining ? *cltStatus_ : *svrStatus_;
}

TMPForm::~TMPForm() = default;

void TMPForm::WireSockets() {
    server_->SetPort(1234);
    client_->SetHost(QStringLiteral("127.0.0.1"));
    client_->SetPort(1234);
    server_->OnClientConnected = [this](QObject*, TSimpleTCPClient* c) {
        ServerClientConnected(c);
    };
    server_->OnClientDisconnected = [this](QObject*, TSimpleTCPClient* c) {
        ServerClientDisconnected(c);
    };
    server_->OnClientRead = [this](QObject*, TSimpleTCPClient* c, const QByteArray& b) {
        ServerClientRead(c, b);
    };
    server_->OnError = [this](QObject*, int, int code, const QString& text) {
        ServerError(ErrorLine(code, text));
    };
    client_->OnConnected = [this](QObject*) { ClientConnected(); };
    client_->OnDisconnected = [this](QObject*) { ClientDisconnected(); };
    client_->OnRead = [this](QObject*, const QByteArray& b) { ClientRead(b); };
    client_->OnError = [this](QObject*, int, int code, const QString& text) {
        ClientError(ErrorLine(code, text));
    };
    heard_.OnChange = [this] { ShowHeardGames(); };
}

// --- Showing and the first choice ---

void TMPForm::ShowFullScreen() {
    const Screen& screen = *context_.platform.screen;
    setGeometry(0, 0, screen.Width(), screen.Height());
    // A status line with nothing to tell speaks the language chosen since it was last set.
    if (!server_->Listen()) svrStatus_->Set(LogStatus());
    if (!client_->Connected() && !client_->ConnectRequested()) cltStatus_->Set(LogStatus());
    FormShow();
    showFullScreen();
    TakeKeyboard(*this);
    context_.platform.cursor->Set(this, CursorShape::Arrow);
}

void TMPForm::FormShow() {
    ShowPanel(MainPanel, true);
    ShowPanel(BackPanel, true);
    ShowPanel(AlliedPanel, false);
    ShowPanel(AxisPanel, false);
    Caption(Label4, 12);
    Caption(Label1, 14);
    Caption(Label9, 94);
    Caption(Label8, 95);
    Label10->show();
    Label13->hide();
    for (QLabel* l : clickable_) l->setStyleSheet(TextColourSheet(MenuTextColour()));
    CentreBackPanel();
    StartPanel->move(18, 170);
    // The first choice again, also after a cancel on the host or join panel had put it away.
    ShowPanel(StartPanel, true);
    ShowPanel(ClientPanel, false);
    ShowPanel(SvrPanel, false);
    heard_.Stop();
    network_.ClearSeat();
}

void TMPForm::CentreBackPanel() {
    const Screen& screen = *context_.platform.screen;
    BackPanel->move((screen.Width() - 640) / 2, (screen.Height() - 484) / 2);
}

void TMPForm::ShowPanel(QWidget* panel, bool shown) {
    // A panel is put away off the window, as the window's layout has always done it.
    if (!shown) panel->move(-999, panel->y());
    panel->setVisible(shown);
}

void TMPForm::Caption(QLabel* label, int message) {
    const QString text = context_.texts.Text(message);
    if (!text.isEmpty()) label->setText(text);
}

QString TMPForm::LogStatus() const {
    return context_.texts.TextOr(text::kLogStatus, QStringLiteral("Log Status"));
}

QString TMPForm::ErrorLine(int code, const QString& error) const {
    // The errors a player meets when the other program is not there or the address is wrong,
    // in the game's language; any other keeps the socket's own words.
    static const std::map<int, int> kErrorTexts = {{10061, 212}, {10060, 213}, {10065, 214},
                                                   {10051, 215}, {10048, 216}, {11001, 217},
                                                   {10054, 218}, {10013, 219}};
    const auto known = kErrorTexts.find(code);
    const QString words =
        known == kErrorTexts.end() ? error : context_.texts.TextOr(known->second, error);
    return context_.texts.TextOr(text::kErrorPrefix, QStringLiteral("ERROR: ")) + words;
}

void TMPForm::ClickSound() {
    PlaySound(context_.platform, context_.settings, QStringLiteral("Click"), false);
}

quint16 TMPForm::TypedPort(const QLineEdit* edit) {
    bool ok = false;
    const uint port = edit->text().trimmed().toUInt(&ok);
    if (ok && port >= 1 && port <= 65535) return quint16(port);
    context_.platform.boxes->Show(
        BoxKind::Error,
        Framed(3,
               context_.texts.TextOr(text::kBadPort,
                                     QStringLiteral("The port must be a number from 1 to 65535.")),
               2),
        BoxButtons::Ok);
    return 0;
}

bool TMPForm::Busy() const {
    return context_.guard.Running();
}

void TMPForm::Label8Click() {
    Settings& s = context_.settings;
    Platform& p = context_.platform;
    network_.TakeSeat(net_role::kNone);
    ShowPanel(ClientPanel, false);
    ShowPanel(StartPanel, false);
    ShowPanel(SvrPanel, true);
    SvrPanel->setGeometry(8, 8, MainPanel->width() - 18, MainPanel->height() - 18);
    ServerIP->setText(server_->LocalIP());
    ShowPanel(AxisPanel, false);
    Label10->show();
    Label10->setStyleSheet(TextColourSheet(MenuTextColour()));
    Caption(Label2, 96);
    Caption(Label3, 116);
    Caption(Label10, 99);
    Caption(Label7, 14);
    Caption(Label6, 117);
    Caption(Label15, 118);
    Caption(Label26, 97);
    Caption(ServerPortLab, text::kPort);

    // A hosted game is led by the Allies.
    if (s.HomeNavy == QLatin1Char('D') || s.HomeNavy == QLatin1Char('J')) {
        p.boxes->Show(BoxKind::Warning,
                      Framed(2, context_.texts.Text(text::kHostLeadsTheAllies), 3), BoxButtons::Ok);
        s.HomeNavy = QLatin1Char('E');
        context_.settingsLines.SetChar(settings_line::kHomeNavy, QLatin1Char('E'));
    }

    QString error;
    switch (network_.LoadHostsFleet(&error)) {
        case FleetLoad::Ok:
            break;
        case FleetLoad::CopyFailed:
            p.boxes->Show(BoxKind::Error, kShipsFileFailure, BoxButtons::Ok);
            flow->EndProgram();
            return;
        case FleetLoad::Missing:
        case FleetLoad::Malformed:
            p.boxes->Show(BoxKind::Error, Framed(3, error, 2), BoxButtons::Ok);
            NetworkReset();
            FormShow();
            return;
    }
    if (!setup_.LoadNetworkMap(&error)) {
        p.boxes->Show(BoxKind::Error, Framed(3, error, 2), BoxButtons::Ok);
        NetworkReset();
        FormShow();
        return;
    }
    network_.TakeSeat(net_role::kHosting);
}

void TMPForm::Label10Click() {
    outBox->setFocus();
    ClickSound();
    if (state_.NetStage < 3) {
        if (GameName->text().isEmpty() || AlliedName->text().isEmpty()) {
            context_.platform.boxes->Show(
                BoxKind::Error, Framed(3, context_.texts.Text(text::kGameAndPlayerNameMissing), 2),
                BoxButtons::Ok);
            return;
        }
        const quint16 port = TypedPort(ServerPortEdit);
        if (port == 0) return;
        network_.TakeSeat(net_role::kHosting);
        Label10->hide();
        try {
            server_->SetPort(port);
        } catch (const SocketRefusal& refusal) {
            svrStatus_->Say(ErrorLine(0, QString::fromLatin1(refusal.what())));
        }
        svrStatus_->Set(context_.texts.Text(text::kWaitingForOpponent));
        // The player is given the game's code once it is seated, and nobody else.
        state_.GameCode.clear();
        server_->SetListen(true);
        // The port was taken or refused: Start is offered again.
        if (!server_->Listen()) Label10->show();
        // Joining programs on the local network hear of the game until it starts.
        else
            announcer_.Start(lan_, {GameName->text(), AlliedName->text(),
                                    context_.settings.HomeNavy, server_->Port()});
        return;
    }
    announcer_.Stop();
    network_.TakeSeat(net_role::kHosting);
    context_.platform.cursor->Set(this, CursorShape::Hidden);
    Label10->hide();
    svrStatus_->Set(context_.texts.Text(text::kGameStarting));
    if (network_.NetGameInit(false))
        hide();
    else
        context_.platform.cursor->Set(this, CursorShape::Arrow);
}

void TMPForm::Label9Click() {
    ShowPanel(SvrPanel, false);
    ShowPanel(StartPanel, false);
    ShowPanel(AlliedPanel, false);
    ShowPanel(ClientPanel, true);
    ClientPanel->setGeometry(8, 8, MainPanel->width() - 18, MainPanel->height() - 18);
    Label13->show();
    Caption(Label5, 96);
    Caption(Label11, 117);
    Caption(Label13, 101);
    Caption(Label14, 14);
    Caption(Label21, 118);
    Caption(Label17, 116);
    Caption(Label22, 98);
    Caption(Label12, text::kPort);
    Caption(Label18, 94);
    Caption(Label19, 14);
    network_.TakeSeat(net_role::kJoining);
    network_.AwaitHostsTable();
    // The games on the local network are heard while the join panel is open.
    heard_.Start(lan_);
    ShowHeardGames();
    OfferRejoin();
}

void TMPForm::Label13Click() {
    rejoining_ = false;
    ConnectToHost();
}

void TMPForm::ConnectToHost() {
    if (ClientIP->text().isEmpty() || Edit1->text().isEmpty()) {
        context_.platform.boxes->Show(
            BoxKind::Error, Framed(3, context_.texts.Text(text::kAddressAndNameMissing), 2),
            BoxButtons::Ok);
        return;
    }
    const quint16 port = TypedPort(ClientPortEdit);
    if (port == 0) {
        rejoining_ = false;
        return;
    }
    linked_ = false;
    closeReason_.clear();
    // A new connection is greeted afresh, whatever the last one had come to.
    state_.NetStage = 0;
    network_.TakeSeat(net_role::kJoining);
    Label13->hide();
    Label23->hide();
    outBox->setFocus();
    client_->SetConnected(false);
    client_->SetHost(ClientIP->text().trimmed());
    client_->SetPort(port);
    clientReader_.Clear();
    client_->SetConnected(true);
}

// --- Cancels and Esc ---

void TMPForm::NetworkReset() {
    // The shorter reset after a game, and the first choice's state of the labels.
    ResetConnection();
    svrStatus_->Set(LogStatus());
    Label10->setStyleSheet(TextColourSheet(MenuTextColour()));
}

void TMPForm::CloseToMenu() {
    hide();
    flow->BackToMenu();
}

void TMPForm::Label1Click() {
    ClickSound();
    if (game_.NetRole == net_role::kHosting) setup_.DropPictures();
    network_.Abandon();
    NetworkReset();
    CloseToMenu();
}

void TMPForm::Label7Click() {
    ClickSound();
    NetworkReset();
    FormShow();
}

void TMPForm::Label14Click() {
    ClickSound();
    cltStatus_->Set(LogStatus());
    Label13->show();
    Label13->setStyleSheet(TextColourSheet(MenuTextColour()));
    NetworkReset();
    FormShow();
}

void TMPForm::Label19Click() {
    ClickSound();
    client_->SetConnected(false);
    clientReader_.Clear();
    ShowPanel(AlliedPanel, false);
    // Without the greeting there is nothing to join: connecting is offered again.
    Label13->show();
    OfferRejoin();
}

void TMPForm::Escape() {
    // The connection stays open: the player may come back to it.
    network_.StepAway();
    svrStatus_->Set(LogStatus());
    CloseToMenu();
}

void TMPForm::ResetConnection() {
    // A decided game leaves nothing to rejoin; one left on the way may be taken up again.
    if (game_.NetRole == net_role::kJoining && game_.Gamestage >= stage::kEnded)
        RejoinTicket::Forget(*context_.platform.files);
    state_ = NetState();
    hostWatch_.Stop();
    clientWatch_.Stop();
    player_ = nullptr;
    claims_.clear();
    claimTimer_.stop();
    rejoining_ = false;
    closeReason_.clear();
    network_.BeginTable();
    announcer_.Stop();
    heard_.Stop();
    server_->SetListen(false);
    client_->SetConnected(false);
    serverReaders_.clear();
    clientReader_.Clear();
    for (QLineEdit* e :
         {ServerIP, GameName, AlliedName, AxisName, Edit6, Edit1, Edit4, Edit3, Edit5, ClientIP})
        e->clear();
    Label10->show();
    CentreBackPanel();
    StartPanel->move(18, 170);
    network_.LeaveNetworkGame();
}

QString TMPForm::Commander(bool firstSide) const {
    if (game_.NetRole == net_role::kJoining) return firstSide ? Edit3->text() : Edit1->text();
    return firstSide ? AlliedName->text() : AxisName->text();
}

// --- Input ---

void TMPForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !Busy())
        Escape();
    else
        QWidget::keyPressEvent(event);
}

void TMPForm::hideEvent(QHideEvent* event) {
    heard_.Stop();
    QWidget::hideEvent(event);
}

void TMPForm::Hover(QLabel* label) {
    for (QLabel* other : clickable_)
        if (other != label && other->parentWidget() == label->parentWidget())
            other->setStyleSheet(TextColourSheet(MenuTextColour()));
    label->setStyleSheet(TextColourSheet(MenuHoverColour()));
    ClickSound();
}

void TMPForm::HoverEnd(QWidget* panel) {
    for (QLabel* label : clickable_)
        if (label->parentWidget() == panel) label->setStyleSheet(TextColourSheet(MenuTextColour()));
}

void TMPForm::Clicked(QLabel* label) {
    if (Busy()) return;
    if (label == Label8)
        Label8Click();
    else if (label == Label9)
        Label9Click();
    else if (label == Label1)
        Label1Click();
    else if (label == Label10)
        Label10Click();
    else if (label == Label7)
        Label7Click();
    else if (label == Label13 || (label == Label18 && !linked_))
        Label13Click();  // the greeting's Join connects as Connect does, unless it is linked
    else if (label == Label14)
        Label14Click();
    else if (label == Label19)
        Label19Click();
    else if (label == Label23)
        Label23Click();
}

bool TMPForm::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    const bool clickable =
        label && std::find(clickable_.begin(), clickable_.end(), label) != clickable_.end();
    if (clickable && event->type() == QEvent::Enter) Hover(label);
    if (clickable && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Clicked(label);
        return true;
    }
    if (!label && event->type() == QEvent::MouseMove) HoverEnd(static_cast<QWidget*>(watched));
    return QWidget::eventFilter(watched, event);
}

}  // namespace kvd
