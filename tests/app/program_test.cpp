#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>

#include "app/program.h"
#include "board/main_form.h"
#include "core/game.h"
#include "frontend/about_form.h"
#include "frontend/intro_form.h"
#include "frontend/options_form.h"
#include "tests/support/test_platform.h"

namespace {

using Entry = kvd::TIntroForm::Entry;

// A whole program over a program folder with the shipped data and the built-in assets.
struct ProgramTest : ::testing::Test {
    explicit ProgramTest(int width = 1024, int height = 768) : t(width, height) {
        t.UseBuiltInAssets();
        t.CopyData("config");
        t.CopyData("maps");
        t.CopyData("help");
    }
    std::unique_ptr<kvd::Program> Make() {
        auto program = std::make_unique<kvd::Program>(t.Services());
        program->OnEnd = [this] { ++ends; };
        return program;
    }
    QStringList BoxTexts() {
        QStringList texts;
        for (const auto& box : t.Boxes().Boxes()) texts << box.text;
        return texts;
    }
    int SoundsNamed(const QString& name) {
        int n = 0;
        for (const auto& play : t.Sound().Plays())
            n += play.name.compare(name, Qt::CaseInsensitive) == 0;
        return n;
    }
    kvd::test::TestPlatform t;
    int ends = 0;
};

}  // namespace

TEST_F(ProgramTest, StartsWithSettingsAndTextsLoaded) {
    auto program = Make();
    EXPECT_TRUE(t.Boxes().Boxes().empty()) << BoxTexts().join("|").toStdString();
    EXPECT_FALSE(program->Intro().StartupFailed());
    EXPECT_FALSE(program->State().settingsLines.isEmpty());
    EXPECT_EQ(program->Intro().EntryLabel(Entry::StartGame)->text(), "Start Game");
    EXPECT_EQ(t.ReadFile("config/message.mes"), t.ReadFile("config/english.mes"));
}

TEST_F(ProgramTest, AMissingGameFileEndsTheProgramAtActivation) {
    // The German help is required even when the game speaks English.
    QFile::remove(t.Path("help/german/kvdhilfe.htm"));
    auto program = Make();
    EXPECT_TRUE(program->Intro().StartupFailed());
    EXPECT_EQ(
        BoxTexts(),
        QStringList{"   An important game file is missing!    Please reinstall program...   "});
    EXPECT_EQ(ends, 0) << "the message comes first; the end follows at activation";
    program->Intro().FormActivate();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(SoundsNamed("Xing"), 0);
}

TEST_F(ProgramTest, MissingLanguageFileCannotBeCopied) {
    // Every required file is there, but the working copy cannot be replaced: a folder with
    // something in it stands where it belongs.
    QFile::remove(t.Path("config/message.mes"));
    QDir().mkpath(t.Path("config/message.mes/stuck"));
    auto program = Make();
    EXPECT_TRUE(program->Intro().StartupFailed());
    EXPECT_EQ(BoxTexts(), QStringList{kvd::kLanguageFailureAtStart});
    program->Intro().FormActivate();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(program->ExitStatus(), 1) << "a failed start is not a clean exit";
}

struct WideScreen : ProgramTest {
    WideScreen() : ProgramTest(1282, 1024) {}
};
struct NarrowScreen : ProgramTest {
    NarrowScreen() : ProgramTest(640, 480) {}
};
struct LogicalScreen : ProgramTest {
    LogicalScreen() : ProgramTest(1280, 1024) {}
};

TEST_F(WideScreen, ScreensWiderThan1281AreRefusedWithTheirSize) {
    auto program = Make();
    EXPECT_TRUE(program->Intro().StartupFailed());
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_EQ(BoxTexts()[0], "  " + program->State().texts.Text(335).arg(1282).arg(1024) + "   ");
    EXPECT_TRUE(BoxTexts()[0].contains("Korvald"));
}

// The box says what the screen needs, and what this one is: a wider one would do, as the game
// scales itself to it.
TEST_F(NarrowScreen, IsRefusedWithWhatTheGameNeeds) {
    auto program = Make();
    EXPECT_TRUE(program->Intro().StartupFailed());
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_TRUE(BoxTexts()[0].contains("Korvald needs a screen at least 800 pixels wide"))
        << BoxTexts()[0].toStdString();
    EXPECT_TRUE(BoxTexts()[0].contains("640 x 480"));
}

// A map line that is no map name is said once at the start, cut to fit its box, and the
// standard map is played.
TEST_F(ProgramTest, ASettingsMapThatIsNoNameIsSaidAndTheStandardMapPlays) {
    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines(kvd::kSettingsFile, lines));
    lines[kvd::settings_line::kMapName] = "maps/../../etc/" + QString(5000, QChar('x'));
    ASSERT_TRUE(t.Folder().SaveLines(kvd::kSettingsFile, lines));
    auto program = Make();
    EXPECT_FALSE(program->Intro().StartupFailed());
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_EQ(t.Boxes().Boxes()[0].kind, kvd::BoxKind::Warning);
    EXPECT_TRUE(BoxTexts()[0].contains("STANDARD")) << BoxTexts()[0].left(200).toStdString();
    EXPECT_EQ(program->State().settings.MapName, "$STANDARD");
}

TEST_F(LogicalScreen, A1280ScreenPasses) {
    auto program = Make();
    EXPECT_FALSE(program->Intro().StartupFailed());
    EXPECT_TRUE(t.Boxes().Boxes().empty());
}

TEST_F(ProgramTest, TheIntroRunsOnceAndPlaysItsSoundsEvenWithSoundOff) {
    auto program = Make();
    program->State().settings.SoundOption = 'N';
    kvd::TIntroForm& intro = program->Intro();
    intro.FormActivate();
    EXPECT_TRUE(intro.IntroPlayed());
    EXPECT_EQ(SoundsNamed("Xing"), 1);
    EXPECT_EQ(SoundsNamed("intro"), 1);
    EXPECT_EQ(t.Pacing().Elapsed(), 50 + 50 + 4000 + 1000 + 5000 + 8000);
    // The menu is on the screen, centred.
    EXPECT_EQ(intro.MenuPanel()->pos(), QPoint((1024 - 650) / 2, (768 - 590) / 2));
    EXPECT_EQ(t.Cursor().Last(), kvd::CursorShape::Arrow);
    // Showing the start-up window again after a game goes straight to the menu.
    intro.FormActivate();
    EXPECT_EQ(SoundsNamed("Xing"), 1);
    EXPECT_EQ(t.Pacing().Elapsed(), 18100);
    // With sound off the menu makes no click.
    intro.EntryHover(Entry::Options);
    EXPECT_EQ(SoundsNamed("Click"), 0);
}

TEST_F(ProgramTest, HoverHighlightsOneEntryWithOneClick) {
    auto program = Make();
    program->State().settings.SoundOption = 'Y';
    kvd::TIntroForm& intro = program->Intro();
    intro.EntryHover(Entry::Help);
    intro.EntryHover(Entry::Help);
    EXPECT_EQ(SoundsNamed("Click"), 1);
    const QString hover = QColor(245, 210, 129).name(), normal = QColor(209, 191, 165).name();
    EXPECT_TRUE(intro.EntryLabel(Entry::Help)->styleSheet().contains(hover));
    intro.EntryHover(Entry::Options);  // entering Options returns every other caption
    EXPECT_TRUE(intro.EntryLabel(Entry::Help)->styleSheet().contains(normal));
    intro.ColumnHover();
    EXPECT_TRUE(intro.EntryLabel(Entry::Options)->styleSheet().contains(normal));
    EXPECT_EQ(SoundsNamed("Click"), 2);
}

TEST_F(ProgramTest, StartGameShowsTheBoard) {
    auto program = Make();
    program->Intro().FormActivate();
    program->Intro().EntryClick(Entry::StartGame);
    EXPECT_TRUE(program->Board().isVisible());
    EXPECT_TRUE(program->TheGame().GameActive);
    EXPECT_EQ(program->TheGame().GameMode, 0);
    EXPECT_GT(program->TheGame().scratchpad.Count(), 40);
    EXPECT_TRUE(t.Boxes().Boxes().empty()) << BoxTexts().join("|").toStdString();
}

TEST_F(ProgramTest, AGameThatCannotStartReturnsToTheMenu) {
    auto program = Make();
    program->Intro().FormActivate();
    program->State().settings.MapName = "$NOWHERE";
    program->Intro().EntryClick(Entry::StartGame);
    EXPECT_FALSE(program->Board().isVisible());
    EXPECT_TRUE(program->Intro().isVisible());
    EXPECT_TRUE(program->Intro().isEnabled());
    EXPECT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_EQ(ends, 0);
}

TEST_F(ProgramTest, OptionsDisableTheMenuUntilSubmitRelabelsIt) {
    auto program = Make();
    kvd::TIntroForm& intro = program->Intro();
    intro.EntryClick(Entry::Options);
    EXPECT_FALSE(intro.isEnabled());
    EXPECT_TRUE(program->Options().isVisible());
    program->Options().LangBox->setCurrentIndex(1);
    program->Options().LangBoxChange();
    program->Options().Label8Click();
    EXPECT_FALSE(program->Options().isVisible());
    EXPECT_TRUE(intro.isEnabled());
    EXPECT_EQ(intro.EntryLabel(Entry::StartGame)->text(), program->State().texts.Text(11));
    EXPECT_NE(intro.EntryLabel(Entry::StartGame)->text(), "Start Game");
}

TEST_F(ProgramTest, QuitAndEscEndTheProgram) {
    auto program = Make();
    program->Intro().EntryClick(Entry::Quit);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(program->Ended());
    auto second = Make();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
    QCoreApplication::sendEvent(&second->Intro(), &esc);
    EXPECT_EQ(ends, 2);
    // Esc on the board ends the program too.
    auto third = Make();
    third->Intro().EntryClick(Entry::StartGame);
    ASSERT_TRUE(third->Board().isVisible());
    QCoreApplication::sendEvent(&third->Board(), &esc);
    EXPECT_EQ(ends, 3);
    EXPECT_FALSE(third->Board().isVisible());
}

TEST_F(ProgramTest, ABuiltInMapWithoutItsChartGoesBackToTheMenu) {
    QFile::copy(t.Path("maps/$ICELAND.map"), t.Path("maps/$ATLANTIS.map"));
    auto program = Make();
    program->Intro().FormActivate();
    program->State().settings.MapName = "$ATLANTIS";
    program->Intro().EntryClick(Entry::StartGame);
    EXPECT_FALSE(program->Board().isVisible());
    EXPECT_TRUE(program->Intro().isVisible());
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_TRUE(BoxTexts()[0].contains("The picture of the map ATLANTIS cannot be shown"))
        << BoxTexts()[0].toStdString();
    EXPECT_FALSE(program->TheGame().GameActive);
    EXPECT_EQ(program->ExitStatus(), 0);
}

TEST_F(ProgramTest, EscWhileARuleWaitsEndsTheProgramAndStopsTheRule) {
    auto program = Make();
    program->Intro().EntryClick(Entry::StartGame);
    kvd::Game& game = program->TheGame();
    ASSERT_TRUE(game.GameActive);
    kvd::RuleGuard& guard = program->State().guard;
    kvd::RuleGuard::Scope rule(guard);
    QCoreApplication::postEvent(&program->Board(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    EXPECT_FALSE(guard.Delay(500)) << "the rule is told to stop";
    EXPECT_TRUE(program->Ended());
    EXPECT_FALSE(guard.Delay(500));
}

TEST_F(ProgramTest, AboutHoldsTheKeyboardAndTheMenuWaits) {
    auto program = Make();
    program->Intro().EntryClick(Entry::About);
    EXPECT_FALSE(program->Intro().isEnabled());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
    QCoreApplication::sendEvent(&program->About(), &esc);
    EXPECT_FALSE(program->About().isVisible());
    EXPECT_TRUE(program->Intro().isEnabled());
    EXPECT_EQ(ends, 0) << "Esc closes the about window, not the program";
}

TEST_F(ProgramTest, AboutLinksOpenMailAndWebPage) {
    auto program = Make();
    program->Intro().EntryClick(Entry::About);
    EXPECT_TRUE(program->About().isVisible());
    program->About().MailClick();
    program->About().WebClick();
    EXPECT_EQ(t.Shell().Opened(), (QStringList{"mailto:" + kvd::kMakerMail, kvd::kMakerWeb}));
    program->About().close();
    EXPECT_TRUE(program->Intro().isEnabled());
}
