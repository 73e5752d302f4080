#pragma once
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <cerrno>

namespace kvd::socket_calls {

// The error codes the sockets report where the system gives none of its own.
constexpr int kBadAddress = 10014;
constexpr int kNoBufferSpace = 10055;

// A non-blocking call that found nothing to do now: no error.
inline bool WouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

// Small lines go out at once: a turn's step is a few bytes.
inline void NoDelay(int socket) {
    const int on = 1;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

}  // namespace kvd::socket_calls
