// The map editor driven as a player drives it: buttons clicked, cells pressed with the mouse,
// and what it stores read back byte for byte.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "core/context.h"
#include "core/language_texts.h"
#include "mapeditor/map_form.h"
#include "platform/files.h"
#include "tests/support/test_platform.h"

namespace kvd {
namespace {

struct Editor : ::testing::Test {
    Editor() {
        t.UseBuiltInAssets();
        t.CopyData("config/english.mes");
        SwitchLanguage(t.Folder(), QLatin1Char('E'), context.texts);
        QFile chart(QStringLiteral(KORVALD_SOURCE_DIR "/assets/pictures/MALTA.jpg"));
        chart.open(QIODevice::ReadOnly);
        t.WriteFile("pictures/malta.jpg", chart.readAll());
        t.WriteFile("maps/.keep", {});
        form.flow.Wire(flow);
        form.ShowCentred();
    }
    struct Flow : ProgramFlow {
        int menus = 0;
        void BackToMenu() override { ++menus; }
        void EndProgram() override {}
        void HideMenu() override {}
    } flow;
    // Presses the mouse on a window position.
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent press(QEvent::MouseButtonPress, at, form.mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &press);
    }
    void PressCell(int column, int row) {
        Press(QPoint(TMapForm::kLeft + TMapForm::kCellWidth * column + 30,
                     TMapForm::kTop + TMapForm::kCellHeight * row + 20));
    }
    // Picture, home edge and its confirm: the land step begins.
    void UpToLand(QChar edge) {
        ASSERT_TRUE(form.LoadPicture(t.Path("pictures/malta.jpg")));
        form.HomeButton->click();
        const QString edges = QStringLiteral("LRTB");
        form.HomeMenu->actions()[edges.indexOf(edge)]->trigger();
        form.HomeConfirm->click();
        ASSERT_EQ(form.EditorStep, kvd::TMapForm::Step::DrawLand);
    }
    QStringList BoxTexts() {
        QStringList texts;
        for (const auto& box : t.Boxes().Boxes()) texts << box.text;
        return texts;
    }
    QString Text(int n) { return context.texts.Text(n); }

    test::TestPlatform t;
    Context context{t.Services()};
    TMapForm form{context};
};

TEST(EditorRules, CellsCountFromTheGridAndAClickOnALineKeepsThePreviousCell) {
    // (coordinate, previous) -> cell, for the columns (origin 111, 67 wide).
    const int cases[][3] = {{110, 5, 0}, {0, 5, 0},   {177, 5, 0},
                            {178, 5, 5}, {179, 5, 1}, {244, 3, 1},
                            {245, 3, 3}, {246, 3, 2}, {111 + 67 * 9 + 1, 0, 9},
                            {779, 0, 9}, {781, 4, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(MapSheet::CellOf(c[0], 111, 67, c[1]), c[2]) << "x = " << c[0];
    for (QChar home : QStringLiteral("LRTB"))
        for (int cell = 0; cell < 100; ++cell) {
            const int c = cell % 10, r = cell / 10;
            const bool expected = home == 'L'   ? c <= 3
                                  : home == 'R' ? c >= 6
                                  : home == 'T' ? r <= 3
                                                : r >= 6;
            EXPECT_EQ(MapSheet::InHomeBand(home, c, r), expected) << home.toLatin1() << c << r;
        }
}

TEST(EditorRules, EachKindWritesItsCodesInTurnAndUndoStartsAllAgain) {
    MapSheet sheet;
    sheet.ResetCounters();
    QList<int> codes;
    for (size_t k = 0; k < kEditorShipKinds.size(); ++k)
        for (int i = 0; i < kEditorShipKinds[k].count + 1; ++i)
            codes << sheet.PlaceShip(int(k), 0, i);
    EXPECT_EQ(codes, QList<int>({2, 0,  10, 9, 0,  13, 14, 15, 0, 11, 12, 0,  16, 17, 18,
                                 0, 19, 20, 0, 22, 0,  21, 0,  5, 6,  0,  23, 24, 25, 0}));
    EXPECT_TRUE(sheet.AllShipsPlaced());
    EXPECT_EQ(sheet.Lines()[4], "[02]0000");
    sheet.UndoShips();
    EXPECT_FALSE(sheet.AllShipsPlaced());
    EXPECT_EQ(sheet.Lines().size(), 24);
    EXPECT_EQ(sheet.Lines().mid(4), QStringList(20, QStringLiteral("#")));
    EXPECT_EQ(sheet.Counters(), (std::array<int, 10>{1, 2, 3, 2, 3, 2, 1, 1, 2, 3}));
    // Every map shipped with its own chart keeps its name, and so does any "$" name.
    const QStringList shipped = QDir(test::DataDir() + QStringLiteral("/maps"))
                                    .entryList({QStringLiteral("$*.map")}, QDir::Files);
    ASSERT_EQ(shipped.size(), 38);
    for (const QString& file : shipped)
        EXPECT_TRUE(MapSheet::Reserved(file.mid(1).chopped(4))) << file.toStdString();
    for (const char* name : {"$MINE", "$"})
        EXPECT_TRUE(MapSheet::Reserved(QString::fromLatin1(name))) << name;
    for (const char* name : {"NORTHSEA", "STANDARD2", "MALTAX", "SKAGERRAK", "NSOLOMAN"})
        EXPECT_FALSE(MapSheet::Reserved(QString::fromLatin1(name))) << name;
}

TEST(EditorTexts, EveryTextIsThereInBothLanguagesAndTheJoinedOnesEndInABlank) {
    for (const char* file : {"english.mes", "deutsch.mes"}) {
        QStringList lines;
        ASSERT_TRUE(Files(test::DataDir() + QStringLiteral("/config"))
                        .LoadLines(QString::fromLatin1(file), lines));
        ASSERT_GE(lines.size(), 270) << file;
        for (int n = 230; n <= 269; ++n) {
            SCOPED_TRACE(std::string(file) + " " + std::to_string(n));
            EXPECT_EQ(lines[n].left(3), QString::number(n));
            const QString text = lines[n].mid(3);
            EXPECT_FALSE(text.trimmed().isEmpty());
            EXPECT_FALSE(text.startsWith(QLatin1Char(' ')));
            // A path or an edge follows the last three; the others stand alone.
            const bool joined = n >= 267;
            EXPECT_EQ(text.endsWith(QLatin1Char(' ')), joined);
            EXPECT_FALSE(text.endsWith(QStringLiteral("  ")));
        }
    }
}

TEST_F(Editor, TheNorthSeaExampleIsStoredByteForByte) {
    UpToLand(QLatin1Char('T'));
    form.AddLand->click();
    PressCell(3, 7);
    form.Edit1->setText(QStringLiteral("NORTHSEA"));
    form.LandConfirm->click();
    form.StoreButton->click();
    EXPECT_EQ(BoxTexts(), QStringList({Text(80)}));
    // The picture lies in the program folder: named from there, so the folder may move.
    const QByteArray expected =
        "[ProjName] =NORTHSEA\r\n[Map]      =pictures\\malta.jpg"
        "\r\n[Position] =T\r\n[Location] =E\r\n0307\r\n";
    EXPECT_EQ(t.ReadFile("maps/NORTHSEA.map"), expected);
}

TEST_F(Editor, APictureOutsideTheProgramFolderIsNamedWhole) {
    QTemporaryDir elsewhere;
    QFile::copy(t.Path("pictures/malta.jpg"), elsewhere.path() + "/chart.jpg");
    ASSERT_TRUE(form.LoadPicture(elsewhere.path() + "/chart.jpg"));
    form.HomeButton->click();
    form.HomeMenu->actions()[0]->trigger();
    form.HomeConfirm->click();
    form.Edit1->setText(QStringLiteral("FARAWAY"));
    form.StoreButton->click();
    EXPECT_EQ(BoxTexts(), QStringList({Text(80)}));
    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines("maps\\FARAWAY.map", lines));
    EXPECT_EQ(lines[1], "[Map]      =" + elsewhere.path() + "/chart.jpg");
}

TEST_F(Editor, EighteenLandCellsAreAllAndTheLimitHoldsInEveryStepUntilClearAll) {
    UpToLand(QLatin1Char('L'));
    form.AddLand->click();
    for (int k = 0; k < 18; ++k) PressCell(4 + k % 6, k / 6);
    EXPECT_TRUE(t.Boxes().Boxes().empty());
    PressCell(9, 9);
    EXPECT_EQ(BoxTexts(), QStringList({Text(264)}));
    EXPECT_FALSE(form.Sheet().IsLand(9, 9));
    // Still so in the ships step, and for any mouse button.
    form.LandConfirm->click();
    form.EnableShips->click();
    PressCell(0, 0);
    Press(QPoint(200, 200), Qt::RightButton);
    EXPECT_EQ(t.Boxes().Boxes().size(), 3u);
    EXPECT_FALSE(form.Sheet().HasShip(0, 0));

    form.ClearAllClick();
    EXPECT_EQ(form.Sheet().Lines().size(), 4);
    EXPECT_TRUE(form.PicturePath.isEmpty());
    EXPECT_EQ(form.EditorStep, kvd::TMapForm::Step::PlaceShips)
        << "the step stays: a picture is loaded again to start over";
    EXPECT_TRUE(form.LoadButton->isEnabled());
}

TEST_F(Editor, TheGreenFrameGoesRoundExactlyTheCellsOfTheHomeBand) {
    ASSERT_TRUE(form.LoadPicture(t.Path("pictures/malta.jpg")));
    const QString edges = QStringLiteral("LRTB");
    for (int e = 0; e < 4; ++e) {
        form.HomeMenu->actions()[e]->trigger();
        const QImage& shown = form.Shown();
        auto green = [&](int x, int y) { return shown.pixel(x, y) == qRgb(0, 128, 0); };
        // Along the middle of the band's breadth and of its length: the frame crosses just
        // inside the band's first and last cell, and nowhere in a cell outside it.
        for (int cell = 0; cell < 10; ++cell) {
            const int x = TMapForm::kLeft + TMapForm::kCellWidth * cell,
                      y = TMapForm::kTop + TMapForm::kCellHeight * cell;
            auto band = [&](int c) {
                return c >= 0 && c <= 9 && MapSheet::InHomeBand(edges[e], c, c);
            };
            const bool first = band(cell) && !band(cell - 1), last = band(cell) && !band(cell + 1);
            if (e < 2) {  // the side bands run the height of the grid
                const int mid = TMapForm::kTop + TMapForm::kCellHeight * 5 + 10;
                EXPECT_EQ(green(x + 2, mid), first) << edges[e].toLatin1() << " column " << cell;
                EXPECT_EQ(green(std::min(x + TMapForm::kCellWidth - 3, 779), mid), last)
                    << edges[e].toLatin1() << " column " << cell;
                EXPECT_FALSE(green(x + 30, mid)) << edges[e].toLatin1() << " column " << cell;
            } else {
                const int mid = TMapForm::kLeft + TMapForm::kCellWidth * 5 + 30;
                EXPECT_EQ(green(mid, y + 2), first) << edges[e].toLatin1() << " row " << cell;
                EXPECT_EQ(green(mid, y + TMapForm::kCellHeight - 3), last)
                    << edges[e].toLatin1() << " row " << cell;
                EXPECT_FALSE(green(mid, y + 20)) << edges[e].toLatin1() << " row " << cell;
            }
        }
    }
}

TEST_F(Editor, UndoneLandIsKeptAsAHashLineAndShipsMayStandOnLandAtHome) {
    UpToLand(QLatin1Char('L'));
    const QRect cell(TMapForm::kLeft + 5 * 67, TMapForm::kTop + 5 * 48, 67, 48);
    const QImage sea = form.Shown().copy(cell);
    form.AddLand->click();
    PressCell(2, 2);
    PressCell(2, 2);  // twice on one cell: one entry
    PressCell(5, 5);
    form.UndoLand->click();
    PressCell(5, 5);
    EXPECT_EQ(form.Sheet().Lines().mid(4), QStringList({"0202", "#"}));
    EXPECT_EQ(form.Shown().copy(cell), sea) << "the cell shows the sea again";
    form.LandConfirm->click();
    form.EnableShips->click();
    PressCell(2, 2);  // land, but in the home band
    PressCell(6, 2);  // outside the home band: nothing
    // x = 110 is column 0.
    form.ListBox1->setCurrentRow(1);
    Press(QPoint(110, TMapForm::kTop + 3 * 48 + 10));
    EXPECT_EQ(form.Sheet().Lines().mid(6), QStringList({"[02]0202", "[10]0003"}));

    // Store refuses while ships are placed but not confirmed; Undo takes every ship away.
    form.Edit1->setText(QStringLiteral("ISLES"));
    form.StoreButton->setEnabled(true);
    form.StoreButton->click();
    EXPECT_EQ(BoxTexts(), QStringList({Text(265)}));
    form.UndoShips->click();
    EXPECT_EQ(form.Sheet().Lines().mid(6), QStringList({"#", "#"}));
    EXPECT_EQ(form.Counters[1]->text(), "2");
}

TEST_F(Editor, ReservedNamesEmptyNamesBadPicturesAndAFullDiskChangeNothing) {
    // A picture that is not 1024 x 768, and one that is no JPEG.
    QImage small(640, 480, QImage::Format_RGB32);
    small.fill(Qt::blue);
    small.save(t.Path("pictures/small.jpg"), "JPG");
    t.WriteFile("pictures/broken.jpg", "not a picture");
    EXPECT_FALSE(form.LoadPicture(t.Path("pictures/small.jpg")));
    EXPECT_FALSE(form.LoadPicture(t.Path("pictures/broken.jpg")));
    EXPECT_TRUE(form.PicturePath.isEmpty());
    EXPECT_FALSE(form.HomeButton->isEnabled());
    ASSERT_EQ(t.Boxes().Boxes().size(), 2u);
    EXPECT_TRUE(BoxTexts()[0].contains("640 x 480"));
    t.Boxes().Clear();

    UpToLand(QLatin1Char('B'));
    form.StoreButton->click();
    for (const char* name : {"STANDARD", "$STANDARD", "MALTA"}) {
        form.Edit1->setText(QString::fromLatin1(name));
        form.StoreButton->click();
    }
    EXPECT_EQ(BoxTexts(), QStringList({Text(266), Text(81), Text(81), Text(81)}));
    EXPECT_FALSE(QFile::exists(t.Path("maps/STANDARD.map")));

    // Typing goes to upper case, and no dot or separator gets in.
    form.Edit1->clear();
    form.Edit1->setFocus();
    for (const char* keys : {"north/sea.x1"}) {
        for (const char* k = keys; *k; ++k) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar::fromLatin1(*k)));
            QCoreApplication::sendEvent(form.Edit1, &key);
        }
    }
    EXPECT_EQ(form.Edit1->text(), "NORTHSEAX1");

    // The maps folder cannot take the file: said, and the editor stays as it was.
    QFile::remove(t.Path("maps/.keep"));
    QDir(t.Path("maps")).removeRecursively();
    t.WriteFile("maps", "a file where the folder belongs");
    t.Boxes().Clear();
    form.StoreButton->click();
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_EQ(t.Boxes().Boxes()[0].kind, BoxKind::Error);
    EXPECT_EQ(form.EditorStep, kvd::TMapForm::Step::DrawLand);

    // No maps folder at all (deleted by hand): storing makes it.
    QFile::remove(t.Path("maps"));
    t.Boxes().Clear();
    form.StoreButton->click();
    EXPECT_EQ(BoxTexts(), QStringList({Text(80)}));
    EXPECT_TRUE(QFile::exists(t.Path("maps/NORTHSEAX1.map")));
}

TEST_F(Editor, AMapNoGameCouldStartOnIsNotStoredAndTheBoxSaysWhichEdge) {
    // Eighteen land cells leave 22 cells of open water in a band; a fleet brings 24 units.
    t.CopyData("config");
    const struct {
        int firstColumn;
        int edgeText;  // the crowded band's edge
    } cases[] = {
        {6, 261}, {0, 260}, {4, 0}};  // the home band (RIGHT), the opponent's (LEFT), the middle
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firstColumn);
        form.FormShow();
        t.Boxes().Clear();
        UpToLand(QLatin1Char('R'));
        form.AddLand->click();
        for (int k = 0; k < 18; ++k) PressCell(c.firstColumn + k % 2, k / 2);
        form.LandConfirm->click();
        form.Edit1->setText(QStringLiteral("ROCKS"));
        form.StoreButton->click();
        if (c.edgeText == 0) {
            EXPECT_EQ(BoxTexts(), QStringList({Text(80)}));
            EXPECT_TRUE(QFile::remove(t.Path("maps/ROCKS.map")));
        } else {
            EXPECT_EQ(BoxTexts(), QStringList({Text(269) + Text(c.edgeText) + "."}));
            EXPECT_FALSE(QFile::exists(t.Path("maps/ROCKS.map")));
        }
    }
}

TEST_F(Editor, ThePictureComesThroughTheOpenDialogAndTheStateOutlivesClosing) {
    // The dialog is answered as a player answers it, once it is up (however long that takes).
    std::function<void()> answer = [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(20, answer);
            return;
        }
        EXPECT_EQ(dialog->directory().absolutePath(),
                  QDir(t.Folder().ProgramFolder()).absolutePath());
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(QStringLiteral("pictures/malta.jpg"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(name, &enter);
    };
    QTimer::singleShot(20, answer);
    form.LoadButton->click();
    EXPECT_EQ(form.EditorStep, kvd::TMapForm::Step::ChooseHome);
    EXPECT_EQ(QFileInfo(form.PicturePath).fileName(), "malta.jpg");
    EXPECT_FALSE(form.LoadButton->isEnabled());
    form.HomeButton->click();
    form.HomeMenu->actions()[1]->trigger();
    EXPECT_EQ(form.EditorHome, 'R');
    form.HomeConfirm->click();
    form.CloseButton->click();
    EXPECT_EQ(flow.menus, 1);
    form.AddLand->click();
    PressCell(8, 8);
    form.CloseButton->click();
    form.ShowCentred();
    // A new map on an empty picture: no land of the last one left over an empty map.
    EXPECT_EQ(form.Sheet().Lines().size(), 4);
    EXPECT_EQ(form.EditorStep, kvd::TMapForm::Step::LoadPicture);
    EXPECT_TRUE(form.PicturePath.isEmpty());
    QImage empty(form.Shown().size(), form.Shown().format());
    empty.fill(form.Shown().pixel(0, 0));
    EXPECT_EQ(form.Shown(), empty);
    EXPECT_TRUE(form.LoadButton->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{form.HomeButton, form.AddLand,
                                                      form.StoreButton, form.Edit1})
        EXPECT_FALSE(w->isEnabled());
    EXPECT_FALSE(form.AddLand->isChecked());
}

TEST_F(Editor, EveryTextComesFromTheLanguageAndFitsItsBox) {
    t.CopyData("config/deutsch.mes");
    for (QChar language : {QLatin1Char('E'), QLatin1Char('D')}) {
        SCOPED_TRACE(language.toLatin1());
        context.settings.Language = language;
        SwitchLanguage(t.Folder(), language, context.texts);
        form.FormShow();
        QSet<QString> known;
        for (int n = 1; n < context.texts.MessageList.size(); ++n) known << context.texts.Text(n);
        auto fromTexts = [&](const QString& text, const char* where) {
            if (text.isEmpty() || text.toInt() > 0 || text == "0") return;  // the counters
            EXPECT_TRUE(known.contains(text)) << where << ": " << text.toStdString();
        };
        int shown = 0;
        for (QWidget* w : form.findChildren<QWidget*>()) {
            fromTexts(w->toolTip(), "hint");
            QString text;
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                text = b->text();
            else if (auto* l = qobject_cast<QLabel*>(w))
                text = l->text();
            else if (auto* g = qobject_cast<QGroupBox*>(w))
                fromTexts(g->title(), "group");
            if (text.isEmpty() || w == form.Title) continue;
            fromTexts(text, "control");
            ++shown;
            // The whole text in its box (a tool button's inside its frame), in a font still
            // readable.
            const auto* tool = qobject_cast<QToolButton*>(w);
            const int needed =
                tool ? w->fontMetrics().horizontalAdvance(text) + 6 : w->sizeHint().width();
            EXPECT_LE(needed, w->width()) << text.toStdString();
            EXPECT_GE(QFontInfo(w->font()).pixelSize(), 8) << text.toStdString();
        }
        EXPECT_GE(shown, 20);
        fromTexts(form.Title->text(), "title");
        const QFontMetrics list(form.ListBox1->font());
        for (int k = 0; k < form.ListBox1->count(); ++k) {
            const QString entry = form.ListBox1->item(k)->text();
            fromTexts(entry, "ship list");
            EXPECT_LE(list.horizontalAdvance(entry), form.ListBox1->viewport()->width() - 4)
                << entry.toStdString();
        }
        for (QAction* edge : form.HomeMenu->actions()) fromTexts(edge->text(), "home menu");
    }
    EXPECT_EQ(form.ListBox1->item(3)->text(), QString::fromUtf8("Zerstörer"));
}

}  // namespace
}  // namespace kvd
