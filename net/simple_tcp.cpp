#include "net/simple_tcp.h"

#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <QtDebug>
#include <algorithm>
#include <cerrno>

#include "net/socket_calls.h"

namespace kvd {

using namespace socket_calls;

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

}  // namespace kvd
