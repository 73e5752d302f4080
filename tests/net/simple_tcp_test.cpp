#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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
        client.OnError = [&](QObject*, int, int code, const QString& text) { errors.push_back({code, text}); };
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
    EXPECT_EQ(server.SendBuffer(server.Clients()[0].get(), reply.constData(), int(reply.size())), reply.size());
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

    errors.clear();
    client.SetHost("no-such-host.invalid");
    client.SetConnected(true);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], std::make_pair(10014, QStringLiteral("Bad address")));
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
    } cases[] = {{ECONNREFUSED, 10061, "Connection refused"}, {ETIMEDOUT, 10060, "Connection timed out"},
                 {ECONNRESET, 10054, "Connection reset by peer"}, {EADDRINUSE, 10048, "Address already in use"},
                 {EHOSTUNREACH, 10065, "No route to host"}, {EFAULT, 10014, "Bad address"}};
    for (const auto& c : cases) {
        EXPECT_EQ(kvd::TCustomSimpleSocket::ErrorCode(c.system), c.code);
        EXPECT_EQ(kvd::TCustomSimpleSocket::ErrorText(c.code), c.text);
    }
    EXPECT_EQ(kvd::TCustomSimpleSocket::ErrorText(12345), "Not a WinSock error ?");
    EXPECT_EQ(kvd::TCustomSimpleSocket::ErrorText(11001), "Host not found");
}
