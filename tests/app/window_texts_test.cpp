// Every word a player reads in the menu and the windows it opens comes in the language chosen,
// never in the other, and fits the box it stands in, on the small screen and the wide one.

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>

#include <functional>

#include "app/program.h"
#include "campaign/camp_form.h"
#include "campaign/winner_form.h"
#include "core/game.h"
#include "frontend/about_form.h"
#include "frontend/help_window.h"
#include "frontend/intro_form.h"
#include "frontend/options_form.h"
#include "net/mp_form.h"
#include "platform/files.h"
#include "tests/support/test_platform.h"

namespace {

// The texts of one language file, by number.
QStringList TextsOf(const QString& file) {
    QStringList lines;
    kvd::Files(kvd::test::DataDir() + QStringLiteral("/config")).LoadLines(file, lines);
    for (QString& line : lines) line = line.mid(3);
    return lines;
}

struct Language {
    char letter;
    const char* file;
    const char* other;
};

// What a window shows: each visible text with the width and height it has to stand in.
struct Shown {
    QString text;
    QString where;
    int need = 0, width = 0, needHeight = 0, height = 0;
    bool onScreen = true;
};

std::vector<Shown> Collect(QWidget& window, const QRect& screen) {
    std::vector<Shown> shown;
    auto add = [&](QWidget* w, const QString& text, int need, int width, int needHeight,
                   int height) {
        if (text.trimmed().isEmpty()) return;
        const QRect global(w->mapToGlobal(QPoint(0, 0)), w->size());
        shown.push_back({text,
                         w->objectName().isEmpty()
                             ? QString::fromLatin1(w->metaObject()->className())
                             : w->objectName(),
                         need, width, needHeight, height, screen.contains(global)});
    };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        w->ensurePolished();
        const QFontMetrics metrics(w->font());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap() || !label->pixmap().isNull()) continue;
            const QRect inside = label->contentsRect();
            add(label, label->text(), metrics.horizontalAdvance(label->text()), inside.width(),
                metrics.height(), inside.height());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            add(button, button->text(), metrics.horizontalAdvance(button->text()) + 12,
                button->width(), metrics.height(), button->height());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w); edit && edit->isReadOnly()) {
            add(edit, edit->text(), metrics.horizontalAdvance(edit->text()) + 8, edit->width(),
                metrics.height(), edit->height());
        } else if (auto* box = qobject_cast<QComboBox*>(w)) {
            for (int k = 0; k < box->count(); ++k)  // the arrow takes the right end
                add(box, box->itemText(k), metrics.horizontalAdvance(box->itemText(k)) + 36,
                    box->width(), metrics.height(), box->height());
        }
    }
    return shown;
}

struct WindowTextsTest : ::testing::Test {
    WindowTextsTest() {
        t.UseBuiltInAssets();
        t.CopyData("config");
        t.CopyData("maps");
        t.CopyData("help");
    }

    // Opens every window of the front end, in every state that brings new words, and checks
    // what each shows.
    void CheckAll(const Language& language, QSize screen) {
        QStringList lines;
        t.Folder().LoadLines("config\\last.cfg", lines);
        lines[2][0] = QLatin1Char(language.letter);
        t.WriteLines("config/last.cfg", lines);
        t.Screen().Set(screen.width(), screen.height());
        const QStringList own = TextsOf(QString::fromLatin1(language.file));
        const QStringList other = TextsOf(QString::fromLatin1(language.other));
        // Words of the other language that this one says differently: none may show.
        QSet<QString> foreign;
        for (qsizetype n = 1; n < other.size(); ++n)
            if (!other[n].trimmed().isEmpty() && (n >= own.size() || own[n] != other[n]))
                foreign << other[n].trimmed();

        kvd::Program program(t.Services());
        program.Start();
        program.Intro().FormActivate();
        const QRect area(0, 0, screen.width(), screen.height());
        auto check = [&](const char* state, QWidget& window) {
            SCOPED_TRACE(state);
            for (const Shown& s : Collect(window, area)) {
                SCOPED_TRACE((s.where + ": " + s.text).toStdString());
                EXPECT_FALSE(foreign.contains(s.text.trimmed())) << "a word of the other language";
                EXPECT_LE(s.need, s.width) << "clipped";
                EXPECT_LE(s.needHeight, s.height) << "clipped";
                EXPECT_TRUE(s.onScreen) << "off the screen";
            }
        };

        check("main menu", program.Intro());
        program.Intro().EntryClick(kvd::TIntroForm::Options);
        check("options", program.Options());
        program.Options().Cancel();
        program.Intro().EntryClick(kvd::TIntroForm::About);
        check("about", program.About());
        program.About().close();
        program.Intro().EntryClick(kvd::TIntroForm::Help);
        check("help", program.Help());
        program.Help().close();

        kvd::TMPForm& mp = program.MultiPlayer();
        program.ShowMultiPlayer();
        check("multi-player, first choice", mp);
        mp.Label8Click();
        mp.HostMessage(QStringLiteral("[Name]=Kapitaen Hornblower"));
        check("multi-player, host", mp);
        program.State().settings.HomeNavy = QLatin1Char('U');
        mp.HostMessage(QStringLiteral("[Name]=Kapitaen Hornblower"));
        check("multi-player, host of the US Navy", mp);
        mp.Label7Click();
        mp.Label9Click();
        mp.AlliedPanel->setGeometry(16, 152, 473, 130);  // as the host's greeting shows it
        mp.AlliedPanel->show();
        check("multi-player, join", mp);
        // The longest status lines: every socket error the window names in the game's words.
        for (int n = 212; n <= 219; ++n) {
            mp.CltLogLabel->setText(own[208] + own[n]);
            check("multi-player, socket error", mp);
        }
        mp.Label14Click();
        mp.Label1Click();

        program.ShowCampaign();
        check("campaign", program.CampaignMenu());
        program.CampaignMenu().hide();

        kvd::Game& game = program.TheGame();
        struct End {
            const char* what;
            int mode, stage;
            QChar navy;
        };
        const End ends[] = {{"single game won", 0, 8, QLatin1Char('J')},
                            {"first battle", 1, 9, QLatin1Char('E')},
                            {"convoy battle", 2, 8, QLatin1Char('U')},
                            {"campaign over", 3, 10, QLatin1Char('D')}};
        for (const End& end : ends) {
            game.GameMode = end.mode;
            game.Gamestage = end.stage;
            program.State().settings.HomeNavy = end.navy;
            program.Winner().ShowEndOfGame();
            check(end.what, program.Winner());
            program.Winner().hide();
        }
    }
    kvd::test::TestPlatform t;
};

}  // namespace

TEST_F(WindowTextsTest, GermanEverywhereAndFitted) {
    for (QSize screen : {QSize(1024, 768), QSize(1280, 720)}) {
        SCOPED_TRACE(screen.width());
        CheckAll({'D', "deutsch.mes", "english.mes"}, screen);
    }
}

TEST_F(WindowTextsTest, EnglishEverywhereAndFitted) {
    for (QSize screen : {QSize(1024, 768), QSize(1280, 720)}) {
        SCOPED_TRACE(screen.width());
        CheckAll({'E', "english.mes", "deutsch.mes"}, screen);
    }
}
