#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <csignal>
#include <functional>

#include "app/program.h"
#include "board/board_display.h"
#include "board/main_form.h"
#include "board/replayer.h"
#include "campaign/camp_form.h"
#include "campaign/winner_form.h"
#include "frontend/intro_form.h"
#include "play/game_journal.h"
#include "play/record_file.h"
#include "tests/app/program_fixture.h"
#include "tools/selfplay/scripted_player.h"

namespace {

using Entry = kvd::TIntroForm::Entry;

// Something that keeps the game from writing its files for as long as it lives.
struct Blocked {
    virtual ~Blocked() = default;
};

// The program folder the game writes to taken out of reach: its write bits off, and when the
// test runs as root, who may write anywhere, the file system asked as nobody (the folder's
// files stay readable to all).
class Unwritable : public Blocked {
  public:
    explicit Unwritable(const QString& folder) : folder_(folder.toLocal8Bit()) {
        ::chmod(folder_.constData(), 0555);
        if (::geteuid() == 0) ::setfsuid(65534);
    }
    ~Unwritable() override {
        if (::geteuid() == 0) ::setfsuid(0);
        ::chmod(folder_.constData(), 0700);
    }

  private:
    QByteArray folder_;
};

// A disk that takes no more than a few bytes of any file, as a full one does.
class FullDisk : public Blocked {
  public:
    FullDisk() {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        old_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = before_;
        tiny.rlim_cur = 512;
        ::setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FullDisk() override {
        ::setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, old_);
    }

  private:
    rlimit before_{};
    void (*old_)(int) = nullptr;
};

// Programs one after another on the same folder, as a player starts the game again after it
// ended in the middle of a battle.
struct Resume : kvd::test::ProgramFixture {
    void Play(int moves) {
        kvd::Game& game = program->TheGame();
        for (int k = 0; k < moves && game.GameActive; ++k) {
            // A person's choices: the game's own dice are not touched.
            const kvd::ScriptedMove choice = kvd::ChooseMove(game, choices);
            Click(choice.column, choice.row);
            Click(choice.toColumn, choice.toRow);
        }
    }
    // What F3 writes, and what decides the next turn.
    QStringList State() {
        const kvd::Game& g = program->TheGame();
        return g.scratchpad.Lines() +
               QStringList{QString::number(g.PlayerTurn), QString::number(g.GameMode),
                           QString::number(g.TurnCount), QString::fromStdString(g.dice.State())};
    }
    kvd::BoardPainter& Painter() { return program->Display().Painter(); }
    int SavedMoves() {
        kvd::GameRecord saved;
        QString error;
        if (!kvd::LoadRecordFile(t.Path(kvd::GameJournal::kSaveFile), saved, &error)) return -1;
        return int(saved.moves.size());
    }
    int PlayedMoves() { return int(program->Journal().Record()->moves.size()); }
    void ClickQuitCorner() {
        kvd::TMainForm& board = program->Board();
        const QPoint corner = board.Geometry().BottomBand().bottomRight() - QPoint(3, 3);
        QMouseEvent press(QEvent::MouseButtonPress, corner, board.mapToGlobal(corner),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&board, &press);
    }
    kvd::Dice choices{5};
};

}  // namespace

TEST_F(Resume, StartGameOffersTheUnfinishedBattleAndYesRestoresItExactly) {
    Start().Intro().EntryClick(Entry::StartGame);
    Play(6);
    ASSERT_TRUE(program->TheGame().GameActive);
    const QStringList before = State();
    program.reset();  // the program ends without a word, as a kill ends it

    Start().Intro().EntryClick(Entry::StartGame);
    ASSERT_FALSE(t.Boxes().Boxes().empty());
    EXPECT_EQ(t.Boxes().Boxes().back().kind, kvd::BoxKind::Confirmation)
        << t.Boxes().Boxes().back().text.toStdString();
    EXPECT_TRUE(State() == before);
    EXPECT_TRUE(program->Board().isVisible());
    // It goes on being kept, and is offered again after the next end.
    Play(2);
    const QStringList later = State();
    program.reset();
    Start().Intro().EntryClick(Entry::StartGame);
    EXPECT_TRUE(State() == later);
}

TEST_F(Resume, NoDiscardsItAndADamagedSaveIsReportedAndDiscarded) {
    Start().Intro().EntryClick(Entry::StartGame);
    Play(3);
    program.reset();
    t.Boxes().Script(kvd::BoxAnswer::No);
    Start().Intro().EntryClick(Entry::StartGame);
    EXPECT_EQ(program->TheGame().TurnCount, 0) << "a new battle";
    program.reset();

    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines(kvd::GameJournal::kSaveFile, lines))
        << "the new battle is kept";
    for (QString& line : lines)
        if (line.startsWith("[Table]=E")) line = "[Table]=E broken";
    t.Folder().SaveLines(kvd::GameJournal::kSaveFile, lines);
    const size_t boxes = t.Boxes().Boxes().size();
    Start().Intro().EntryClick(Entry::StartGame);
    ASSERT_EQ(t.Boxes().Boxes().size(), boxes + 1);
    EXPECT_EQ(t.Boxes().Boxes().back().kind, kvd::BoxKind::Error);
    EXPECT_TRUE(program->TheGame().GameActive) << "a new battle starts instead";
    EXPECT_EQ(program->TheGame().TurnCount, 0);
}

// A save whose move no board would have offered (a unit jumping two cells), or one cut short,
// is reported and discarded: the battle does not resume where the save claims.
TEST_F(Resume, ASaveThatLiesOrIsCutShortIsReportedAndDiscarded) {
    Start().Intro().EntryClick(Entry::StartGame);
    Play(3);
    program.reset();
    QStringList saved;
    ASSERT_TRUE(t.Folder().LoadLines(kvd::GameJournal::kSaveFile, saved));
    const int move = int(saved.indexOf(QRegularExpression("^\\[Move\\]=0.*")));
    ASSERT_GE(move, 0) << "the first side's first step";
    QString jump = saved[move];
    const int fromX = jump.mid(13, 2).toInt();
    jump.replace(9, 2,
                 QStringLiteral("%1").arg(fromX >= 2 ? fromX - 2 : fromX + 2, 2, 10, QChar('0')));
    jump.replace(11, 2, jump.mid(15, 2));
    QStringList lying = saved;
    lying[move] = jump;
    for (const QStringList& lines : {lying, saved.mid(0, saved.size() - 1)}) {
        t.Folder().SaveLines(kvd::GameJournal::kSaveFile, lines);
        const size_t boxes = t.Boxes().Boxes().size();
        Start().Intro().EntryClick(Entry::StartGame);
        ASSERT_GE(t.Boxes().Boxes().size(), boxes + 1);
        EXPECT_EQ(t.Boxes().Boxes().back().kind, kvd::BoxKind::Error);
        EXPECT_EQ(program->TheGame().TurnCount, 0) << "a new battle starts instead";
        program.reset();
    }
}

TEST_F(Resume, ACampaignResumesInItsStageWithItsTally) {
    Start().Intro().EntryClick(Entry::Campaign);
    program->CampaignMenu().RegionClick(1);
    kvd::Game& game = program->TheGame();
    // The first stage played out, then the second begun.
    for (int k = 0; k < 3000 && !program->Winner().isVisible(); ++k) Play(1);
    ASSERT_TRUE(program->Winner().isVisible());
    EXPECT_FALSE(t.Folder().Exists(kvd::GameJournal::kSaveFile))
        << "a decided battle leaves no save";
    // A stage with one to follow may be watched again too, and the window comes back after it
    // with its tally counted once.
    ASSERT_TRUE(program->Winner().Label9->isVisible());
    const int tally = game.FirstSideWins + 10 * game.SecondSideWins;
    program->Winner().Label9Click();
    ASSERT_TRUE(program->Replays().Open());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&program->Board(), &esc);
    ASSERT_TRUE(program->Winner().isVisible());
    EXPECT_EQ(game.FirstSideWins + 10 * game.SecondSideWins, tally);
    EXPECT_EQ(game.GameMode, 1);
    program->Winner().Label5Click();
    ASSERT_EQ(game.GameMode, 2);
    Play(4);
    const QStringList before = State();
    const int wins = game.FirstSideWins + 10 * game.SecondSideWins;
    program.reset();

    Start().Intro().EntryClick(Entry::Campaign);
    EXPECT_TRUE(State() == before);
    EXPECT_EQ(program->TheGame().GameMode, 2);
    EXPECT_EQ(program->TheGame().CampaignRegion, 1);
    EXPECT_EQ(program->TheGame().FirstSideWins + 10 * program->TheGame().SecondSideWins, wins);
    EXPECT_FALSE(program->CampaignMenu().isVisible());
}

// The save's file cannot be written (a folder the player may not write, a full disk): the
// report line says so once, naming the file and why; the game tries again after every move,
// and leaving the battle says it again. Once the disk takes it, the save holds every move.
TEST_F(Resume, ASaveThatCannotBeWrittenIsSaidAndTriedAgain) {
    const std::function<std::unique_ptr<Blocked>()> troubles[] = {
        [&] { return std::make_unique<Unwritable>(t.Path("")); },
        [] { return std::make_unique<FullDisk>(); },
    };
    for (const auto& trouble : troubles) {
        Start();
        // The battle the last round left: a new one instead.
        if (t.Folder().Exists(kvd::GameJournal::kSaveFile)) t.Boxes().Script(kvd::BoxAnswer::No);
        program->Intro().EntryClick(Entry::StartGame);
        Play(2);
        ASSERT_TRUE(program->TheGame().GameActive);
        ASSERT_EQ(SavedMoves(), PlayedMoves());
        const int kept = SavedMoves();
        {
            const auto blocked = trouble();
            Play(1);
            const QString said = Painter().LastReport();
            EXPECT_TRUE(said.contains(QStringLiteral("battle.kvr"))) << said.toStdString();
            EXPECT_TRUE(said.startsWith(program->State().texts.Text(330).section('%', 0, 0)))
                << said.toStdString();
            Painter().Report(QStringLiteral("-"));
            Play(2);
            EXPECT_EQ(Painter().LastReport().indexOf(QStringLiteral("battle.kvr")), -1)
                << "said once, not after every move";
        }
        EXPECT_EQ(SavedMoves(), kept) << "the last save stays as it was";
        Play(1);
        EXPECT_EQ(SavedMoves(), PlayedMoves()) << "tried again, and now written";
        EXPECT_FALSE(program->Journal().Failing());

        // Leaving while it fails says it again, in a box that names the file.
        {
            const auto blocked = trouble();
            Play(1);
            t.Boxes().Clear();
            t.Boxes().Script(kvd::BoxAnswer::Yes);
            ClickQuitCorner();
        }
        ASSERT_TRUE(program->Intro().isVisible());
        ASSERT_EQ(t.Boxes().Boxes().size(), 2u);
        EXPECT_EQ(t.Boxes().Boxes()[1].kind, kvd::BoxKind::Warning);
        EXPECT_TRUE(t.Boxes().Boxes()[1].text.contains(t.Path("battle.kvr")))
            << t.Boxes().Boxes()[1].text.toStdString();
        program.reset();
    }
}

// Esc on the question whether to resume puts it off: back to the menu, the save as it was.
TEST_F(Resume, EscOnTheResumeQuestionKeepsTheSave) {
    Start().Intro().EntryClick(Entry::StartGame);
    Play(3);
    program.reset();
    const QByteArray saved = t.ReadFile(kvd::GameJournal::kSaveFile);
    for (const Entry entry : {Entry::StartGame, Entry::Campaign}) {
        Start();
        t.Boxes().Script(kvd::BoxAnswer::Dismissed);
        program->Intro().EntryClick(entry);
        EXPECT_FALSE(program->Board().isVisible());
        EXPECT_FALSE(program->TheGame().GameActive);
        EXPECT_TRUE(program->Intro().isVisible());
        EXPECT_TRUE(program->Intro().isEnabled());
        EXPECT_EQ(t.ReadFile(kvd::GameJournal::kSaveFile), saved);
        program.reset();
    }
    // Asked again, Yes still resumes it.
    Start().Intro().EntryClick(Entry::StartGame);
    EXPECT_EQ(program->TheGame().TurnCount, 3);
}

// A save that cannot be read is moved aside before the new battle writes over it, the last one
// kept, and the box says where.
TEST_F(Resume, ADamagedSaveIsKeptAsideAndTheBoxSaysWhere) {
    for (const QByteArray& damaged :
         {QByteArray("[Korvald]\r\nnonsense\r\n"), QByteArray("cut short \x01\x02\x03")}) {
        t.WriteFile(kvd::GameJournal::kSaveFile, damaged);
        t.Boxes().Clear();
        Start().Intro().EntryClick(Entry::StartGame);
        ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
        EXPECT_EQ(t.Boxes().Boxes()[0].kind, kvd::BoxKind::Error);
        EXPECT_TRUE(t.Boxes().Boxes()[0].text.contains(t.Path("battle.kvr.damaged")))
            << t.Boxes().Boxes()[0].text.toStdString();
        EXPECT_EQ(t.ReadFile(kvd::GameJournal::kDamagedFile), damaged);
        EXPECT_TRUE(program->TheGame().GameActive) << "a new battle";
        EXPECT_NE(t.ReadFile(kvd::GameJournal::kSaveFile), damaged);
        program.reset();
    }
}
