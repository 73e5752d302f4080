#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <map>

#include "campaign/battle_chart.h"
#include "core/game.h"
#include "core/unit_codes.h"
#include "opponent/computer_opponent.h"
#include "play/battle_course.h"
#include "play/battle_notes.h"
#include "play/game_record.h"
#include "tools/selfplay/self_play.h"

namespace {

// Known battles: a few whole games of the simulator, with supporting fire, recorded.
struct BattleChart : ::testing::Test {
    static inline std::unique_ptr<QTemporaryDir> folder;
    static void SetUpTestSuite() {
        folder = std::make_unique<QTemporaryDir>();
        kvd::SelfPlayOptions options;
        options.games = 3;
        options.seed = 5;
        options.damage = 'Y';
        options.recordFolder = folder->path();
        const QFileInfo service(QStringLiteral(KORVALD_PROGRAM_DIR "/service.txt"));
        const auto before = std::pair(service.exists(), service.lastModified());
        kvd::SelfPlay play(QStringLiteral(KORVALD_PROGRAM_DIR), options);
        kvd::SelfPlayTally tally;
        ASSERT_TRUE(play.Run(tally));
        // The simulator's battles are nobody's service.
        const QFileInfo after(service.filePath());
        EXPECT_EQ(std::pair(after.exists(), after.lastModified()), before);
    }
    static void TearDownTestSuite() { folder.reset(); }
    kvd::GameRecord Record(int game) {
        QFile file(folder->path() + QStringLiteral("/game-%1.kvr").arg(game, 5, 10, QChar('0')));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        kvd::GameRecord record;
        QString error;
        EXPECT_TRUE(kvd::ReadRecord(
            QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts), record, &error))
            << error.toStdString();
        return record;
    }
    // The game after its first `moves` moves, played again on its own.
    kvd::Game After(const kvd::GameRecord& record, int moves) {
        kvd::Game game;
        kvd::Settings settings;
        kvd::ComputerOpponent computer;
        QString error;
        EXPECT_TRUE(kvd::Replay(record, game, settings, &computer, moves, &error));
        return game;
    }
    // The battleships and carriers afloat, by side and name.
    static QSet<QString> Capitals(const kvd::Game& g) {
        QSet<QString> ships;
        for (int i = 1; i < g.scratchpad.Count(); ++i)
            if (kvd::IsCapitalShip(g.scratchpad.Code(i)))
                ships << g.scratchpad.Line(i).left(1) + g.scratchpad.ShownName(i);
        return ships;
    }
};

}  // namespace

TEST_F(BattleChart, TheCourseFollowsTheRecordTurnByTurn) {
    int capitalMarks = 0;
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        const kvd::GameRecord record = Record(n);
        kvd::ComputerOpponent computer;
        QString error;
        const auto course = kvd::CourseOf(record, &computer, &error);
        ASSERT_TRUE(course) << error.toStdString();
        // A turn is one move of the player and the computer's answer.
        ASSERT_EQ(course->Turns(), int(record.moves.size()));
        kvd::Game before = After(record, 0);
        for (int t = 0; t <= course->Turns(); ++t) {
            const kvd::Game now = After(record, t);
            EXPECT_EQ(course->afloat[size_t(t)][0], kvd::ShipsOf(now, kvd::kFirstSide)) << t;
            EXPECT_EQ(course->afloat[size_t(t)][1], kvd::ShipsOf(now, kvd::kSecondSide)) << t;
            // A capital ship gone from the table is marked at the turn it went, and only then.
            int marked = 0;
            for (const auto& mark : course->marks)
                marked += mark.turn == t && mark.kind == kvd::BattleCourse::Mark::CapitalSunk;
            EXPECT_EQ(marked, int((Capitals(before) - Capitals(now)).size())) << t;
            capitalMarks += marked;
            int flags = 0;
            for (const auto& mark : course->marks)
                flags += mark.turn == t && mark.kind == kvd::BattleCourse::Mark::FlagTransfer;
            EXPECT_EQ(flags, int(now.ETransferred != before.ETransferred) +
                                 int(now.DTransferred != before.DTransferred))
                << t;
            before = now;
        }
    }
    EXPECT_GT(capitalMarks, 0) << "a decided battle sinks a flagship";
}

TEST_F(BattleChart, BarsAndMarksStandAtTheirTurns) {
    const kvd::GameRecord record = Record(1);
    kvd::ComputerOpponent computer;
    const auto course = kvd::CourseOf(record, &computer, nullptr);
    ASSERT_TRUE(course);
    const QSize size(730, 150);
    const QImage chart = kvd::DrawBattleChart(
        *course, size, {"Royal Navy", "Kriegsmarine", "sunk", "flag", "turns"});
    ASSERT_EQ(chart.size(), size);
    const QRect plot = kvd::ChartPlot(size);
    int most = 1;
    for (const auto& a : course->afloat) most = std::max({most, a[0], a[1]});
    const int turns = course->Turns();
    for (int t = 0; t <= turns; ++t) {
        const QRect slot = kvd::TurnSlot(size, turns, t);
        for (int s = 0; s < 2; ++s) {
            SCOPED_TRACE(testing::Message() << "turn " << t << " side " << s);
            const QColor colour = kvd::ChartColour(s == 0 ? kvd::kFirstSide : kvd::kSecondSide);
            const int x = slot.left() + s * (slot.width() / 2);
            // The bar's height in pixels: its colour from the plot's foot up to there.
            int height = 0;
            while (height < plot.height() && chart.pixelColor(x, plot.bottom() - height) == colour)
                ++height;
            const int expected = plot.height() * course->afloat[size_t(t)][size_t(s)] / most;
            EXPECT_NEAR(height, expected, 1);
        }
    }
    // Each mark stands over its turn: not the background there.
    ASSERT_FALSE(course->marks.empty());
    std::map<int, int> nth;
    for (const auto& mark : course->marks) {
        const QPoint at = kvd::MarkCentre(size, turns, mark.turn, nth[mark.turn]++);
        int coloured = 0;
        for (int y = at.y() - kvd::kMarkSize / 2; y <= at.y() + kvd::kMarkSize / 2; ++y)
            for (int x = at.x() - kvd::kMarkSize / 2; x <= at.x() + kvd::kMarkSize / 2; ++x)
                coloured += chart.pixelColor(x, y) == kvd::ChartColour(mark.side);
        EXPECT_GT(coloured, 3) << "turn " << mark.turn;
    }
}
