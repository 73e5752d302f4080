#include <gtest/gtest.h>
#include <QFontDatabase>
#include <QFontInfo>
#include <QWidget>
#include <set>
#include <vector>

#include "platform/colors.h"
#include "platform/desktop/qt_cursor.h"
#include "tests/support/test_platform.h"

TEST(Screen, WorkHeightAndWidthTruncate) {
    kvd::FixedScreen screen(1024, 768);
    EXPECT_EQ(kvd::WorkHeight(screen, 80), 614);  // 614.4
    EXPECT_EQ(kvd::WorkHeight(screen, 81), 622);  // 622.08
    EXPECT_EQ(kvd::WorkWidth(screen, 8), 81);     // 81.92
    screen.Set(800, 600);
    EXPECT_EQ(kvd::WorkHeight(screen, 80), 480);
    EXPECT_EQ(kvd::WorkWidth(screen, 97), 776);
}

TEST(Screen, DisplaysWiderThan1280AreScaledToIt) {
    EXPECT_EQ(kvd::HiDpiScaleFactor(1024), 1.0);
    EXPECT_EQ(kvd::HiDpiScaleFactor(1280), 1.0);
    EXPECT_DOUBLE_EQ(kvd::HiDpiScaleFactor(1920), 1.5);
    EXPECT_DOUBLE_EQ(kvd::HiDpiScaleFactor(2560), 2.0);
    for (int width : {1281, 1366, 1600, 1920, 2560, 3840})
        EXPECT_NEAR(width / kvd::HiDpiScaleFactor(width), 1280.0, 1e-9) << width;
}

TEST(Colors, BgrNumbersGiveTheirColour) {
    EXPECT_EQ(kvd::BgrColor(10862545), QColor(209, 191, 165));
    EXPECT_EQ(kvd::BgrColor(8508149), QColor(245, 210, 129));
    EXPECT_EQ(kvd::BgrColor(15191973), QColor(165, 207, 231));
}

TEST(Random, DiceStayInRangeAndCoverIt) {
    kvd::Dice dice;
    kvd::ClockRandom clock;
    clock.Seed(dice);
    std::set<int> seen;
    for (int i = 0; i < 500; ++i) {
        const int v = dice.Next(5);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 5);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 5u);
    EXPECT_EQ(dice.Next(1), 0);
    EXPECT_EQ(dice.Next(0), 0);
}

TEST(Random, ScriptedValuesComeFirstThenTheSeededSequence) {
    kvd::Dice a(7), b(7);
    a.Script({3, 9, -1});
    EXPECT_EQ(a.Next(4), 3);
    EXPECT_EQ(a.Next(4), 1);  // taken modulo the range
    EXPECT_EQ(a.Next(4), 3);
    kvd::ScriptedRandom keep;
    keep.Seed(a);  // does not disturb the test's sequence
    for (int i = 0; i < 20; ++i) EXPECT_EQ(a.Next(10), b.Next(10));
    EXPECT_EQ(keep.Seeds(), 1);
}

TEST(Random, ACopyDrawsOnWithoutDisturbingTheOriginal) {
    kvd::Dice a(11);
    a.Next(100);
    kvd::Dice copy = a;
    std::vector<int> fromCopy, fromOriginal;
    for (int i = 0; i < 10; ++i) fromCopy.push_back(copy.Next(1000));
    for (int i = 0; i < 10; ++i) fromOriginal.push_back(a.Next(1000));
    EXPECT_EQ(fromCopy, fromOriginal);
}

TEST(Random, TheDiceStateGoesOutAndComesBackAndNothingOutsideItsRangeIsTaken) {
    kvd::Dice a(19);
    a.Next(10);
    kvd::Dice b;
    ASSERT_TRUE(b.SetState(a.State()));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(a.Next(1000), b.Next(1000));
    std::string state = a.State();
    // Blanks around and between the words are only blanks.
    std::string spaced = " " + state + " ";
    spaced.insert(spaced.find(' ', 3), " ");
    kvd::Dice e;
    ASSERT_TRUE(e.SetState(spaced));
    EXPECT_EQ(e.State(), state);
    const std::string::size_type lastBlank = state.rfind(' ');
    const std::string words = state.substr(0, lastBlank);
    // A word over 32 bits, a position past the words, a word too few, a letter: all refused.
    for (const std::string& bad : {"4294967296 " + state.substr(state.find(' ') + 1),
                                   words + " 625", words, words + " 1x", std::string()}) {
        kvd::Dice c(5);
        EXPECT_FALSE(c.SetState(bad));
        kvd::Dice d(5);
        EXPECT_EQ(c.Next(1000), d.Next(1000)) << "a refused state leaves the dice as they were";
    }
}

TEST(MessageBoxes, ScriptedBoxesRecordAndAnswer) {
    kvd::ScriptedMessageBoxes boxes;
    boxes.Script(kvd::BoxAnswer::No);
    EXPECT_EQ(boxes.Show(kvd::BoxKind::Warning, "  region?  ", kvd::BoxButtons::YesNo),
              kvd::BoxAnswer::No);
    EXPECT_EQ(boxes.Show(kvd::BoxKind::Warning, "again", kvd::BoxButtons::YesNo),
              kvd::BoxAnswer::Yes);
    EXPECT_EQ(boxes.Show(kvd::BoxKind::Error, "gone", kvd::BoxButtons::Ok), kvd::BoxAnswer::Ok);
    ASSERT_EQ(boxes.Boxes().size(), 3u);
    EXPECT_EQ(boxes.Boxes()[0].text, "  region?  ");
    EXPECT_EQ(boxes.Boxes()[2].kind, kvd::BoxKind::Error);
}

TEST(Shell, AddressesAndFilesAreToldApart) {
    EXPECT_TRUE(kvd::IsAddress("mailto:captain@example.org"));
    EXPECT_TRUE(kvd::IsAddress("https://example.org/korvald"));
    EXPECT_FALSE(kvd::IsAddress("help\\english\\kvdhelp.htm"));
    EXPECT_FALSE(kvd::IsAddress("C:\\games\\help.htm"));
    kvd::test::TestPlatform t;
    t.WriteFile("help/german/kvdhilfe.htm", "<html></html>");
    EXPECT_EQ(kvd::TargetUrl(t.Folder(), "help\\german\\kvdhilfe.htm"),
              QUrl::fromLocalFile(t.Path("help/german/kvdhilfe.htm")));
    EXPECT_EQ(kvd::TargetUrl(t.Folder(), "mailto:captain@example.org").scheme(), "mailto");
    kvd::RecordingShell shell;
    shell.Open("help\\german\\kvdhilfe.htm");
    EXPECT_EQ(shell.Opened(), QStringList{"help\\german\\kvdhilfe.htm"});
}

TEST(Cursor, RealCursorSetsTheWindowsShape) {
    QWidget window;
    kvd::QtCursor cursor;
    cursor.Set(&window, kvd::CursorShape::Hidden);
    EXPECT_EQ(window.cursor().shape(), Qt::BlankCursor);
    cursor.Set(&window, kvd::CursorShape::Hand);
    EXPECT_EQ(window.cursor().shape(), Qt::PointingHandCursor);
    cursor.Set(&window, kvd::CursorShape::Arrow);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    cursor.Set(nullptr, kvd::CursorShape::Hidden);  // no window: nothing to do, no crash
}

TEST(Fonts, TheEmbeddedTitleFontLoads) {
    kvd::Fonts fonts;
    ASSERT_TRUE(fonts.LoadTitleFont());
    EXPECT_TRUE(fonts.LoadTitleFont());  // again: no second registration
    EXPECT_FALSE(fonts.TitleFamily().isEmpty());
    const QFont title = fonts.TitleFont(33);
    EXPECT_EQ(title.pixelSize(), 33);
    EXPECT_EQ(QFontInfo(title).family(), fonts.TitleFamily());

    kvd::Fonts missing(":/assets/fonts/nothing-here.ttf");
    EXPECT_FALSE(missing.LoadTitleFont());
    EXPECT_FALSE(missing.TitleFontLoaded());
    EXPECT_EQ(missing.TitleFont(21).pixelSize(), 21);
}
