#include <QPainter>
#include <random>

#include "board/board_painter.h"
#include "platform/resources.h"
#include "platform/screen.h"
#include "tests/board/board_fixture.h"

using kvd::test::BoardFixture;

namespace {

// How many pixels of two same-sized pictures differ, within a rectangle.
int Differing(const QImage& a, const QImage& b, const QRect& rect) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// The map's cell with one picture drawn into it, as the board would draw it.
QImage Expected(const kvd::Picture& clean, const kvd::Picture& sprite, const QRect& cell) {
    QImage image = clean.Image();
    sprite.StretchDraw(image, cell);
    return image;
}

struct BoardView : BoardFixture {
    void SetUp() override {
        WriteMap("Test", 'L');
        context.settings.ReconPlanes = '0';
        ASSERT_TRUE(Start("Test"));
    }
    // Moves a unit (by code) to a cell, everything else far away, and composes the board.
    void Only(const QList<int>& codes, int column, int row) {
        for (int i = 1; i < Table().Count(); ++i) {
            const bool keep = codes.contains(Table().Code(i));
            Table().SetPos(i, keep ? column : 9, keep ? row : 9);
        }
        board->GetPositions(Table(), context.settings.ReconPlanes != '0');
    }
    QRect Cell(int c, int r) const { return board->Geometry().Cell(c, r); }
    // The expected band takes the battle's boxes from what the window shows.
    void WithBoxesOf(const QImage& shown, QImage& expected) const {
        for (const QRect& box : {board->LogBox(), board->StateBox()}) {
            QPainter painter(&expected);
            painter.drawImage(box.topLeft(), shown.copy(box.adjusted(0, 0, 1, 1)));
        }
    }
    const QImage& Snap() const { return pictures.Snapshot.Image(); }
};

}  // namespace

TEST_F(BoardView, UnidentifiedEnemyShowsTheContactMarkerUntilIdentified) {
    for (QChar reveal : {QChar('Y'), QChar('N')}) {
        context.settings.RevealOption = reveal;
        Only({35}, 5, 5);
        EXPECT_EQ(Differing(Snap(), Expected(pictures.CleanMap, pictures.EnemyFlag, Cell(5, 5)),
                            Cell(5, 5)),
                  0)
            << "reveal " << reveal.toLatin1();
    }
    Table().SetRevealed(Table().Find(35), '1');
    context.settings.RevealOption = 'Y';
    board->GetPositions(Table(), context.settings.ReconPlanes != '0');
    const kvd::Picture* destroyer = pictures.SecondSet.Find(kvd::UnitKind::Destroyer);
    ASSERT_NE(destroyer, nullptr);
    EXPECT_EQ(Differing(Snap(), Expected(pictures.CleanMap, *destroyer, Cell(5, 5)), Cell(5, 5)),
              0);
    // The German destroyer picture is not the marker.
    EXPECT_GT(
        Differing(Snap(), Expected(pictures.CleanMap, pictures.EnemyFlag, Cell(5, 5)), Cell(5, 5)),
        100);
    context.settings.RevealOption = 'N';
    board->GetPositions(Table(), context.settings.ReconPlanes != '0');
    EXPECT_EQ(
        Differing(Snap(), Expected(pictures.CleanMap, pictures.EnemyFlag, Cell(5, 5)), Cell(5, 5)),
        0);
}

TEST_F(BoardView, EnemySubmarinesAndMinefieldsAreNeverDrawn) {
    for (int code : {27, 32, 47, 49}) {
        Only({code}, 4, 4);
        EXPECT_EQ(Differing(Snap(), pictures.CleanMap.Image(), Cell(4, 4)), 0) << code;
        Table().SetRevealed(Table().Find(code), '1');
        board->GetPositions(Table(), context.settings.ReconPlanes != '0');
        EXPECT_EQ(Differing(Snap(), pictures.CleanMap.Image(), Cell(4, 4)), 0) << code;
    }
    // The player's own submarines are drawn, except the first slot.
    Only({4}, 4, 4);
    EXPECT_GT(Differing(Snap(), pictures.CleanMap.Image(), Cell(4, 4)), 100);
    Only({3}, 4, 4);
    EXPECT_EQ(Differing(Snap(), pictures.CleanMap.Image(), Cell(4, 4)), 0);
}

// Every unit is drawn with its kind's picture from either set, but the few slots the fleets
// have always shown bare; the joining player's own last submarines only on its
// own board.
TEST_F(BoardView, EveryCodeHasItsKindsPictureButTheBareSlots) {
    using kvd::SpriteBoard;
    for (int code = 1; code <= 64; ++code) {
        if (!kvd::IsValidCode(code)) continue;
        for (const kvd::PictureSet* set : {&pictures.FirstSet, &pictures.SecondSet}) {
            const kvd::Picture* kind = set->Find(kvd::KindOfCode(code));
            EXPECT_EQ(kvd::SpriteForCode(*set, code), code == 3 ? nullptr : kind) << code;
            const bool bareOnJoining = code == 3 || (code >= 30 && code <= 32);
            EXPECT_EQ(kvd::SpriteForCode(*set, code, SpriteBoard::JoiningOwn),
                      bareOnJoining ? nullptr : kind)
                << code;
        }
    }
}

TEST_F(BoardView, RadarAircraftIsSmallOverItsCarrierAndLargeAlone) {
    context.settings.ReconPlanes = '2';
    ASSERT_TRUE(Start("Test"));
    const QRect cell = Cell(2, 3);
    Only({1, 22}, 2, 3);
    // Over the carrier it sits in the top right: (x + 60, y) to (x + width, y + height - 50).
    // Units are drawn in table order, so the carrier's line, later, covers it where it is opaque.
    QImage expected = pictures.CleanMap.Image();
    pictures.Jstars.StretchDraw(
        expected, QRect(cell.x() + 60, cell.y(), cell.width() - 60, cell.height() - 50));
    pictures.FirstSet.Find(kvd::UnitKind::Carrier)->StretchDraw(expected, cell);
    EXPECT_EQ(Differing(Snap(), expected, cell), 0);
    // Alone, it keeps a 20-pixel margin.
    Only({1}, 2, 3);
    expected = pictures.CleanMap.Image();
    pictures.Jstars.StretchDraw(expected, cell.adjusted(20, 20, -20, -20));
    EXPECT_EQ(Differing(Snap(), expected, cell), 0);
    EXPECT_EQ(Differing(Snap(), pictures.CleanMap.Image(),
                        QRect(cell.topLeft(), QSize(20, cell.height()))),
              0);
}

TEST_F(BoardView, PaintShowsSnapshotAndBandOnlyWhileTheGameIsActive) {
    board->FormPaint();
    const QImage& canvas = board->Canvas();
    EXPECT_EQ(Differing(canvas, Snap(), board->Geometry().BoardArea()), 0);
    // The band picture, with the battle's state in its box on the right.
    QImage band = canvas;
    board->MenuImage.StretchDraw(band, board->Geometry().BottomBand());
    const QRect state = board->StateBox();
    EXPECT_GT(Differing(canvas, band, state), 0);
    WithBoxesOf(canvas, band);
    EXPECT_EQ(Differing(canvas, band, board->Geometry().BottomBand()), 0);

    // The computer's turn shows the dark band and hides the cursor.
    game.PlayerTurn = false;
    game.OpponentTurn = true;
    board->FormPaint();
    QImage dark = board->Canvas();
    board->DarkImage.StretchDraw(dark, board->Geometry().BottomBand());
    EXPECT_GT(Differing(board->Canvas(), dark, state), 0) << "the state stays on the dark band";
    WithBoxesOf(board->Canvas(), dark);
    EXPECT_EQ(Differing(board->Canvas(), dark, board->Geometry().BottomBand()), 0);
    EXPECT_EQ(t.Cursor().Last(), kvd::CursorShape::Hidden);

    // After the game a paint request leaves the window as it is.
    const QImage before = board->Canvas().copy();
    game.GameActive = false;
    game.PlayerTurn = true;
    game.OpponentTurn = false;
    Table().SetPos(Table().Find(21), 5, 5);
    board->GetPositions(Table(), context.settings.ReconPlanes != '0');
    board->FormPaint();
    EXPECT_EQ(Differing(board->Canvas(), before, QRect(QPoint(0, 0), before.size())), 0);
}

// A step redraws only the cells it changed, on the snapshot and on the window; the board must
// look exactly as if it had been composed afresh, through moves, identifications, a unit gone,
// the aircraft, a replay's whole fleets, a picture loaded anew and drawing over the window.
TEST_F(BoardView, ABoardRedrawnCellByCellIsTheBoardComposedAfresh) {
    context.settings.ReconPlanes = '2';
    std::mt19937 draw(3);
    const QRect area = board->Geometry().BoardArea();
    for (int step = 0; step < 40; ++step) {
        SCOPED_TRACE(step);
        const int line = 1 + int(draw() % unsigned(Table().Count() - 1));
        Table().SetPos(line, int(draw() % 10), int(draw() % 10));
        if (Table().Side(line) == kvd::kSecondSide)
            Table().SetRevealed(line, draw() % 2 ? '1' : '0');
        if (step == 10) Table().Remove(line);
        if (step == 20) board->showBothFleets = true;
        if (step == 25) pictures.EnemyFlag.Tint(Qt::red, 50);
        if (step == 30) board->showBothFleets = false;
        if (step == 35) {
            QPainter painter(&board->Canvas());
            painter.fillRect(Cell(4, 4), Qt::magenta);
        }
        board->GetPositions(Table(), true);
        board->ShowSnapshot();
        board->DrawBand(board->MenuImage);  // the band below the board, as every paint draws it
        const QImage byCells = Snap().copy();
        ASSERT_EQ(Differing(board->Canvas(), byCells, area), 0);
        if (step % 8 != 7) continue;
        pictures.Snapshot.Assign(Snap().copy());  // not the snapshot the board drew last
        board->GetPositions(Table(), true);
        ASSERT_EQ(Differing(Snap(), byCells, QRect(QPoint(0, 0), byCells.size())), 0);
        board->ShowSnapshot();
    }
}

// The board draws what the rules marked and runs no rule itself: a redraw changes no mark, and
// the radar sweeps over the identifications the rules made last, where the sweep is allowed.
TEST_F(BoardView, ARedrawShowsTheRulesMarksAndSweepsOverTheirIdentifications) {
    kvd::UnitTable& table = Table();
    const int enemy = table.FindSide(35, kvd::kSecondSide),
              own = table.FindSide(11, kvd::kFirstSide);
    table.SetPos(enemy, table.PosX(own) + (table.PosX(own) < 9 ? 1 : -1), table.PosY(own));
    const QStringList before = table.Lines();
    rules.sweeps = 0;
    game.RevealCount = 0;
    board->PreDraw();
    EXPECT_EQ(table.Lines(), before) << "an enemy beside a destroyer, and no rule ran";
    EXPECT_EQ(rules.sweeps, 0) << "nothing found: no sweep";
    game.RevealCount = 2;
    board->PreDraw();
    EXPECT_EQ(rules.sweeps, 1);
    game.SweepAllowed = false;
    board->PreDraw();
    EXPECT_EQ(rules.sweeps, 1);
}

TEST_F(BoardView, RotationTurnsTheRadarPictureClockwise) {
    board->RadarSource.Create(80, 80, Qt::black);
    QImage source = board->RadarSource.Image();
    source.setPixel(40, 5, qRgb(0, 255, 0));  // a mark straight above the centre
    board->RadarSource.Assign(source);
    board->RotateBitmap(0);
    EXPECT_EQ(board->RadarImage.Image().pixel(40, 5), qRgb(0, 255, 0));
    board->RotateBitmap(90);  // a quarter turn clockwise: the mark goes to the right
    const QImage& turned = board->RadarImage.Image();
    EXPECT_EQ(turned.pixel(74, 40), qRgb(0, 255, 0));
    EXPECT_EQ(turned.pixel(40, 5), qRgb(0, 0, 0));
    board->RadarSource.Create(80, 80, Qt::white);
    board->RotateBitmap(45);  // corners turned in from outside the picture are black
    EXPECT_EQ(board->RadarImage.Image().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(board->RadarImage.Image().pixel(40, 40), qRgb(255, 255, 255));
}

struct SmallScreen : BoardFixture {
    SmallScreen() : BoardFixture(800, 600) {}
};

TEST_F(SmallScreen, CellsFollowTheScreen) {
    MakeBoard();
    EXPECT_EQ(board->Geometry().cellWidth, 80);
    EXPECT_EQ(board->Geometry().cellHeight, 48);
    EXPECT_EQ(board->Geometry().boardHeight, 480);
    EXPECT_EQ(board->Geometry().Cell(9, 9), QRect(720, 432, 80, 48));
    EXPECT_EQ(board->Canvas().size(), QSize(800, 600));
}

TEST_F(BoardView, AReportLongerThanItsBoxStaysInsideIt) {
    board->FormPaint();
    kvd::BoardPainter& paint = display->Painter();
    const int top = kvd::WorkHeight(*t.Services().screen, 81),
              bottom = kvd::WorkHeight(*t.Services().screen, 84);
    const QRect beyond(QPoint(paint.X(40) + 1, top - 2),
                       QPoint(board->Canvas().width() - 1, bottom + 20));
    const QImage before = board->Canvas().copy();
    paint.Report(QString(400, QLatin1Char('W')), 12, 8, 40);
    EXPECT_EQ(Differing(board->Canvas(), before, beyond), 0) << "nothing drawn past the box";
    // A shorter line after it leaves nothing of the long one in the box.
    paint.Report(QStringLiteral("W"), 12, 8, 40);
    const QImage shortOnly = board->Canvas().copy();
    board->FormPaint();
    paint.Report(QStringLiteral("W"), 12, 8, 40);
    const QRect box(QPoint(paint.X(8), top), QPoint(paint.X(40) - 1, bottom - 1));
    EXPECT_EQ(Differing(board->Canvas(), shortOnly, box), 0);
}

struct WideScreen : BoardFixture {
    WideScreen() : BoardFixture(1920, 1080) {}
    void SetUp() override {
        WriteMap("Test", 'L');
        ASSERT_TRUE(Start("Test"));
    }
};

// On a screen the charts are stretched to, a target's frame is drawn at the screen's pixels: a
// line across its side meets the frame's own colours or the sea, never a blend of the two.
TEST_F(WideScreen, TargetFramesAreDrawnAtTheScreensOwnPixels) {
    board->FormPaint();
    kvd::BoardPainter& paint = display->Painter();
    const QRect cell = board->Geometry().Cell(3, 4);
    const QImage before = board->Canvas().copy();
    paint.DrawTargetFrame(3, 4);
    const QImage& after = board->Canvas();
    const QSet<QRgb> rings{qRgb(24, 110, 40), qRgb(60, 220, 80), qRgb(150, 255, 150)};
    const int y = cell.center().y(), x = cell.center().x();
    int framed = 0;
    for (int k = 0; k < cell.width() / 6; ++k) {
        for (const QPoint at : {QPoint(cell.left() + k, y), QPoint(cell.right() - k, y)}) {
            const QRgb now = after.pixel(at);
            EXPECT_TRUE(rings.contains(now) || now == before.pixel(at)) << at.x();
            framed += rings.contains(now);
        }
    }
    for (int k = 0; k < cell.height() / 6; ++k) {
        const QPoint at(x, cell.top() + k);
        EXPECT_TRUE(rings.contains(after.pixel(at)) || after.pixel(at) == before.pixel(at)) << k;
    }
    EXPECT_GE(framed, 6) << "both sides framed, a few pixels thick";
    EXPECT_EQ(after.pixel(cell.center()), before.pixel(cell.center())) << "the middle stays clear";
}
