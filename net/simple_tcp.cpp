#include "net/simple_tcp.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QThreadPool>
#include <QTimer>
#include <QtDebug>
#include <algorithm>
#include <cerrno>

namespace kvd {

namespace {

constexpr int kBadAddress = 10014;
constexpr int kNoBufferSpace = 10055;

// A non-blocking call that found nothing to do now: no error.
bool WouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

void NoDelay(int socket) {
    const int on = 1;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

}  // namespace

QString TCustomSimpleSocket::ErrorText(int code) {
    static const std::map<int, const char*> texts = {
        {10004, "Interrupted system call"},
        {10009, "Bad file number"},
        {10013, "Permission denied"},
        {10014, "Bad address"},
        {10022, "Invalid argument"},
        {10024, "Too many open files"},
        {10035, "Operation would block"},
        {10036, "Operation now in progress"},
        {10037, "Operation already in progress"},
        {10038, "Socket operation on non-socket"},
        {10039, "Destination address required"},
        {10040, "Message too long"},
        {10041, "Protocol wrong type for socket"},
        {10042, "Protocol not available"},
        {10043, "Protocol not supported"},
        {10044, "Socket type not supported"},
        {10045, "Operation not supported on socket"},
        {10046, "Protocol family not supported"},
        {10047, "Address family not supported by protocol family"},
        {10048, "Address already in use"},
        {10049, "Can't assign requested address"},
        {10050, "Network is down"},
        {10051, "Network is unreachable"},
        {10052, "Network dropped connection on reset"},
        {10053, "Software caused connection abort"},
        {10054, "Connection reset by peer"},
        {10055, "No buffer space available"},
        {10056, "Socket is already connected"},
        {10057, "Socket is not connected"},
        {10058, "Can't send after socket shutdown"},
        {10059, "Too many references: can't splice"},
        {10060, "Connection timed out"},
        {10061, "Connection refused"},
        {10062, "Too many levels of symbolic links"},
        {10063, "File name too long"},
        {10064, "Host is down"},
        {10065, "No route to host"},
        {10066, "Directory not empty"},
        {10067, "Too many processes"},
        {10068, "Too many users"},
        {10069, "Disk quota exceeded"},
        {10070, "Stale NFS file handle"},
        {10071, "Too many levels of remote in path"},
        {10091, "Network sub-system is unusable"},
        {10092, "WinSock DLL cannot support this application"},
        {10093, "WinSock not initialized"},
        {11001, "Host not found"},
        {11002, "Non-authoritative host not found"},
        {11003, "Non-recoverable error"},
        {11004, "No Data"}};
    const auto it = texts.find(code);
    return it == texts.end() ? QStringLiteral("Not a WinSock error ?")
                             : QString::fromLatin1(it->second);
}

int TCustomSimpleSocket::ErrorCode(int e) {
    // The system's numbers to the game's, by meaning; every text the player sees is one of
    // the game's own.
    static const std::map<int, int> codes = {
        {EINTR, 10004},        {EBADF, 10009},           {EACCES, 10013},
        {EPERM, 10013},        {EFAULT, 10014},          {EINVAL, 10022},
        {EMFILE, 10024},       {ENFILE, 10024},          {EWOULDBLOCK, 10035},
        {EINPROGRESS, 10036},  {EALREADY, 10037},        {ENOTSOCK, 10038},
        {EDESTADDRREQ, 10039}, {EMSGSIZE, 10040},        {EPROTOTYPE, 10041},
        {ENOPROTOOPT, 10042},  {EPROTONOSUPPORT, 10043}, {ESOCKTNOSUPPORT, 10044},
        {EOPNOTSUPP, 10045},   {EPFNOSUPPORT, 10046},    {EAFNOSUPPORT, 10047},
        {EADDRINUSE, 10048},   {EADDRNOTAVAIL, 10049},   {ENETDOWN, 10050},
        {ENETUNREACH, 10051},  {ENETRESET, 10052},       {ECONNABORTED, 10053},
        {ECONNRESET, 10054},   {EPIPE, 10054},           {ENOBUFS, 10055},
        {ENOMEM, 10055},       {EISCONN, 10056},         {ENOTCONN, 10057},
        {ESHUTDOWN, 10058},    {ETIMEDOUT, 10060},       {ECONNREFUSED, 10061},
        {ELOOP, 10062},        {ENAMETOOLONG, 10063},    {EHOSTDOWN, 10064},
        {EHOSTUNREACH, 10065}, {EDQUOT, 10069},          {ESTALE, 10070}};
    const auto it = codes.find(e);
    return it == codes.end() ? e : it->second;
}

TCustomSimpleSocket::TCustomSimpleSocket() = default;
TCustomSimpleSocket::~TCustomSimpleSocket() = default;

void TCustomSimpleSocket::WatchSocket(int socket, int what) {
    Notifiers& n = notifiers_[socket];
    if ((what & kRead) && !n.read) {
        n.read = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
        connect(n.read.get(), &QSocketNotifier::activated, this,
                [this, socket] { Readable(socket); });
    }
    if ((what & kWrite) && !n.write) {
        n.write = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Write);
        connect(n.write.get(), &QSocketNotifier::activated, this,
                [this, socket] { Writable(socket); });
    }
    if (what & kWrite) n.write->setEnabled(true);
}

void TCustomSimpleSocket::WatchWrite(int socket, bool on) {
    if (on) {
        WatchSocket(socket, kWrite);
        return;
    }
    const auto it = notifiers_.find(socket);
    if (it != notifiers_.end() && it->second.write) it->second.write->setEnabled(false);
}

void TCustomSimpleSocket::UnwatchSocket(int socket) {
    const auto it = notifiers_.find(socket);
    if (it == notifiers_.end()) return;
    // A notifier may be the one whose signal is being handled: it goes once that is done.
    for (std::unique_ptr<QSocketNotifier>* n : {&it->second.read, &it->second.write}) {
        if (!*n) continue;
        (*n)->setEnabled(false);
        (*n)->disconnect();
        n->release()->deleteLater();
    }
    notifiers_.erase(it);
}

void TCustomSimpleSocket::CloseSocket(int socket, bool reset) {
    shutdown(socket, SHUT_RDWR);
    if (reset) {
        const linger now{1, 0};
        setsockopt(socket, SOL_SOCKET, SO_LINGER, &now, sizeof now);
    }
    ::close(socket);
}

int TCustomSimpleSocket::SendBuffer(int socket, const char* data, int length) {
    if (socket == -1 || length <= 0) return 0;
    int taken = 0;
    if (unsent_.find(socket) == unsent_.end()) {
        const ssize_t sent = ::send(socket, data, size_t(length), MSG_NOSIGNAL);
        if (sent < 0 && !WouldBlock(errno)) {
            DoError(socket, ErrorCode(errno));
            return -1;
        }
        taken = int(std::max<ssize_t>(sent, 0));
        if (taken == length) return length;
    }
    // The rest waits behind whatever already waits, for the socket to take more.
    QByteArray& queue = unsent_[socket];
    if (queue.size() + (length - taken) > kMostUnsent) {
        unsent_.erase(socket);
        DoError(socket, kNoBufferSpace);
        return -1;
    }
    queue.append(data + taken, length - taken);
    WatchWrite(socket, true);
    return length;
}

int TCustomSimpleSocket::Unsent(int socket) const {
    const auto it = unsent_.find(socket);
    return it == unsent_.end() ? 0 : int(it->second.size());
}

void TCustomSimpleSocket::Flush(int socket) {
    const auto it = unsent_.find(socket);
    if (it == unsent_.end()) {
        WatchWrite(socket, false);
        return;
    }
    QByteArray& queue = it->second;
    const ssize_t sent = ::send(socket, queue.constData(), size_t(queue.size()), MSG_NOSIGNAL);
    if (sent < 0) {
        if (!WouldBlock(errno)) DoError(socket, ErrorCode(errno));
        return;
    }
    queue.remove(0, sent);
    if (!queue.isEmpty()) return;
    unsent_.erase(it);
    WatchWrite(socket, false);
}

void TCustomSimpleSocket::Readable(int socket) {
    if (IsListening(socket)) {
        DoAccept();
        return;
    }
    int pending = 0;
    if (ioctl(socket, FIONREAD, &pending) < 0) {
        DoError(socket, ErrorCode(errno));
        return;
    }
    if (pending > 0) {
        ReadPending(socket, pending, ClientFor(socket));
        return;
    }
    // Readable with nothing to read: the peer has closed, or the connection failed.
    char probe;
    const ssize_t got = recv(socket, &probe, 1, MSG_PEEK);
    if (got == 0)
        DoClose(socket);
    else if (got < 0 && !WouldBlock(errno))
        DoError(socket, ErrorCode(errno));
}

void TCustomSimpleSocket::ReadPending(int socket, int pending, TSimpleTCPClient* client) {
    bool handled = false;
    DoDataAvailable(client, pending, handled);
    if (handled) return;  // the handler reads them; what it leaves raises the next event
    // At most kLongestRead bytes an event: a flood reaches the reader in pieces it can judge,
    // and the notifier raises the next event for the rest.
    QByteArray chunk(std::min(pending, kLongestRead), Qt::Uninitialized);
    const ssize_t got = recv(socket, chunk.data(), size_t(chunk.size()), 0);
    if (got < 0) {
        if (!WouldBlock(errno)) DoError(socket, ErrorCode(errno));
        return;
    }
    if (got == 0) {
        DoClose(socket);
        return;
    }
    chunk.truncate(got);
    DoRead(client, chunk);
}

void TCustomSimpleSocket::DoError(int socket, int code) {
    const QString text = ErrorText(code);
    if (OnError)
        OnError(this, socket, code, text);
    else
        qWarning("socket %d: %d %s", socket, code, qPrintable(text));
}

// --- client ---

TSimpleTCPClient::~TSimpleTCPClient() {
    destroying_ = true;
    SetConnected(false);
}

void TSimpleTCPClient::Adopt(int socket, const QString& peer, quint16 port) {
    socket_ = socket;
    host_ = peer;
    port_ = port;
    requested_ = connected_ = true;
}

// A host name's lookup under way: its answer reaches the client only while `owner` is set,
// which only the window thread reads or changes.
struct TSimpleTCPClient::Lookup {
    TSimpleTCPClient* owner;
};

void TSimpleTCPClient::SetConnected(bool value) {
    if (value == requested_) return;
    requested_ = value;
    if (value) {
        in_addr address{};
        if (inet_pton(AF_INET, host_.toLatin1().constData(), &address) == 1) {
            ConnectTo(address.s_addr);
            return;
        }
        // A name is looked up on a worker thread, so the window goes on meanwhile; the connect
        // continues on the window thread with the answer, unless it was called off first.
        auto lookup = std::make_shared<Lookup>(Lookup{this});
        lookup_ = lookup;
        const QByteArray name = host_.toUtf8();
        QThreadPool::globalInstance()->start([lookup, name] {
            addrinfo hints{};
            hints.ai_family = AF_INET;
            hints.ai_socktype = SOCK_STREAM;
            addrinfo* found = nullptr;
            const bool ok = getaddrinfo(name.constData(), nullptr, &hints, &found) == 0 && found;
            const quint32 address =
                ok ? reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr : 0;
            if (found) freeaddrinfo(found);
            QCoreApplication* app = QCoreApplication::instance();
            if (!app) return;
            QMetaObject::invokeMethod(
                app,
                [lookup, ok, address] {
                    if (lookup->owner) lookup->owner->Resolved(ok, address);
                },
                Qt::QueuedConnection);
        });
        return;
    }
    CancelLookup();
    if (socket_ != -1) {
        const int fd = socket_;
        UnwatchSocket(fd);
        DropUnsent(fd);
        CloseSocket(fd, true);
        socket_ = -1;
        connected_ = false;
        if (OnDisconnected && !destroying_) OnDisconnected(this);
        return;
    }
    connected_ = false;
}

void TSimpleTCPClient::CancelLookup() {
    if (!lookup_) return;
    lookup_->owner = nullptr;
    lookup_.reset();
}

void TSimpleTCPClient::Resolved(bool found, quint32 address) {
    lookup_.reset();
    if (!found) {
        requested_ = false;
        DoError(-1, kBadAddress);
        return;
    }
    ConnectTo(address);
}

void TSimpleTCPClient::ConnectTo(quint32 host) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port_);
    address.sin_addr.s_addr = host;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0) {
        requested_ = false;
        DoError(-1, ErrorCode(errno));
        return;
    }
    socket_ = fd;
    NoDelay(fd);
    WatchSocket(fd, kWrite);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 &&
        errno != EINPROGRESS)
        DoError(fd, ErrorCode(errno));
}

void TSimpleTCPClient::Writable(int socket) {
    if (socket != socket_) return;
    if (connected_) {
        Flush(socket);
        return;
    }
    int error = 0;
    socklen_t size = sizeof error;
    getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size);
    if (error != 0) {
        DoError(socket, ErrorCode(error));
        return;
    }
    // Connected: from now on reading, the peer's close and any bytes sent meanwhile matter.
    WatchSocket(socket, kRead);
    WatchWrite(socket, Unsent(socket) > 0);
    DoConnect();
}

void TSimpleTCPClient::SetHost(const QString& host) {
    if (host == host_) return;
    if (!connected_) {
        host_ = host;
        return;
    }
    if (!AllowChangeHostAndPortOnConnection)
        throw SocketRefusal("Can not change Host while connected");
    SetConnected(false);
    host_ = host;
    SetConnected(true);
}

void TSimpleTCPClient::SetPort(quint16 port) {
    if (port == port_) return;
    if (!connected_) {
        port_ = port;
        return;
    }
    if (!AllowChangeHostAndPortOnConnection)
        throw SocketRefusal("Can not change Port while connected");
    SetConnected(false);
    port_ = port;
    SetConnected(true);
}

void TSimpleTCPClient::DoError(int socket, int code) {
    SetConnected(false);
    TCustomSimpleSocket::DoError(socket, code);
}

void TSimpleTCPClient::DoConnect() {
    connected_ = true;
    if (OnConnected) OnConnected(this);
}

void TSimpleTCPClient::DoClose(int) {
    SetConnected(false);
    if (!destroying_ && AutoTryReconnect) SetConnected(true);
}

void TSimpleTCPClient::DoDataAvailable(TSimpleTCPClient*, int size, bool& handled) {
    handled = bool(OnDataAvailable);
    if (handled) OnDataAvailable(this, size);
}

void TSimpleTCPClient::DoRead(TSimpleTCPClient*, const QByteArray& stream) {
    if (OnRead) OnRead(this, stream);
}

// --- server ---

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
