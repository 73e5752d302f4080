#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

#include "tests/board/board_fixture.h"

using kvd::RuleGuard;
using kvd::test::BoardFixture;

namespace {

struct Guard : BoardFixture {
    void SetUp() override {
        WriteMap("Test", 'L');
        ASSERT_TRUE(Start("Test"));
        // A click that reached the rules would move the flagship.
        rules.onClick = [this] { Table().SetPos(Table().Find(21), 5, 5); };
    }
    void PostClick(QPoint at) {
        QCoreApplication::postEvent(
            board.get(), new QMouseEvent(QEvent::MouseButtonPress, at, board->mapToGlobal(at),
                                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    }
    void PostKey(int key) {
        QCoreApplication::postEvent(board.get(),
                                    new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    }
    QPoint BoardCell() const { return board->Geometry().Cell(2, 3).center(); }
    QPoint QuitCorner() const { return {1020, 760}; }
};

}  // namespace

TEST_F(Guard, InputDuringARuleIsDroppedButTheQuitCornerAndEscGetThrough) {
    const QStringList before = Table().Lines();
    {
        RuleGuard::Scope rule(context.guard);
        PostClick(BoardCell());
        PostKey(Qt::Key_F2);
        EXPECT_TRUE(context.guard.Delay(200));  // the rule waits; the events are handled meanwhile
        EXPECT_EQ(Table().Lines(), before);
        EXPECT_EQ(rules.clicks + rules.keys, 0);

        const auto move = std::exchange(rules.onClick, nullptr);
        PostClick(QuitCorner());
        PostKey(Qt::Key_Escape);
        context.guard.Delay(200);
        rules.onClick = move;
        EXPECT_EQ(rules.clicks, 1) << "the quit corner may end the game at any time";
        EXPECT_EQ(flow.ends, 1);
    }
    // With no rule running the same click is the player's.
    PostClick(BoardCell());
    PostKey(Qt::Key_F2);
    QCoreApplication::processEvents();
    EXPECT_EQ(rules.clicks, 2);
    EXPECT_EQ(rules.keys, 1);
    EXPECT_NE(Table().Lines(), before);
}

TEST_F(Guard, HeldWorkRunsInOrderOnceTheOutermostRuleEnds) {
    QStringList ran;
    {
        RuleGuard::Scope rule(context.guard);
        context.guard.WhenIdle([&] { ran << "first"; });
        {
            RuleGuard::Scope inner(context.guard);
            context.guard.WhenIdle([&] {
                // Held work may be a rule of its own that holds back more.
                RuleGuard::Scope nested(context.guard);
                ran << "second";
                context.guard.WhenIdle([&] { ran << "fourth"; });
            });
        }
        EXPECT_TRUE(ran.isEmpty()) << "still inside the outer rule";
        context.guard.WhenIdle([&] { ran << "third"; });
    }
    EXPECT_EQ(ran, (QStringList{"first", "second", "third", "fourth"}));
    context.guard.WhenIdle([&] { ran << "at once"; });
    EXPECT_EQ(ran.last(), "at once");
}

TEST_F(Guard, WaitsStopOnceTheGameIsLeftOrTheProgramCloses) {
    auto& pacing = t.Pacing();
    EXPECT_TRUE(context.guard.Delay(100));
    const auto waited = pacing.Elapsed();

    game.GameActive = false;  // a game that ended by its rules still shows its end
    EXPECT_TRUE(context.guard.Delay(100));
    const auto ended = pacing.Elapsed();
    context.guard.LeaveGame();  // the game was left from an event handler
    EXPECT_GE(pacing.Interrupts(), 1) << "a wait in progress ends at once";
    EXPECT_FALSE(context.guard.Delay(100));
    EXPECT_EQ(pacing.Elapsed(), ended) << "no time is spent for a game that is gone";
    context.guard.EnterGame();
    EXPECT_TRUE(context.guard.Delay(100));
    EXPECT_GT(pacing.Elapsed(), waited);

    int held = 0;
    {
        RuleGuard::Scope rule(context.guard);
        context.guard.WhenIdle([&] { ++held; });
        context.guard.Close();
        EXPECT_GE(pacing.Interrupts(), 1) << "a wait in progress ends at once";
        EXPECT_FALSE(context.guard.Delay(100));
    }
    EXPECT_EQ(held, 0) << "nothing held back runs in a closing program";
    EXPECT_TRUE(context.guard.Stopped());
}

TEST(UpwardCall, AnUnwiredCallFailsLoudlyInsteadOfDoingNothing) {
    struct Target : kvd::ProgramFlow {
        int back = 0;
        void BackToMenu() override { ++back; }
        void EndProgram() override {}
        void HideMenu() override {}
    } target;
    kvd::UpwardCall<kvd::ProgramFlow> wired("wired"), loose("the loose one");
    wired.Wire(target);
    EXPECT_THROW(loose->BackToMenu(), kvd::UnwiredCall);
    wired->BackToMenu();
    EXPECT_EQ(target.back, 1);
    EXPECT_NO_THROW(kvd::RequireWired({&wired}));
    try {
        kvd::RequireWired({&wired, &loose});
        ADD_FAILURE() << "an unwired call passed the start-up check";
    } catch (const kvd::UnwiredCall& e) {
        EXPECT_NE(std::string(e.what()).find("the loose one"), std::string::npos);
    }
}
