// Two whole programs in one test process, one hosting and one joining over loopback: the
// handshake, the table, a game played to its end by clicks on both boards, and both tables
// kept equal after every turn.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "app/program.h"
#include "campaign/winner_form.h"
#include "core/game.h"
#include "core/main_form.h"
#include "frontend/intro_form.h"
#include "net/mp_form.h"
#include "net/table_hash.h"
#include "play/radar.h"
#include "tests/support/loopback.h"
#include "tests/support/test_platform.h"

namespace kvd {
namespace {

using test::FreePort;
using test::Until;

struct Player {
    Player() {
        t.UseBuiltInAssets();
        t.CopyData("config");
        t.CopyData("maps");
        t.CopyData("help");
        program = std::make_unique<Program>(t.Services());
    }
    Game& game() { return program->TheGame(); }
    TMPForm& window() { return program->MultiPlayer(); }
    TMainForm& board() { return program->Board(); }
    void ClickCell(int column, int row) {
        const QPoint at = board().Geometry().Cell(column, row).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, board().mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&board(), &press);
    }
    test::TestPlatform t;
    std::unique_ptr<Program> program;
};

// The two programs of one game, from the host's Host to both boards.
struct NetworkGameTest : ::testing::Test {
    Player host, joining;
    quint16 port = FreePort();

    void Connect() {
        host.window().ShowFullScreen();
        host.window().Label8Click();
        host.window().AlliedName->setText(QStringLiteral("Alice"));
        host.window().GameName->setText(QStringLiteral("Loopback"));
        host.window().ServerPortEdit->setText(QString::number(port));
        host.window().Label10Click();
        ASSERT_TRUE(host.window().Server().Listen()) << host.window().SvrLogLabel->text().toStdString();

        joining.window().ShowFullScreen();
        joining.window().Label9Click();
        joining.window().ClientIP->setText(QStringLiteral("127.0.0.1"));
        joining.window().Edit1->setText(QStringLiteral("Bob"));
        joining.window().ClientPortEdit->setText(QString::number(port));
        joining.window().Label13Click();
        ASSERT_TRUE(Until([&] { return host.window().State().NetStage == 3 && joining.window().State().NetStage == 2; }));
    }
    void Start() {
        host.window().Label10Click();
        ASSERT_TRUE(Until([&] { return joining.game().GameActive == 1 && host.game().GameActive == 1; }));
    }
    bool HostReady() {
        Game& g = host.game();
        return g.GameActive == 1 && g.PlayerTurn == 1 && g.SideToMove == QLatin1Char('E') && !g.guard.Running();
    }
    bool JoiningReady() {
        Game& g = joining.game();
        return g.GameActive == 1 && g.OpponentTurn == 1 && g.SideToMove == QLatin1Char('D') && !g.guard.Running();
    }
    bool BothOver() { return host.game().GameActive == 0 && joining.game().GameActive == 0; }
};

// A step for a side: into an opposing unit when one is next to a unit, otherwise toward the
// nearest opposing unit. False when no unit can move.
bool ChooseStep(const Game& game, QChar side, QPoint& from, QPoint& to, bool& attack) {
    const UnitTable& table = game.scratchpad;
    const QChar other = side == QLatin1Char('E') ? QLatin1Char('D') : QLatin1Char('E');
    int best = 1000;
    attack = false;
    for (int i = 1; i < table.Count(); ++i) {
        const int code = table.Code(i);
        if (table.Side(i) != side || code == 1 || CodeIn(code, 23, 25) || CodeIn(code, 47, 49)) continue;
        const int x = table.PosX(i), y = table.PosY(i);
        // Two own units on one cell: the first one found is the one a click selects.
        if (table.Find(code) != i) continue;
        bool first = true;
        for (int k = 1; k < i && first; ++k)
            if (table.Side(k) == side && table.PosX(k) == x && table.PosY(k) == y) first = false;
        if (!first) continue;
        const QString radar = Radar(game, x, y);
        for (int d = 1; d <= 8; ++d) {
            const Offset o = DirectionOffset(d);
            const int c = x + o.dc, r = y + o.dr;
            const QChar seen = radar[d - 1];
            const bool free = seen == QChar(u'0' + d);
            const bool enemy = seen == other && !HoldsUnitOf(game, side, c, r);
            if (!free && !enemy) continue;
            int distance = enemy ? -1 : 100;
            if (!enemy)
                for (int j = 1; j < table.Count(); ++j)
                    if (table.Side(j) == other && table.Code(j) != 1)
                        distance = std::min(distance, std::max(std::abs(table.PosX(j) - c), std::abs(table.PosY(j) - r)));
            if (distance < best) {
                best = distance;
                from = QPoint(x, y);
                to = QPoint(c, r);
                attack = enemy;
            }
        }
    }
    return best < 1000;
}

TEST_F(NetworkGameTest, TwoProgramsPlayAGameToItsEndWithEqualTables) {
    Connect();
    EXPECT_EQ(host.window().AxisName->text(), "Bob");
    EXPECT_EQ(joining.window().Edit3->text(), "Alice");
    EXPECT_EQ(joining.window().Edit4->text(), "Loopback");
    EXPECT_EQ(joining.window().Edit5->text(), "Royal Navy");
    Start();
    EXPECT_EQ(host.game().scratchpad.Lines(), joining.game().scratchpad.Lines()) << "the table arrives whole";
    EXPECT_EQ(host.game().NetRole, 1);
    EXPECT_EQ(joining.game().NetRole, 2);
    EXPECT_EQ(host.game().scratchpad.FindSide(1, QLatin1Char('E')), -1) << "no radar aircraft in a network game";

    int turns = 0, hostAttacks = 0, joiningAttacks = 0;
    while (!BothOver() && turns < 800) {
        const bool hostMoves = HostReady();
        ASSERT_TRUE(hostMoves || JoiningReady()) << "turn " << turns << ": nobody may move";
        Player& mover = hostMoves ? host : joining;
        QPoint from, to;
        bool attack = false;
        ASSERT_TRUE(ChooseStep(mover.game(), hostMoves ? QLatin1Char('E') : QLatin1Char('D'), from, to, attack));
        (hostMoves ? hostAttacks : joiningAttacks) += attack;
        mover.ClickCell(from.x(), from.y());
        ASSERT_EQ(mover.game().UnitSelected, 1) << "turn " << turns;
        mover.ClickCell(to.x(), to.y());
        ++turns;
        ASSERT_TRUE(Until([&] { return BothOver() || (hostMoves ? JoiningReady() : HostReady()); }))
            << "turn " << turns << ": the turn never passed";
        if (!BothOver()) {
            ASSERT_EQ(TableHash(host.game().scratchpad), TableHash(joining.game().scratchpad)) << "turn " << turns;
        }
    }
    EXPECT_GE(turns, 20);
    EXPECT_GT(hostAttacks, 0);
    EXPECT_GT(joiningAttacks, 0);
    ASSERT_TRUE(Until([&] { return BothOver(); }));
    EXPECT_EQ(host.game().Gamestage, joining.game().Gamestage);
    EXPECT_GT(host.game().Gamestage, 7);
    EXPECT_TRUE(host.program->Winner().isVisible());
    EXPECT_TRUE(joining.program->Winner().isVisible());
    EXPECT_TRUE(host.window().LastStatus().isEmpty()) << host.window().LastStatus().toStdString();
    EXPECT_TRUE(joining.window().LastStatus().isEmpty()) << joining.window().LastStatus().toStdString();
}

}  // namespace
}  // namespace kvd

namespace kvd {
namespace {

// One step of the side to move, and the turn handed over.
void Step(NetworkGameTest& test, bool hostMoves) {
    Player& mover = hostMoves ? test.host : test.joining;
    QPoint from, to;
    bool attack = false;
    ASSERT_TRUE(ChooseStep(mover.game(), hostMoves ? QLatin1Char('E') : QLatin1Char('D'), from, to, attack));
    mover.ClickCell(from.x(), from.y());
    mover.ClickCell(to.x(), to.y());
    ASSERT_TRUE(Until([&] { return hostMoves ? test.JoiningReady() : test.HostReady(); }));
}

TEST_F(NetworkGameTest, TablesThatDriftApartAreSeenAndTheHostsTableSentAgain) {
    Connect();
    Start();
    Step(*this, true);
    // Something the messages did not carry: the joining program's table differs.
    UnitTable& table = joining.game().scratchpad;
    const int unit = table.FindSide(45, QLatin1Char('D'));
    table.SetStrength(unit, table.Strength(unit) - 1);
    Step(*this, false);
    EXPECT_EQ(host.window().LastStatus(), host.program->State().texts.Text(150));
    ASSERT_TRUE(Until([&] { return joining.window().State().NetStage == 3 && TableHash(joining.game().scratchpad) ==
                                                                                   TableHash(host.game().scratchpad); }));
    // The game goes on from the host's table.
    Step(*this, true);
    EXPECT_EQ(TableHash(joining.game().scratchpad), TableHash(host.game().scratchpad));
}

TEST_F(NetworkGameTest, F12SendsTheTableAgainBetweenTheHostsSteps) {
    Connect();
    Start();
    UnitTable& table = joining.game().scratchpad;
    table.SetLine(1, table.Line(1).left(2) + QLatin1Char('9') + table.Line(1).mid(3));
    QKeyEvent f12(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
    QCoreApplication::sendEvent(&host.board(), &f12);
    QStringList texts;
    for (const auto& box : host.t.Boxes().Boxes()) texts << box.text;
    EXPECT_EQ(texts, QStringList({host.program->State().texts.Text(141), host.program->State().texts.Text(142)}));
    ASSERT_TRUE(Until([&] { return host.game().scratchpad.Lines() == joining.game().scratchpad.Lines(); }));
    // Not while the joining player moves.
    Step(*this, true);
    host.t.Boxes().Clear();
    QCoreApplication::sendEvent(&host.board(), &f12);
    EXPECT_TRUE(host.t.Boxes().Boxes().empty());
}

TEST_F(NetworkGameTest, ALostPeerIsReportedAndThePlayerLeavesByTheQuitCorner) {
    Connect();
    Start();
    Step(*this, true);
    joining.program.reset();  // the joining program ends in the middle of the game
    ASSERT_TRUE(Until([&] { return !host.window().LastStatus().isEmpty(); }));
    EXPECT_EQ(host.window().LastStatus(), host.program->State().texts.Text(149));
    host.t.Boxes().Script(BoxAnswer::Yes);
    const QRect band = host.board().Geometry().BottomBand();
    const QPoint corner = band.bottomRight() - QPoint(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, corner, host.board().mapToGlobal(corner), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&host.board(), &press);
    EXPECT_EQ(host.game().GameActive, 0);
    EXPECT_EQ(host.game().NetGame, 0);
    EXPECT_FALSE(host.window().Server().Listen());
    EXPECT_TRUE(host.program->Intro().isVisible());
}

}  // namespace
}  // namespace kvd
