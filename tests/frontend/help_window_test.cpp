// The handbook window on its own: the page of each language, its links, anchors and addresses,
// and the pages it cannot show.

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocument>

#include "core/context.h"
#include "core/language_texts.h"
#include "core/unit_table.h"
#include "frontend/fight_chart.h"
#include "frontend/help_window.h"
#include "tests/support/test_platform.h"

namespace {

struct HelpWindowTest : ::testing::Test {
    HelpWindowTest() {
        t.CopyData("help");
        help = std::make_unique<kvd::THelpWindow>(context);
    }
    kvd::THelpWindow& Open(char language) {
        context.settings.Language = QLatin1Char(language);
        EXPECT_TRUE(help->ShowPage(nullptr));
        return *help;
    }
    QString Fragment() const { return help->Browser->source().fragment(); }
    kvd::test::TestPlatform t;
    kvd::Context context{t.Services()};
    std::unique_ptr<kvd::THelpWindow> help;
};

}  // namespace

TEST_F(HelpWindowTest, ShowsThePageOfEachLanguage) {
    struct Case {
        char language;
        const char* file;
        const char* words;
    };
    for (const Case& c :
         {Case{'E', "help/english/kvdhelp.htm", "Sink the enemy flagship."},
          Case{'D', "help/german/kvdhilfe.htm", "Versenken Sie das feindliche Flaggschiff."},
          Case{'x', "help/german/kvdhilfe.htm", "Versenken Sie"}}) {
        SCOPED_TRACE(c.language);
        Open(c.language);
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->Browser->source().path().endsWith(c.file));
        EXPECT_TRUE(help->Browser->toPlainText().contains(QString::fromUtf8(c.words)));
        EXPECT_FALSE(help->BackButton->isEnabled()) << "a fresh page has nothing to go back to";
    }
    EXPECT_TRUE(t.Boxes().Boxes().empty());
}

TEST_F(HelpWindowTest, AnchorsJumpWithinThePageAndBackReturns) {
    Open('E');
    help->resize(1024, 768);
    QScrollBar* bar = help->Browser->verticalScrollBar();
    ASSERT_EQ(bar->value(), 0);
    help->FollowLink(QUrl("#combat"));
    EXPECT_EQ(Fragment(), "combat");
    EXPECT_GT(bar->value(), 0) << "the page scrolls to the section";
    EXPECT_TRUE(help->BackButton->isEnabled());
    help->FollowLink(QUrl("#keys"));
    EXPECT_EQ(Fragment(), "keys");
    help->BackButton->click();
    EXPECT_EQ(Fragment(), "combat");
    help->ContentsButton->click();
    EXPECT_EQ(Fragment(), "");
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(t.Shell().Opened().isEmpty());
}

TEST_F(HelpWindowTest, PagesLinkToEachOtherAndAddressesGoToTheDesktop) {
    t.WriteFile("help/english/more.htm",
                "<html><head><title>More</title></head><body><p>Further orders</p></body></html>");
    Open('E');
    help->FollowLink(QUrl("more.htm"));
    EXPECT_TRUE(help->Browser->toPlainText().contains("Further orders"));
    EXPECT_EQ(help->TitleLabel->text(), "More");
    help->FollowLink(QUrl("../german/kvdhilfe.htm#combat"));
    EXPECT_TRUE(help->Browser->toPlainText().contains("Gefechtstabelle"));
    EXPECT_EQ(Fragment(), "combat");

    const QUrl before = help->Browser->source();
    help->FollowLink(QUrl("https://korvald.example/charts"));
    help->FollowLink(QUrl("mailto:captains@korvald.example"));
    EXPECT_EQ(t.Shell().Opened(),
              (QStringList{"https://korvald.example/charts", "mailto:captains@korvald.example"}));
    EXPECT_EQ(help->Browser->source(), before) << "the page stays";

    help->FollowLink(QUrl("gone.htm"));
    EXPECT_EQ(help->Browser->source(), before);
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_TRUE(t.Boxes().Boxes()[0].text.contains("gone.htm"));
}

TEST_F(HelpWindowTest, AMissingOrEmptyPageIsSaidAndNoWindowOpens) {
    struct Case {
        const char* what;
        bool remove;
        QByteArray bytes;
    };
    for (const Case& c :
         {Case{"missing", true, {}}, Case{"empty", false, {}},
          Case{"no text", false, "<html><head><title>x</title></head><body> </body></html>"}}) {
        SCOPED_TRACE(c.what);
        t.Boxes().Clear();
        if (c.remove)
            QFile::remove(t.Path("help/german/kvdhilfe.htm"));
        else
            t.WriteFile("help/german/kvdhilfe.htm", c.bytes);
        context.settings.Language = QLatin1Char('D');
        EXPECT_FALSE(help->ShowPage(nullptr));
        EXPECT_FALSE(help->isVisible());
        ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
        EXPECT_EQ(t.Boxes().Boxes()[0].kind, kvd::BoxKind::Error);
        EXPECT_TRUE(t.Boxes().Boxes()[0].text.contains("help/german/kvdhilfe.htm"));
    }
}

TEST_F(HelpWindowTest, EscAndTheCloseButtonClose) {
    Open('E');
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(help->Browser, &esc);
    EXPECT_FALSE(help->isVisible());
    Open('E');
    help->CloseButton->click();
    EXPECT_FALSE(help->isVisible());
}

// The handbook's chart of what beats what is the fight rules' own, in the page's language: each
// kind shown by a unit that fights (the first side's first submarine meets nobody), at its
// starting strength.
TEST_F(HelpWindowTest, TheChartOfWhatBeatsWhatIsTheRulesOwn) {
    t.CopyData("config");
    for (const char language : {'E', 'D'}) {
        SCOPED_TRACE(language);
        kvd::SwitchLanguage(t.Folder(), QLatin1Char(language), context.texts);
        Open(language);
        const QString page = help->Browser->toPlainText();
        EXPECT_TRUE(page.contains(context.texts.Text(336))) << "the chart is on the page";
        EXPECT_FALSE(page.contains(QStringLiteral("fight-chart")));
    }
    kvd::UnitTable fleet;
    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines(QStringLiteral("config/Eships.cfg"), lines));
    fleet.SetLines(lines);
    // The rows, cell by cell, as the text of the table.
    QTextDocument chart;
    chart.setHtml(kvd::FightChartHtml(fleet, context.texts));
    QStringList rows = chart.toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    auto cell = [&](const QString& row, int column) {
        // A kind names its column in the head first, its row after.
        const int at = int(rows.lastIndexOf(QRegularExpression("^(" + row + ") \\(\\d+\\)$")));
        return at < 0 ? QString() : rows.value(at + 1 + column);
    };
    // Columns: supply ship, submarine, corvette, ...
    EXPECT_EQ(cell("U-Boot", 0), "versenkt");
    EXPECT_EQ(cell("U-Boot", 1), "beide sinken");
    EXPECT_EQ(cell("U-Boot", 2), "sinkt");
    EXPECT_EQ(cell("Korvette", 1), "versenkt");
}
