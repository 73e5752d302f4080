#pragma once
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

#include "net/lan_settings.h"

namespace kvd::test {

// A port nobody listens on right now (for TCP, or for UDP with SOCK_DGRAM).
inline quint16 FreePort(int type = SOCK_STREAM) {
    const int fd = socket(AF_INET, type, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t size = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    close(fd);
    return ntohs(address.sin_port);
}

// Games on the local network announced and heard on loopback only, on a port of the test's own.
inline LanSettings LoopbackLan() {
    return {QStringLiteral("127.0.0.1"), FreePort(SOCK_DGRAM)};
}

// Handles window events until the condition holds, or gives up after a while, so a broken
// exchange fails the test instead of hanging it.
inline bool Until(const std::function<bool()>& done, int ms = 8000) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

}  // namespace kvd::test
