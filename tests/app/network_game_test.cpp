// Two whole programs in one test process, one hosting and one joining over loopback: the
// handshake, the table, a game played to its end by clicks on both boards, and both tables
// kept equal after every turn.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/program.h"
#include "board/chat_line.h"
#include "board/main_form.h"
#include "campaign/winner_form.h"
#include "core/game.h"
#include "core/service_record.h"
#include "core/table_hash.h"
#include "frontend/intro_form.h"
#include "net/mp_form.h"
#include "net/rejoin_ticket.h"
#include "play/game_journal.h"
#include "play/game_record.h"
#include "tests/app/network_players.h"

namespace kvd {
namespace {

using test::NetworkGameTest;
using test::Player;
using test::Until;

TEST_F(NetworkGameTest, TwoProgramsPlayAGameToItsEndWithEqualTables) {
    Connect();
    EXPECT_EQ(host.window().AxisName->text(), "Bob");
    EXPECT_EQ(joining.window().Edit3->text(), "Alice");
    EXPECT_EQ(joining.window().Edit4->text(), "Loopback");
    EXPECT_EQ(joining.window().Edit5->text(), "Royal Navy");
    Start();
    EXPECT_EQ(host.game().scratchpad.Lines(), joining.game().scratchpad.Lines())
        << "the table arrives whole";
    EXPECT_EQ(host.game().NetRole, 1);
    EXPECT_EQ(joining.game().NetRole, 2);
    EXPECT_EQ(host.game().scratchpad.FindSide(1, kvd::kFirstSide), -1)
        << "no radar aircraft in a network game";

    int turns = 0, hostAttacks = 0, joiningAttacks = 0;
    Dice draw(7);
    while (!BothOver() && turns < 800) {
        SCOPED_TRACE(testing::Message() << "turn " << turns);
        bool hostMoved = false, attack = false;
        ASSERT_NO_FATAL_FAILURE(PlayTurn(draw, &hostMoved, &attack));
        (hostMoved ? hostAttacks : joiningAttacks) += attack;
        ++turns;
    }
    EXPECT_GE(turns, 20);
    EXPECT_GT(hostAttacks, 0);
    EXPECT_GT(joiningAttacks, 0);
    ASSERT_TRUE(Until([&] { return BothOver(); }));
    EXPECT_EQ(host.game().Gamestage, joining.game().Gamestage);
    EXPECT_GT(host.game().Gamestage, 7);
    EXPECT_TRUE(host.program->Winner().isVisible());
    EXPECT_TRUE(joining.program->Winner().isVisible());
    // Each end window counts its own side's ships and losses as "own".
    const TWinnerForm &hostEnd = host.program->Winner(), &joiningEnd = joining.program->Winner();
    EXPECT_EQ(joiningEnd.AlliedLostNo->text(), hostEnd.AxisLostNo->text());
    EXPECT_EQ(joiningEnd.AxisLostNo->text(), hostEnd.AlliedLostNo->text());
    EXPECT_EQ(joiningEnd.AlliedTotal->text(), hostEnd.AxisTotal->text());
    EXPECT_NE(hostEnd.AlliedLostNo->text(), hostEnd.AxisLostNo->text())
        << "a game that tells the sides apart";
    EXPECT_TRUE(host.window().LastStatus().isEmpty()) << host.window().LastStatus().toStdString();
    EXPECT_TRUE(joining.window().LastStatus().isEmpty())
        << joining.window().LastStatus().toStdString();
    // Each program wrote the game's record as it played it, and each plays again to its tables.
    for (Player* player : {&host, &joining}) {
        QStringList lines;
        ASSERT_TRUE(player->t.Folder().LoadLines(GameJournal::kLastFile, lines));
        GameRecord record;
        QString error;
        ASSERT_TRUE(ReadRecord(lines, record, &error)) << error.toStdString();
        EXPECT_GE(int(record.moves.size()), turns);
        Game replayed;
        Settings settings;
        EXPECT_TRUE(Replay(record, replayed, settings, nullptr, -1, &error))
            << (player == &host ? "host: " : "joining: ") << error.toStdString();
        EXPECT_TRUE(replayed.scratchpad.Lines() == player->game().scratchpad.Lines());
        EXPECT_FALSE(player->t.Folder().Exists(GameJournal::kSaveFile))
            << "a network game is not resumed";
        EXPECT_TRUE(player->program->Winner().Label9->isVisible()) << "and it may be watched again";
        // Both programs chart the battle and keep it in their service records, each as its side
        // fought it.
        EXPECT_FALSE(player->program->Winner().ChartImage->isHidden());
        EXPECT_FALSE(player->program->Winner().Chart().isNull());
        const std::vector<kvd::ServiceEntry> service =
            kvd::ServiceRecord(player->t.Folder()).Read();
        ASSERT_EQ(service.size(), 1u);
        const bool hostWon = host.game().Gamestage == kvd::stage::kFirstSideWon;
        EXPECT_EQ(service[0].result == kvd::ServiceEntry::Won, (player == &host) == hostWon);
        EXPECT_FALSE(service[0].opponent == "S" || service[0].opponent == "A");
    }
    // Back to the menu, and a second game without a restart.
    host.program->Winner().Label8Click();
    joining.program->Winner().Label8Click();
    EXPECT_FALSE(joining.t.Folder().Exists(RejoinTicket::kFile))
        << "a decided game is not rejoined";
    Connect();
    Start();
    PlayTurn(draw);
    PlayTurn(draw);
}

TEST_F(NetworkGameTest, APlayerWhoseProgramEndedRejoinsAndOnlyThatPlayer) {
    Connect();
    Start();
    Dice draw(5);
    for (int k = 0; k < 3; ++k) PlayTurn(draw);  // the joining player's turn now
    ASSERT_TRUE(joining.t.Folder().Exists(RejoinTicket::kFile));
    const QString code = host.window().GameCode();
    EXPECT_TRUE(RejoinTicket::IsCode(code));
    joining.program.reset();  // the joining program ends in the middle of the game
    ASSERT_TRUE(
        Until([&] { return host.window().LastStatus() == host.program->State().texts.Text(290); }));
    // Something the band tells: the player's log is the host's when it comes back.
    LogEntry repaired;
    repaired.kind = LogEntry::Repair;
    repaired.turn = host.game().battleLog.turn;
    repaired.first = {45, kvd::kSecondSide, QStringLiteral("Bismarck"), UnitKind::Battleship};
    host.game().battleLog.Add(repaired);

    // A stranger, and a program with the wrong code, are turned away with a word why.
    for (const QString& hello :
         {QStringLiteral("[Name]=Eve"), QStringLiteral("[Rejoin]=0000000X")}) {
        TSimpleTCPClient stranger;
        QByteArray heard;
        bool gone = false;
        stranger.OnRead = [&](QObject*, const QByteArray& bytes) { heard += bytes; };
        stranger.OnDisconnected = [&](QObject*) { gone = true; };
        stranger.SetHost(QStringLiteral("127.0.0.1"));
        stranger.SetPort(port);
        stranger.OnConnected = [&](QObject*) { stranger.SendBuffer(hello.toLatin1() + "\r\n"); };
        stranger.SetConnected(true);
        ASSERT_TRUE(Until([&] { return gone; }));
        EXPECT_EQ(heard, "[Busy]=2\r\n");
        EXPECT_EQ(host.window().LastStatus(), host.program->State().texts.Text(291));
    }
    EXPECT_TRUE(host.game().GameActive);

    // The program starts again and offers the game it left.
    joining.program = std::make_unique<Program>(joining.t.Services());
    TMPForm& w = joining.window();
    w.ShowFullScreen();
    w.Label9Click();
    ASSERT_TRUE(w.Label23->isVisible());
    EXPECT_TRUE(w.Label23->text().contains("Loopback"));
    w.Label23Click();
    ASSERT_TRUE(Until([&] { return JoiningReady(); }, 20000))
        << w.LastStatus().toStdString() << " | " << host.window().LastStatus().toStdString();
    EXPECT_EQ(TableHash(joining.game().scratchpad), TableHash(host.game().scratchpad));
    // The band tells the battle as it stood: its turn, its log and its losses.
    const BattleLog& kept = host.game().battleLog;
    const BattleLog& back = joining.game().battleLog;
    EXPECT_EQ(back.turn, kept.turn);
    EXPECT_GT(kept.turn, 1);
    ASSERT_EQ(back.Size(), kept.Size());
    ASSERT_GT(kept.Size(), 0);
    for (int k = 0; k < kept.Size(); ++k) {
        EXPECT_EQ(back.Newest(k).kind, kept.Newest(k).kind);
        EXPECT_EQ(back.Newest(k).first.name, kept.Newest(k).first.name);
        EXPECT_EQ(back.Newest(k).second.code, kept.Newest(k).second.code);
    }
    EXPECT_EQ(back.identified, kept.identified);
    EXPECT_EQ(w.Edit3->text(), "Alice");
    for (int k = 0; k < 4; ++k) PlayTurn(draw);
    // The rejoined program's record starts where it came back, and plays again to its table.
    const GameRecord* record = joining.program->Journal().Record();
    ASSERT_NE(record, nullptr);
    Game replayed;
    Settings settings;
    QString error;
    EXPECT_TRUE(Replay(*record, replayed, settings, nullptr, -1, &error)) << error.toStdString();
    EXPECT_EQ(TableHash(replayed.scratchpad), TableHash(joining.game().scratchpad));
}

}  // namespace
}  // namespace kvd

namespace kvd {
namespace {

TEST_F(NetworkGameTest, TablesThatDriftApartAreSeenAndTheHostsTableSentAgain) {
    Connect();
    Start();
    Dice draw(11);
    PlayTurn(draw);
    // Something the messages did not carry: the joining program's table differs.
    UnitTable& table = joining.game().scratchpad;
    const int unit = table.FindSide(45, kvd::kSecondSide);
    table.SetStrength(unit, table.Strength(unit) - 1);
    PlayTurn(draw);
    EXPECT_EQ(host.window().LastStatus(), host.program->State().texts.Text(150));
    ASSERT_TRUE(Until([&] {
        return joining.window().State().NetStage == 3 &&
               TableHash(joining.game().scratchpad) == TableHash(host.game().scratchpad);
    }));
    // The game goes on from the host's table.
    PlayTurn(draw);
    EXPECT_EQ(TableHash(joining.game().scratchpad), TableHash(host.game().scratchpad));
}

TEST_F(NetworkGameTest, F12SendsTheTableAgainBetweenTheHostsSteps) {
    Connect();
    Start();
    Dice draw(11);
    UnitTable& table = joining.game().scratchpad;
    table.SetLine(1, table.Line(1).left(2) + QLatin1Char('9') + table.Line(1).mid(3));
    QKeyEvent f12(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
    QCoreApplication::sendEvent(&host.board(), &f12);
    QStringList texts;
    for (const auto& box : host.t.Boxes().Boxes()) texts << box.text;
    EXPECT_EQ(texts, QStringList({host.program->State().texts.Text(141),
                                  host.program->State().texts.Text(142)}));
    ASSERT_TRUE(
        Until([&] { return host.game().scratchpad.Lines() == joining.game().scratchpad.Lines(); }));
    // Not while the joining player moves.
    PlayTurn(draw);
    host.t.Boxes().Clear();
    QCoreApplication::sendEvent(&host.board(), &f12);
    EXPECT_TRUE(host.t.Boxes().Boxes().empty());
}

TEST_F(NetworkGameTest, ALostPeerIsReportedAndThePlayerLeavesByTheQuitCorner) {
    Connect();
    Start();
    Dice draw(11);
    PlayTurn(draw);
    joining.program.reset();  // the joining program ends in the middle of the game
    ASSERT_TRUE(Until([&] { return !host.window().LastStatus().isEmpty(); }));
    EXPECT_EQ(host.window().LastStatus(), host.program->State().texts.Text(290));
    EXPECT_TRUE(host.window().Server().Listen()) << "the host keeps the game for its player";
    host.t.Boxes().Script(BoxAnswer::Yes);
    const QRect band = host.board().Geometry().BottomBand();
    const QPoint corner = band.bottomRight() - QPoint(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, corner, host.board().mapToGlobal(corner),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&host.board(), &press);
    EXPECT_FALSE(host.game().GameActive);
    EXPECT_FALSE(host.game().NetGame);
    EXPECT_FALSE(host.window().Server().Listen());
    EXPECT_TRUE(host.program->Intro().isVisible());
}

}  // namespace
}  // namespace kvd

namespace kvd {
namespace {

TEST_F(NetworkGameTest, ATurnStartFightsThePeersStepNotAnOldMeetingElsewhere) {
    Connect();
    Start();
    // Free water: a cell and its east neighbour for the new fight, one more for an old one.
    const MapLines& map = host.game().MemoPad;
    auto free = [&](int c, int r) {
        if (map.IsLand(c, r)) return false;
        const UnitTable& t = host.game().scratchpad;
        for (int i = 1; i < t.Count(); ++i)
            if (t.PosX(i) == c && t.PosY(i) == r) return false;
        return true;
    };
    QPoint fight(-1, -1), old(-1, -1);
    for (int r = 4; r <= 5; ++r)
        for (int c = 0; c < 9; ++c) {
            if (fight.x() < 0 && free(c, r) && free(c + 1, r))
                fight = QPoint(c, r);
            else if (old.x() < 0 && free(c, r) && (r != fight.y() || c > fight.x() + 2))
                old = QPoint(c, r);
        }
    ASSERT_GE(fight.x(), 0);
    ASSERT_GE(old.x(), 0);
    // The same units on both tables: a cruiser beside a destroyer, and a submarine sharing a
    // cell with the battleship from an earlier meeting that came to nothing.
    for (Player* player : {&host, &joining}) {
        UnitTable& t = player->game().scratchpad;
        t.SetPos(t.FindSide(19, kvd::kFirstSide), fight.x(), fight.y());
        t.SetPos(t.FindSide(35, kvd::kSecondSide), fight.x() + 1, fight.y());
        t.SetPos(t.FindSide(4, kvd::kFirstSide), old.x(), old.y());
        t.SetPos(t.FindSide(45, kvd::kSecondSide), old.x(), old.y());
    }
    host.board().PreDraw();
    const int before =
        host.game().scratchpad.Strength(host.game().scratchpad.FindSide(45, kvd::kSecondSide));
    host.ClickCell(fight.x(), fight.y());
    host.ClickCell(fight.x() + 1, fight.y());
    ASSERT_TRUE(Until([&] { return JoiningReady(); }));
    EXPECT_EQ(TableHash(host.game().scratchpad), TableHash(joining.game().scratchpad));
    const UnitTable& t = joining.game().scratchpad;
    EXPECT_EQ(t.Strength(t.FindSide(45, kvd::kSecondSide)), before)
        << "the old meeting is not fought again";
}

}  // namespace
}  // namespace kvd

namespace kvd {
namespace {

void Key(QWidget& widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
}

TEST_F(NetworkGameTest, TheCommandersExchangeLinesOnTheirBoards) {
    Connect();
    Start();
    Key(host.board(), Qt::Key_Return);
    ChatLine& line = host.board().Chat();
    ASSERT_TRUE(line.isVisible());
    // Tabs and the like become blanks, and a line is at most 60 characters.
    line.setText(QStringLiteral("Again after this one?\tYes") + QString(80, QLatin1Char('!')));
    Key(line, Qt::Key_Return);
    EXPECT_FALSE(line.isVisible());
    const QString said =
        QStringLiteral("Again after this one? Yes") + QString(35, QLatin1Char('!'));
    ASSERT_TRUE(Until([&] {
        return joining.window().LastStatus() ==
               joining.program->State().texts.Text(297) + "Alice: " + said + "  ";
    }));
    EXPECT_EQ(host.window().LastStatus(), "Alice: " + said + "  ");
    // Esc closes the line, not the program.
    Key(joining.board(), Qt::Key_Enter);
    ASSERT_TRUE(joining.board().Chat().isVisible());
    Key(joining.board().Chat(), Qt::Key_Escape);
    EXPECT_FALSE(joining.board().Chat().isVisible());
    EXPECT_TRUE(joining.game().GameActive);
    EXPECT_TRUE(joining.board().isVisible());
    Dice draw(3);
    PlayTurn(draw);
}

}  // namespace
}  // namespace kvd

namespace kvd {
namespace {

// A program of the test's that connects to the host and says only what it is told to.
struct Prober {
    TSimpleTCPClient socket;
    QByteArray heard;
    bool gone = false;
    Prober(quint16 port, const QByteArray& hello) {
        socket.OnRead = [this](QObject*, const QByteArray& bytes) { heard += bytes; };
        socket.OnDisconnected = [this](QObject*) { gone = true; };
        socket.OnConnected = [this, hello](QObject*) {
            if (!hello.isEmpty()) socket.SendBuffer(hello + "\r\n");
        };
        socket.SetHost(QStringLiteral("127.0.0.1"));
        socket.SetPort(port);
        socket.SetConnected(true);
    }
};

TEST_F(NetworkGameTest, AConnectionThatSaysNothingLearnsNothingAndCannotTakeThePlayersPlace) {
    host.window().SetPeerTimes({5000, 15000, 300});
    OpenGame();
    // Connected before anybody, silent: it hears only that it is let go.
    Prober silent(port, {});
    ASSERT_TRUE(Until([&] { return silent.gone; }));
    EXPECT_EQ(silent.heard, "[Busy]=3\r\n");
    EXPECT_EQ(host.window().LastStatus(), host.program->State().texts.Text(300));

    JoinGame();
    ASSERT_TRUE(Until([&] { return host.window().State().NetStage == 3; }));
    Start();
    Dice draw(3);
    PlayTurn(draw);
    const QString code = host.window().GameCode();
    EXPECT_EQ(joining.window().GameCode(), code) << "the seated player has the code";
    joining.program.reset();
    ASSERT_TRUE(Until([&] {
        return host.window().LastStatus().contains(host.program->State().texts.Text(290).trimmed());
    }));
    // Whatever it could say now, it never heard the code: it is not the player.
    Prober guess(port, "[Rejoin]=" + QByteArray(16, '0'));
    ASSERT_TRUE(Until([&] { return guess.gone; }));
    EXPECT_EQ(guess.heard, "[Busy]=2\r\n");
    EXPECT_FALSE(guess.heard.contains(code.toLatin1()));
    EXPECT_TRUE(host.game().GameActive);
}

TEST_F(NetworkGameTest, ThePlayerGetsBackInWhileAnotherProgramReconnectsWithoutEnd) {
    Connect();
    Start();
    Dice draw(9);
    for (int k = 0; k < 2; ++k) PlayTurn(draw);
    joining.program.reset();
    ASSERT_TRUE(Until([&] { return host.window().Server().Clients().empty(); }));

    // A loop that connects again the moment it is let go, silent or with a wrong word.
    std::vector<std::unique_ptr<Prober>> loop;
    int opened = 0;
    auto keepKnocking = [&] {
        std::erase_if(loop, [](const auto& p) { return p->gone; });
        while (loop.size() < 12 && opened < 2000) {
            loop.push_back(std::make_unique<Prober>(
                port, opened % 2 ? QByteArray() : QByteArray("[Name]=Mallory")));
            ++opened;
        }
    };
    keepKnocking();
    Until(
        [&] {
            keepKnocking();
            return false;
        },
        1000);
    EXPECT_GT(opened, 12) << "the loop goes round";

    joining.program = std::make_unique<Program>(joining.t.Services());
    TMPForm& w = joining.window();
    w.ShowFullScreen();
    w.Label9Click();
    w.Label23Click();
    EXPECT_TRUE(Until(
        [&] {
            keepKnocking();
            return JoiningReady() || HostReady();
        },
        5000))
        << w.LastStatus().toStdString();
    loop.clear();
    ASSERT_TRUE(Until(
        [&] { return TableHash(joining.game().scratchpad) == TableHash(host.game().scratchpad); }));
    PlayTurn(draw);
}

TEST_F(NetworkGameTest, RejoinFindingTheHostInAnotherGameSaysSoAndJoinsNothing) {
    Connect();
    Start();
    Dice draw(4);
    PlayTurn(draw);
    joining.program.reset();
    // The host leaves its game and opens a new one on the same port.
    host.program.reset();
    host.program = std::make_unique<Program>(host.t.Services());
    host.program->MultiPlayer().Lan() = test::LoopbackLan();
    OpenGame(QStringLiteral("Carol"), QStringLiteral("Other"));

    joining.program = std::make_unique<Program>(joining.t.Services());
    TMPForm& w = joining.window();
    w.ShowFullScreen();
    w.Label9Click();
    w.Label23Click();
    const QString other = joining.program->State().texts.Text(302);
    ASSERT_TRUE(Until([&] { return w.LastStatus().contains(other.trimmed()); }))
        << w.LastStatus().toStdString();
    EXPECT_EQ(host.window().LastStatus(), host.program->State().texts.Text(303));
    EXPECT_LT(w.State().NetStage, 2) << "no new game was joined in its place";
    EXPECT_FALSE(joining.game().GameActive);
    EXPECT_FALSE(joining.t.Folder().Exists(RejoinTicket::kFile));
    EXPECT_TRUE(host.window().AxisName->text().isEmpty());
}

// The greeting's Join on a joining program that is already linked keeps the link, and a program
// that connects again is greeted afresh: either way the host is offered the start, and the game
// starts.
TEST_F(NetworkGameTest, JoinAgainOrConnectAgainNeverStrandsTheSetUp) {
    Connect();
    QLabel* join = joining.window().Label18;
    ASSERT_TRUE(join->isVisibleTo(&joining.window()));
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, QPointF(4, 4), join->mapToGlobal(QPointF(4, 4)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(join, &click);
    }
    Until([] { return false; }, 200);  // time for a reconnect, were one begun
    EXPECT_EQ(joining.window().State().NetStage, 2) << "still linked, nothing sent again";
    EXPECT_EQ(host.window().State().NetStage, 3);

    // Connecting again drops the link; the host greets the new connection as the first.
    joining.window().Label13Click();
    ASSERT_TRUE(Until([&] {
        return host.window().State().NetStage == 3 && joining.window().State().NetStage == 2 &&
               host.window().Label10->isVisibleTo(&host.window());
    }));
    Start();
}

}  // namespace
}  // namespace kvd
