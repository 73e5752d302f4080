#pragma once
// Two whole programs of one network game in a test, one hosting and one joining on loopback,
// and a simple player for either side.
#include <QCoreApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <vector>

#include "app/program.h"
#include "core/game.h"
#include "board/main_form.h"
#include "net/mp_form.h"
#include "net/table_hash.h"
#include "play/radar.h"
#include "tests/support/loopback.h"
#include "tests/support/test_platform.h"

namespace kvd::test {

struct Player {
    Player() {
        t.UseBuiltInAssets();
        t.CopyData("config");
        t.CopyData("maps");
        t.CopyData("help");
        program = std::make_unique<Program>(t.Services());
        program->MultiPlayer().Lan() = LoopbackLan();
    }
    Game& game() { return program->TheGame(); }
    RuleGuard& guard() { return program->State().guard; }
    TMPForm& window() { return program->MultiPlayer(); }
    TMainForm& board() { return program->Board(); }
    void ClickCell(int column, int row) {
        const QPoint at = board().Geometry().Cell(column, row).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, board().mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&board(), &press);
    }
    TestPlatform t;
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
        return g.GameActive == 1 && g.PlayerTurn == 1 && g.SideToMove == QLatin1Char('E') && !host.guard().Running();
    }
    bool JoiningReady() {
        Game& g = joining.game();
        return g.GameActive == 1 && g.OpponentTurn == 1 && g.SideToMove == QLatin1Char('D') && !joining.guard().Running();
    }
    bool BothOver() { return host.game().GameActive == 0 && joining.game().GameActive == 0; }

    // One step of the side to move, by clicks on its board, and the wait until the other side
    // may move (or the game is over); then both tables must be the same.
    void PlayTurn(std::mt19937& draw, bool* hostMoved = nullptr, bool* attacked = nullptr);
};

// A step for a side, as an all-seeing player would take it: mostly into an opposing unit next
// to one of its own (never into a minefield), otherwise one cell nearer the opposing units;
// the draws keep two players from repeating one undecided fight for ever. False when no unit
// can move.
inline bool ChooseStep(const Game& game, QChar side, QPoint& from, QPoint& to, bool& attack, std::mt19937& draw) {
    const UnitTable& table = game.scratchpad;
    const QChar other = side == QLatin1Char('E') ? QLatin1Char('D') : QLatin1Char('E');
    struct Step {
        QPoint from, to;
        int distance;  // to the nearest opposing unit; for an attack, below 0: the odds
    };
    std::vector<Step> steps;
    for (int i = 1; i < table.Count(); ++i) {
        const int code = table.Code(i);
        if (table.Side(i) != side || code == 1 || CodeIn(code, 23, 25) || CodeIn(code, 47, 49)) continue;
        const int x = table.PosX(i), y = table.PosY(i);
        // Two own units on one cell: the first one found is the one a click selects.
        bool first = table.Find(code) == i;
        for (int k = 1; k < i && first; ++k)
            if (table.Side(k) == side && table.PosX(k) == x && table.PosY(k) == y) first = false;
        if (!first) continue;
        const RadarScan radar = Radar(game, x, y);
        for (int d = 1; d <= 8; ++d) {
            const Offset o = DirectionOffset(d);
            const int c = x + o.dc, r = y + o.dr;
            const QChar seen = radar[d - 1];
            bool enemy = seen == other && !HoldsUnitOf(game, side, c, r);
            int distance = 100, odds = 0;
            for (int j = 1; j < table.Count(); ++j) {
                if (table.Side(j) != other || table.Code(j) == 1) continue;
                const bool mines = CodeIn(table.Code(j), 23, 25) || CodeIn(table.Code(j), 47, 49);
                const bool there = table.PosX(j) == c && table.PosY(j) == r;
                if (mines && there) enemy = false;
                // The stronger the attacker against what it meets, the better the attack.
                if (there) odds = std::min(odds, table.Strength(j) - table.Strength(i) - 10);
                if (!mines) distance = std::min(distance, std::max(std::abs(table.PosX(j) - c), std::abs(table.PosY(j) - r)));
            }
            if (seen != QChar(u'0' + d) && !enemy) continue;
            steps.push_back({QPoint(x, y), QPoint(c, r), enemy ? std::min(-1, odds) : distance});
        }
    }
    if (steps.empty()) return false;
    std::sort(steps.begin(), steps.end(), [](const Step& a, const Step& b) { return a.distance < b.distance; });
    // Among the best kind of step (attacks, else the closest approaches) mostly, any step now and then.
    size_t best = 0;
    while (best < steps.size() && steps[best].distance == steps[0].distance) ++best;
    const Step& step = draw() % 10 != 0 ? steps[draw() % best] : steps[draw() % steps.size()];
    from = step.from;
    to = step.to;
    attack = step.distance < 0;
    return true;
}

inline void NetworkGameTest::PlayTurn(std::mt19937& draw, bool* hostMoved, bool* attacked) {
    const bool hostMoves = HostReady();
    ASSERT_TRUE(hostMoves || JoiningReady()) << "nobody may move";
    Player& mover = hostMoves ? host : joining;
    QPoint from, to;
    bool attack = false;
    ASSERT_TRUE(ChooseStep(mover.game(), hostMoves ? QLatin1Char('E') : QLatin1Char('D'), from, to, attack, draw));
    if (hostMoved) *hostMoved = hostMoves;
    if (attacked) *attacked = attack;
    mover.ClickCell(from.x(), from.y());
    ASSERT_EQ(mover.game().UnitSelected, 1);
    mover.ClickCell(to.x(), to.y());
    ASSERT_TRUE(Until([&] { return BothOver() || (hostMoves ? JoiningReady() : HostReady()); })) << "the turn never passed";
    if (!BothOver()) {
        ASSERT_EQ(TableHash(host.game().scratchpad), TableHash(joining.game().scratchpad));
    }
}

}  // namespace kvd::test
