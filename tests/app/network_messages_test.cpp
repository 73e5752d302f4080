// One program against a peer the test scripts byte by byte: every stage of the exchange, the
// message edge cases, and what a malformed or hostile message does (nothing but a status line).
#include <gtest/gtest.h>

#include "app/program.h"
#include "board/main_form.h"
#include "core/game.h"
#include "core/table_hash.h"
#include "net/mp_form.h"
#include "play/selection.h"
#include "tests/app/network_players.h"

namespace kvd {
namespace {

using test::FreePort;
using test::Until;

// Lets the events of a few milliseconds pass (for messages that must change nothing).
void Settle() {
    for (int k = 0; k < 5; ++k) Until([] { return false; }, 4);
}

struct Scripted : ::testing::Test {
    test::Player me;
    test::TestPlatform& t = me.t;
    std::unique_ptr<Program>& program = me.program;
    Game& game() { return program->TheGame(); }
    TMPForm& window() { return program->MultiPlayer(); }
    QString Text(int n) { return program->State().texts.Text(n); }
    // Every line of a fleet file as the host would send it.
    QStringList Fleet(const QString& file) {
        QStringList lines;
        t.Folder().LoadLines(QStringLiteral("config/") + file, lines);
        return lines;
    }
    quint16 port = FreePort();
};

// The program joins; the test is its host.
struct JoiningProgram : Scripted {
    TSimpleTCPServer host;
    QByteArray received;
    bool gone = false;

    void SetUp() override {
        host.SetPort(port);
        host.OnClientRead = [&](QObject*, TSimpleTCPClient*, const QByteArray& bytes) {
            received += bytes;
        };
        host.OnClientDisconnected = [&](QObject*, TSimpleTCPClient*) { gone = true; };
        host.SetListen(true);
        window().ShowFullScreen();
        window().Label9Click();
        window().ClientIP->setText(QStringLiteral("127.0.0.1"));
        window().Edit1->setText(QStringLiteral("Bob"));
        window().ClientPortEdit->setText(QString::number(port));
        window().Label13Click();
        ASSERT_TRUE(Until([&] { return received.contains("[Name]=Bob\r\n"); }));
    }
    void Send(const QByteArray& bytes) {
        ASSERT_FALSE(host.Clients().empty());
        host.SendBuffer(host.Clients().front().get(), bytes.constData(), int(bytes.size()));
    }
    void SendLines(const QStringList& lines) {
        QByteArray bytes;
        for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
        Send(bytes);
    }
    void Greet() {
        // The whole greeting in one read: every message of it is handled.
        SendLines({"[Game]=Narvik", "[Navy]=U", "[Name]=Alice", "[Mapz]=$ICELAND", "[Home]=T",
                   "[Fire]=Y", "[Show]=N", "[Flag]=N", "[Stage]=2T"});
        ASSERT_TRUE(Until([&] { return received.contains("[Stage]=2\r\n"); }));
    }
    void SendTableAndStart() {
        SendLines(Fleet("Uships.cfg"));
        SendLines({"[Stage]=3", "StartGame"});
        ASSERT_TRUE(Until([&] { return game().GameActive; }));
    }
};

TEST_F(JoiningProgram, TheGreetingSetsUpTheGameAndOnlyStageMessagesCountAfterIt) {
    SendLines({"[Stage]=3"});  // no table can come before the greeting
    Settle();
    EXPECT_EQ(window().State().NetStage, 0);
    Greet();
    EXPECT_EQ(window().State().NetStage, 2);
    EXPECT_EQ(window().Edit4->text(), "Narvik");
    EXPECT_EQ(window().Edit3->text(), "Alice");
    EXPECT_EQ(window().Edit5->text(), "US Navy");
    const Settings& s = program->State().settings;
    EXPECT_EQ(s.MapName, "$ICELAND");
    EXPECT_EQ(game().HomePosition, QLatin1Char('T'));
    EXPECT_EQ(s.AdditionalDamage, QLatin1Char('Y'));
    EXPECT_EQ(s.RevealOption, QLatin1Char('N'));
    EXPECT_EQ(s.FlagTransfer, QLatin1Char('N'));

    SendLines({"[Game]=Other", "[Name]=Mallory"});  // a greeting after the greeting
    Settle();
    EXPECT_EQ(window().Edit4->text(), "Narvik");
    EXPECT_EQ(window().Edit3->text(), "Alice");

    SendTableAndStart();
    UnitTable sent;
    sent.SetLines(Fleet("Uships.cfg"));
    EXPECT_EQ(TableHash(game().scratchpad), TableHash(sent)) << "the table as the host sent it";
    EXPECT_EQ(game().NetRole, 2);
    EXPECT_EQ(s.HomeNavy, QLatin1Char('J')) << "the joining program fights the host's navy";
    EXPECT_TRUE(program->Board().isVisible());
    EXPECT_TRUE(game().PlayerTurn) << "the host moves first";
}

TEST_F(JoiningProgram, GreetingValuesOutsideTheirLettersAreRefused) {
    for (const char* bad : {"[Navy]=D", "[Navy]=", "[Home]=X", "[Fire]=maybe", "[Show]=1",
                            "[Flag]=YY", "[Mapz]=../../etc/passwd", "[Mapz]=NOCHART"}) {
        SCOPED_TRACE(bad);
        SendLines({bad});
        ASSERT_TRUE(
            Until([&] { return window().LastStatus().contains(QString::fromLatin1(bad)); }));
    }
    const Settings& s = program->State().settings;
    EXPECT_EQ(s.HomeNavy, QLatin1Char('E'));
    EXPECT_EQ(s.MapName, "$STANDARD");
}

TEST_F(JoiningProgram, MessagesCutAnywhereAreJoinedAndAStageTwoWithMoreIsStageTwo) {
    const QByteArray greeting = "[Game]=Split\r\n[Stage]=2 and more\r\n";
    for (char byte : greeting) Send(QByteArray(1, byte));  // one byte a read
    ASSERT_TRUE(Until([&] { return window().State().NetStage == 2; }));
    EXPECT_EQ(window().Edit4->text(), "Split");
}

TEST_F(JoiningProgram, ATableThatIsNotATableIsNotTaken) {
    Greet();
    QStringList lines = Fleet("Uships.cfg");
    lines[3] = lines[3].left(30);  // a unit line cut short
    SendLines(lines);
    SendLines({"[Stage]=3", "StartGame"});
    ASSERT_TRUE(Until([&] { return window().State().NetStage == 3; }));
    Settle();
    EXPECT_FALSE(game().GameActive) << "a game is never started on a broken table";
    EXPECT_FALSE(window().LastStatus().isEmpty());
}

TEST_F(JoiningProgram, TheHostsRecordsAreHeldToTheRulesAndToItsTurn) {
    Greet();
    SendTableAndStart();
    UnitTable& table = game().scratchpad;
    const Side host = kvd::kFirstSide;
    const int five = table.FindSide(5, host);
    const int x = table.PosX(five), y = table.PosY(five);
    const kvd::Targets targets = TargetsOf(game(), host, x, y);
    ASSERT_FALSE(targets.empty());
    const QPoint to = targets.front();
    auto record = [](int code, int c, int r, int fc, int fr) {
        return QStringLiteral("[Move]=") + TwoDigits(code) + TwoDigits(c) + TwoDigits(r) +
               TwoDigits(fc) + TwoDigits(fr);
    };
    auto refused = [&](const QString& bad) {
        SCOPED_TRACE(bad.toStdString());
        const QStringList before = table.Lines();
        SendLines({bad});
        ASSERT_TRUE(Until([&] { return window().LastStatus().contains(bad.left(40)); }));
        EXPECT_EQ(table.Lines(), before);
    };
    // Records of no sound form, and steps the board would not offer: two cells at once, from a
    // cell the unit is not on, onto a unit of its own side, a minefield under way, a repair of a
    // sound ship, a unit of the other side.
    const int mine = table.FindSide(23, host), own = table.FindSide(3, host);
    QStringList bad = {"[Move]=05030204",
                       "[Move]=0503020404x",
                       "[Move]=0a03020404",
                       "[Move]=05-3020404",
                       "[Move]=9903020404",
                       "[Repair]=0221x",
                       "[Repair]=2645",
                       "[Repair]=0221",
                       record(5, x + (x < 8 ? 2 : -2), y, x, y),
                       record(5, to.x(), to.y(), x == 0 ? 1 : x - 1, y),
                       record(29, to.x(), to.y(), x, y),
                       record(23, table.PosX(mine), std::min(table.PosY(mine) + 1, 9),
                              table.PosX(mine), table.PosY(mine))};
    if (AreNeighbours(x, y, table.PosX(own), table.PosY(own)))
        bad << record(5, table.PosX(own), table.PosY(own), x, y);
    for (const QString& b : bad) refused(b);

    SendLines({record(5, to.x(), to.y(), x, y), "E 9 unit line at stage three is no unit line"});
    ASSERT_TRUE(Until([&] { return table.PosX(five) == to.x() && table.PosY(five) == to.y(); }));
    EXPECT_EQ(table.PrevX(five), x);
    EXPECT_EQ(table.PrevY(five), y);
    EXPECT_EQ(game().SideToMove, host);
    Settle();
    EXPECT_EQ(table.Count(), Fleet("Uships.cfg").size());
    // One step a turn.
    const kvd::Targets next = TargetsOf(game(), host, to.x(), to.y());
    ASSERT_FALSE(next.empty());
    refused(record(5, next.front().x(), next.front().y(), to.x(), to.y()));

    SendLines({"EnemyGo!", "EnemyGo "});  // not the turn token
    Settle();
    EXPECT_FALSE(game().OpponentTurn);
    SendLines({"EnemyGo"});
    ASSERT_TRUE(
        Until([&] { return game().OpponentTurn && game().SideToMove == kvd::kSecondSide; }));
    // Now the turn is this player's: the host's records and tokens wait for it to end.
    refused(record(5, next.front().x(), next.front().y(), to.x(), to.y()));
    refused(QStringLiteral("EnemyGo"));
    EXPECT_EQ(game().SideToMove, kvd::kSecondSide);
}

// The turn passes only with a step, and only while the host is there to take the answer.
TEST_F(JoiningProgram, ATokenWithoutAStepIsNoTurnAndALostHostsBoardTakesNoStep) {
    Greet();
    SendTableAndStart();
    SendLines({"EnemyGo"});
    ASSERT_TRUE(Until([&] { return window().LastStatus().contains(QStringLiteral("EnemyGo")); }));
    Settle();
    EXPECT_FALSE(game().OpponentTurn) << "the board never offers a turn without a step";

    UnitTable& table = game().scratchpad;
    const int five = table.FindSide(5, kvd::kFirstSide);
    const int x = table.PosX(five), y = table.PosY(five);
    const QPoint to = TargetsOf(game(), kvd::kFirstSide, x, y).front();
    SendLines({QStringLiteral("[Move]=05") + TwoDigits(to.x()) + TwoDigits(to.y()) + TwoDigits(x) +
                   TwoDigits(y),
               "EnemyGo"});
    ASSERT_TRUE(Until([&] { return game().OpponentTurn && !me.guard().Running(); }));

    // The host is gone: the player's click moves nothing, so nothing is undone on rejoining.
    host.Disconnect(host.Clients().front().get());
    ASSERT_TRUE(Until([&] { return !window().Client().Connected(); }));
    ASSERT_TRUE(Until([&] { return window().LastStatus().contains(Text(149)); }));
    const kvd::Side own = kvd::kSecondSide;
    bool tried = false;
    for (int line = 1; line < table.Count() && !tried; ++line) {
        if (table.Side(line) != own) continue;
        const kvd::Targets targets = TargetsOf(game(), own, table.PosX(line), table.PosY(line));
        if (targets.empty()) continue;
        const QStringList before = table.Lines();
        me.ClickCell(table.PosX(line), table.PosY(line));
        me.ClickCell(targets.front().x(), targets.front().y());
        Settle();
        EXPECT_EQ(table.Lines(), before);
        tried = true;
    }
    EXPECT_TRUE(tried);
}

// The host's repair is a move like any other: the joining program mends the ship and its
// battle log tells it.
TEST_F(JoiningProgram, TheHostsRepairIsInThisProgramsLogToo) {
    Greet();
    SendTableAndStart();
    UnitTable& table = game().scratchpad;
    const int supply = table.FindSide(2, kvd::kFirstSide),
              five = table.FindSide(5, kvd::kFirstSide);
    // Both programs' tables as the host's would stand: submarine 5 damaged beside the supply ship.
    const int x = table.PosX(supply), y = table.PosY(supply);
    table.SetPos(five, x < 9 ? x + 1 : x - 1, y);
    table.SetStrength(five, 3);
    table.SetDamageState(five, 1);
    const int logged = game().battleLog.Size();
    SendLines({"[Repair]=0205"});
    ASSERT_TRUE(Until([&] { return table.RepairCount(five) == 1; }));
    EXPECT_EQ(table.Strength(five), 4);
    ASSERT_EQ(game().battleLog.Size(), logged + 1);
    EXPECT_EQ(game().battleLog.Newest(0).kind, LogEntry::Repair);
}

TEST_F(JoiningProgram, AHostThatDropsBeforeTheGreetingLeavesConnectOffered) {
    ASSERT_FALSE(window().Label13->isVisible());
    host.Disconnect(host.Clients().front().get());
    ASSERT_TRUE(Until([&] { return !window().Client().Connected(); }));
    EXPECT_TRUE(window().Label13->isVisible());
    EXPECT_FALSE(window().AlliedPanel->isVisible());
}

TEST_F(JoiningProgram, ALineWithoutEndIsCutOffWithTheConnection) {
    Greet();
    SendTableAndStart();
    Send(QByteArray(5000, 'E'));
    ASSERT_TRUE(Until([&] { return gone; }));
    // The line says both why the connection closed and what the player may do now.
    ASSERT_TRUE(Until([&] { return window().LastStatus().contains(Text(149)); }));
    EXPECT_TRUE(window().LastStatus().contains(Text(152).trimmed()));
    EXPECT_FALSE(window().Client().Connected());
}

// The program hosts; the test joins it.
struct HostingProgram : Scripted {
    TSimpleTCPClient peer;
    QByteArray received;

    void Host(QChar navy) {
        program->State().settings.HomeNavy = navy;
        window().ShowFullScreen();
        window().Label8Click();
        window().AlliedName->setText(QStringLiteral("Alice"));
        window().GameName->setText(QStringLiteral("Narvik"));
        window().ServerPortEdit->setText(QString::number(port));
        window().Label10Click();
        peer.SetHost(QStringLiteral("127.0.0.1"));
        peer.SetPort(port);
        peer.OnRead = [&](QObject*, const QByteArray& bytes) { received += bytes; };
        // A joining program says who it is as soon as it is connected.
        peer.OnConnected = [&](QObject*) {
            if (introduce) peer.SendBuffer(QByteArray("[Name]=Eve\r\n"));
        };
        peer.SetConnected(true);
    }
    bool introduce = true;
};

TEST_F(HostingProgram, AKriegsmarineHostLeadsTheRoyalNavyAndGreetsInOrder) {
    Host(QLatin1Char('D'));
    ASSERT_FALSE(t.Boxes().Boxes().empty());
    EXPECT_EQ(t.Boxes().Boxes().front().text, "  " + Text(103) + "   ");
    EXPECT_EQ(program->State().settingsLines.First(1), QLatin1Char('E'));
    ASSERT_TRUE(Until([&] { return received.contains("[Stage]=2"); }));
    const QList<QByteArray> messages = received.split('\n');
    QStringList keys;
    for (const QByteArray& m : messages)
        if (m.size() > 7) keys << QString::fromLatin1(m.left(7));
    EXPECT_EQ(keys, QStringList({"[Game]=", "[Navy]=", "[Name]=", "[Mapz]=", "[Home]=", "[Fire]=",
                                 "[Show]=", "[Flag]=", "[Code]=", "[Stage]"}));
    EXPECT_TRUE(received.startsWith("[Game]=Narvik\r\n[Navy]=E\r\n[Name]=Alice\r\n"));

    // A second program that tries to join is turned away.
    TSimpleTCPClient second;
    bool secondGone = false;
    QByteArray secondHeard;
    second.OnDisconnected = [&](QObject*) { secondGone = true; };
    second.OnRead = [&](QObject*, const QByteArray& bytes) { secondHeard += bytes; };
    second.OnConnected = [&](QObject*) { second.SendBuffer(QByteArray("[Name]=Mallory\r\n")); };
    second.SetHost(QStringLiteral("127.0.0.1"));
    second.SetPort(port);
    second.SetConnected(true);
    ASSERT_TRUE(Until([&] { return secondGone; }));
    EXPECT_EQ(secondHeard, "[Busy]=1\r\n") << "nothing of the game, only why";
    EXPECT_EQ(window().Server().Clients().size(), 1u);

    peer.SendBuffer(QByteArray("[Name]=Eve\r\n[Stage]=2\r\n"));
    ASSERT_TRUE(Until([&] { return window().State().NetStage == 3; }));
    EXPECT_EQ(window().AxisName->text(), "Eve");
    EXPECT_EQ(window().Edit6->text(), "Kriegsmarine");
    EXPECT_EQ(window().Label10->text(), Text(110));
}

TEST_F(HostingProgram, AJoiningProgramThatLeavesBeforeTheStartMakesRoomForTheNext) {
    Host(QLatin1Char('U'));
    ASSERT_TRUE(Until([&] { return received.contains("[Stage]=2"); }));
    peer.SendBuffer(QByteArray("[Stage]=2\r\n"));
    ASSERT_TRUE(Until([&] { return window().State().NetStage == 3; }));
    peer.SetConnected(false);
    ASSERT_TRUE(Until([&] { return window().State().NetStage == 0; }));
    received.clear();
    peer.SetConnected(true);
    ASSERT_TRUE(Until([&] { return received.contains("[Stage]=2"); }));
    EXPECT_TRUE(received.contains("[Navy]=U\r\n"));
}

TEST_F(HostingProgram, ALineWithoutEndDropsTheJoiningProgram) {
    Host(QLatin1Char('E'));
    bool dropped = false;
    peer.OnDisconnected = [&](QObject*) { dropped = true; };
    ASSERT_TRUE(Until([&] { return received.contains("[Stage]=2"); }));
    peer.SendBuffer(QByteArray(5000, 'D'));
    ASSERT_TRUE(Until([&] { return dropped; }));
    EXPECT_TRUE(window().LastStatus().contains(Text(152).trimmed()));
    EXPECT_TRUE(window().Server().Listen()) << "the host waits for another";
}

TEST_F(HostingProgram, APeerThatNeverSpeaksOrFallsSilentIsLetGoAndTheHostWaitsForAnother) {
    window().SetPeerTimes({50, 400, 400});
    introduce = false;
    Host(QLatin1Char('E'));
    bool dropped = false;
    peer.OnDisconnected = [&](QObject*) { dropped = true; };
    // Connected and never a word: not greeted, and let go with the reason on both sides.
    EXPECT_FALSE(received.contains("[Game]="));
    ASSERT_TRUE(Until([&] { return dropped; }));
    EXPECT_EQ(received, "[Busy]=3\r\n");
    EXPECT_EQ(window().LastStatus(), Text(300));
    // Introduced and beating, then silent: the host beats all along, and lets it go.
    dropped = false;
    received.clear();
    introduce = true;
    peer.SetConnected(true);
    ASSERT_TRUE(Until([&] { return received.contains("[Stage]=2"); }));
    peer.SendBuffer(QByteArray("[Beat]\r\n"));
    ASSERT_TRUE(Until([&] { return received.contains("[Beat]\r\n"); }));
    ASSERT_TRUE(Until([&] { return dropped; }));
    EXPECT_TRUE(window().LastStatus().contains(Text(294).trimmed()));
    EXPECT_TRUE(window().Server().Listen()) << "the host waits for another";
    // A peer that beats stays, however long it takes.
    dropped = false;
    peer.SetConnected(true);
    ASSERT_TRUE(Until([&] { return window().Server().Clients().size() == 1; }));
    peer.SendBuffer(QByteArray("[Name]=Eve\r\n"));
    for (int k = 0; k < 8; ++k) {
        peer.SendBuffer(QByteArray("[Beat]\r\n"));
        Until([] { return false; }, 100);
    }
    EXPECT_FALSE(dropped);
}

TEST_F(HostingProgram, EveryWayBackGivesTheFirstChoiceAndABadPortIsSaidSo) {
    TMPForm& w = window();
    auto firstChoice = [&] {
        return w.StartPanel->isVisible() && w.StartPanel->pos() == QPoint(18, 170) &&
               w.Label8->isVisible() && w.Label9->isVisible() && !w.SvrPanel->isVisible() &&
               !w.ClientPanel->isVisible();
    };
    w.ShowFullScreen();
    EXPECT_TRUE(firstChoice());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Host(QLatin1Char('E'));
        ASSERT_TRUE(Until([&] { return received.contains("[Stage]=2"); }));
        w.Label7Click();
        EXPECT_TRUE(firstChoice());
        EXPECT_FALSE(w.Server().Listen());
        w.Label9Click();
        EXPECT_TRUE(w.ClientPanel->isVisible());
        w.Label14Click();
        EXPECT_TRUE(firstChoice());
        peer.SetConnected(false);
        received.clear();
    }
    for (const char* bad : {"70000", "0", "port"}) {
        t.Boxes().Clear();
        w.Label8Click();
        w.AlliedName->setText(QStringLiteral("Alice"));
        w.GameName->setText(QStringLiteral("Narvik"));
        w.ServerPortEdit->setText(QString::fromLatin1(bad));
        w.Label10Click();
        EXPECT_FALSE(w.Server().Listen()) << bad;
        ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
        EXPECT_EQ(t.Boxes().Boxes()[0].text, "   " + Text(298) + "  ");
        w.Label7Click();
    }
}

TEST_F(HostingProgram, StartWithoutNamesOrConnectWithoutAnAddressIsRefused) {
    window().ShowFullScreen();
    window().Label8Click();
    window().Label10Click();
    EXPECT_FALSE(window().Server().Listen());
    window().Label7Click();
    window().Label9Click();
    window().Label13Click();
    EXPECT_FALSE(window().Client().ConnectRequested());
    ASSERT_EQ(t.Boxes().Boxes().size(), 2u);
    EXPECT_EQ(t.Boxes().Boxes()[0].text, "   " + Text(100) + "  ");
    EXPECT_EQ(t.Boxes().Boxes()[1].text, "   " + Text(102) + "  ");
}

}  // namespace
}  // namespace kvd
