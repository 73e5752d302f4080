// Game after game between the same two programs, with a peer that misbehaves in one game of
// ten: a malformed message, two messages in one read, one message over two reads, a line far
// too long, or the connection dropped. No game may hang or drift, and a dropped game ends
// cleanly on both sides. KORVALD_SOAK_GAMES sets how many games (4 unless set).
#include <QKeyEvent>
#include <cstdlib>

#include "campaign/winner_form.h"
#include "core/table_hash.h"
#include "frontend/intro_form.h"
#include "tests/app/network_players.h"

namespace kvd {
namespace {

using test::Player;
using test::Until;

constexpr int kLongestGame = 300;

enum class Mischief { None, Malformed, Merged, Split, Oversized, Dropped };

struct NetworkSoak : test::NetworkGameTest {
    // The raw bytes a misbehaving peer puts on the wire, past the game's own sending.
    void HostSends(const QByteArray& bytes) {
        TSimpleTCPServer& server = host.window().Server();
        if (!server.Clients().empty())
            server.SendBuffer(server.Clients().front().get(), bytes.constData(), int(bytes.size()));
    }
    void JoiningSends(const QByteArray& bytes) { joining.window().Client().SendBuffer(bytes); }

    // Returns whether the connection is meant to be gone afterwards.
    bool Misbehave(Mischief mischief) {
        switch (mischief) {
            case Mischief::Malformed:
                HostSends("[Move]=9x0102\r\n[Move]=0510\r\n");
                JoiningSends("[Move]=00000000000\r\n[Repair]=0221\r\n");
                return false;
            case Mischief::Merged:
                HostSends("[Name]=Mallory\r\n[Game]=Again\r\n[Stage]=9\r\n");
                JoiningSends("[Name]=Mallory\r\n[Stage]\r\n");
                return false;
            case Mischief::Split:
                HostSends("[Na");
                JoiningSends("[Ga");
                Until([] { return false; }, 20);
                HostSends("me]=Mallory\r\n");
                JoiningSends("me]=Again\r\n");
                return false;
            case Mischief::Oversized:
                HostSends(QByteArray(6000, 'E'));
                return true;
            case Mischief::Dropped:
                joining.window().Client().SetConnected(false);
                return true;
            case Mischief::None:
                return false;
        }
        return false;
    }
    void LeaveByQuitCorner(Player& player) {
        player.t.Boxes().Script(BoxAnswer::Yes);
        const QPoint corner = player.board().Geometry().BottomBand().bottomRight() - QPoint(3, 3);
        QMouseEvent press(QEvent::MouseButtonPress, corner, player.board().mapToGlobal(corner),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&player.board(), &press);
    }
};

TEST_F(NetworkSoak, GameAfterGameWithAPeerThatMisbehavesNowAndThen) {
    const char* wanted = std::getenv("KORVALD_SOAK_GAMES");
    const int games = wanted ? std::max(1, std::atoi(wanted)) : 4;
    const Mischief kinds[] = {Mischief::Malformed, Mischief::Merged, Mischief::Split,
                              Mischief::Oversized, Mischief::Dropped};
    int finished = 0, dropped = 0, abandoned = 0, mischiefs = 0, turnsInAll = 0;
    for (int game = 0; game < games; ++game) {
        SCOPED_TRACE(testing::Message() << "game " << game);
        port = test::FreePort();
        Connect();
        Start();
        // One game of ten misbehaves (in a short soak, its last game).
        const bool misbehaves = game % 10 == 9 || (games < 10 && game == games - 1);
        const Mischief mischief = misbehaves ? kinds[(game / 10) % 5] : Mischief::None;
        const int mischiefTurn = 3 + game % 7;
        bool gone = false;
        int turns = 0;
        Dice draw(game + 1);
        while (!BothOver() && !gone && turns < kLongestGame) {
            if (mischief != Mischief::None && turns == mischiefTurn) {
                ++mischiefs;
                gone = Misbehave(mischief);
                if (gone) break;
            }
            ASSERT_NO_FATAL_FAILURE(PlayTurn(draw)) << "turn " << turns;
            ++turns;
        }
        turnsInAll += turns;
        if (!gone && !BothOver()) {
            // Two simple players can circle each other for ever: the host gives up, which
            // ends the game on both sides as a lost connection does.
            LeaveByQuitCorner(host);
            EXPECT_FALSE(host.game().GameActive);
            const QString lost = joining.program->State().texts.Text(149);
            ASSERT_TRUE(Until([&] {
                return joining.window().LastStatus() == lost && !joining.guard().Running();
            }));
            LeaveByQuitCorner(joining);
            EXPECT_FALSE(joining.game().GameActive);
            ++abandoned;
            continue;
        }
        if (gone) {
            // Both sides see the connection go, and their players leave by the quit corner.
            const QString lost = host.program->State().texts.Text(149);
            ASSERT_TRUE(Until(
                [&] { return host.window().LastStatus() == lost && !host.guard().Running(); }));
            ASSERT_TRUE(Until([&] {
                return joining.window().LastStatus() == lost && !joining.guard().Running();
            }));
            for (Player* player : {&host, &joining}) {
                LeaveByQuitCorner(*player);
                EXPECT_FALSE(player->game().GameActive);
                EXPECT_FALSE(player->game().NetGame);
                EXPECT_TRUE(player->program->Intro().isVisible());
            }
            EXPECT_FALSE(host.window().Server().Listen());
            ++dropped;
            continue;
        }
        ASSERT_TRUE(Until([&] { return BothOver(); }));
        EXPECT_EQ(host.game().Gamestage, joining.game().Gamestage);
        for (Player* player : {&host, &joining}) {
            ASSERT_TRUE(player->program->Winner().isVisible());
            player->program->Winner().Label8Click();
            EXPECT_TRUE(player->program->Intro().isVisible());
        }
        ++finished;
    }
    EXPECT_EQ(finished + dropped + abandoned, games);
    RecordProperty("games", games);
    RecordProperty("dropped", dropped);
    RecordProperty("mischiefs", mischiefs);
    RecordProperty("turns", turnsInAll);
    std::printf(
        "soak: %d games, %d played to the end, %d dropped, %d given up, %d times misbehaved, %d "
        "turns\n",
        games, finished, dropped, abandoned, mischiefs, turnsInAll);
}

}  // namespace
}  // namespace kvd
