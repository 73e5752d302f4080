#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <stdexcept>
#include <memory>
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
    using ErrorEvent = std::function<void(QObject* sender, int socket, int code, const QString& text)>;

    TCustomSimpleSocket();
    ~TCustomSimpleSocket() override;

    bool AllowChangeHostAndPortOnConnection = false;
    const QString& Host() const { return host_; }
    quint16 Port() const { return port_; }
    int SocketHandle() const { return socket_; }
    ErrorEvent OnError;

    // Sends the bytes in one call; returns what the system took, 0 for nothing to send or no
    // socket, -1 on failure (reported through OnError).
    int SendBuffer(int socket, const char* data, int length);

    // The text of a socket error number; "Not a WinSock error ?" for any other number.
    static QString ErrorText(int code);
    // The game's socket error number for a system error number.
    static int ErrorCode(int systemError);

protected:
    enum Watch { kRead = 1, kWrite = 2 };
    void WatchSocket(int socket, int what);
    void UnwatchSocket(int socket);
    // A socket is readable: bytes, a connection to accept, or the peer's close.
    void Readable(int socket);
    // Reads every pending byte into one read event (or hands them to a data-available handler).
    void ReadPending(int socket, TSimpleTCPClient* client);
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
    virtual void Writable(int) {}

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
    // Connects (to Host and Port) or disconnects; the outcome of a connect arrives later.
    void SetConnected(bool value);
    void SetHost(const QString& host);
    void SetPort(quint16 port);
    int SendBuffer(const char* data, int length) { return TCustomSimpleSocket::SendBuffer(socket_, data, length); }
    int SendBuffer(const QByteArray& bytes) { return SendBuffer(bytes.constData(), int(bytes.size())); }

    Notify OnConnected;
    Notify OnDisconnected;
    DataAvailable OnDataAvailable;
    Read OnRead;

    // A connection a server accepted: already connected over `socket`.
    void Adopt(int socket, const QString& peer, quint16 port);

protected:
    void DoError(int socket, int code) override;
    void DoConnect() override;
    void DoClose(int socket) override;
    void DoDataAvailable(TSimpleTCPClient* client, int size, bool& handled) override;
    void DoRead(TSimpleTCPClient* client, const QByteArray& stream) override;
    void Writable(int socket) override;

private:
    bool requested_ = false;
    bool connected_ = false;
};

// Listens on a port and accepts connections, each a client object of its own.
class TSimpleTCPServer : public TCustomSimpleSocket {
public:
    using Accept = std::function<void(QObject* sender, TSimpleTCPClient* client, bool& accept)>;
    using ClientEvent = std::function<void(QObject* sender, TSimpleTCPClient* client)>;
    using ClientDataAvailable = std::function<void(QObject* sender, TSimpleTCPClient* client, int size)>;
    using ClientRead = std::function<void(QObject* sender, TSimpleTCPClient* client, const QByteArray& stream)>;

    ~TSimpleTCPServer() override;

    bool Listen() const { return listening_; }
    void SetListen(bool value);
    void SetPort(quint16 port);
    const std::vector<std::unique_ptr<TSimpleTCPClient>>& Clients() const { return clients_; }
    // Closes one accepted connection (the disconnect event follows); nothing for one it does not hold.
    void Disconnect(TSimpleTCPClient* client);
    int SendBuffer(TSimpleTCPClient* client, const char* data, int length) {
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
    std::vector<std::unique_ptr<TSimpleTCPClient>> clients_;
};

// The guard messages the components refuse a change with.
class SocketRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kvd
