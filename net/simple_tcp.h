#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

class QSocketNotifier;

namespace kvd {

class TSimpleTCPClient;

// The game's own TCP components: non-blocking sockets whose readiness reaches the window
// thread through socket notifiers, turned into the events of a listening server or a
// connecting client. Errors carry the game's socket error numbers and texts ("Connection
// refused" is 10061), whatever the system's own numbers are.
class TCustomSimpleSocket : public QObject {
  public:
    using ErrorEvent =
        std::function<void(QObject* sender, int socket, int code, const QString& text)>;

    TCustomSimpleSocket();
    ~TCustomSimpleSocket() override;

    bool AllowChangeHostAndPortOnConnection = false;
    const QString& Host() const { return host_; }
    quint16 Port() const { return port_; }
    int SocketHandle() const { return socket_; }
    ErrorEvent OnError;

    // The most bytes one read event hands over; what is left raises the next one.
    static constexpr int kLongestRead = 16 * 1024;
    // The most bytes a connection may hold unsent: a peer that takes no more is taken for gone.
    static constexpr int kMostUnsent = 1024 * 1024;

    // Sends the bytes, in order behind any not yet sent: what the system does not take at once
    // waits on the connection and goes out as the socket takes more. Returns `length` (every
    // byte sent or waiting), 0 for nothing to send or no socket, -1 when the connection failed
    // or would hold more than kMostUnsent unsent (reported through OnError; the connection ends).
    int SendBuffer(int socket, const char* data, int length);
    // The bytes of a connection not yet taken by the system.
    int Unsent(int socket) const;

    // The text of a socket error number; "Not a WinSock error ?" for any other number.
    static QString ErrorText(int code);
    // The game's socket error number for a system error number.
    static int ErrorCode(int systemError);

  protected:
    enum Watch { kRead = 1, kWrite = 2 };
    void WatchSocket(int socket, int what);
    void UnwatchSocket(int socket);
    // Watches a socket for room to send, or stops that (its read watch stays as it is).
    void WatchWrite(int socket, bool on);
    // A socket is readable: bytes, a connection to accept, or the peer's close.
    void Readable(int socket);
    // Reads up to kLongestRead pending bytes into one read event (or tells a data-available
    // handler of them).
    void ReadPending(int socket, int pending, TSimpleTCPClient* client);
    // Sends what waits on a connection, as much as the system takes; watches for room while
    // some is left.
    void Flush(int socket);
    // Forgets a connection's unsent bytes, as its socket closes.
    void DropUnsent(int socket) { unsent_.erase(socket); }
    // Closes a socket at once, dropping what is unsent (linger 0).
    static void CloseSocket(int socket, bool reset);

    virtual void DoError(int socket, int code);
    virtual void DoAccept() {}
    virtual void DoConnect() {}
    virtual void DoClose(int socket) = 0;
    virtual void DoDataAvailable(TSimpleTCPClient* client, int size, bool& handled) = 0;
    virtual void DoRead(TSimpleTCPClient* client, const QByteArray& stream) = 0;
    virtual bool IsListening(int) const { return false; }
    // The client object a socket belongs to, for the server's read events.
    virtual TSimpleTCPClient* ClientFor(int) const { return nullptr; }
    // A socket has room to send (or a connect has ended).
    virtual void Writable(int socket) { Flush(socket); }

    QString host_;
    quint16 port_ = 0;
    int socket_ = -1;
    bool destroying_ = false;

  private:
    struct Notifiers {
        std::unique_ptr<QSocketNotifier> read;
        std::unique_ptr<QSocketNotifier> write;
    };
    std::map<int, Notifiers> notifiers_;
    std::map<int, QByteArray> unsent_;
};

// A connection: made by connecting to a host, or handed over by a server that accepted it.
class TSimpleTCPClient : public TCustomSimpleSocket {
  public:
    using Notify = std::function<void(QObject* sender)>;
    using DataAvailable = std::function<void(QObject* sender, int size)>;
    using Read = std::function<void(QObject* sender, const QByteArray& stream)>;

    ~TSimpleTCPClient() override;

    bool AutoTryReconnect = false;
    bool ConnectRequested() const { return requested_; }
    bool Connected() const { return connected_; }
    // Connects (to Host and Port) or disconnects; the outcome of a connect arrives later. A
    // host name is first looked up on a worker thread; a disconnect meanwhile drops its answer,
    // and a name that does not resolve raises the error event with 10014 ("Bad address").
    void SetConnected(bool value);
    void SetHost(const QString& host);
    void SetPort(quint16 port);
    int SendBuffer(const char* data, int length) {
        return TCustomSimpleSocket::SendBuffer(socket_, data, length);
    }
    int SendBuffer(const QByteArray& bytes) {
        return SendBuffer(bytes.constData(), int(bytes.size()));
    }

    Notify OnConnected;
    Notify OnDisconnected;
    DataAvailable OnDataAvailable;
    Read OnRead;

    // A connection a server accepted: already connected over `socket`.
    void Adopt(int socket, const QString& peer, quint16 port);

    // Whether a host name is being looked up for a connect (on a worker thread).
    bool LookingUp() const { return bool(lookup_); }

  protected:
    void DoError(int socket, int code) override;
    void DoConnect() override;
    void DoClose(int socket) override;
    void DoDataAvailable(TSimpleTCPClient* client, int size, bool& handled) override;
    void DoRead(TSimpleTCPClient* client, const QByteArray& stream) override;
    void Writable(int socket) override;

  private:
    struct Lookup;
    // Connects to an IPv4 address (in network order).
    void ConnectTo(quint32 address);
    void Resolved(bool found, quint32 address);
    void CancelLookup();

    bool requested_ = false;
    bool connected_ = false;
    std::shared_ptr<Lookup> lookup_;
};

// Listens on a port and accepts connections, each a client object of its own. An error on one
// accepted connection (the peer's reset, a failed send) ends only that one: the error is
// reported, and its disconnect event follows from the event loop, so a loop over Clients() or a
// handler still holding the client is never cut short. Only a failure of the listening socket
// itself stops listening.
class TSimpleTCPServer : public TCustomSimpleSocket {
  public:
    using Accept = std::function<void(QObject* sender, TSimpleTCPClient* client, bool& accept)>;
    using ClientEvent = std::function<void(QObject* sender, TSimpleTCPClient* client)>;
    using ClientDataAvailable =
        std::function<void(QObject* sender, TSimpleTCPClient* client, int size)>;
    using ClientRead =
        std::function<void(QObject* sender, TSimpleTCPClient* client, const QByteArray& stream)>;

    ~TSimpleTCPServer() override;

    bool Listen() const { return listening_; }
    // Listens or stops; stopping closes every accepted connection without disconnect events.
    // Listening on port 0 takes a free port, which Port() tells from then on.
    void SetListen(bool value);
    void SetPort(quint16 port);
    const std::vector<std::unique_ptr<TSimpleTCPClient>>& Clients() const { return clients_; }
    // Closes one accepted connection (the disconnect event follows); nothing for one it does not
    // hold.
    void Disconnect(TSimpleTCPClient* client);
    // As TCustomSimpleSocket::SendBuffer; -1 for a connection that failed and is closing.
    int SendBuffer(TSimpleTCPClient* client, const char* data, int length) {
        if (failed_.count(client->SocketHandle())) return -1;
        return TCustomSimpleSocket::SendBuffer(client->SocketHandle(), data, length);
    }
    QString LocalHostName();
    QString LocalIP();

    Accept OnAccept;
    ClientEvent OnClientConnected;
    ClientEvent OnClientDisconnected;
    ClientDataAvailable OnClientDataAvailable;
    ClientRead OnClientRead;

  protected:
    void DoError(int socket, int code) override;
    void DoAccept() override;
    void DoClose(int socket) override;
    void DoDataAvailable(TSimpleTCPClient* client, int size, bool& handled) override;
    void DoRead(TSimpleTCPClient* client, const QByteArray& stream) override;
    bool IsListening(int socket) const override { return listening_ && socket == socket_; }
    TSimpleTCPClient* ClientFor(int socket) const override { return ClientOf(socket); }

  private:
    TSimpleTCPClient* ClientOf(int socket) const;
    bool listening_ = false;
    // Accepted connections that failed, waiting for their close.
    std::set<int> failed_;
    std::vector<std::unique_ptr<TSimpleTCPClient>> clients_;
};

// The guard messages the components refuse a change with.
class SocketRefusal : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace kvd
