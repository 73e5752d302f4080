#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QRegularExpression>

#include "app/program.h"
#include "board/main_form.h"
#include "campaign/camp_form.h"
#include "campaign/winner_form.h"
#include "frontend/intro_form.h"
#include "play/game_journal.h"
#include "tests/app/program_fixture.h"
#include "tools/selfplay/scripted_player.h"

namespace {

using Entry = kvd::TIntroForm::Entry;

// Programs one after another on the same folder, as a player starts the game again after it
// ended in the middle of a battle.
struct Resume : kvd::test::ProgramFixture {
    void Play(int moves) {
        kvd::Game& game = program->TheGame();
        for (int k = 0; k < moves && game.GameActive; ++k) {
            // A person's choices: the game's own dice are not touched.
            const kvd::ScriptedMove choice = kvd::ChooseMove(game, choices);
            Click(choice.column, choice.row);
            Click(choice.toColumn, choice.toRow);
        }
    }
    // What F3 writes, and what decides the next turn.
    QStringList State() {
        const kvd::Game& g = program->TheGame();
        return g.scratchpad.Lines() +
               QStringList{QString::number(g.PlayerTurn), QString::number(g.GameMode),
                           QString::number(g.TurnCount), QString::fromStdString(g.dice.State())};
    }
    kvd::Dice choices{5};
};

}  // namespace

TEST_F(Resume, StartGameOffersTheUnfinishedBattleAndYesRestoresItExactly) {
    Start().Intro().EntryClick(Entry::StartGame);
    Play(6);
    ASSERT_TRUE(program->TheGame().GameActive);
    const QStringList before = State();
    program.reset();  // the program ends without a word, as a kill ends it

    Start().Intro().EntryClick(Entry::StartGame);
    ASSERT_FALSE(t.Boxes().Boxes().empty());
    EXPECT_EQ(t.Boxes().Boxes().back().kind, kvd::BoxKind::Confirmation)
        << t.Boxes().Boxes().back().text.toStdString();
    EXPECT_TRUE(State() == before);
    EXPECT_TRUE(program->Board().isVisible());
    // It goes on being kept, and is offered again after the next end.
    Play(2);
    const QStringList later = State();
    program.reset();
    Start().Intro().EntryClick(Entry::StartGame);
    EXPECT_TRUE(State() == later);
}

TEST_F(Resume, NoDiscardsItAndADamagedSaveIsReportedAndDiscarded) {
    Start().Intro().EntryClick(Entry::StartGame);
    Play(3);
    program.reset();
    t.Boxes().Script(kvd::BoxAnswer::No);
    Start().Intro().EntryClick(Entry::StartGame);
    EXPECT_EQ(program->TheGame().TurnCount, 0) << "a new battle";
    program.reset();

    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines(kvd::GameJournal::kSaveFile, lines))
        << "the new battle is kept";
    for (QString& line : lines)
        if (line.startsWith("[Table]=E")) line = "[Table]=E broken";
    t.Folder().SaveLines(kvd::GameJournal::kSaveFile, lines);
    const size_t boxes = t.Boxes().Boxes().size();
    Start().Intro().EntryClick(Entry::StartGame);
    ASSERT_EQ(t.Boxes().Boxes().size(), boxes + 1);
    EXPECT_EQ(t.Boxes().Boxes().back().kind, kvd::BoxKind::Error);
    EXPECT_TRUE(program->TheGame().GameActive) << "a new battle starts instead";
    EXPECT_EQ(program->TheGame().TurnCount, 0);
}

// A save whose move no board would have offered (a unit jumping two cells), or one cut short,
// is reported and discarded: the battle does not resume where the save claims.
TEST_F(Resume, ASaveThatLiesOrIsCutShortIsReportedAndDiscarded) {
    Start().Intro().EntryClick(Entry::StartGame);
    Play(3);
    program.reset();
    QStringList saved;
    ASSERT_TRUE(t.Folder().LoadLines(kvd::GameJournal::kSaveFile, saved));
    const int move = int(saved.indexOf(QRegularExpression("^\\[Move\\]=0.*")));
    ASSERT_GE(move, 0) << "the first side's first step";
    QString jump = saved[move];
    const int fromX = jump.mid(13, 2).toInt();
    jump.replace(9, 2,
                 QStringLiteral("%1").arg(fromX >= 2 ? fromX - 2 : fromX + 2, 2, 10, QChar('0')));
    jump.replace(11, 2, jump.mid(15, 2));
    QStringList lying = saved;
    lying[move] = jump;
    for (const QStringList& lines : {lying, saved.mid(0, saved.size() - 1)}) {
        t.Folder().SaveLines(kvd::GameJournal::kSaveFile, lines);
        const size_t boxes = t.Boxes().Boxes().size();
        Start().Intro().EntryClick(Entry::StartGame);
        ASSERT_GE(t.Boxes().Boxes().size(), boxes + 1);
        EXPECT_EQ(t.Boxes().Boxes().back().kind, kvd::BoxKind::Error);
        EXPECT_EQ(program->TheGame().TurnCount, 0) << "a new battle starts instead";
        program.reset();
    }
}

TEST_F(Resume, ACampaignResumesInItsStageWithItsTally) {
    Start().Intro().EntryClick(Entry::Campaign);
    program->CampaignMenu().RegionClick(1);
    kvd::Game& game = program->TheGame();
    // The first stage played out, then the second begun.
    for (int k = 0; k < 3000 && !program->Winner().isVisible(); ++k) Play(1);
    ASSERT_TRUE(program->Winner().isVisible());
    EXPECT_FALSE(t.Folder().Exists(kvd::GameJournal::kSaveFile))
        << "a decided battle leaves no save";
    program->Winner().Label5Click();
    ASSERT_EQ(game.GameMode, 2);
    Play(4);
    const QStringList before = State();
    const int wins = game.FirstSideWins + 10 * game.SecondSideWins;
    program.reset();

    Start().Intro().EntryClick(Entry::Campaign);
    EXPECT_TRUE(State() == before);
    EXPECT_EQ(program->TheGame().GameMode, 2);
    EXPECT_EQ(program->TheGame().CampaignRegion, 1);
    EXPECT_EQ(program->TheGame().FirstSideWins + 10 * program->TheGame().SecondSideWins, wins);
    EXPECT_FALSE(program->CampaignMenu().isVisible());
}
