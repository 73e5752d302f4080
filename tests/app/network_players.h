#pragma once
// Two whole programs of one network game in a test, one hosting and one joining on loopback,
// played by the scripted player on either side.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QMouseEvent>

#include "app/program.h"
#include "board/main_form.h"
#include "core/game.h"
#include "core/table_hash.h"
#include "net/mp_form.h"
#include "platform/random.h"
#include "play/radar.h"
#include "tests/support/loopback.h"
#include "tests/support/test_platform.h"
#include "tools/selfplay/scripted_player.h"

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
        QMouseEvent press(QEvent::MouseButtonPress, at, board().mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&board(), &press);
    }
    TestPlatform t;
    std::unique_ptr<Program> program;
};

// The two programs of one game, from the host's Host to both boards.
struct NetworkGameTest : ::testing::Test {
    Player host, joining;
    quint16 port = FreePort();

    // The host opens a game on the port, by its panel.
    void OpenGame(const QString& name = QStringLiteral("Alice"),
                  const QString& game = QStringLiteral("Loopback")) {
        host.window().ShowFullScreen();
        host.window().Label8Click();
        host.window().AlliedName->setText(name);
        host.window().GameName->setText(game);
        host.window().ServerPortEdit->setText(QString::number(port));
        host.window().Label10Click();
        ASSERT_TRUE(host.window().Server().Listen())
            << host.window().SvrLogLabel->text().toStdString();
    }
    // The joining player connects to it, by its panel.
    void JoinGame() {
        joining.window().ShowFullScreen();
        joining.window().Label9Click();
        joining.window().ClientIP->setText(QStringLiteral("127.0.0.1"));
        joining.window().Edit1->setText(QStringLiteral("Bob"));
        joining.window().ClientPortEdit->setText(QString::number(port));
        joining.window().Label13Click();
    }
    void Connect() {
        OpenGame();
        JoinGame();
        ASSERT_TRUE(Until([&] {
            return host.window().State().NetStage == 3 && joining.window().State().NetStage == 2;
        }));
    }
    void Start() {
        host.window().Label10Click();
        ASSERT_TRUE(Until([&] { return joining.game().GameActive && host.game().GameActive; }));
    }
    bool HostReady() {
        Game& g = host.game();
        return g.GameActive && g.PlayerTurn && g.SideToMove == kvd::kFirstSide &&
               !host.guard().Running();
    }
    bool JoiningReady() {
        Game& g = joining.game();
        return g.GameActive && g.OpponentTurn && g.SideToMove == kvd::kSecondSide &&
               !joining.guard().Running();
    }
    bool BothOver() { return !host.game().GameActive && !joining.game().GameActive; }

    // One turn of the side to move, by the scripted player's clicks on its board, and the wait
    // until the other side may move (or the game is over); then both tables must be the same.
    void PlayTurn(Dice& draw, bool* hostMoved = nullptr, bool* attacked = nullptr);
};

inline void NetworkGameTest::PlayTurn(Dice& draw, bool* hostMoved, bool* attacked) {
    const bool hostMoves = HostReady();
    ASSERT_TRUE(hostMoves || JoiningReady()) << "nobody may move";
    Player& mover = hostMoves ? host : joining;
    const kvd::Side side = hostMoves ? kvd::kFirstSide : kvd::kSecondSide;
    const Side other = kvd::OtherSide(side);
    if (hostMoved) *hostMoved = hostMoves;
    // A repair leaves the turn with the same side, and a step the rules refuse does nothing:
    // the player chooses again, a few times at most.
    for (int tries = 0; tries < 20 && (hostMoves ? HostReady() : JoiningReady()); ++tries) {
        const ScriptedMove choice = ChooseMove(mover.game(), draw, side, Approach::PressOn);
        ASSERT_NE(choice.kind, ScriptedMove::Pass) << "no unit can move";
        if (attacked)
            *attacked = choice.kind == ScriptedMove::Step &&
                        HoldsUnitOf(mover.game(), other, choice.toColumn, choice.toRow);
        mover.ClickCell(choice.column, choice.row);
        ASSERT_TRUE(mover.game().UnitSelected);
        mover.ClickCell(choice.toColumn, choice.toRow);
        ASSERT_TRUE(Until([&] { return !mover.guard().Running(); }));
    }
    ASSERT_TRUE(Until([&] { return BothOver() || (hostMoves ? JoiningReady() : HostReady()); }))
        << "the turn never passed";
    // A table the host sends again may still be on its way.
    if (!BothOver()) {
        ASSERT_TRUE(Until([&] {
            return TableHash(host.game().scratchpad) == TableHash(joining.game().scratchpad);
        }));
    }
    // Both logs count the turns alike and put the newest fight in the same one.
    if (!BothOver()) {
        EXPECT_EQ(host.game().battleLog.turn, joining.game().battleLog.turn);
    }
    auto newestFight = [](const Game& g) {
        for (int k = 0; k < g.battleLog.Size(); ++k)
            if (g.battleLog.Newest(k).kind == LogEntry::Fight) return g.battleLog.Newest(k).turn;
        return 0;
    };
    EXPECT_EQ(newestFight(host.game()), newestFight(joining.game()));
}

}  // namespace kvd::test
