#include "net/simple_tcp.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QPointer>
#include <QTimer>
#include <cerrno>

#include "net/socket_calls.h"

namespace kvd {

using namespace socket_calls;

TSimpleTCPServer::~TSimpleTCPServer() {
    destroying_ = true;
    SetListen(false);
}

TSimpleTCPClient* TSimpleTCPServer::ClientOf(int socket) const {
    for (const auto& client : clients_)
        if (client->SocketHandle() == socket) return client.get();
    return nullptr;
}

void TSimpleTCPServer::SetListen(bool value) {
    if (value == listening_) return;
    if (value) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
        if (fd < 0) {
            DoError(-1, ErrorCode(errno));
            return;
        }
        // Hosting again on the port of a game just ended must not wait for the old one to drain.
        const int on = 1;
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_ANY);
        address.sin_port = htons(port_);
        if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 ||
            ::listen(fd, 5) < 0) {
            const int code = ErrorCode(errno);
            ::close(fd);
            DoError(fd, code);
            return;
        }
        socklen_t size = sizeof address;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            port_ = ntohs(address.sin_port);
        socket_ = fd;
        listening_ = true;
        WatchSocket(fd, kRead);
        return;
    }
    while (!clients_.empty()) {
        std::unique_ptr<TSimpleTCPClient> client = std::move(clients_.back());
        clients_.pop_back();
        UnwatchSocket(client->SocketHandle());
        DropUnsent(client->SocketHandle());
        client->SetConnected(false);
    }
    failed_.clear();
    UnwatchSocket(socket_);
    CloseSocket(socket_, false);
    socket_ = -1;
    listening_ = false;
}

void TSimpleTCPServer::SetPort(quint16 port) {
    if (port == port_) return;
    if (!listening_) {
        port_ = port;
        return;
    }
    if (!AllowChangeHostAndPortOnConnection)
        throw SocketRefusal("Can not change Port while listening");
    SetListen(false);
    port_ = port;
    SetListen(true);
}

QString TSimpleTCPServer::LocalHostName() {
    char name[260] = {};
    if (gethostname(name, sizeof name - 1) < 0) {
        DoError(socket_, ErrorCode(errno));
        return {};
    }
    return QString::fromLocal8Bit(name);
}

QString TSimpleTCPServer::LocalIP() {
    // The address the other player types: the host name's, unless that is only this machine's
    // loopback, then the first network interface's that is up.
    QString address;
    const QString name = LocalHostName();
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (!name.isEmpty() && getaddrinfo(name.toUtf8().constData(), nullptr, &hints, &found) == 0 &&
        found) {
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr, text,
                  sizeof text);
        freeaddrinfo(found);
        address = QString::fromLatin1(text);
    }
    if (!address.isEmpty() && !address.startsWith(QLatin1String("127."))) return address;
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0) return address;
    for (ifaddrs* i = interfaces; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET || !(i->ifa_flags & IFF_UP) ||
            (i->ifa_flags & IFF_LOOPBACK))
            continue;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(i->ifa_addr)->sin_addr, text,
                  sizeof text);
        address = QString::fromLatin1(text);
        break;
    }
    freeifaddrs(interfaces);
    return address;
}

void TSimpleTCPServer::DoError(int socket, int code) {
    TSimpleTCPClient* client = ClientOf(socket);
    if (!client) {  // the listening socket itself
        SetListen(false);
        TCustomSimpleSocket::DoError(socket, code);
        return;
    }
    // One accepted connection failed: it alone ends, once the event loop comes round again.
    if (!failed_.insert(socket).second) return;
    UnwatchSocket(socket);
    DropUnsent(socket);
    TCustomSimpleSocket::DoError(socket, code);
    QTimer::singleShot(0, this, [this, socket, gone = QPointer<TSimpleTCPClient>(client)] {
        if (gone && failed_.count(socket)) DoClose(socket);
    });
}

void TSimpleTCPServer::DoAccept() {
    sockaddr_in peer{};
    socklen_t size = sizeof peer;
    const int fd =
        accept4(socket_, reinterpret_cast<sockaddr*>(&peer), &size, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        // A connection given up before it was taken is no failure of the listener.
        if (!WouldBlock(errno) && errno != ECONNABORTED && errno != EPROTO)
            DoError(socket_, ErrorCode(errno));
        return;
    }
    NoDelay(fd);
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text);
    auto client = std::make_unique<TSimpleTCPClient>();
    client->Adopt(fd, QString::fromLatin1(text), port_);
    bool accept = true;
    if (OnAccept) OnAccept(this, client.get(), accept);
    if (!accept) return;  // the client object closes the connection as it goes
    TSimpleTCPClient* accepted = client.get();
    clients_.push_back(std::move(client));
    // The accepted connection reports to the server, as the listening socket does.
    WatchSocket(fd, kRead);
    if (OnClientConnected) OnClientConnected(this, accepted);
}

void TSimpleTCPServer::Disconnect(TSimpleTCPClient* client) {
    for (const auto& held : clients_)
        if (held.get() == client) {
            DoClose(client->SocketHandle());  // the client object closes its socket as it goes
            return;
        }
}

void TSimpleTCPServer::DoClose(int socket) {
    for (auto it = clients_.begin(); it != clients_.end(); ++it) {
        if ((*it)->SocketHandle() != socket) continue;
        std::unique_ptr<TSimpleTCPClient> client = std::move(*it);
        clients_.erase(it);
        UnwatchSocket(socket);
        DropUnsent(socket);
        failed_.erase(socket);
        if (OnClientDisconnected && !destroying_) OnClientDisconnected(this, client.get());
        return;
    }
}

void TSimpleTCPServer::DoDataAvailable(TSimpleTCPClient* client, int size, bool& handled) {
    handled = bool(OnClientDataAvailable);
    if (handled) OnClientDataAvailable(this, client, size);
}

void TSimpleTCPServer::DoRead(TSimpleTCPClient* client, const QByteArray& stream) {
    if (OnClientRead) OnClientRead(this, client, stream);
}

}  // namespace kvd
