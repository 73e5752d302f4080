#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>

#include "campaign/winner_form.h"
#include "play/campaign_tally.h"
#include "tests/board/board_fixture.h"

using kvd::test::BoardFixture;

namespace {

struct Winner : BoardFixture {
    std::unique_ptr<kvd::TWinnerForm> form;
    void SetUp() override {
        t.WriteLines("config/english.mes", [] {
            QStringList lines;
            for (int n = 0; n <= 148; ++n)
                lines << QStringLiteral("%1 text %1").arg(n, 3, 10, QChar('0'));
            return lines;
        }());
        context.texts.MessageList.clear();
        t.Folder().LoadLines("config\\english.mes", context.texts.MessageList);
        t.WriteLines("config/last.cfg", {"settings", "E", "E", "Test", "Y", "Y", "N", "1", "N"});
        WriteMap("Test", 'L');
        MakeBoard();
        form = std::make_unique<kvd::TWinnerForm>(context, game, *setup);
        form->flow.Wire(flow);
    }
    // A game that ended: its mode and stage, the ships counted at set-up and those left.
    void Ended(int mode, int stage, int firstLeft = 20, int secondLeft = 20) {
        game.GameMode = mode;
        game.Gamestage = stage;
        game.FirstSideShips = game.SecondSideShips = 20;
        QStringList lines{"header"};
        auto unit = [](QChar side, int code) {
            QString line = QStringLiteral(
                "E 5 0    3 5  0  0 Unit              0 Kind      0000 0000          00");
            line[0] = side;
            kvd::WriteNumber(line, 69, 2, code);
            return line;
        };
        for (int k = 0; k < firstLeft; ++k) lines << unit('E', 2 + k);
        for (int k = 0; k < secondLeft; ++k) lines << unit('D', 26 + k);
        for (int code : {23, 24, 25}) lines << unit('E', code);  // minefields are no ships
        lines << unit('E', 1);                                   // nor is the radar aircraft
        game.scratchpad.SetLines(lines);
        kvd::TallyTheGame(game);  // as the rules do when they decide the game
        form->ShowEndOfGame();
    }
    QImage Picture(QLabel* label) { return label->pixmap().toImage(); }
    QImage BuiltIn(const char* name) {
        kvd::Picture p;
        kvd::LoadJPEGFromRes(*t.Services().resources, name, p);
        return QPixmap::fromImage(p.Image()).toImage();
    }
    QString Text(int n) { return context.texts.Text(n); }
};

}  // namespace

TEST_F(Winner, EachNavyShowsItsFlagEmblemAndShip) {
    const struct {
        char home;
        int stage, wins, ship;
        const char *flag, *emblem, *photo;
    } cases[] = {{'E', 8, 53, 54, "ENGFLAG", "RNEMBLEM", "KINGGEORGEV"},
                 {'E', 9, 55, 56, "GERFLAG", "GEREMBLEM", "BISMARCK"},
                 {'U', 8, 68, 69, "USFLAG", "USEMBLEM", "WASHINGTON"},
                 {'U', 9, 70, 71, "JAPFLAG", "JAPEMBLEM", "YAMOTO"},
                 {'J', 8, 70, 71, "JAPFLAG", "JAPEMBLEM", "YAMOTO"},
                 {'D', 9, 53, 54, "ENGFLAG", "RNEMBLEM", "KINGGEORGEV"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.home) + " " + std::to_string(c.stage));
        context.settings.HomeNavy = c.home;
        Ended(0, c.stage);
        EXPECT_EQ(form->NavyWinsLabel->text(), Text(c.wins));
        EXPECT_EQ(form->ShipsNameLabel->text(), Text(c.ship));
        EXPECT_EQ(Picture(form->WinnerFlag), BuiltIn(c.flag));
        EXPECT_EQ(Picture(form->WinnerEmblem), BuiltIn(c.emblem));
        EXPECT_EQ(Picture(form->WInnerImage), BuiltIn(c.photo));
        // A single game: no tally, no campaign losses, only the way back.
        EXPECT_EQ(form->Label6->text(), Text(140));
        EXPECT_EQ(form->Label5->text(), Text(52));
        EXPECT_FALSE(form->Label8->isVisibleTo(form.get()));
        EXPECT_FALSE(form->Label10->isVisibleTo(form.get()));
        EXPECT_FALSE(form->TotalL2->isVisibleTo(form.get()));
    }
}

TEST_F(Winner, LossesCountShipsNotLines) {
    Ended(0, 8, 14, 19);  // 17 E lines with the minefields, and the radar aircraft too
    EXPECT_EQ(form->AlliedLostNo->text(), "6");
    EXPECT_EQ(form->AxisLostNo->text(), "1");
    EXPECT_EQ(form->AlliedTotal->text(), "20");
    EXPECT_EQ(kvd::ShipsLost(game, kvd::kFirstSide), 6);
}

TEST_F(Winner, NobodyWinsHidesTheEmblemUntilANavyWinsAgain) {
    const QPoint home = [&] {
        Ended(0, 8);
        return form->WinnerEmblem->pos();
    }();
    Ended(0, 10);
    EXPECT_EQ(form->NavyWinsLabel->text(), Text(57));
    EXPECT_EQ(form->ShipsNameLabel->text(), Text(92));
    EXPECT_EQ(Picture(form->WinnerFlag), BuiltIn("BOTHLOSTFLAG"));
    EXPECT_FALSE(form->Panel1->rect().contains(form->WinnerEmblem->geometry()));
    Ended(0, 9);
    EXPECT_EQ(form->WinnerEmblem->pos(), home);
}

TEST_F(Winner, TheCampaignTallyRunsOverThreeStages) {
    game.FirstSideWins = game.SecondSideWins = 0;
    game.CampaignLossesFirst = game.CampaignLossesSecond = 99;  // reset when stage 1 ends
    Ended(1, 8, 18, 15);
    EXPECT_EQ(form->Label6->text(), Text(88));
    EXPECT_EQ(form->Label5->text(), Text(93));
    EXPECT_TRUE(form->Label8->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Label11->isVisibleTo(form.get()));
    EXPECT_EQ(form->Label11->text(), "1");
    EXPECT_EQ(form->TotalL2->text(), "2");
    Ended(2, 9, 10, 20);
    EXPECT_EQ(form->Label6->text(), Text(89));
    EXPECT_EQ(form->Label13->text(), "1");
    EXPECT_EQ(form->TotalL2->text(), "12");
    Ended(3, 8, 20, 17);
    EXPECT_EQ(form->Label6->text(), Text(90));
    EXPECT_TRUE(form->TotalL2->isVisibleTo(form.get()));
    EXPECT_EQ(form->TotalL2->text(), "12");
    EXPECT_EQ(form->TotalL1->text(), "8");
    EXPECT_EQ(form->Label11->text(), "2");
    EXPECT_EQ(form->Label5->text(), Text(52));
    EXPECT_FALSE(form->Label8->isVisibleTo(form.get()));
    form->Label5Click();
    EXPECT_EQ(game.GameMode, 0);
    EXPECT_EQ(flow.backToMenu, 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(pictures.FirstSet.Empty()) << "the game's pictures are freed";
}

TEST_F(Winner, TheChartShowsTheBattleAndIsSavedBesideItsRecord) {
    // No record, no chart.
    Ended(0, kvd::stage::kFirstSideWon);
    EXPECT_TRUE(form->ChartImage->isHidden());
    kvd::BattleCourse course;
    course.afloat = {{20, 20}, {20, 19}, {18, 17}};
    course.marks = {{kvd::BattleCourse::Mark::CapitalSunk, 2, kvd::kSecondSide, "Bismarck"}};
    form->courseOfLastBattle = [&] { return std::optional(course); };
    Ended(0, kvd::stage::kFirstSideWon);
    ASSERT_FALSE(form->ChartImage->isHidden());
    EXPECT_EQ(form->ChartImage->pixmap().toImage().size(), form->Chart().size());
    // On a 1024 x 768 screen it stands under the panel, in the panel's width.
    EXPECT_EQ(form->ChartImage->width(), form->Panel1->width());
    EXPECT_GE(form->ChartImage->y(), form->Panel1->geometry().bottom());
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form->SaveChartLabel, &release);
    QByteArray png;
    ASSERT_TRUE(t.Folder().LoadBytes(kvd::TWinnerForm::kChartFile, png));
    EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32), form->Chart());
    EXPECT_EQ(form->SaveChartLabel->text(), "Saved as last.png");
}
