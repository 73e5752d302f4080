#pragma once
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>

#include "core/program_flow.h"
#include "core/upward_call.h"
#include "net/game_announcer.h"
#include "net/lan_games.h"
#include "net/message_reader.h"
#include "net/net_state.h"
#include "net/network_session.h"
#include "net/peer_watch.h"
#include "net/rejoin_ticket.h"
#include "net/simple_tcp.h"
#include "net/status_line.h"
#include "play/end_of_game.h"
#include "play/network_board.h"

namespace kvd {

class Game;
class GameSetup;
class TurnDisplay;
struct Context;

// The multi-player window: one player hosts a game, the other joins it over TCP. It shows the
// two programs finding each other, exchanges the greeting, starts the game on both, and
// carries the messages between the sockets and the network session, which plays the game.
class TMPForm : public QWidget, public NetworkBoard {
  public:
    TMPForm(Context& context, Game& game, TurnDisplay& display, GameSetup& setup,
            QWidget* parent = nullptr);
    ~TMPForm() override;

    // Shows the window over the whole screen at its first choice.
    void ShowFullScreen();
    void FormShow();

    // The window's actions, by their controls.
    void Label8Click();   // Host
    void Label9Click();   // Join
    void Label10Click();  // Start: listen, later start the game
    void Label13Click();  // Connect (Label18 of the host's greeting does the same)
    void Label1Click();   // Cancel on the first choice: back to the menu
    void Label7Click();   // Cancel on the host panel
    void Label14Click();  // Cancel on the join panel
    void Label19Click();  // Cancel on the host's greeting
    void Label23Click();  // Rejoin the last game this program joined
    void Escape();

    // How often the programs beat and how long silence may last (tests shorten them).
    void SetPeerTimes(const PeerWatch::Times& times);
    // The game code this host gives, or the joining program was given.
    const QString& GameCode() const { return state_.GameCode; }

    // NetworkBoard
    void SendMove(Rules& rules, const Move& move) override;
    void HandedOver() override;
    void SendChat(const QString& text) override;
    void ResendTable() override;
    QString Commander(bool firstSide) const override;
    void ResetConnection() override;

    // Sending: to the host, or to every joined program, each message followed by the pause.
    bool Send2Server(const QString& text, int pauseMs = 200);
    bool Send2Client(const QString& text, int pauseMs = 200);

    // A message from the peer, as the read handlers hand them over one by one.
    void HostMessage(const QString& message);
    void JoiningMessage(const QString& message);

    const NetState& State() const { return state_; }
    // The last line a status line was given about the exchange (a refusal, a lost connection).
    const QString& LastStatus() const { return lastStatus_; }
    TSimpleTCPServer& Server() { return *server_; }
    TSimpleTCPClient& Client() { return *client_; }
    NetworkSession& Network() { return network_; }
    // Where the host announces its game and the join panel hears games on the local network.
    LanSettings& Lan() { return lan_; }
    const GameAnnouncer& Announcer() const { return announcer_; }
    const LanGames& HeardGames() const { return heard_; }

    UpwardCall<ProgramFlow> flow{"the multi-player window to the program"};

    QWidget* BackPanel = nullptr;
    QLabel* Label4 = nullptr;
    QWidget* MainPanel = nullptr;
    QWidget* StartPanel = nullptr;
    QLabel *Label8 = nullptr, *Label9 = nullptr, *Label1 = nullptr;
    QWidget* SvrPanel = nullptr;
    QLabel *Label2 = nullptr, *Label3 = nullptr, *Label15 = nullptr, *ServerPortLab = nullptr,
           *SvrLogLabel = nullptr, *Label10 = nullptr, *Label7 = nullptr;
    QLineEdit *ServerIP = nullptr, *AlliedName = nullptr, *GameName = nullptr,
              *ServerPortEdit = nullptr;
    QWidget* AxisPanel = nullptr;
    QLabel *Label6 = nullptr, *Label26 = nullptr;
    QLineEdit *AxisName = nullptr, *Edit6 = nullptr;
    QWidget* ClientPanel = nullptr;
    QLabel *Label5 = nullptr, *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr,
           *Label14 = nullptr, *CltLogLabel = nullptr, *Label23 = nullptr;
    QLineEdit *ClientIP = nullptr, *Edit1 = nullptr, *ClientPortEdit = nullptr;
    QListWidget* GameList = nullptr;  // the games heard on the local network; a click picks one
    QWidget* AlliedPanel = nullptr;
    QLabel *Label21 = nullptr, *Label17 = nullptr, *Label22 = nullptr, *Label18 = nullptr,
           *Label19 = nullptr;
    QLineEdit *Edit4 = nullptr, *Edit3 = nullptr, *Edit5 = nullptr;
    QLineEdit* outBox = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    // The panels and controls (mp_layout.cpp).
    void BuildLayout();
    void BuildStartAndHostPanels();
    void BuildJoinPanel();
    QWidget* MakePanel(QWidget* parent, int w, int h, const char* name);
    QLabel* MakeLabel(QWidget* parent, const QString& caption, int x, int y, int w,
                      bool clickable = false);
    QLineEdit* MakeEdit(QWidget* parent, int x, int y, int w, bool readOnly, int maxLength = 32767);
    void WireSockets();
    void Hover(QLabel* label);
    void HoverEnd(QWidget* panel);
    void Clicked(QLabel* label);
    void ShowPanel(QWidget* panel, bool shown);
    void Caption(QLabel* label, int message);
    // The status line with nothing to tell, and one telling a socket's error (its code and text).
    QString LogStatus() const;
    QString ErrorLine(int code, const QString& error) const;
    void ClickSound();
    // The port typed in an edit; 0, after a box saying so, when the text is no port.
    quint16 TypedPort(const QLineEdit* edit);
    void NetworkReset();
    void CentreBackPanel();
    void CloseToMenu();
    bool Busy() const;
    void ShowHeardGames();
    void PickHeardGame(QListWidgetItem* item);

    void ConnectToHost();

    // The socket events.
    void ServerClientConnected(TSimpleTCPClient* client);
    void ServerClientDisconnected(TSimpleTCPClient* client);
    void ServerClientRead(TSimpleTCPClient* client, const QByteArray& bytes);
    void ServerError(const QString& line);
    void ClientConnected();
    void ClientDisconnected();
    void ClientRead(const QByteArray& bytes);
    void ClientError(const QString& line);

    // Who sits in the joining player's seat (mp_seat.cpp). A connection is a claim until it
    // has said who it is; a claim that says nothing in time is turned away.
    bool IsClaim(const TSimpleTCPClient* client) const;
    void DropClaim(const TSimpleTCPClient* client);
    void ClaimsOverdue();
    // The first program to introduce itself before a game takes the seat and is greeted.
    void Seat(TSimpleTCPClient* client, const QString& hello);
    // The player who left proved the game's code: the seat is its again.
    void Reseat(TSimpleTCPClient* client);

    // The messages (mp_messages.cpp).
    void Greetings2Client();
    void Deliver(MessageReader& reader, TSimpleTCPClient* client);
    // A message from one of the host's connections: the player's, or one that may be it.
    void HostMessageFrom(TSimpleTCPClient* client, const QString& message);
    void StartJoinedGame();
    // Why a host turns a connection away, as "[Busy]=" carries it.
    enum TurnedAway { kGameFull = 1, kNotThePlayer = 2, kSaidNothing = 3, kOtherGame = 4 };
    // A connection the host does not play with: told why ("[Busy]=" and a reason digit), then
    // closed once the words are on their way.
    void TurnAway(TSimpleTCPClient* client, int reason);
    // The joining program hears why the host turned it away.
    void HeardBusy(const QString& reason);
    // Rejoin found the host playing another game: it is not joined, and the ticket is dropped.
    void RejoinRefused();
    // The joining player has come back with the game's code: the game and whose turn it is.
    void Rejoined();
    // The host's "[Resume]=": the joining program takes the game up again.
    void ResumeJoinedGame(const QString& message);
    // The rejoin offer of the join panel, from the ticket kept.
    void OfferRejoin();
    // The status line of the panel in use.
    StatusLine& PanelStatus();
    void Refused(const QString& message);
    // The connection is closed for a reason the player is told with it.
    void CloseFor(const QString& reason);
    // The connection has closed: said once, with its reason, when the socket has told it.
    void LostSoon();
    void ConnectionLost();
    // A line of the other commander's: in the report line during a game, the panel's before.
    void ShowChat(const QString& message);
    // A status line: the board's report line during a game, the panel's own line before.
    void Status(const QString& text);

    Context& context_;
    Game& game_;
    TurnDisplay& display_;
    GameSetup& setup_;
    NetState state_;
    NetworkSession network_;
    std::unique_ptr<TSimpleTCPServer> server_;
    std::unique_ptr<TSimpleTCPClient> client_;
    std::map<TSimpleTCPClient*, MessageReader> serverReaders_;
    // The host's one joining program, and the connections that have not yet said who they are.
    static constexpr int kMostClaims = 8;
    struct Claim {
        TSimpleTCPClient* client;
        QElapsedTimer opened;
    };
    TSimpleTCPClient* player_ = nullptr;
    std::vector<Claim> claims_;
    QTimer claimTimer_;
    PeerWatch::Times peerTimes_;
    // Why the connection is closing, for the line that says it was lost.
    QString closeReason_;
    bool lostPending_ = false;
    bool linked_ = false;  // the joining program's connection was open
    PeerWatch hostWatch_, clientWatch_;
    std::unique_ptr<StatusLine> svrStatus_, cltStatus_;
    bool rejoining_ = false;
    MessageReader clientReader_;
    QString lastStatus_;
    std::vector<QLabel*> clickable_;
    LanSettings lan_;
    GameAnnouncer announcer_;
    LanGames heard_;
};

}  // namespace kvd
