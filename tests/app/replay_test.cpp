#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTimer>

#include "app/program.h"
#include "board/board_display.h"
#include "board/main_form.h"
#include "board/replayer.h"
#include "campaign/winner_form.h"
#include "core/service_record.h"
#include "frontend/intro_form.h"
#include "frontend/service_form.h"
#include "play/battle_notes.h"
#include "play/game_journal.h"
#include "play/game_record.h"
#include "play/record_file.h"
#include "tests/app/program_fixture.h"
#include "tools/selfplay/scripted_player.h"

namespace {

using Entry = kvd::TIntroForm::Entry;

struct Replay : kvd::test::ProgramFixture {
    Replay() { Start(); }
    // A whole battle played by clicks, to the end-of-game window.
    bool PlayToTheEnd() {
        program->Intro().EntryClick(Entry::StartGame);
        kvd::Game& game = program->TheGame();
        kvd::Dice choices(4);  // a short battle: it ends in a few dozen moves
        for (int k = 0; k < 3000 && !program->Winner().isVisible(); ++k) {
            const kvd::ScriptedMove choice = kvd::ChooseMove(game, choices);
            Click(choice.column, choice.row);
            Click(choice.toColumn, choice.toRow);
        }
        return program->Winner().isVisible();
    }
};

}  // namespace

TEST_F(Replay, TheBattleJustEndedPlaysAgainForwardAndBack) {
    ASSERT_TRUE(PlayToTheEnd());
    ASSERT_TRUE(program->Winner().Label9->isVisible())
        << "the end-of-game window offers the replay";
    const QStringList end = program->TheGame().scratchpad.Lines();
    program->Winner().Label9Click();
    kvd::Replayer& replay = program->Replays();
    ASSERT_TRUE(replay.Open());
    EXPECT_TRUE(program->Board().isVisible());
    EXPECT_TRUE(replay.Bar()->isVisible());
    EXPECT_EQ(replay.Shown(), 0);
    // Forward shows each move with the game's own pictures and sounds; the tables follow the
    // record.
    const size_t sounds = t.Sound().Plays().size();
    replay.Forward();
    replay.Forward();
    EXPECT_EQ(replay.Shown(), 2);
    EXPECT_GT(t.Sound().Plays().size(), sounds);
    const QStringList second = program->TheGame().scratchpad.Lines();
    replay.Forward();
    replay.Back();
    EXPECT_EQ(replay.Shown(), 2);
    EXPECT_EQ(program->TheGame().scratchpad.Lines(), second);
    // The first side's view hides what it never saw.
    const QImage both = program->Board().Canvas().copy();
    replay.SetFirstSideView(true);
    EXPECT_NE(program->Board().Canvas(), both);
    // At a higher speed the rest plays quickly, to the very table the battle ended with.
    replay.SetSpeed(8);
    while (replay.Shown() < replay.Moves()) replay.Forward();
    EXPECT_EQ(program->TheGame().scratchpad.Lines(), end);
    EXPECT_FALSE(program->Winner().isVisible()) << "a replay ends on the board";
    replay.Close();
    EXPECT_FALSE(program->Board().isVisible());
    EXPECT_TRUE(program->Winner().isVisible()) << "back where the replay was asked for";
}

// The replay tells the whole battle: its last fight reaches the band's log and state, whose
// band is lit again; the report lines tell the battle's own time; a click during a move's
// pictures is not lost; Esc goes back to the end-of-game window, its tally counted once.
TEST_F(Replay, TheReplayFinishesItsStoryAndGoesBackWhereItCameFrom) {
    t.Pacing().SetNow(QDateTime(QDate(1941, 5, 24), QTime(6, 0)));
    ASSERT_TRUE(PlayToTheEnd());
    const kvd::Game ended = program->TheGame();
    const int lastLogged = ended.battleLog.Size();
    ASSERT_GT(lastLogged, 0);
    t.Pacing().SetNow(QDateTime(QDate(2026, 1, 1), QTime(12, 0)));
    program->Winner().Label9Click();
    kvd::Replayer& replay = program->Replays();
    ASSERT_TRUE(replay.Open());
    replay.SetSpeed(8);
    while (replay.Shown() < replay.Moves()) replay.Forward();
    const kvd::BattleBand* band = program->Board().Battle();
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->log.Size(), lastLogged) << "the last move's fight is in the log";
    EXPECT_EQ(band->log.Newest(0).turn, ended.battleLog.Newest(0).turn);
    EXPECT_EQ(band->log.Newest(0).first.code, ended.battleLog.Newest(0).first.code);
    EXPECT_EQ(band->log.Newest(0).second.code, ended.battleLog.Newest(0).second.code);
    // And the band shows them: the log's and the state's boxes stand black on the lit band.
    for (const QRect box : {program->Board().LogBox(), program->Board().StateBox()}) {
        const QImage shown = program->Board().Canvas().copy(box.adjusted(2, 2, -2, -2));
        int black = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) black += shown.pixelColor(x, y) == Qt::black;
        EXPECT_GT(black, shown.width() * shown.height() / 2) << "the band went dark at the end";
    }
    EXPECT_TRUE(program->Display().Painter().Now().contains("1941"))
        << program->Display().Painter().Now().toStdString();
    // Esc leaves the replay for the end-of-game window, as it was.
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&program->Board(), &esc);
    EXPECT_FALSE(program->Ended());
    EXPECT_FALSE(replay.Open());
    EXPECT_TRUE(program->Winner().isVisible());
    EXPECT_EQ(program->TheGame().FirstSideWins, ended.FirstSideWins);
    EXPECT_EQ(program->TheGame().SecondSideWins, ended.SecondSideWins);
    EXPECT_FALSE(program->Display().Painter().Now().contains("1941")) << "the clock is back";

    // A click on Forward while a move's pictures show: the move ends, then the next one shows.
    program->Winner().Label9Click();
    ASSERT_TRUE(replay.Open());
    int clicked = -1;
    QTimer::singleShot(0, [&] {
        clicked = replay.Shown();
        replay.Forward();
    });
    replay.Forward();  // its waits let the click in
    EXPECT_EQ(clicked, 1) << "clicked while the first move was shown";
    EXPECT_EQ(replay.Shown(), 2) << "and the click was not lost";
    replay.Close();
}

// A replay the program began with (korvald --replay FILE) leads to the menu, without the intro.
TEST_F(Replay, AReplayFromTheCommandLineLeadsToTheMenuWithoutTheIntro) {
    ASSERT_TRUE(PlayToTheEnd());
    program->Winner().Label5Click();
    program.reset();
    Start();  // as main() makes it: the replay before the first activation
    ASSERT_TRUE(program->StartReplay(t.Path(kvd::GameJournal::kLastFile)));
    const size_t sounds = t.Sound().Plays().size();
    const QRect band = program->Board().Geometry().BottomBand();
    const QPoint corner = band.bottomRight() - QPoint(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, corner, program->Board().mapToGlobal(corner),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    const size_t boxes = t.Boxes().Boxes().size();
    QCoreApplication::sendEvent(&program->Board(), &press);
    EXPECT_EQ(t.Boxes().Boxes().size(), boxes) << "no question: no battle is lost";
    EXPECT_FALSE(program->Replays().Open());
    EXPECT_TRUE(program->Intro().isVisible());
    EXPECT_TRUE(program->Intro().IntroPlayed());
    program->Intro().FormActivate();
    EXPECT_EQ(t.Sound().Plays().size(), sounds) << "the intro's sounds do not play";
}

TEST_F(Replay, PlaysWithTheRecordsSettingsButThePlayersLanguageAndGivesThePlayersBack) {
    ASSERT_TRUE(PlayToTheEnd());
    kvd::Settings& settings = program->State().settings;
    const kvd::Settings recorded = settings;
    // The player has chosen otherwise since the battle was recorded (the end of a game reads the
    // settings file again).
    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines(kvd::kSettingsFile, lines));
    lines[kvd::settings_line::kHomeNavy][0] = 'U';
    lines[kvd::settings_line::kLanguage][0] = 'D';
    lines[kvd::settings_line::kReveal][0] = 'N';
    ASSERT_TRUE(t.Folder().SaveLines(kvd::kSettingsFile, lines));
    program->Winner().Label9Click();
    kvd::Replayer& replay = program->Replays();
    ASSERT_TRUE(replay.Open());
    replay.Forward();
    EXPECT_EQ(settings.HomeNavy, recorded.HomeNavy) << "the battle is played as it was";
    EXPECT_EQ(settings.RevealOption, recorded.RevealOption);
    EXPECT_EQ(settings.Language, QChar('D')) << "in the player's language";
    replay.Close();
    EXPECT_EQ(settings.HomeNavy, QChar('U')) << "the next game is the player's own";
    EXPECT_EQ(settings.RevealOption, QChar('N'));
}

TEST_F(Replay, ARecordThatDoesNotPlayToItsEndIsNotShownAtAll) {
    ASSERT_TRUE(PlayToTheEnd());
    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines(kvd::GameJournal::kLastFile, lines));
    for (int i = lines.size() - 1; i >= 0; --i)
        if (lines[i].startsWith("[Hash]=")) {
            lines[i] = "[Hash]=00000000";  // the last move's table is not the rules'
            break;
        }
    t.Folder().SaveLines("tampered.kvr", lines);
    program->Winner().hide();
    EXPECT_FALSE(program->StartReplay(t.Path("tampered.kvr")));
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("differs"))
        << t.Boxes().Boxes().back().text.toStdString();
    EXPECT_FALSE(program->Replays().Open());
    // A step no board would have offered, whatever table the record claims after it.
    QStringList lying;
    ASSERT_TRUE(t.Folder().LoadLines(kvd::GameJournal::kLastFile, lying));
    const int move = int(lying.indexOf(QRegularExpression("^\\[Move\\]=0.*")));
    ASSERT_GE(move, 0);
    QString& jump = lying[move];
    const int fromX = jump.mid(13, 2).toInt();
    jump.replace(9, 4,
                 QStringLiteral("%1").arg(fromX >= 2 ? fromX - 2 : fromX + 2, 2, 10, QChar('0')) +
                     jump.mid(15, 2));
    t.Folder().SaveLines("lying.kvr", lying);
    EXPECT_FALSE(program->StartReplay(t.Path("lying.kvr")));
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("not allowed"))
        << t.Boxes().Boxes().back().text.toStdString();
    EXPECT_FALSE(program->Replays().Open());
    EXPECT_TRUE(program->StartReplay(t.Path(kvd::GameJournal::kLastFile)))
        << "the record as written plays";
}

TEST_F(Replay, AFileThatIsNoRecordIsRefusedWithAReason) {
    t.WriteFile("broken.kvr", "Korvald game record 9\r\n");
    EXPECT_FALSE(program->StartReplay(t.Path("broken.kvr")));
    ASSERT_FALSE(t.Boxes().Boxes().empty());
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("newer version"));
    EXPECT_FALSE(program->StartReplay(t.Path("missing.kvr")));
    EXPECT_FALSE(program->Board().isVisible());
}

namespace {
// The most memory the process has held since the last reset, in kB; 0 where the system does
// not tell.
long PeakKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ')[0].toLong();
    return 0;
}
void ResetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}
}  // namespace

// A file far larger than any battle's record (a wrong file given to --replay, a save grown by a
// fault) is refused before it is read: memory does not grow by the file.
TEST_F(Replay, ARecordLargerThanAnyBattleIsRefusedUnread) {
    ASSERT_TRUE(PlayToTheEnd());
    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines(kvd::GameJournal::kLastFile, lines));
    const int first = int(lines.indexOf(QRegularExpression("^\\[Move\\]=.*")));
    ASSERT_GE(first, 0);
    const QStringList move = lines.mid(first, 2);
    QStringList huge = lines.mid(0, first);
    for (qsizetype size = 0; size < 2 * 1024 * 1024; size += move.join("\r\n").size() + 2)
        huge << move;
    huge << lines.back();
    t.WriteLines("huge.kvr", huge);
    program->Winner().hide();
    ResetPeak();
    const long before = PeakKb();
    EXPECT_FALSE(program->StartReplay(t.Path("huge.kvr")));
    if (before > 0) {
        EXPECT_LT(PeakKb() - before, 1024) << "the file was read into memory";
    }
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("larger"))
        << t.Boxes().Boxes().back().text.toStdString();
    // Under the size, but with more moves than any battle lasts.
    QStringList many = lines.mid(0, first);
    for (int k = 0; k <= kvd::kMaxRecordMoves; ++k) many << move;
    many << lines.back();
    t.WriteLines("many.kvr", many);
    EXPECT_FALSE(program->StartReplay(t.Path("many.kvr")));
    EXPECT_TRUE(t.Boxes().Boxes().back().text.contains("moves"))
        << t.Boxes().Boxes().back().text.toStdString();
    // A device that never ends is read no further than a record's worth.
    EXPECT_FALSE(program->StartReplay(QStringLiteral("/dev/zero")));
    EXPECT_FALSE(program->Replays().Open());
}

TEST_F(Replay, EveryDecidedBattleGoesIntoTheServiceRecordWithItsReplay) {
    ASSERT_TRUE(PlayToTheEnd());
    kvd::ServiceRecord service(t.Folder());
    const std::vector<kvd::ServiceEntry> entries = service.Read();
    ASSERT_EQ(entries.size(), 1u);
    const kvd::ServiceEntry& e = entries.front();
    const kvd::Game& game = program->TheGame();
    EXPECT_EQ(e.result, game.Gamestage == kvd::stage::kFirstSideWon ? kvd::ServiceEntry::Won
                                                                    : kvd::ServiceEntry::Lost);
    EXPECT_EQ(e.turns, game.battleLog.turn);
    EXPECT_EQ(e.opponent, "S");
    EXPECT_EQ(e.map, "$STANDARD");
    ASSERT_TRUE(t.Folder().Exists(e.record));
    // Shown again after its replay, the window counts the battle once.
    program->Winner().Label9Click();
    program->Replays().Close();
    ASSERT_TRUE(program->Winner().isVisible());
    EXPECT_EQ(service.Read().size(), 1u);
    program->Winner().Label5Click();
    // The menu's entry shows it, and its replay plays from the kept record.
    program->Intro().EntryClick(Entry::ServiceRecord);
    kvd::TServiceForm& book = program->ServiceBook();
    ASSERT_TRUE(book.isVisible());
    EXPECT_TRUE(book.Summary->text().startsWith("1 battles: "))
        << book.Summary->text().toStdString();
    EXPECT_TRUE(book.ByCommander->text().startsWith("Standard: "))
        << book.ByCommander->text().toStdString();
    ASSERT_TRUE(book.Watch[0]->isVisible());
    EXPECT_FALSE(book.Watch[1]->isVisible());
    book.WatchClick(0);
    kvd::Replayer& replay = program->Replays();
    EXPECT_TRUE(replay.Open());
    EXPECT_FALSE(book.isVisible());
    // Watched to its end, it closes on the battle's end window with its chart, which counts
    // nothing again and leads back to the menu.
    while (replay.Shown() < replay.Moves()) replay.Forward();
    replay.Close();
    kvd::TWinnerForm& end = program->Winner();
    ASSERT_TRUE(end.isVisible());
    EXPECT_FALSE(end.ChartImage->isHidden());
    EXPECT_FALSE(end.Label9->isVisible()) << "no replay of the replay";
    end.Label5Click();
    EXPECT_TRUE(program->Intro().isVisible());
    EXPECT_EQ(service.Read().size(), 1u);
}
