// Games on the local network, on loopback only: an announcer tells the listener's own port on
// 127.0.0.1, and a plain socket plays the stranger sending anything at all.
#include "net/lan_games.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QThread>

#include "net/game_announcer.h"
#include "net/lan_interfaces.h"
#include "tests/support/loopback.h"

namespace kvd {
namespace {

using test::Until;

LanSettings Loopback(quint16 port) {
    return {QStringLiteral("127.0.0.1"), port};
}

struct Stranger {
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
    Stranger() = default;
    // Sends from another loopback address (all of 127.0.0.0/8 is this machine).
    explicit Stranger(const char* from) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        inet_pton(AF_INET, from, &address.sin_addr);
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    ~Stranger() { ::close(fd); }
    void Send(quint16 port, const QByteArray& bytes) const {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        to.sin_port = htons(port);
        ::sendto(fd, bytes.constData(), size_t(bytes.size()), 0, reinterpret_cast<sockaddr*>(&to),
                 sizeof to);
    }
};

TEST(LanAnnouncement, OnlyASoundDatagramIsAGame) {
    const LanAnnouncement narvik{QStringLiteral("Narvik"), QStringLiteral("Ålice"),
                                 QLatin1Char('U'), 1234};
    EXPECT_EQ(narvik.Encode(),
              QByteArray("KORVALD 1|Narvik|") + QStringLiteral("Ålice").toUtf8() + "|U|1234");
    EXPECT_EQ(LanAnnouncement::Parse(narvik.Encode()), narvik);

    // Names are cut to 16 characters and lose the separator, and still read back.
    const LanAnnouncement odd{QStringLiteral("a|b|c 12345678901234"), QStringLiteral("x\ny"),
                              QLatin1Char('E'), 1};
    const auto back = LanAnnouncement::Parse(odd.Encode());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->game, QStringLiteral("a/b/c 1234567890"));
    EXPECT_EQ(back->commander, QStringLiteral("x/y"));

    const char* const malformed[] = {"",
                                     "garbage",
                                     "KORVALD 1",
                                     "KORVALD 2|G|C|E|1234",
                                     "KORVALD 1|G|C|E",
                                     "KORVALD 1|G|C|E|1234|",
                                     "KORVALD 1||C|E|1234",
                                     "KORVALD 1|G||E|1234",
                                     "KORVALD 1|12345678901234567|C|E|1234",
                                     "KORVALD 1|G\xff\xfe|C|E|1234",
                                     "KORVALD 1|G|C|D|1234",
                                     "KORVALD 1|G|C|EU|1234",
                                     "KORVALD 1|G|C|E|0",
                                     "KORVALD 1|G|C|E|65536",
                                     "KORVALD 1|G|C|E|-1",
                                     "KORVALD 1|G|C|E|+80",
                                     "KORVALD 1|G|C|E|12a",
                                     "KORVALD 1|G|C|E|",
                                     "KORVALD 1|G|C|E|0000080"};
    for (const char* bad : malformed) EXPECT_FALSE(LanAnnouncement::Parse(bad)) << bad;

    // Control characters and the marks that turn the direction of text are taken out of the
    // names shown; a name of nothing else is no name.
    const auto stripped =
        LanAnnouncement::Parse(QStringLiteral("KORVALD 1|Nar\u202Evik|C\tD\u2066|E|1234").toUtf8());
    ASSERT_TRUE(stripped);
    EXPECT_EQ(stripped->game, QStringLiteral("Narvik"));
    EXPECT_EQ(stripped->commander, QStringLiteral("CD"));
    EXPECT_FALSE(LanAnnouncement::Parse(QStringLiteral("KORVALD 1|\u200F|C|E|1").toUtf8()));
}

TEST(LanGames, AnAnnouncedGameIsListedUntilItFallsSilent) {
    LanGames heard(1000);
    int changes = 0;
    heard.OnChange = [&] { ++changes; };
    ASSERT_TRUE(heard.Start(Loopback(0)));
    ASSERT_NE(heard.Port(), 0);
    LanGames second;
    EXPECT_TRUE(second.Start(Loopback(heard.Port()))) << "two programs on one machine may listen";
    second.Stop();

    GameAnnouncer announcer(50);
    announcer.Start(Loopback(heard.Port()),
                    {QStringLiteral("Narvik"), QStringLiteral("Alice"), QLatin1Char('U'), 1234});
    EXPECT_TRUE(announcer.Running());
    ASSERT_TRUE(Until([&] { return heard.Games().size() == 1; }));
    const LanGame& game = heard.Games()[0];
    EXPECT_EQ(game.address, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(game.announced.port, 1234);
    EXPECT_EQ(game.announced.game, QStringLiteral("Narvik"));
    EXPECT_EQ(game.announced.commander, QStringLiteral("Alice"));
    EXPECT_EQ(game.announced.navy, QLatin1Char('U'));
    ASSERT_TRUE(Until([&] { return announcer.Sent() >= 3; }));
    EXPECT_EQ(changes, 1) << "hearing the same game again changes nothing";

    // A new name for the same game replaces the old; a silent game drops out.
    announcer.Start(Loopback(heard.Port()),
                    {QStringLiteral("Narvik II"), QStringLiteral("Alice"), QLatin1Char('U'), 1234});
    ASSERT_TRUE(
        Until([&] { return heard.Games()[0].announced.game == QStringLiteral("Narvik II"); }));
    EXPECT_EQ(heard.Games().size(), 1u);
    announcer.Stop();
    EXPECT_FALSE(announcer.Running());
    ASSERT_TRUE(Until([&] { return heard.Games().empty(); }));
    EXPECT_EQ(changes, 3);
}

TEST(LanGames, GarbageAndFloodsCostLittleAndListAtMostTheBound) {
    LanGames heard;
    ASSERT_TRUE(heard.Start(Loopback(0)));
    const Stranger stranger;
    for (const QByteArray& junk : {QByteArray("garbage"), QByteArray(), QByteArray(65000, 'K'),
                                   QByteArray("KORVALD 1|G|C|E|1234") + QByteArray(4000, 'x'),
                                   QByteArray("KORVALD 1|G|C|X|1234")})
        stranger.Send(heard.Port(), junk);
    stranger.Send(heard.Port(), "KORVALD 1|Sentinel|Bob|E|4000");
    // Datagrams from one socket on loopback arrive in order: once the last is listed, the junk
    // before it has been read and ignored.
    ASSERT_TRUE(Until([&] { return !heard.Games().empty(); }));
    ASSERT_EQ(heard.Games().size(), 1u);
    EXPECT_EQ(heard.Games()[0].announced.game, QStringLiteral("Sentinel"));

    // A flood of games from another address, each on its own port: that sender keeps its few
    // freshest, and the game heard first from elsewhere stays.
    const Stranger flood("127.0.0.2");
    for (int port = 1; port <= 500; ++port) {
        flood.Send(heard.Port(), "KORVALD 1|Flood|Eve|U|" + QByteArray::number(port));
        // Now and then a moment to read, so the socket's buffer never drops the last ones.
        if (port % 50 == 0) Until([] { return false; }, 5);
    }
    ASSERT_TRUE(Until([&] {
        return heard.Games().size() == 1u + LanGames::kMostFromOne &&
               heard.Games().back().announced.port == 500;
    }));
    EXPECT_EQ(heard.Games()[0].announced.game, QStringLiteral("Sentinel"));
    for (size_t k = 1; k < heard.Games().size(); ++k)
        EXPECT_GT(heard.Games()[k].announced.port, 500 - LanGames::kMostFromOne);

    // Many senders: the list stops at its bound, and the games already heard stay.
    std::vector<std::unique_ptr<Stranger>> many;
    for (int k = 10; k < 10 + LanGames::kMostGames; ++k) {
        many.push_back(std::make_unique<Stranger>(("127.0.1." + std::to_string(k)).c_str()));
        many.back()->Send(heard.Port(), "KORVALD 1|Many|Eve|U|77");
    }
    ASSERT_TRUE(Until([&] { return int(heard.Games().size()) == LanGames::kMostGames; }));
    Until([] { return false; }, 50);
    EXPECT_EQ(int(heard.Games().size()), LanGames::kMostGames);
    EXPECT_EQ(heard.Games()[0].announced.game, QStringLiteral("Sentinel"));
}

TEST(GameAnnouncer, TheWholeNetworkIsEveryInterfaceThatIsUpAndRoutedBroadcast) {
    const quint32 home = htonl(0xC0A801FF), lab = htonl(0x0A0000FF), down = htonl(0xAC1000FF);
    const std::vector<LanInterface> interfaces = {
        {QStringLiteral("lo"), true, true, std::nullopt},
        {QStringLiteral("eth0"), true, false, home},
        {QStringLiteral("wlan0"), false, false, down},
        {QStringLiteral("tun0"), true, false, std::nullopt},
        {QStringLiteral("eth1"), true, false, lab},
        {QStringLiteral("eth1:0"), true, false, lab},
    };
    EXPECT_EQ(AnnouncementTargets(interfaces, false), (std::vector<quint32>{home, lab}));
    EXPECT_EQ(AnnouncementTargets(interfaces, true),
              (std::vector<quint32>{home, lab, htonl(INADDR_BROADCAST)}));
    EXPECT_TRUE(AnnouncementTargets({interfaces[0], interfaces[2]}, false).empty());

    // Nothing to carry it: nothing is sent, and the announcer says so.
    LanSettings nowhere;
    nowhere.interfaces = [] { return std::vector<LanInterface>{}; };
    nowhere.limitedRoutes = [] { return false; };
    GameAnnouncer announcer(20);
    std::vector<bool> told;
    announcer.OnCarriedChange = [&](bool carried) { told.push_back(carried); };
    announcer.Start(nowhere, {QStringLiteral("G"), QStringLiteral("C"), QLatin1Char('E'), 1});
    EXPECT_FALSE(announcer.Carried());
    EXPECT_EQ(told, std::vector<bool>{false});
    Until([] { return false; }, 60);
    EXPECT_EQ(announcer.Sent(), 0);
    EXPECT_EQ(told, std::vector<bool>{false}) << "said once, not every round";
}

}  // namespace
}  // namespace kvd
