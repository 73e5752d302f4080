#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QMouseEvent>

#include "app/program.h"
#include "board/main_form.h"
#include "campaign/camp_form.h"
#include "campaign/winner_form.h"
#include "core/service_record.h"
#include "frontend/intro_form.h"
#include "tests/app/program_fixture.h"
#include "tools/selfplay/scripted_player.h"

namespace {

using Entry = kvd::TIntroForm::Entry;

// A whole program on a small screen, its first side moved by the self-play player's clicks.
struct Campaign : kvd::test::ProgramFixture {
    Campaign() : ProgramFixture(800, 600) { Start(); }
    kvd::Dice choices{4};
    // Plays the first side until the end-of-game window shows; the game's Gamestage.
    int PlayToTheEnd() {
        kvd::Game& game = program->TheGame();
        for (int move = 0; move < 3000 && !program->Winner().isVisible(); ++move) {
            // The player's choices come from dice of their own, so the game's record holds the
            // whole game and plays again (for its chart).
            const kvd::ScriptedMove choice = kvd::ChooseMove(game, choices);
            if (choice.kind == kvd::ScriptedMove::Pass) return -1;
            Click(choice.column, choice.row);
            Click(choice.toColumn, choice.toRow);
        }
        return program->Winner().isVisible() ? game.Gamestage : -1;
    }
};

}  // namespace

TEST_F(Campaign, ThreeStagesThroughTheWindowsKeepTheTally) {
    program->Intro().EntryClick(Entry::Campaign);
    EXPECT_FALSE(program->Intro().isEnabled());
    ASSERT_TRUE(program->CampaignMenu().isVisible());
    program->CampaignMenu().RegionClick(1);
    kvd::Game& game = program->TheGame();
    const QStringList northAtlantic{"$ICELAND", "$IRELAND", "$CORK", "$LANDSEND"};
    int first = 0, second = 0;
    for (int stage = 1; stage <= 3; ++stage) {
        SCOPED_TRACE(stage);
        ASSERT_EQ(game.GameMode, stage);
        EXPECT_TRUE(northAtlantic.contains(program->State().settings.MapName))
            << program->State().settings.MapName.toStdString();
        EXPECT_EQ(game.scratchpad.UnitExists(1), stage == 3)
            << "the radar aircraft flies in the last stage only";
        const int end = PlayToTheEnd();
        ASSERT_GE(end, 8);
        first += end == 8;
        second += end == 9;
        kvd::TWinnerForm& winner = program->Winner();
        EXPECT_EQ(winner.Label11->text().toInt(), first);
        EXPECT_EQ(winner.Label13->text().toInt(), second);
        EXPECT_EQ(winner.TotalL2->text().toInt(), game.CampaignLossesFirst);
        // No room under the panel on this screen: the chart lies over the ship's picture.
        EXPECT_FALSE(winner.ChartImage->isHidden());
        EXPECT_TRUE(winner.WInnerImage->geometry()
                        .translated(winner.Panel1->pos())
                        .contains(winner.ChartImage->geometry()));
        winner.Label5Click();
    }
    // Each stage is a line of the service record, and the last one tells the campaign.
    const std::vector<kvd::ServiceEntry> service = kvd::ServiceRecord(t.Folder()).Read();
    ASSERT_EQ(service.size(), 3u);
    for (int stage = 1; stage <= 3; ++stage) EXPECT_EQ(service[size_t(stage - 1)].stage, stage);
    EXPECT_EQ(service[2].campaign,
              first > second ? kvd::ServiceEntry::CampaignWon : kvd::ServiceEntry::CampaignLost);
    EXPECT_EQ(service[0].campaign, kvd::ServiceEntry::NoCampaign);
    EXPECT_EQ(game.GameMode, 0);
    EXPECT_TRUE(program->Intro().isVisible());
    EXPECT_TRUE(program->Intro().isEnabled());
}

TEST_F(Campaign, AnAbandonedCampaignLeavesNoTally) {
    program->Intro().EntryClick(Entry::Campaign);
    program->CampaignMenu().RegionClick(5);
    ASSERT_GE(PlayToTheEnd(), 8);
    program->Winner().Label8Click();
    EXPECT_EQ(program->TheGame().GameMode, 0);
    EXPECT_TRUE(program->Intro().isVisible());
    const int wins = program->TheGame().FirstSideWins + program->TheGame().SecondSideWins;
    program->Intro().EntryClick(Entry::StartGame);
    ASSERT_GE(PlayToTheEnd(), 8);
    EXPECT_FALSE(program->Winner().Label10->isVisibleTo(&program->Winner()))
        << "a single game shows no tally";
    EXPECT_EQ(program->TheGame().FirstSideWins + program->TheGame().SecondSideWins, wins + 1)
        << "single games count on, only a new campaign starts the counters again";
}

TEST_F(Campaign, CancelLeavesTheCampaignWindow) {
    program->Intro().EntryClick(Entry::Campaign);
    program->CampaignMenu().Label10Click();
    EXPECT_FALSE(program->CampaignMenu().isVisible());
    EXPECT_TRUE(program->Intro().isEnabled());
    EXPECT_EQ(program->TheGame().CampaignRegion, 0);
    EXPECT_EQ(program->CampaignMenu().Label1->text(), program->State().texts.Text(18));
}
