#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>

#include "core/context.h"
#include "core/game.h"
#include "core/language_texts.h"
#include "core/map_file.h"
#include "core/settings.h"
#include "frontend/options_form.h"
#include "tests/support/test_platform.h"

namespace {

QStringList Texts(const char* language) {
    QStringList lines;
    for (int n = 0; n <= 148; ++n)
        lines << QStringLiteral("%1%2 %3").arg(n, 3, 10, QChar('0')).arg(language).arg(n);
    return lines;
}

QStringList Map(const char* region) {
    return {"[ProjName] =x", "[Map]      =x.jpg", "[Position] =L",
            QStringLiteral("[Location] =") + region};
}

// An options window over a program folder with two maps and both languages.
struct OptionsFixture : ::testing::Test {
    kvd::test::TestPlatform t;
    kvd::Context context{t.Services()};
    kvd::Settings& settings = context.settings;
    kvd::SettingsLines& memo = context.settingsLines;
    kvd::LanguageTexts& texts = context.texts;
    kvd::Game game;
    kvd::MapLines& boardMap = game.MemoPad;
    std::unique_ptr<kvd::TOptions> form;
    // The menu the window goes back to.
    struct Menu : kvd::ProgramFlow {
        int back = 0;
        void BackToMenu() override { ++back; }
        void EndProgram() override {}
        void HideMenu() override {}
    } menu;
    int& submitted = menu.back;

    void SetUp() override {
        t.WriteLines("config/english.mes", Texts("en"));
        t.WriteLines("config/deutsch.mes", Texts("de"));
        t.WriteLines("maps/$ICELAND.map", Map("E"));
        t.WriteLines("maps/$HAWAII.map", Map("A"));
        t.WriteLines("maps/baltic.MAP", Map("E"));
        t.WriteLines("config/last.cfg", {"comment", "E keep", "E keep", "$ICELAND", "Y keep",
                                         "N keep", "N keep", "2 keep", "Y keep", "after"});
        ASSERT_TRUE(kvd::LoadSettings(t.Folder(), memo, settings));
        kvd::SwitchLanguage(t.Folder(), settings.Language, texts);
        form = std::make_unique<kvd::TOptions>(context, game);
        form->flow.Wire(menu);
        form->show();
    }
    void Pick(QComboBox* box, int k, void (kvd::TOptions::*change)()) {
        box->setCurrentIndex(k);
        (form.get()->*change)();
    }
};

}  // namespace

TEST_F(OptionsFixture, ShowRelabelsFillsAndSelects) {
    EXPECT_EQ(form->TitleLabel->text(), "en 13");
    EXPECT_EQ(form->NavyLabel->text(), "en 10");
    EXPECT_EQ(form->FlagLabel->text(), "en 5");
    EXPECT_EQ(form->Label8->text(), "en 6");
    EXPECT_EQ(form->SoundLabel->text(), "Sound");
    EXPECT_EQ(form->SoundBox->itemText(0), "en 63");
    EXPECT_EQ(form->LangBox->itemText(1), "en 113");
    EXPECT_EQ(form->CombatBox->itemText(1), "en 16");
    EXPECT_EQ(form->NavyList->itemText(3), "Japanese Navy");
    QStringList maps;
    for (int k = 0; k < form->MapList->count(); ++k) maps << form->MapList->itemText(k);
    EXPECT_EQ(maps, (QStringList{"HAWAII", "ICELAND", "baltic"})) << "names read without \"$\"";
    EXPECT_EQ(form->MapList->currentData().toString(), "$ICELAND");
    EXPECT_EQ(form->NavyList->currentIndex(), 0);
    EXPECT_EQ(form->revealBox->currentIndex(), 0);
    EXPECT_EQ(form->FlagBox->currentIndex(), 1);
    EXPECT_EQ(form->SoundBox->currentIndex(), 1);
    EXPECT_EQ(form->ReconnBox->currentIndex(), 2);
    EXPECT_EQ(form->CombatBox->currentIndex(), 0);
    EXPECT_EQ(form->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(form->Panel1->pos(), QPoint((1024 - 616) / 2, (768 - 590) / 2));
}

TEST_F(OptionsFixture, UnknownLettersSelectNothingAndAPickKeepsTheRestOfTheLine) {
    memo.SetLine(1, "X unknown navy");
    memo.SetLine(4, "? reveal");
    memo.SetLine(7, "7 planes");
    memo.SetLine(3, "$GONE");
    form->FormShow();
    EXPECT_EQ(form->NavyList->currentIndex(), -1);
    EXPECT_EQ(form->revealBox->currentIndex(), -1);
    EXPECT_EQ(form->ReconnBox->currentIndex(), -1);
    EXPECT_EQ(form->MapList->currentIndex(), 0) << "an unknown map selects the first entry";
    Pick(form->NavyList, 2, &kvd::TOptions::NavyListChange);
    EXPECT_EQ(settings.HomeNavy, 'U');
    EXPECT_EQ(memo[1], "U unknown navy");
    Pick(form->ReconnBox, 0, &kvd::TOptions::ReconnBoxChange);
    EXPECT_EQ(memo[7], "0 planes");
    Pick(form->revealBox, 1, &kvd::TOptions::revealBoxChange);
    EXPECT_EQ(memo[4], "N reveal");
    EXPECT_EQ(settings.RevealOption, 'N');
}

TEST_F(OptionsFixture, ChangesWorkInMemoryOnly) {
    const QByteArray file = t.ReadFile("config/last.cfg");
    Pick(form->SoundBox, 0, &kvd::TOptions::SoundBoxChange);
    Pick(form->FlagBox, 0, &kvd::TOptions::FlagBoxChange);
    Pick(form->CombatBox, 1, &kvd::TOptions::CombatBoxChange);
    Pick(form->MapList, 2, &kvd::TOptions::MapListChange);
    EXPECT_EQ(settings.SoundOption, 'Y');
    EXPECT_EQ(settings.FlagTransfer, 'Y');
    EXPECT_EQ(settings.AdditionalDamage, 'N');
    EXPECT_EQ(settings.MapName, "baltic");
    EXPECT_EQ(memo[6], "Y keep");
    EXPECT_EQ(memo[5], "Y keep");
    EXPECT_EQ(memo[8], "N keep");
    EXPECT_EQ(memo[3], "baltic");
    EXPECT_EQ(t.ReadFile("config/last.cfg"), file);
}

TEST_F(OptionsFixture, LanguageChangeRelabelsAtOnce) {
    Pick(form->LangBox, 1, &kvd::TOptions::LangBoxChange);
    EXPECT_EQ(settings.Language, 'D');
    EXPECT_EQ(memo[2], "D keep");
    EXPECT_EQ(form->TitleLabel->text(), "de 13");
    EXPECT_EQ(form->SoundBox->itemText(0), "de 63");
    EXPECT_EQ(form->LangBox->currentIndex(), 1);
    EXPECT_EQ(t.ReadFile("config/message.mes"), t.ReadFile("config/deutsch.mes"));
    Pick(form->LangBox, 0, &kvd::TOptions::LangBoxChange);
    EXPECT_EQ(form->TitleLabel->text(), "en 13");
}

TEST_F(OptionsFixture, AMissingLanguageFileIsReportedAndTheOtherLanguageSpeaks) {
    QFile::remove(t.Path("config/deutsch.mes"));
    Pick(form->LangBox, 1, &kvd::TOptions::LangBoxChange);
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_EQ(t.Boxes().Boxes()[0].kind, kvd::BoxKind::Warning);
    EXPECT_TRUE(t.Boxes().Boxes()[0].text.contains("deutsch.mes"));
    EXPECT_EQ(memo[2], "D keep") << "the player's choice stands for when the file is back";
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->TitleLabel->text(), "en 13") << "never a wordless window";
}

TEST_F(OptionsFixture, LanguageCopyFailureIsReportedAndTheWindowGoesOn) {
    QFile::remove(t.Path("config/message.mes"));
    QDir().mkpath(t.Path("config/message.mes/stuck"));
    Pick(form->LangBox, 1, &kvd::TOptions::LangBoxChange);
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_EQ(t.Boxes().Boxes()[0].text, kvd::kLanguageFailureOnChange);
    EXPECT_EQ(memo[2], "D keep");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->TitleLabel->text(), "de 13") << "read from the language file itself";
}

TEST_F(OptionsFixture, SubmitSavesEveryLineAndCloses) {
    Pick(form->ReconnBox, 3, &kvd::TOptions::ReconnBoxChange);
    form->Label8Click();
    EXPECT_EQ(submitted, 1);
    EXPECT_FALSE(form->isVisible());
    QStringList back;
    ASSERT_TRUE(t.Folder().LoadLines("config\\last.cfg", back));
    EXPECT_EQ(back, (QStringList{"comment", "E keep", "E keep", "$ICELAND", "Y keep", "N keep",
                                 "N keep", "3 keep", "Y keep", "after"}));
    EXPECT_EQ(boardMap.Region(), 'E');
    EXPECT_TRUE(t.Sound().Plays().empty()) << "sound is off in this file";
}

TEST_F(OptionsFixture, WrongRegionAnsweredNoKeepsTheWindowAndTheFile) {
    const QByteArray file = t.ReadFile("config/last.cfg");
    Pick(form->NavyList, 2, &kvd::TOptions::NavyListChange);  // US Navy on a European map
    t.Boxes().Script(kvd::BoxAnswer::No);
    form->Label8Click();
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_EQ(t.Boxes().Boxes()[0].kind, kvd::BoxKind::Warning);
    EXPECT_EQ(t.Boxes().Boxes()[0].text, "   en 79  ");
    EXPECT_EQ(t.Boxes().Boxes()[0].buttons, kvd::BoxButtons::YesNo);
    EXPECT_EQ(submitted, 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->NavyList->currentText(), "US Navy");
    EXPECT_EQ(t.ReadFile("config/last.cfg"), file);
    // Yes goes on and saves.
    t.Boxes().Script(kvd::BoxAnswer::Yes);
    form->Label8Click();
    EXPECT_EQ(submitted, 1);
    QStringList back;
    t.Folder().LoadLines("config\\last.cfg", back);
    EXPECT_EQ(back[1], "U keep");
}

TEST_F(OptionsFixture, PacificNavyOnPacificMapNeedsNoQuestion) {
    Pick(form->NavyList, 3, &kvd::TOptions::NavyListChange);
    Pick(form->MapList, 0, &kvd::TOptions::MapListChange);
    form->Label8Click();
    EXPECT_TRUE(t.Boxes().Boxes().empty());
    EXPECT_EQ(submitted, 1);
}

TEST_F(OptionsFixture, NoMapsOrAnUnreadableMapKeepTheWindowOpen) {
    t.WriteLines("maps/baltic.MAP", {"[ProjName] =x"});
    Pick(form->MapList, 2, &kvd::TOptions::MapListChange);
    form->Label8Click();
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_TRUE(t.Boxes().Boxes()[0].text.contains("baltic.map"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(submitted, 0);

    for (const char* name : {"maps/$ICELAND.map", "maps/$HAWAII.map", "maps/baltic.MAP"})
        QFile::remove(t.Path(name));
    form->FormShow();
    EXPECT_EQ(form->MapList->count(), 0);
    form->Label8Click();
    EXPECT_EQ(t.Boxes().Boxes().size(), 2u);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(submitted, 0);
}

TEST_F(OptionsFixture, FailedSaveIsReportedAndNothingIsLost) {
    QFile::remove(t.Path("config/last.cfg"));
    QDir().mkpath(t.Path("config/last.cfg"));  // a folder where the file should be
    Pick(form->ReconnBox, 1, &kvd::TOptions::ReconnBoxChange);
    form->Label8Click();
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_EQ(t.Boxes().Boxes()[0].kind, kvd::BoxKind::Error);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(memo[7], "1 keep");
    EXPECT_EQ(submitted, 0);
}

TEST_F(OptionsFixture, SubmitHoverHighlightsOncePerEntryWithAClick) {
    settings.SoundOption = 'Y';
    form->Label8MouseEnter();
    form->Label8MouseEnter();
    EXPECT_TRUE(form->Label8->styleSheet().contains(QColor(245, 210, 129).name()));
    ASSERT_EQ(t.Sound().Plays().size(), 1u);
    EXPECT_EQ(t.Sound().Plays()[0].name, "Click");
    EXPECT_TRUE(t.Sound().Plays()[0].wait);
    form->HoverEnd();
    EXPECT_TRUE(form->Label8->styleSheet().contains(QColor(209, 191, 165).name()));
    form->Label8MouseEnter();
    EXPECT_EQ(t.Sound().Plays().size(), 2u);
}

// Esc takes back every change made since the window opened, writes nothing, and works after a
// submit that failed (a damaged map, a settings file that cannot be written).
TEST_F(OptionsFixture, EscLeavesWithoutSavingEvenAfterAFailedSubmit) {
    const QByteArray file = t.ReadFile("config/last.cfg");
    const kvd::SettingsLines opened = memo;
    Pick(form->NavyList, 3, &kvd::TOptions::NavyListChange);
    Pick(form->LangBox, 1, &kvd::TOptions::LangBoxChange);
    t.WriteLines("maps/baltic.MAP", {"[ProjName] =x"});
    Pick(form->MapList, 2, &kvd::TOptions::MapListChange);
    form->Label8Click();
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u) << "the damaged map is reported";
    ASSERT_TRUE(form->isVisible());

    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &esc);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(submitted, 1) << "back to the menu";
    EXPECT_EQ(t.ReadFile("config/last.cfg"), file);
    EXPECT_EQ(memo.Lines(), opened.Lines());
    EXPECT_EQ(settings.HomeNavy, 'E');
    EXPECT_EQ(settings.Language, 'E');
    EXPECT_EQ(settings.MapName, "$ICELAND");
    EXPECT_EQ(texts.Text(13), "en 13") << "the language goes back too";
}

TEST_F(OptionsFixture, TheSubmitHoverLastsWhileTheMouseMovesOverIt) {
    const QString hover = QColor(245, 210, 129).name();
    auto moveOver = [&](QWidget* widget, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    };
    form->Label8MouseEnter();
    // A label passes its mouse moves on to the panel below it, at the panel's position.
    moveOver(form->Panel1, form->Label8->geometry().center());
    moveOver(form->Label8, QPoint(5, 5));
    EXPECT_TRUE(form->Label8->styleSheet().contains(hover));
    moveOver(form->Panel1, QPoint(5, 5));
    EXPECT_FALSE(form->Label8->styleSheet().contains(hover));
}
