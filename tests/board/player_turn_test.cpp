#include <QFile>
#include <QPainter>
#include <QSet>
#include <QTimer>

#include "board/battle_lines.h"
#include "board/board_painter.h"
#include "core/game.h"
#include "core/language_texts.h"
#include "play/battle_notes.h"
#include "play/combat.h"
#include "play/radar.h"
#include "tests/board/play_fixture.h"

using kvd::test::PlayFixture;

namespace {

struct Turn : PlayFixture {
    void SetUp() override { StartGame(); }
    int PosX(int code) { return Table().PosX(Line(code)); }
    int PosY(int code) { return Table().PosY(Line(code)); }
    int Played(const QString& name) {
        int n = 0;
        for (const auto& play : t.Sound().Plays())
            n += play.name.compare(name, Qt::CaseInsensitive) == 0;
        return n;
    }
    // How many pixels of a cell differ from the clean map.
    int Drawn(int column, int row) {
        const QRect cell = board->Geometry().Cell(column, row);
        int n = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                n += board->Canvas().pixel(x, y) != pictures.CleanMap.Image().pixel(x, y);
        return n;
    }
};

}  // namespace

// On a 1024 x 768 screen a cell is 102 by 61 pixels. A click exactly on a grid line, or past
// the last cell, leaves the column or row as it was.
TEST_F(Turn, ClicksOnGridLinesKeepTheLastCell) {
    const struct {
        int at, cell;  // a coordinate and the cell it gives; -1 keeps the previous one
    } xs[] = {{0, 0},   {101, 0},  {102, -1}, {103, 1},  {204, -1},
              {205, 2}, {918, -1}, {919, 9},  {1019, 9}, {1020, -1}},
      ys[] = {{0, 0}, {60, 0}, {61, -1}, {62, 1}, {609, 9}, {610, -1}, {700, -1}};
    for (const auto& x : xs) {
        game.ClickColumn = 7;
        turn->ClickToCell(QPoint(x.at, 30));
        EXPECT_EQ(game.ClickColumn, x.cell < 0 ? 7 : x.cell) << "x " << x.at;
    }
    for (const auto& y : ys) {
        game.ClickRow = 7;
        turn->ClickToCell(QPoint(30, y.at));
        EXPECT_EQ(game.ClickRow, y.cell < 0 ? 7 : y.cell) << "y " << y.at;
    }
}

TEST_F(Turn, AWholeTurnByMouseSelectsStepsFightsAndHandsOver) {
    Only({{11, 3, 3}, {37, 4, 4}, {21, 0, 0}, {45, 9, 9}});
    SetStrength(37, 4);
    ClickCell(3, 3);
    EXPECT_TRUE(game.UnitSelected);
    EXPECT_EQ(game.Player.Code, 11);
    EXPECT_EQ(game.MoveTargets, "0202 0302 0402 0203 0403 0204 0304 0404");
    EXPECT_GT(Drawn(4, 4), 100) << "the target cell is marked";

    ClickCell(4, 4);
    EXPECT_FALSE(Table().UnitExists(37)) << "the frigate of strength 4 is sunk";
    EXPECT_EQ(PosX(11), 4);
    EXPECT_EQ(Table().PrevX(Line(11)), 3);
    EXPECT_EQ(game.Winner, 99) << "the turn is over";
    EXPECT_EQ(computer.turns, 1);
    EXPECT_TRUE(game.PlayerTurn);
    EXPECT_FALSE(game.UnitSelected);
    EXPECT_EQ(Played("explode"), 1);
    EXPECT_EQ(Played("Enemy"), 1);
    // The board shows the destroyer where it went, and nothing where it came from.
    EXPECT_GT(Drawn(4, 4), 100);
    EXPECT_EQ(Drawn(3, 3), 0);

    // A click on an unmarked cell only drops the selection.
    ClickCell(4, 4);
    ClickCell(8, 8);
    EXPECT_FALSE(game.UnitSelected);
    EXPECT_EQ(computer.turns, 1);
}

TEST_F(Turn, MinefieldsTheAircraftAndBoxedInUnitsGoNowhere) {
    Only({{23, 2, 2}, {1, 5, 5}, {11, 0, 0}, {12, 1, 0}, {21, 0, 1}, {45, 9, 9}});
    game.MemoPad.SetLines({"a", "b", "[Position] =L", "d", "0101"});
    ClickCell(2, 2);
    EXPECT_EQ(game.Player.Code, 23);
    EXPECT_FALSE(game.UnitSelected) << "a minefield shows its panel but cannot move";
    ClickCell(5, 5);
    EXPECT_FALSE(game.UnitSelected) << "the radar aircraft never answers a click";
    ClickCell(0, 0);
    EXPECT_TRUE(game.UnitSelected);
    EXPECT_EQ(game.MoveTargets, QString(kvd::Game::kNoMoveTargets))
        << "edge, land and own ships around it";
    ClickCell(3, 3);
    EXPECT_EQ(computer.turns, 0);
}

TEST_F(Turn, TheSupplyShipClickEndsTheMoveEvenOutOfReach) {
    Only({{11, 0, 0}, {2, 5, 5}, {21, 0, 9}, {45, 9, 9}});
    Table().SetDamageState(Line(11), 1);
    ClickCell(0, 0);
    EXPECT_TRUE(game.RepairReady);
    EXPECT_EQ(game.RepairCellX, 5);
    ClickCell(5, 5);
    EXPECT_EQ(computer.turns, 1);
    EXPECT_EQ(Table().RepairCount(Line(11)), 0) << "too far to repair";
    // Next to it, the same click mends the destroyer.
    Table().SetPos(Line(11), 4, 4);
    ClickCell(4, 4);
    ClickCell(5, 5);
    EXPECT_EQ(Table().RepairCount(Line(11)), 1);
    EXPECT_EQ(Played("hammer"), 1);
}

TEST_F(Turn, HitShipsGoBackAndSubmarinesSlipAway) {
    Only({{16, 3, 3}, {28, 4, 3}, {5, 6, 6}, {45, 7, 7}, {21, 0, 0}});
    SetStrength(16, 5);
    SetStrength(45, 7);
    ClickCell(3, 3);
    ClickCell(4, 3);  // a cruiser of strength 5 finds a submarine
    EXPECT_EQ(PosX(16), 3) << "damaged, it returns to its cell";
    EXPECT_EQ(Table().Strength(Line(16)), 3);
    EXPECT_TRUE(Table().UnitExists(28));

    ClickCell(6, 6);
    ClickCell(7, 7);  // a submarine against a battleship of strength 7
    EXPECT_EQ(Table().Strength(Line(45)), 5);
    EXPECT_EQ(Table().DamageState(Line(45)), 1);
    EXPECT_EQ(PosX(5), 6);
    EXPECT_EQ(Table().PrevX(Line(5)), 0) << "after slipping away its previous cell reads 0, 0";
    EXPECT_FALSE(game.SubRetreat);
}

TEST_F(Turn, TheFlagPassesToTheCarrierOnceThenTheGameEnds) {
    for (const char transfer : {'Y', 'N'}) {
        SCOPED_TRACE(transfer);
        context.settings.FlagTransfer = transfer;
        StartGame();
        end.shown = 0;
        Only({{21, 3, 3}, {45, 4, 3}, {46, 5, 3}, {22, 0, 0}});
        SetStrength(21, 9);
        SetStrength(45, 7);
        ClickCell(3, 3);
        ClickCell(4, 3);
        if (transfer == 'N') {
            EXPECT_EQ(end.shown, 1);
            EXPECT_EQ(end.stageShown, 8);
            EXPECT_FALSE(game.GameActive);
            EXPECT_FALSE(board->isVisible());
            continue;
        }
        EXPECT_EQ(end.shown, 0) << "the carrier takes over";
        EXPECT_FALSE(game.GameOver);
        EXPECT_TRUE(game.DTransferred);
        EXPECT_FALSE(Table().UnitExists(46));
        ASSERT_TRUE(Table().UnitExists(45));
        EXPECT_EQ(PosX(45), 5);
        ClickCell(4, 3);
        ClickCell(5, 3);  // the new flagship (strength 7) against the battleship of 9
        EXPECT_EQ(end.shown, 1);
        EXPECT_EQ(end.stageShown, 8);
    }
}

TEST_F(Turn, BattleshipsAtEqualStrength) {
    Only({{21, 3, 3}, {45, 4, 3}, {22, 0, 0}, {46, 9, 9}});
    SetStrength(21, 6);
    SetStrength(45, 6);
    ClickCell(3, 3);
    ClickCell(4, 3);
    EXPECT_EQ(Table().Strength(Line(21)), 4);
    EXPECT_EQ(Table().Strength(Line(45)), 4);
    EXPECT_EQ(PosX(21), 3) << "the duel sends the mover back";
    // At 4 both sink; both carriers take over and the game goes on.
    game.FlagTransfer = game.FlagTransferSecond = 'Y';
    ClickCell(3, 3);
    ClickCell(4, 3);
    EXPECT_EQ(end.shown, 0);
    EXPECT_EQ(game.Gamestage, 10);
    EXPECT_EQ(Table().Code(Line(21)), 21);
    EXPECT_EQ(PosX(21), 0) << "the former carrier";
    EXPECT_EQ(PosX(45), 9);
}

TEST_F(Turn, SupportingFireCanCostTheWinnerAPoint) {
    context.settings.AdditionalDamage = 'Y';
    Only({{21, 3, 3}, {40, 4, 3}, {41, 5, 4}, {45, 9, 9}});
    SetStrength(21, 9);
    game.dice.Script({0, 5});  // the supporting fire hits; the sixth of its messages
    ClickCell(3, 3);
    ClickCell(4, 3);
    EXPECT_FALSE(Table().UnitExists(40));
    EXPECT_EQ(Table().Strength(Line(21)), 8);
    EXPECT_EQ(Played("crossfire"), 1);
}

TEST_F(Turn, TheQuitCornerAsksFirst) {
    Only({{21, 3, 3}, {45, 9, 9}});
    // The right button asks nothing.
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(1000, 740), QPointF(1000, 740),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(board.get(), &right);
    EXPECT_TRUE(t.Boxes().Boxes().empty());
    t.Boxes().Script(kvd::BoxAnswer::No);
    Click(QPoint(1000, 740));
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_EQ(t.Boxes().Boxes()[0].kind, kvd::BoxKind::Confirmation);
    EXPECT_EQ(BoxTexts()[0], "  " + context.texts.Text(22) + "   ");
    EXPECT_TRUE(game.GameActive);
    Click(QPoint(1000, 740));
    EXPECT_EQ(end.closed, 1);
    EXPECT_FALSE(game.GameActive);
    EXPECT_TRUE(game.GameOver);
    EXPECT_EQ(flow.backToMenu, 1);
    EXPECT_FALSE(board->isVisible());
}

TEST_F(Turn, F3SavesEveryLineOfTheTable) {
    QKeyEvent f3(QEvent::KeyPress, Qt::Key_F3, Qt::NoModifier);
    QCoreApplication::sendEvent(board.get(), &f3);
    QStringList saved;
    ASSERT_TRUE(t.Folder().LoadLines("ShipLines.txt", saved));
    EXPECT_EQ(saved, Table().Lines());
    EXPECT_TRUE(saved[0].startsWith("1 Korvald fleet"));
}

TEST_F(PlayFixture, TheConvoyIsLostWhenBoxedInOrSunk) {
    StartGame(2);
    // Boxed in: the one convoy ship in a corner between its own ships.
    Only({{50, 0, 0}, {11, 1, 0}, {12, 0, 1}, {13, 1, 1}, {21, 5, 5}, {45, 9, 9}});
    ClickCell(5, 5);
    ClickCell(5, 6);
    EXPECT_EQ(end.shown, 1);
    EXPECT_EQ(end.stageShown, 9);
    EXPECT_TRUE(BoxTexts().isEmpty());

    // Sunk: the last convoy ship steps onto an opposing destroyer.
    StartGame(2);
    end.shown = 0;
    Only({{50, 3, 3}, {35, 4, 3}, {21, 5, 5}, {45, 9, 9}});
    ClickCell(3, 3);
    ClickCell(4, 3);
    EXPECT_EQ(end.shown, 1);
    EXPECT_EQ(end.stageShown, 9);
}

TEST_F(Turn, ARevealTurnsTheRadarInItsScope) {
    Only({{11, 3, 3}, {35, 4, 4}, {21, 0, 0}, {45, 9, 9}});
    // Catch the window in the middle of the sweep: the first of its waits handles this.
    QImage during;
    QTimer::singleShot(0, [&] { during = board->Canvas().copy(); });
    t.Sound().Clear();
    kvd::RevealSeen(game);  // the rules mark what the step showed; the board then draws it
    board->PreDraw();
    ASSERT_FALSE(during.isNull());
    EXPECT_EQ(game.RevealCount, 1);
    EXPECT_EQ(Played("radar"), 1);
    const QRect scope(QPoint(740, 660),
                      QPoint(818, 736));  // 74 % to 80 % across, 86 % to 96 % down
    QImage band = board->Canvas().copy();
    board->MenuRadarImage.StretchDraw(band, board->Geometry().BottomBand());
    int inScope = 0, outside = 0;
    const QRect state = board->StateBox().adjusted(0, 0, 1, 1);  // the battle's state stays
    for (int y = 616; y < 768; y += 2)
        for (int x = 0; x < 1024; x += 2) {
            if (state.contains(x, y)) continue;
            const bool differs = during.pixel(x, y) != band.pixel(x, y);
            (scope.contains(x, y) ? inScope : outside) += differs;
        }
    EXPECT_GT(inScope, 50) << "the turned radar picture is drawn into the scope";
    EXPECT_EQ(outside, 0) << "and nowhere else in the band";
    // Afterwards the band is the plain console again.
    QImage menu = board->Canvas().copy();
    board->MenuImage.StretchDraw(menu, board->Geometry().BottomBand());
    {
        QPainter painter(&menu);
        painter.drawImage(state.topLeft(), board->Canvas().copy(state));
    }
    EXPECT_EQ(board->Canvas().copy(board->Geometry().BottomBand()),
              menu.copy(board->Geometry().BottomBand()));
    EXPECT_NE(during.copy(state), band.copy(state))
        << "the battle's state is drawn over the sweep's band";
}

// The cell (0, 0) is no target of a unit far from it, on either board: unmarked slots of
// MoveTargets read "0000", its text, and once let a click there move a unit across the sea.
TEST_F(Turn, AClickOnTheTopLeftCellMovesNothingFromAfar) {
    const struct {
        int netRole;
        int supply, own, enemy;
    } boards[] = {{0, 2, 11, 37}, {2, 26, 35, 13}};
    for (const auto& b : boards) {
        SCOPED_TRACE(b.netRole == 2 ? "the joining board" : "the host's board");
        StartGame();
        game.NetRole = b.netRole;
        if (b.netRole == 2) game.PlayerTurn = false, game.OpponentTurn = true;
        Only({{b.supply, 2, 0}, {b.own, 0, 0}, {b.enemy, 9, 9}, {21, 5, 9}, {45, 9, 5}});
        ClickCell(2, 0);
        ASSERT_TRUE(game.UnitSelected);
        ClickCell(0, 0);
        EXPECT_EQ(PosX(b.supply), 2) << "the supply ship stays";
        EXPECT_EQ(PosX(b.own), 0) << "nothing is stacked on the unit there";
        EXPECT_TRUE(game.UnitSelected) << "the unit at (0, 0) is selected instead";
        ClickCell(1, 0);
        EXPECT_EQ(PosX(b.own), 1) << "a marked cell still takes the step";
    }
}

// The band keeps the fight's report once the report line is gone: the log box tells it after the
// computer's turn and the next composition of the board.
TEST_F(Turn, TheBandKeepsTheFightAfterTheComputersTurn) {
    kvd::SwitchLanguage(t.Folder(), 'E', context.texts);
    Only({{11, 3, 3}, {40, 4, 3}, {21, 0, 0}, {45, 9, 9}});
    SetStrength(11, 6);
    SetStrength(40, 2);
    QImage before = board->Canvas().copy(board->LogBox());
    ClickCell(3, 3);
    ClickCell(4, 3);
    ASSERT_EQ(computer.turns, 1);
    ASSERT_EQ(game.battleLog.Size(), 1);
    EXPECT_EQ(game.battleLog.Newest(0).second.code, 40);
    EXPECT_EQ(game.battleLog.turn, 2);
    board->PreDraw();
    board->FormPaint();
    const QImage after = board->Canvas().copy(board->LogBox());
    EXPECT_NE(after, before) << "the log's box appears with its first entry";
    // Text on black: the box holds more than one colour.
    QSet<QRgb> colours;
    for (int y = 0; y < after.height(); y += 2)
        for (int x = 0; x < after.width(); x += 2) colours.insert(after.pixel(x, y));
    EXPECT_GT(colours.size(), 3);
}

TEST(BattleBand, HoldsFiveLogLinesOnEveryScreen) {
    struct Sized : kvd::test::BoardFixture {
        using BoardFixture::BoardFixture;
        void TestBody() override {}
    };
    for (const QSize size :
         {QSize(800, 600), QSize(1024, 768), QSize(1280, 720), QSize(1280, 1024)}) {
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
        Sized fixture(size.width(), size.height());
        fixture.MakeBoard();
        EXPECT_GE(fixture.board->LogLines(), 5);
        // Clear of the radar scope (74 % to 80 % across) and of each other.
        const int scopeLeft = size.width() * 74 / 100, scopeRight = size.width() * 80 / 100;
        EXPECT_LT(fixture.board->LogBox().right(), scopeLeft);
        EXPECT_GT(fixture.board->StateBox().left(), scopeRight);
        EXPECT_TRUE(fixture.board->Geometry().BottomBand().contains(fixture.board->LogBox()));
    }
}

// A log line longer than its box reads whole: it goes on in the rows below, every ship of an
// identification named.
TEST_F(Turn, ALongLogLineWrapsAndNamesEveryShip) {
    kvd::SwitchLanguage(t.Folder(), 'E', context.texts);
    Only({{11, 3, 3}, {21, 0, 0}, {45, 9, 9}});
    const QRect box = board->LogBox();
    // The rows of the box that hold text (anything but its black ground and white frame).
    auto rowsWithText = [&] {
        int rows = 0;
        for (int y = box.top() + 2; y < box.bottom() - 1; ++y) {
            bool text = false;
            for (int x = box.left() + 2; x < box.right() - 1 && !text; ++x)
                text = board->Canvas().pixelColor(x, y) != Qt::black;
            rows += text;
        }
        return rows;
    };
    kvd::BattleBand band = kvd::BattleBandOf(game);
    kvd::LogEntry seen;
    seen.kind = kvd::LogEntry::Identified;
    seen.first = {43, kvd::kSecondSide, QStringLiteral("Admiral Hipper"), kvd::UnitKind::None};
    board->ShowBattle(std::make_shared<const kvd::BattleBand>(band));
    band.log.Add(seen);
    board->ShowBattle(std::make_shared<const kvd::BattleBand>(band));
    const int oneRow = rowsWithText();
    ASSERT_GT(oneRow, 0);
    band.log = {};
    for (const char* name : {"Emden", "Karlsruhe", "Koenigsberg", "Leipzig", "Nuernberg"})
        seen.others.push_back({44, kvd::kSecondSide, QLatin1String(name), kvd::UnitKind::None});
    seen.more = int(seen.others.size());
    band.log.Add(seen);
    board->ShowBattle(std::make_shared<const kvd::BattleBand>(band));
    const std::vector<kvd::BattleLine> told = kvd::BattleLogLines(band, context.texts, 5);
    ASSERT_EQ(told.size(), 1u);
    for (const char* name : {"Emden", "Karlsruhe", "Koenigsberg", "Leipzig", "Nuernberg"})
        EXPECT_TRUE(told[0].text.contains(QLatin1String(name))) << told[0].text.toStdString();
    EXPECT_GT(rowsWithText(), oneRow * 3 / 2) << "the line goes on in a second row";
}

TEST_F(Turn, HFramesTheSuggestedMoveUntilTheNextClick) {
    struct Hint : kvd::MoveHint {
        int asked = 0;
        kvd::Side side = kvd::kSecondSide;
        std::optional<kvd::Move> Suggest(const kvd::Game&, const kvd::Settings&,
                                         kvd::Side s) override {
            ++asked, side = s;
            return kvd::Move{kvd::kFirstSide, 11, 3, 3, 4, 4, kvd::MoveKind::Step};
        }
        QString Reason() const override { return QStringLiteral("closing in: N11"); }
    } hint;
    turn->hint.Wire(hint);
    Only({{11, 3, 3}, {21, 0, 0}, {45, 9, 9}});
    const QColor frame = kvd::HintFrameColour();
    auto framed = [&](int column, int row) {
        const QRect cell = board->Geometry().Cell(column, row);
        int n = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                n += board->Canvas().pixelColor(x, y) == frame;
        return n;
    };
    auto pressH = [&] {
        QKeyEvent h(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier);
        QCoreApplication::sendEvent(board.get(), &h);
    };
    ClickCell(0, 0);
    ASSERT_TRUE(game.UnitSelected);

    pressH();
    EXPECT_EQ(hint.asked, 1);
    EXPECT_EQ(hint.side, kvd::kFirstSide);
    EXPECT_GT(framed(3, 3), 100) << "the unit";
    EXPECT_GT(framed(4, 4), 100) << "its target";
    EXPECT_EQ(framed(0, 0) + framed(5, 5), 0);
    EXPECT_FALSE(game.UnitSelected) << "the hint stands alone on the board";
    EXPECT_TRUE(display->Painter().LastReport().contains("closing in: N11"))
        << "the report line says why";

    // A click anywhere, off the board too, takes the frames away.
    Click(QPoint(500, 700));
    EXPECT_EQ(framed(3, 3) + framed(4, 4), 0);
    EXPECT_FALSE(turn->HintShown());

    // Not the player's turn, or the game over: nothing is asked or drawn.
    game.PlayerTurn = false;
    pressH();
    game.PlayerTurn = true;
    game.GameOver = true;
    pressH();
    EXPECT_EQ(hint.asked, 1);
    EXPECT_EQ(framed(3, 3), 0);
}
