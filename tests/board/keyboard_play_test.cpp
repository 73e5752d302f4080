#include <QKeyEvent>
#include <QMouseEvent>

#include "board/board_painter.h"
#include "core/game.h"
#include "play/legal_moves.h"
#include "tests/board/play_fixture.h"

using kvd::test::PlayFixture;

namespace {

struct Keys : PlayFixture {
    void SetUp() override { StartGame(); }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(board.get(), &press);
    }
    QPoint Cursor() const { return turn->KeyCursor().Cell(); }
    QPoint PosOf(int code) { return {Table().PosX(Line(code)), Table().PosY(Line(code))}; }
    // The cursor to a cell the way a player would: the arrows, and the keypad for diagonals.
    void CursorTo(QPoint cell) {
        if (!turn->KeyCursor().Active()) Press(Qt::Key_Left);
        for (int k = 0; k < 20 && Cursor() != cell; ++k) {
            const int dc = (cell.x() > Cursor().x()) - (cell.x() < Cursor().x());
            const int dr = (cell.y() > Cursor().y()) - (cell.y() < Cursor().y());
            // The keypad's keys laid out as the board's directions.
            const int keypad[3][3] = {{Qt::Key_7, Qt::Key_8, Qt::Key_9},
                                      {Qt::Key_4, Qt::Key_5, Qt::Key_6},
                                      {Qt::Key_1, Qt::Key_2, Qt::Key_3}};
            if (dc != 0 && dr != 0)
                Press(keypad[dr + 1][dc + 1], Qt::KeypadModifier);
            else
                Press(dc < 0   ? Qt::Key_Left
                      : dc > 0 ? Qt::Key_Right
                      : dr < 0 ? Qt::Key_Up
                               : Qt::Key_Down);
        }
        ASSERT_EQ(Cursor(), cell);
    }
    // The pixels of an area of the window.
    QImage Area(const QRect& area) { return board->Canvas().copy(area); }
};

}  // namespace

TEST_F(Keys, AWholeGameByKeys) {
    // A destroyer hunts the weakened enemy flagship across the board; the computer passes.
    Only({{11, 1, 1}, {21, 0, 9}, {45, 8, 6}});
    SetStrength(45, 3);
    SetStrength(11, 9);
    game.FlagTransferSecond = QLatin1Char('N');  // no carrier to take the flag over
    Table().SetRevealed(Line(45), QLatin1Char('1'));
    int moves = 0;
    while (end.shown == 0 && moves < 30) {
        Press(Qt::Key_Tab);
        ASSERT_TRUE(game.UnitSelected);
        ASSERT_EQ(game.Player.Code, 11) << "Tab starts with the first unit that may move";
        ASSERT_EQ(Cursor(), PosOf(11));
        // The step that comes closest to the flagship, as the legal moves offer it.
        const QPoint goal = PosOf(45);
        QPoint best(-1, -1);
        for (const kvd::Move& m : kvd::LegalMoves(game, kvd::kFirstSide)) {
            const QPoint to(m.toColumn, m.toRow);
            if (m.code == 11 &&
                (best.x() < 0 || (to - goal).manhattanLength() < (best - goal).manhattanLength()))
                best = to;
        }
        CursorTo(best);
        if (best == goal) {
            EXPECT_TRUE(turn->Forecast().endsWith(" (3): " + Table().ShownName(Line(45)) +
                                                  " is sunk, the battle is won"))
                << turn->Forecast().toStdString();
        }
        Press(moves % 2 ? Qt::Key_Space : Qt::Key_Return);
        ++moves;
        if (end.shown == 0) {
            EXPECT_EQ(PosOf(11), best);
        }
    }
    EXPECT_EQ(end.shown, 1);
    EXPECT_EQ(game.Gamestage, kvd::stage::kFirstSideWon);
    EXPECT_EQ(computer.turns, moves - 1) << "each step but the deciding one handed the turn over";
    EXPECT_EQ(moves, 7);
}

TEST_F(Keys, TabBackspaceAndRepairActOnTheOwnUnits) {
    Only({{11, 0, 0}, {12, 5, 5}, {2, 4, 4}, {21, 9, 0}, {45, 9, 9}});
    Table().SetDamageState(Line(12), 1);
    // Tab goes through the units that may move in table order and round again; Shift+Tab back.
    QList<int> order;
    for (int k = 0; k < 5; ++k) {
        Press(Qt::Key_Tab);
        order << game.Player.Code;
    }
    EXPECT_EQ(order, QList<int>({2, 11, 12, 21, 2}));
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(game.Player.Code, 21);
    Press(Qt::Key_Backspace);
    EXPECT_FALSE(game.UnitSelected);
    // R asks for a repair only for a damaged unit beside its supply ship.
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    Press(Qt::Key_R);
    EXPECT_EQ(computer.turns, 0) << "the destroyer is not damaged";
    Press(Qt::Key_Tab);
    EXPECT_EQ(game.Player.Code, 12);
    Press(Qt::Key_R);
    EXPECT_EQ(Table().RepairCount(Line(12)), 1);
    EXPECT_EQ(computer.turns, 1);
    // The cursor stays on the board at its edges.
    for (int k = 0; k < 12; ++k) Press(Qt::Key_PageDown);
    EXPECT_EQ(Cursor(), QPoint(9, 9));
    for (int k = 0; k < 12; ++k) Press(Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(Cursor(), QPoint(0, 0));
    // Digits of the main keys do not move it.
    Press(Qt::Key_3);
    EXPECT_EQ(Cursor(), QPoint(0, 0));
}

TEST_F(Keys, TheCursorAndTheForecastComeOffTheBoardWithoutATrace) {
    Only({{11, 3, 3}, {40, 4, 4}, {21, 0, 9}, {45, 9, 9}});
    Table().SetRevealed(Line(40), QLatin1Char('1'));
    SetStrength(11, 5);
    SetStrength(40, 5);
    const QRect report = board->Geometry().BottomBand();
    const QRect cell = board->Geometry().Cell(4, 4);
    ClickCell(3, 3);
    const QImage band = Area(report);
    const QImage target = Area(cell);
    // The pointer over the marked cruiser: the forecast covers the report line.
    QMouseEvent move(QEvent::MouseMove, QPointF(Centre(4, 4)), board->mapToGlobal(Centre(4, 4)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(board.get(), &move);
    EXPECT_TRUE(turn->Forecast().endsWith("(5): both are sunk")) << turn->Forecast().toStdString();
    EXPECT_NE(Area(report), band);
    // The cursor over the same cell: drawn white and black, and gone again with the pointer's
    // forecast when it moves on.
    Press(Qt::Key_Down);
    EXPECT_EQ(Cursor(), QPoint(3, 3)) << "the first key shows the cursor on the selection";
    Press(Qt::Key_3, Qt::KeypadModifier);
    EXPECT_EQ(Cursor(), QPoint(4, 4));
    const QImage framed = Area(cell);
    EXPECT_NE(framed, target);
    const int inset = 3 * qMax(2, cell.width() / 24) / 2;
    EXPECT_EQ(framed.pixelColor(framed.width() / 2, inset), QColor(Qt::white));
    EXPECT_EQ(framed.pixelColor(framed.width() / 2, 1), QColor(Qt::black));
    Press(Qt::Key_Up);
    EXPECT_EQ(Area(cell), target) << "the marked cell as it was";
    EXPECT_TRUE(turn->Forecast().isEmpty());
    EXPECT_EQ(Area(report), band);
}
