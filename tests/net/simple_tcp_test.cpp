#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <functional>

#include "net/simple_tcp.h"
#include "tests/support/loopback.h"

namespace {

using kvd::test::FreePort;
using kvd::test::Until;

struct Loopback : ::testing::Test {
    kvd::TSimpleTCPServer server;
    kvd::TSimpleTCPClient client;
    QByteArray serverRead, clientRead;
    int serverReads = 0, connected = 0, clientsConnected = 0, clientsGone = 0, disconnected = 0;
    std::vector<std::pair<int, QString>> errors;
    void SetUp() override {
        const quint16 port = FreePort();
        server.SetPort(port);
        client.SetHost("127.0.0.1");
        client.SetPort(port);
        server.OnClientRead = [&](QObject*, kvd::TSimpleTCPClient*, const QByteArray& bytes) {
            serverRead += bytes;
            ++serverReads;
        };
        server.OnClientConnected = [&](QObject*, kvd::TSimpleTCPClient*) { ++clientsConnected; };
        server.OnClientDisconnected = [&](QObject*, kvd::TSimpleTCPClient*) { ++clientsGone; };
        client.OnRead = [&](QObject*, const QByteArray& bytes) { clientRead += bytes; };
        client.OnConnected = [&](QObject*) { ++connected; };
        client.OnDisconnected = [&](QObject*) { ++disconnected; };
        client.OnError = [&](QObject*, int, int code, const QString& text) {
            errors.push_back({code, text});
        };
    }
};

}  // namespace

TEST_F(Loopback, ConnectSendBothWaysAndClose) {
    server.SetListen(true);
    const int listening = server.SocketHandle();
    server.SetListen(true);
    EXPECT_EQ(server.SocketHandle(), listening) << "listening twice opens one socket";
    client.SetConnected(true);
    EXPECT_TRUE(client.ConnectRequested());
    ASSERT_TRUE(Until([&] { return connected == 1 && clientsConnected == 1; }));
    EXPECT_TRUE(client.Connected());
    ASSERT_EQ(server.Clients().size(), 1u);
    EXPECT_EQ(server.Clients()[0]->Host(), "127.0.0.1");

    // Two sends before the server handles anything arrive as one read of 50 bytes.
    EXPECT_EQ(client.SendBuffer(QByteArray(20, 'a')), 20);
    EXPECT_EQ(client.SendBuffer(QByteArray(30, 'b')), 30);
    ASSERT_TRUE(Until([&] { return serverRead.size() == 50; }));
    EXPECT_EQ(serverReads, 1);
    EXPECT_EQ(serverRead, QByteArray(20, 'a') + QByteArray(30, 'b'));

    const QByteArray reply = "[Stage]=1\r\n";
    EXPECT_EQ(server.SendBuffer(server.Clients()[0].get(), reply.constData(), int(reply.size())),
              reply.size());
    ASSERT_TRUE(Until([&] { return clientRead == reply; }));

    client.SetConnected(false);
    EXPECT_EQ(disconnected, 1);
    ASSERT_TRUE(Until([&] { return clientsGone == 1; }));
    EXPECT_TRUE(server.Clients().empty());
    EXPECT_EQ(client.SendBuffer("x", 1), 0) << "no socket, nothing sent";
    server.SetListen(false);
    EXPECT_EQ(server.SocketHandle(), -1);
    server.SetListen(false);
}

TEST_F(Loopback, RefusedAndUnknownHostsReportTheGamesErrors) {
    client.SetConnected(true);  // nobody listens
    ASSERT_TRUE(Until([&] { return !errors.empty(); }));
    EXPECT_EQ(errors[0], std::make_pair(10061, QStringLiteral("Connection refused")));
    EXPECT_EQ(disconnected, 1) << "the client is disconnected before the error is reported";
    EXPECT_FALSE(client.ConnectRequested());

    // A name the resolver refuses without asking anyone (a label past 63 characters): the
    // lookup runs off the window thread, and its failure is the same error event as ever.
    errors.clear();
    client.SetHost(QString(70, QLatin1Char('x')) + QStringLiteral(".test"));
    client.SetConnected(true);
    EXPECT_TRUE(client.ConnectRequested());
    ASSERT_TRUE(Until([&] { return !errors.empty(); }));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], std::make_pair(10014, QStringLiteral("Bad address")));
    EXPECT_FALSE(client.ConnectRequested());
    EXPECT_FALSE(client.LookingUp());
}

TEST_F(Loopback, ANameIsLookedUpAsideAndACancelledLookupIsDropped) {
    server.SetListen(true);
    client.SetHost("localhost");
    client.SetConnected(true);
    ASSERT_TRUE(Until([&] { return connected == 1 && clientsConnected == 1; }));
    EXPECT_EQ(client.SendBuffer(QByteArray("hello")), 5);
    ASSERT_TRUE(Until([&] { return serverRead == "hello"; }));
    client.SetConnected(false);
    ASSERT_TRUE(Until([&] { return clientsGone == 1; }));

    // Called off at once, and a second client destroyed while its lookup runs: neither connects.
    client.SetConnected(true);
    client.SetConnected(false);
    EXPECT_FALSE(client.LookingUp());
    auto doomed = std::make_unique<kvd::TSimpleTCPClient>();
    doomed->SetHost("localhost");
    doomed->SetConnected(true);
    doomed.reset();
    QThreadPool::globalInstance()->waitForDone(5000);
    Until([] { return false; }, 50);
    EXPECT_EQ(connected, 1);
    EXPECT_EQ(clientsConnected, 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(Loopback, PortAndHostChangesWhileInUse) {
    server.SetListen(true);
    EXPECT_NO_THROW(server.SetPort(server.Port())) << "the same port is no change";
    EXPECT_THROW(server.SetPort(quint16(server.Port() + 1)), kvd::SocketRefusal);
    server.AllowChangeHostAndPortOnConnection = true;
    const quint16 other = FreePort();
    server.SetPort(other);
    EXPECT_TRUE(server.Listen());
    client.SetPort(other);
    client.SetConnected(true);
    ASSERT_TRUE(Until([&] { return connected == 1; }));
    EXPECT_THROW(client.SetHost("localhost"), kvd::SocketRefusal);
}

TEST(SocketErrors, TheGamesNumbersAndTexts) {
    const struct {
        int system, code;
        const char* text;
    } cases[] = {{ECONNREFUSED, 10061, "Connection refused"},
                 {ETIMEDOUT, 10060, "Connection timed out"},
                 {ECONNRESET, 10054, "Connection reset by peer"},
                 {EADDRINUSE, 10048, "Address already in use"},
                 {EHOSTUNREACH, 10065, "No route to host"},
                 {EFAULT, 10014, "Bad address"}};
    for (const auto& c : cases) {
        EXPECT_EQ(kvd::TCustomSimpleSocket::ErrorCode(c.system), c.code);
        EXPECT_EQ(kvd::TCustomSimpleSocket::ErrorText(c.code), c.text);
    }
    EXPECT_EQ(kvd::TCustomSimpleSocket::ErrorText(12345), "Not a WinSock error ?");
    EXPECT_EQ(kvd::TCustomSimpleSocket::ErrorText(11001), "Host not found");
}

namespace {

// A host on a port of its own (port 0: the system's choice) and plain sockets joining it, which
// the test reads, resets or leaves unread as a misbehaving peer would.
struct Host : ::testing::Test {
    kvd::TSimpleTCPServer server;
    std::vector<int> peers;
    std::vector<kvd::TSimpleTCPClient*> joined;
    std::vector<int> errors;
    QByteArray read;
    std::vector<int> readSizes;
    int gone = 0;

    void SetUp() override {
        server.OnClientConnected = [&](QObject*, kvd::TSimpleTCPClient* c) { joined.push_back(c); };
        server.OnClientDisconnected = [&](QObject*, kvd::TSimpleTCPClient* c) {
            ++gone;
            joined.erase(std::remove(joined.begin(), joined.end(), c), joined.end());
        };
        server.OnClientRead = [&](QObject*, kvd::TSimpleTCPClient*, const QByteArray& bytes) {
            read += bytes;
            readSizes.push_back(int(bytes.size()));
        };
        server.OnError = [&](QObject*, int, int code, const QString&) { errors.push_back(code); };
        server.SetListen(true);
        ASSERT_TRUE(server.Listen());
        ASSERT_NE(server.Port(), 0) << "the port the system chose";
    }
    void TearDown() override {
        for (int fd : peers) close(fd);
    }
    // Joins from a plain socket (with a small receive buffer when asked), waits for the host to
    // take it, and leaves it non-blocking.
    int Join(int receiveBuffer = 0) {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        if (receiveBuffer)
            setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(server.Port());
        const size_t before = joined.size();
        EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        fcntl(fd, F_SETFL, O_NONBLOCK);
        peers.push_back(fd);
        EXPECT_TRUE(Until([&] { return joined.size() == before + 1; }));
        return fd;
    }
    static void Reset(int fd) {
        const linger now{1, 0};
        setsockopt(fd, SOL_SOCKET, SO_LINGER, &now, sizeof now);
    }
};

// Bytes that tell where they stand: a stream cut, reordered or doubled anywhere differs.
QByteArray Numbered(int from, int count) {
    QByteArray bytes;
    for (int i = from; i < from + count; ++i)
        bytes += QByteArray::number(i).rightJustified(7, '0') + ' ';
    return bytes;
}

}  // namespace

TEST_F(Host, AResetOnOneJoinedConnectionEndsOnlyThatOne) {
    // The peer is reset while idle (the host reads the reset), or just before the host sends to
    // every joined program in one loop (the send fails inside that loop).
    for (const bool sendingAfter : {false, true}) {
        SCOPED_TRACE(sendingAfter ? "reset before a send" : "reset while idle");
        const int killed = Join(), kept = Join();
        const int goneBefore = gone;
        kvd::TSimpleTCPClient* const keptClient = joined.back();
        Reset(killed);
        close(killed);
        peers.erase(std::find(peers.begin(), peers.end(), killed));
        if (sendingAfter) {
            std::vector<int> results;
            for (const auto& c : server.Clients())
                results.push_back(server.SendBuffer(c.get(), "ping\r\n", 6));
            EXPECT_EQ(results, (std::vector<int>{-1, 6}));
            EXPECT_EQ(server.Clients().size(), 2u) << "the failed one closes after the loop";
            EXPECT_EQ(server.SendBuffer(server.Clients()[0].get(), "x", 1), -1)
                << "and takes nothing meanwhile";
        }
        ASSERT_TRUE(Until([&] { return gone == goneBefore + 1; }));
        EXPECT_TRUE(server.Listen());
        ASSERT_EQ(server.Clients().size(), 1u);
        EXPECT_EQ(server.Clients()[0].get(), keptClient);
        EXPECT_EQ(std::count(errors.begin(), errors.end(), 10054), 1) << "one error, as a reset";
        errors.clear();

        // The other connection still carries bytes both ways, and a new program may join.
        EXPECT_EQ(send(kept, "hi\r\n", 4, 0), 4);
        ASSERT_TRUE(Until([&] { return read.endsWith("hi\r\n"); }));
        Join();
        EXPECT_EQ(server.Clients().size(), 2u);
        for (int fd : peers) close(fd);
        peers.clear();
        ASSERT_TRUE(Until([&] { return server.Clients().empty(); }));
    }
}

TEST_F(Host, WhatTheSocketCannotTakeAtOnceFollowsInOrderUntilThePeerStopsReading) {
    const int peer = Join(4096);
    kvd::TSimpleTCPClient* const client = joined.back();
    const int small = 4096;
    setsockopt(client->SocketHandle(), SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
    QByteArray sent;
    int mostWaiting = 0;
    for (int chunk = 0; chunk < 64; ++chunk) {  // 64 sends of 8 KB: far past both buffers
        sent += Numbered(chunk * 1024, 1024);
        EXPECT_EQ(server.SendBuffer(client, sent.constData() + chunk * 8192, 8192), 8192);
        mostWaiting = std::max(mostWaiting, server.Unsent(client->SocketHandle()));
    }
    EXPECT_GT(mostWaiting, 0) << "the system took only part at once";
    // The peer reads slowly: at most 4 KB each time round the event loop.
    QByteArray received;
    ASSERT_TRUE(Until(
        [&] {
            char buffer[4096];
            const ssize_t got = recv(peer, buffer, sizeof buffer, 0);
            if (got > 0) received.append(buffer, got);
            return received.size() >= sent.size();
        },
        20000));
    EXPECT_TRUE(received == sent) << "every byte once, in order";
    EXPECT_EQ(server.Unsent(client->SocketHandle()), 0);
    EXPECT_TRUE(errors.empty());

    // Now it reads no more: past the limit of unsent bytes it is taken for gone.
    const QByteArray bytes(64 * 1024, 'z');
    int last = 0, sends = 0;
    while (sends < 200 &&
           (last = server.SendBuffer(client, bytes.constData(), int(bytes.size()))) > 0)
        ++sends;
    EXPECT_EQ(last, -1);
    EXPECT_GE(sends * bytes.size(), kvd::TCustomSimpleSocket::kMostUnsent);
    EXPECT_EQ(errors, std::vector<int>{10055});
    ASSERT_TRUE(Until([&] { return gone == 1; }));
    EXPECT_TRUE(server.Listen());
}

TEST_F(Host, AFloodIsReadInBoundedPieces) {
    kvd::TSimpleTCPClient sender;
    sender.SetHost("127.0.0.1");
    sender.SetPort(server.Port());
    bool up = false;
    sender.OnConnected = [&](QObject*) { up = true; };
    sender.SetConnected(true);
    ASSERT_TRUE(Until([&] { return up && joined.size() == 1; }));
    const QByteArray flood = Numbered(0, 40000);  // 320 KB sent in one call
    EXPECT_EQ(sender.SendBuffer(flood), flood.size());
    ASSERT_TRUE(Until([&] { return read.size() >= flood.size(); }, 20000));
    EXPECT_TRUE(read == flood);
    EXPECT_GE(readSizes.size(), size_t(flood.size() / kvd::TCustomSimpleSocket::kLongestRead));
    EXPECT_LE(*std::max_element(readSizes.begin(), readSizes.end()),
              kvd::TCustomSimpleSocket::kLongestRead);
}
