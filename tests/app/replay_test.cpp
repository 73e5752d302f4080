#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QRegularExpression>

#include "app/program.h"
#include "board/main_form.h"
#include "board/replayer.h"
#include "campaign/winner_form.h"
#include "frontend/intro_form.h"
#include "play/game_journal.h"
#include "play/game_record.h"
#include "tests/app/program_fixture.h"
#include "tools/selfplay/scripted_player.h"

namespace {

using Entry = kvd::TIntroForm::Entry;

struct Replay : kvd::test::ProgramFixture {
    Replay() { Start(); }
    // A whole battle played by clicks, to the end-of-game window.
    bool PlayToTheEnd() {
        program->Intro().EntryClick(Entry::StartGame);
        kvd::Game& game = program->TheGame();
        kvd::Dice choices(4);  // a short battle: it ends in a few dozen moves
        for (int k = 0; k < 3000 && !program->Winner().isVisible(); ++k) {
            const kvd::ScriptedMove choice = kvd::ChooseMove(game, choices);
            Click(choice.column, choice.row);
            Click(choice.toColumn, choice.toRow);
        }
        return program->Winner().isVisible();
    }
};

}  // namespace

TEST_F(Replay, TheBattleJustEndedPlaysAgainForwardAndBack) {
    ASSERT_TRUE(PlayToTheEnd());
    ASSERT_TRUE(program->Winner().Label9->isVisible())
        << "the end-of-game window offers the replay";
    const QStringList end = program->TheGame().scratchpad.Lines();
    program->Winner().Label9Click();
    kvd::Replayer& replay = program->Replays();
    ASSERT_TRUE(replay.Open());
    EXPECT_TRUE(program->Board().isVisible());
    EXPECT_TRUE(replay.Bar()->isVisible());
    EXPECT_EQ(replay.Shown(), 0);
    // Forward shows each move with the game's own pictures and sounds; the tables follow the
    // record.
    const size_t sounds = t.Sound().Plays().size();
    replay.Forward();
    replay.Forward();
    EXPECT_EQ(replay.Shown(), 2);
    EXPECT_GT(t.Sound().Plays().size(), sounds);
    const QStringList second = program->TheGame().scratchpad.Lines();
    replay.Forward();
    replay.Back();
    EXPECT_EQ(replay.Shown(), 2);
    EXPECT_EQ(program->TheGame().scratchpad.Lines(), second);
    // The first side's view hides what it never saw.
    const QImage both = program->Board().Canvas().copy();
    replay.SetFirstSideView(true);
    EXPECT_NE(program->Board().Canvas(), both);
    // At a higher speed the rest plays quickly, to the very table the battle ended with.
    replay.SetSpeed(8);
    while (replay.Shown() < replay.Moves()) replay.Forward();
    EXPECT_EQ(program->TheGame().scratchpad.Lines(), end);
    EXPECT_FALSE(program->Winner().isVisible()) << "a replay ends on the board";
    replay.Close();
    EXPECT_FALSE(program->Board().isVisible());
    EXPECT_TRUE(program->Intro().isVisible());
}

TEST_F(Replay, PlaysWithTheRecordsSettingsButThePlayersLanguageAndGivesThePlayersBack) {
    ASSERT_TRUE(PlayToTheEnd());
    kvd::Settings& settings = program->State().settings;
    const kvd::Settings recorded = settings;
    // The player has chosen otherwise since the battle was recorded (the end of a game reads the
    // settings file again).
    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines(kvd::kSettingsFile, lines));
    lines[kvd::settings_line::kHomeNavy][0] = 'U';
    lines[kvd::settings_line::kLanguage][0] = 'D';
    lines[kvd::settings_line::kReveal][0] = 'N';
    ASSERT_TRUE(t.Folder().SaveLines(kvd::kSettingsFile, lines));
    program->Winner().Label9Click();
    kvd::Replayer& replay = program->Replays();
    ASSERT_TRUE(replay.Open());
    replay.Forward();
    EXPECT_EQ(settings.HomeNavy, recorded.HomeNavy) << "the battle is played as it was";
    EXPECT_EQ(settings.RevealOption, recorded.RevealOption);
    EXPECT_EQ(settings.Language, QChar('D')) << "in the player's language";
    replay.Close();
    EXPECT_EQ(settings.HomeNavy, QChar('U')) << "the next game is the player's own";
    EXPECT_EQ(settings.RevealOption, QChar('N'));
}

TEST_F(Replay, ARecordThatDoesNotPlayToItsEndIsNotShownAtAll) {
    ASSERT_TRUE(PlayToTheEnd());
    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines(kvd::GameJournal::kLastFile, lines));
    for (int i = lines.size() - 1; i >= 0; --i)
        if (lines[i].startsWith("[Hash]=")) {
            lines[i] = "[Hash]=00000000";  // the last move's table is not the rules'
            break;
        }
    t.Folder().SaveLines("tampered.kvr", lines);
    program->Winner().hide();
    EXPECT_FALSE(program->StartReplay(t.Path("tampered.kvr")));
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("differs"))
        << t.Boxes().Boxes().back().text.toStdString();
    EXPECT_FALSE(program->Replays().Open());
    // A step no board would have offered, whatever table the record claims after it.
    QStringList lying;
    ASSERT_TRUE(t.Folder().LoadLines(kvd::GameJournal::kLastFile, lying));
    const int move = int(lying.indexOf(QRegularExpression("^\\[Move\\]=0.*")));
    ASSERT_GE(move, 0);
    QString& jump = lying[move];
    const int fromX = jump.mid(13, 2).toInt();
    jump.replace(9, 4,
                 QStringLiteral("%1").arg(fromX >= 2 ? fromX - 2 : fromX + 2, 2, 10, QChar('0')) +
                     jump.mid(15, 2));
    t.Folder().SaveLines("lying.kvr", lying);
    EXPECT_FALSE(program->StartReplay(t.Path("lying.kvr")));
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("not allowed"))
        << t.Boxes().Boxes().back().text.toStdString();
    EXPECT_FALSE(program->Replays().Open());
    EXPECT_TRUE(program->StartReplay(t.Path(kvd::GameJournal::kLastFile)))
        << "the record as written plays";
}

TEST_F(Replay, AFileThatIsNoRecordIsRefusedWithAReason) {
    t.WriteFile("broken.kvr", "Korvald game record 9\r\n");
    EXPECT_FALSE(program->StartReplay(t.Path("broken.kvr")));
    ASSERT_FALSE(t.Boxes().Boxes().empty());
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("newer version"));
    EXPECT_FALSE(program->StartReplay(t.Path("missing.kvr")));
    EXPECT_FALSE(program->Board().isVisible());
}
