// The windows the main menu opens over itself: the handbook, the about window, and the language
// the menu speaks when a language file is broken.

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/program.h"
#include "board/main_form.h"
#include "campaign/camp_form.h"
#include "frontend/about_form.h"
#include "frontend/help_window.h"
#include "frontend/intro_form.h"
#include "frontend/options_form.h"
#include "mapeditor/map_form.h"
#include "net/mp_form.h"
#include "tests/support/test_platform.h"

namespace {

using Entry = kvd::TIntroForm::Entry;

struct MenuWindowsTest : ::testing::Test {
    MenuWindowsTest() {
        t.UseBuiltInAssets();
        t.CopyData("config");
        t.CopyData("maps");
        t.CopyData("help");
    }
    std::unique_ptr<kvd::Program> Make(char language = 'E') {
        QStringList lines;
        t.Folder().LoadLines("config\\last.cfg", lines);
        lines[2][0] = QLatin1Char(language);
        t.WriteLines("config/last.cfg", lines);
        auto program = std::make_unique<kvd::Program>(t.Services());
        program->OnEnd = [this] { ++ends; };
        return program;
    }
    // A click of the mouse on a menu entry, as the window system delivers it.
    static void Click(QWidget* widget) {
        const QPointF at = QRectF(widget->rect()).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &event);
        }
    }
    static void Esc(QWidget* widget) {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
        QCoreApplication::sendEvent(widget, &esc);
    }
    QStringList BoxTexts() {
        QStringList texts;
        for (const auto& box : t.Boxes().Boxes()) texts << box.text;
        return texts;
    }
    kvd::test::TestPlatform t;
    int ends = 0;
};

}  // namespace

TEST_F(MenuWindowsTest, HelpShowsTheHandbookOfTheLanguageInTheGame) {
    struct Case {
        char language;
        const char* title;
        const char* words;
    };
    for (const Case& c : {Case{'E', "Commander's Handbook", "The goal of the game"},
                          Case{'D', "Handbuch des Kommandanten", "Das Ziel des Spiels"}}) {
        SCOPED_TRACE(c.language);
        auto program = Make(c.language);
        program->Start();
        program->Intro().FormActivate();
        program->Intro().EntryClick(Entry::Help);
        kvd::THelpWindow& help = program->Help();
        ASSERT_TRUE(help.isVisible());
        EXPECT_TRUE(help.isModal()) << "the menu behind starts nothing while the handbook is up";
        EXPECT_TRUE(help.Browser->toPlainText().contains(QString::fromUtf8(c.words)));
        EXPECT_TRUE(help.TitleLabel->text().contains(QString::fromUtf8(c.title)));
        EXPECT_TRUE(t.Shell().Opened().isEmpty()) << "no browser is asked";
        Esc(help.Browser);
        EXPECT_FALSE(help.isVisible());
        EXPECT_TRUE(program->Intro().isVisible());
        EXPECT_EQ(ends, 0) << "Esc closes the handbook, not the program";
    }
}

TEST_F(MenuWindowsTest, TheMapEditorsHelpIsTheSameHandbook) {
    auto program = Make('D');
    program->ShowMapMaker();
    program->MapEditor().HelpClick();
    ASSERT_TRUE(program->Help().isVisible());
    EXPECT_TRUE(program->Help().Browser->source().path().endsWith("help/german/kvdhilfe.htm"));
    program->Help().CloseButton->click();
    EXPECT_FALSE(program->Help().isVisible());
    EXPECT_TRUE(program->MapEditor().isVisible());
}

TEST_F(MenuWindowsTest, AMissingHandbookIsSaidNotShownBlank) {
    QFile::remove(t.Path("help/german/kvdhilfe.htm"));
    auto program = Make('E');  // the start-up check passes in English, then the file goes
    t.Folder().Delete("help\\english\\kvdhelp.htm");
    program->Intro().EntryClick(Entry::Help);
    EXPECT_FALSE(program->Help().isVisible());
    ASSERT_FALSE(BoxTexts().isEmpty());
    EXPECT_TRUE(BoxTexts().last().contains("help/english/kvdhelp.htm"))
        << BoxTexts().last().toStdString();
}

// While the about window is up, no entry of the menu behind it answers a click; Esc then closes
// the about window and nothing else, and the menu works again.
TEST_F(MenuWindowsTest, TheAboutWindowHoldsTheMenu) {
    auto program = Make();
    program->Intro().FormActivate();
    kvd::TIntroForm& intro = program->Intro();
    Click(intro.EntryLabel(Entry::About));
    ASSERT_TRUE(program->About().isVisible());
    EXPECT_TRUE(program->About().isModal());
    for (Entry entry : {Entry::StartGame, Entry::MultiPlayer, Entry::Campaign, Entry::MapMaker,
                        Entry::Options, Entry::Help, Entry::Quit}) {
        SCOPED_TRACE(int(entry));
        Click(intro.EntryLabel(entry));
    }
    EXPECT_FALSE(program->Board().isVisible());
    EXPECT_FALSE(program->MultiPlayer().isVisible());
    EXPECT_FALSE(program->CampaignMenu().isVisible());
    EXPECT_FALSE(program->MapEditor().isVisible());
    EXPECT_FALSE(program->Options().isVisible());
    EXPECT_FALSE(program->Help().isVisible());
    EXPECT_FALSE(program->TheGame().GameActive);
    EXPECT_EQ(ends, 0);

    Esc(&program->About());
    EXPECT_FALSE(program->About().isVisible());
    EXPECT_TRUE(intro.isEnabled());
    EXPECT_EQ(ends, 0) << "Esc closes the about window only";
    Click(intro.EntryLabel(Entry::About));
    program->About().CloseButton->click();  // no frame to close it by without a window manager
    EXPECT_FALSE(program->About().isVisible());
    Click(intro.EntryLabel(Entry::Options));
    EXPECT_TRUE(program->Options().isVisible()) << "the menu answers again";
}

// A language file that is empty or holds no word gives the menu the other language's words and
// one warning; with neither file usable the program says so and ends.
TEST_F(MenuWindowsTest, ABrokenLanguageFileAtStartGivesTheOtherLanguage) {
    struct Case {
        const char* what;
        char language;
        const char* broken;  // "" for both
        QByteArray bytes;
        const char* startGame;  // "" when the start fails
    };
    const Case cases[] = {
        {"English missing", 'E', "config/english.mes", {}, "Spiel starten"},
        {"English empty", 'E', "config/english.mes", "", "Spiel starten"},
        {"English without words", 'E', "config/english.mes", "000\r\n001\r\n011\r\n",
         "Spiel starten"},
        {"German missing", 'D', "config/deutsch.mes", {}, "Start Game"},
        {"German empty", 'D', "config/deutsch.mes", "", "Start Game"},
        {"German without words", 'D', "config/deutsch.mes", "000Titel\r\n", "Start Game"},
        {"both empty", 'D', "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        t.Boxes().Clear();
        t.CopyData("config/english.mes");
        t.CopyData("config/deutsch.mes");
        if (QByteArray(c.broken).isEmpty()) {
            t.WriteFile("config/english.mes", c.bytes);
            t.WriteFile("config/deutsch.mes", c.bytes);
        } else if (c.bytes.isNull()) {
            QFile::remove(t.Path(c.broken));
        } else {
            t.WriteFile(c.broken, c.bytes);
        }
        ends = 0;
        auto program = Make(c.language);
        ASSERT_EQ(t.Boxes().Boxes().size(), 1u) << BoxTexts().join("|").toStdString();
        if (QByteArray(c.startGame).isEmpty()) {
            EXPECT_EQ(BoxTexts().first(), kvd::kNoLanguageAtStart);
            EXPECT_TRUE(program->Intro().StartupFailed());
            program->Intro().FormActivate();
            EXPECT_EQ(ends, 1);
            continue;
        }
        EXPECT_EQ(t.Boxes().Boxes()[0].kind, kvd::BoxKind::Warning);
        EXPECT_FALSE(program->Intro().StartupFailed());
        program->Start();
        EXPECT_EQ(program->Intro().EntryLabel(Entry::StartGame)->text(), c.startGame);
        EXPECT_EQ(program->State().settings.Language, c.language) << "the player's choice stands";
    }
}

TEST_F(MenuWindowsTest, MessageBoxesAnswerInTheLanguageOfTheGame) {
    for (char language : {'D', 'E'}) {
        SCOPED_TRACE(language);
        t.Boxes().Clear();
        auto program = Make(language);
        // A hosted game is led by the Allies: the multi-player window's box about the navy.
        program->State().settings.HomeNavy = 'D';
        program->MultiPlayer().ShowFullScreen();
        program->MultiPlayer().Label8Click();
        program->MultiPlayer().Label1Click();
        t.Services().boxes->Show(kvd::BoxKind::Confirmation, "?", kvd::BoxButtons::YesNo);
        ASSERT_EQ(t.Boxes().Boxes().size(), 2u) << BoxTexts().join("|").toStdString();
        const bool german = language == 'D';
        EXPECT_EQ(t.Boxes().Boxes()[0].captions, QStringList{"OK"});
        EXPECT_EQ(t.Boxes().Boxes()[1].captions,
                  german ? QStringList({"Ja", "Nein"}) : QStringList({"Yes", "No"}));
    }
}

// Cancel on the host panel or the join panel leads back to the first choice, not to an empty
// window.
TEST_F(MenuWindowsTest, CancelInTheMultiPlayerWindowGivesTheFirstChoiceBack) {
    auto program = Make('D');
    kvd::TMPForm& window = program->MultiPlayer();
    window.ShowFullScreen();
    struct Way {
        const char* what;
        void (kvd::TMPForm::*open)();
        void (kvd::TMPForm::*cancel)();
        QWidget* panel;
    };
    for (const Way& way :
         {Way{"host", &kvd::TMPForm::Label8Click, &kvd::TMPForm::Label7Click, window.SvrPanel},
          Way{"join", &kvd::TMPForm::Label9Click, &kvd::TMPForm::Label14Click,
              window.ClientPanel}}) {
        SCOPED_TRACE(way.what);
        (window.*way.open)();
        EXPECT_TRUE(way.panel->isVisible());
        EXPECT_FALSE(window.StartPanel->isVisible());
        (window.*way.cancel)();
        EXPECT_FALSE(way.panel->isVisible());
        EXPECT_TRUE(window.StartPanel->isVisible());
        EXPECT_TRUE(window.Label8->isVisible() && window.Label9->isVisible());
    }
}
