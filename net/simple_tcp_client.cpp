#include "net/simple_tcp.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QThreadPool>
#include <cerrno>

#include "net/socket_calls.h"

namespace kvd {

using namespace socket_calls;

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

}  // namespace kvd
