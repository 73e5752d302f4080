#include "tools/selfplay/self_play.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <limits>

#include "core/game_setup.h"
#include "core/setup_display.h"
#include "opponent/admiral.h"
#include "opponent/admiral_turn.h"
#include "opponent/computer_opponent.h"
#include "opponent/contact_memory.h"
#include "opponent/opponent_choice.h"
#include "opponent/repetition.h"
#include "opponent/side_view.h"
#include "play/campaign_tally.h"
#include "play/game_record.h"
#include "play/radar.h"
#include "play/rules.h"
#include "play/selection.h"
#include "play/turn.h"
#include "tools/selfplay/scripted_player.h"

namespace kvd {

namespace {

// Waits that take no time and handle nothing: nothing but the game runs here.
class InstantPacing : public Pacing {
  public:
    void Delay(int ms) override { elapsed_ += ms > 0 ? ms : 0; }
    void Wait(int ms) override { Delay(ms); }
    void Interrupt() override {}
    std::uint32_t TickCount() const override { return std::uint32_t(elapsed_); }
    QDateTime Now() const override {
        return QDateTime(QDate(1942, 6, 4), QTime(9, 0)).addMSecs(elapsed_);
    }

  private:
    std::int64_t elapsed_ = 0;
};

class QuietBoxes : public MessageBoxes {
  public:
    BoxAnswer Show(BoxKind, const QString& text, BoxButtons buttons) override {
        last = text;
        return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
    }
    QString last;
};

void CopyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

}  // namespace

// What set-up asks of the program around it, answered for a headless run.
struct SelfPlay::Hooks : ProgramFlow, SetupDisplay {
    Game* game = nullptr;
    int stage = 0;
    bool setupFailed = false;
    void BackToMenu() override { setupFailed = true; }
    void EndProgram() override { setupFailed = true; }
    void HideMenu() override {}
    // Nothing is shown, so no picture is loaded; the first composition's reveal pass is the
    // rules' all the same.
    void PrepareGamePictures(int, bool) override {}
    bool LoadMapPicture(const QString&, const MapLines&, QString*, QString*) override {
        return true;
    }
    void FinishPictures() override {}
    void DropPictures() override {}
    void ShowBoard() override { RevealEnemy(*game); }
    void HideBoard() override {}
};

QString SelfPlayTally::Summary() const {
    const double perSecond = seconds > 0 ? games / seconds : 0;
    QString think;
    if (!thinkMs.empty()) {
        double sum = 0;
        for (double ms : thinkMs) sum += ms;
        think = QStringLiteral("average think %1 ms, ").arg(qRound(sum / double(thinkMs.size())));
    }
    return QStringLiteral(
               "games %1, first side won %2, second side won %3, both lost %4, unfinished %5, "
               "average turns %6, invariant violations %7, %8%9 games per second")
        .arg(games)
        .arg(firstSideWon)
        .arg(secondSideWon)
        .arg(bothLost)
        .arg(unfinished)
        .arg(games > 0 ? double(computerTurns) / games : 0.0, 0, 'f', 1)
        .arg(violations)
        .arg(think)
        .arg(qRound(perSecond));
}

namespace {
double Nth(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    const size_t n = std::min(values.size() - 1, size_t(share * double(values.size())));
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(n), values.end());
    return values[n];
}
}  // namespace

double SelfPlayTally::ThinkMedian() const {
    return Nth(thinkMs, 0.5);
}
double SelfPlayTally::ThinkLongest() const {
    return thinkMs.empty() ? 0 : *std::max_element(thinkMs.begin(), thinkMs.end());
}

QString SelfPlayTally::CampaignSummary() const {
    return QStringLiteral("campaigns %1, first side ahead %2, second side ahead %3, level %4")
        .arg(campaigns)
        .arg(firstSideAhead)
        .arg(secondSideAhead)
        .arg(campaigns - firstSideAhead - secondSideAhead);
}

SelfPlay::SelfPlay(const QString& dataFolder, const SelfPlayOptions& options)
    : options_(options), hooks_(std::make_unique<Hooks>()) {
    // A scratch copy of the data: the fleet's working copy is written at every set-up, and
    // two runs side by side must not share it.
    CopyFolder(dataFolder + QStringLiteral("/config"), folder_.path() + QStringLiteral("/config"));
    CopyFolder(dataFolder + QStringLiteral("/maps"), folder_.path() + QStringLiteral("/maps"));

    // Only what the rules and set-up use: nothing is drawn, heard or pointed at.
    platform_.pacing = std::make_unique<InstantPacing>();
    platform_.random = std::make_unique<ScriptedRandom>();
    platform_.boxes = std::make_unique<QuietBoxes>();
    platform_.files = std::make_unique<Files>(folder_.path());

    context_ = std::make_unique<Context>(platform_);
    platform_.files->LoadLines(kEnglishTexts, context_->texts.MessageList);
    game_ = std::make_unique<Game>();
    game_->dice.Seed(options.seed);
    setup_ = std::make_unique<GameSetup>(*game_, *context_, *hooks_);
    opponent_ = std::make_unique<ComputerOpponent>();
    memory_ = std::make_unique<ContactMemory>();
    if (options.secondAdmiral)
        secondSide_ =
            std::make_unique<AdmiralTurn>(options.seed * 2246822519u + 1, AdmiralBudget(options));
    hooks_->game = game_.get();
    setup_->flow.Wire(*hooks_);
}

SelfPlay::~SelfPlay() = default;

bool SelfPlay::StartGame(int index) {
    Settings& s = context_->settings;
    s.HomeNavy = options_.navy;
    s.MapName = options_.map;
    s.RevealOption = options_.reveal;
    s.FlagTransfer = options_.flag;
    s.ReconPlanes = options_.planes;
    s.AdditionalDamage = options_.damage;
    s.SoundOption = QLatin1Char('N');
    // The record says who played the second side, and keeps the Admiral's moves.
    s.Opponent = options_.secondAdmiral ? QLatin1Char('A') : QLatin1Char('S');
    Game& g = *game_;
    g.GameMode = options_.mode;
    const bool european = options_.navy == QLatin1Char('E') || options_.navy == QLatin1Char('D');
    if (options_.campaign > 0)
        g.CampaignRegion = options_.campaign;
    else
        g.CampaignRegion = options_.mode == 0 ? 0 : (european ? 1 : 5) + index % 4;
    hooks_->stage = 0;
    hooks_->setupFailed = false;
    if (!setup_->GameInit() || hooks_->setupFailed) {
        error_ = static_cast<QuietBoxes&>(*platform_.boxes).last;
        return false;
    }
    return true;
}

Rules SelfPlay::TheRules() {
    kvd::ComputerTurn* second = secondSide_ ? secondSide_.get() : opponent_.get();
    return Rules{*game_, context_->settings, context_->texts, nothingShown_, second};
}

void SelfPlay::ComputerTurn() {
    Rules rules = TheRules();
    game_->PlayerTurn = false;
    game_->OpponentTurn = true;
    rules.computer->RunKI(rules);
    game_->PlayerTurn = true;
    game_->OpponentTurn = false;
    NoteSecondSideThought();
}

void SelfPlay::NoteSecondSideThought() {
    if (!secondSide_ || !tally_) return;
    // Only a turn the Admiral has thought over: a game may end before its turn comes.
    const AdmiralTurn& admiral = static_cast<AdmiralTurn&>(*secondSide_);
    if (admiral.Moves() == secondSideMovesNoted_) return;
    secondSideMovesNoted_ = admiral.Moves();
    tally_->thinkMs.push_back(admiral.LastThought().milliseconds);
}

ThinkBudget AdmiralBudget(const SelfPlayOptions& options) {
    // The time given is spent: as many worlds as it allows, so a run of a seed plays games
    // that depend on the machine's speed. A count of worlds plays the same games every run.
    ThinkBudget budget;
    budget.milliseconds = options.thinkMs;
    budget.worlds = 0;
    if (options.worlds > 0) {
        // Counted, not timed: however slow the machine (or the tool counting its work), every
        // move plays out its worlds.
        budget.worlds = options.worlds;
        budget.milliseconds = std::numeric_limits<int>::max();
    }
    return budget;
}

void SelfPlay::PlayerMove() {
    Game& g = *game_;
    Rules rules = TheRules();
    ScriptedMove scripted;
    if (options_.firstAdmiral) {
        // The Admiral thinks from the first side's board, with a draw of its own for each
        // turn: the game's dice are not its to see.
        SideView view = ViewOf(g, context_->settings, kFirstSide);
        memory_->Recall(view);
        const Thought thought = Admiral().Choose(
            view, options_.seed * 2654435761u + ++admiralMoves_, AdmiralBudget(options_));
        if (tally_) {
            tally_->thinkMs.push_back(thought.milliseconds);
            tally_->worldSubmarinesBeside += thought.submarinesBesideFlagship;
            tally_->realSubmarinesBeside += SubmarinesBesideFlagship(g, kFirstSide);
            const std::uint64_t next = Placement(view.own, &thought.move);
            tally_->repeatedMoves +=
                std::count(view.placementsSeen.begin(), view.placementsSeen.end(), next) > 0;
        }
        if (thought.move.kind != MoveKind::Pass) {
            const Move& m = thought.move;
            scripted =
                ScriptedMove{m.kind == MoveKind::Repair ? ScriptedMove::Repair : ScriptedMove::Step,
                             m.fromColumn, m.fromRow, m.toColumn, m.toRow};
        }
    } else {
        scripted = ChooseMove(g, g.dice);
    }
    // The scripted choice as the board turns clicks into a move: the unit on the first cell.
    Move move{kFirstSide};
    if (scripted.kind != ScriptedMove::Pass) {
        const UnitTable& t = g.scratchpad;
        for (int i = 1; i < t.Count() && move.code == 0; ++i)
            if (t.Side(i) == kFirstSide && t.Code(i) != 1 && t.PosX(i) == scripted.column &&
                t.PosY(i) == scripted.row)
                move.code = t.Code(i);
        move = Move{kFirstSide,
                    move.code,
                    scripted.column,
                    scripted.row,
                    scripted.toColumn,
                    scripted.toRow,
                    scripted.kind == ScriptedMove::Repair ? MoveKind::Repair : MoveKind::Step};
    }
    if (!PlayFirstSideMove(rules, move)) {
        // A move the rules refuse: the turn passes.
        move = Move{kFirstSide};
        EndFirstSideMove(rules);
    }
    const std::optional<Move> answer = rules.computer->TakeAnswer();
    if (record_)
        record_->moves.push_back(
            {move, RecordChecksum(record_->format, g.scratchpad), scripted.drawn, answer});
    if (!g.GameActive && hooks_->stage == 0) {
        // The game has ended, and the rules have kept the tally.
        hooks_->stage = g.Gamestage;
    }
}

QString SelfPlay::CheckTable() const {
    const Game& g = *game_;
    const UnitTable& t = g.scratchpad;
    // Plain arrays, and words only for a fault: this runs after every turn of every game.
    bool codes[100] = {};
    bool cells[2][kBoardSize * kBoardSize] = {};
    auto fault = [&](int i, const char* what) {
        return QStringLiteral("line %1 (%2): %3").arg(i).arg(t.Line(i)).arg(QLatin1String(what));
    };
    for (int i = 1; i < t.Count(); ++i) {
        if (!t.IsUnit(i)) continue;
        const int code = t.Code(i);
        if (code < 0 || t.Strength(i) < 0 || t.DamageState(i) < 0 || t.PrevX(i) < 0 ||
            t.PrevY(i) < 0)
            return fault(i, "a field is not digits");
        const int x = t.PosX(i), y = t.PosY(i);
        if (!OnBoard(x, y)) return fault(i, "off the board");
        if (codes[code]) return fault(i, "the code is used twice");
        codes[code] = true;
        if (code == 1) continue;  // the radar aircraft flies over ships and land
        bool& taken = cells[t.Side(i) == kFirstSide ? 0 : 1][y * kBoardSize + x];
        if (taken) return fault(i, "two units of one side on one cell");
        taken = true;
        if (g.MemoPad.IsLand(x, y)) {
            bool preset = false;
            if (g.HasPresets == QLatin1Char('Y'))
                for (const Preset& p : g.MemoPad.Presets()) preset = preset || p.code == code;
            if (!preset) return fault(i, "on land");
        }
    }
    return {};
}

void SelfPlay::WriteRecord(int index) {
    // One file a game; in a campaign one a stage.
    const QString name =
        options_.campaign > 0
            ? QStringLiteral("campaign-%1-stage-%2.kvr")
                  .arg(index + 1, 5, 10, QLatin1Char('0'))
                  .arg(game_->GameMode)
            : QStringLiteral("game-%1.kvr").arg(index + 1, 5, 10, QLatin1Char('0'));
    QFile file(options_.recordFolder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "korvald-selfplay: cannot write %s\n", qPrintable(file.fileName()));
        return;
    }
    file.write(RecordLines(*record_, QStringLiteral(KORVALD_VERSION))
                   .join(QStringLiteral("\r\n"))
                   .toUtf8() +
               "\r\n");
}

bool SelfPlay::PlayOne(int index, SelfPlayTally& tally) {
    if (!StartGame(index)) return false;
    memory_->Forget();
    Game& g = *game_;
    ++tally.games;
    const QString start = CheckTable();
    if (!start.isEmpty()) {
        ++tally.violations;
        tally.firstViolation =
            QStringLiteral("seed %1, game %2, set-up: %3").arg(options_.seed).arg(index).arg(start);
        return true;
    }
    if (!options_.recordFolder.isEmpty())
        record_ = std::make_unique<GameRecord>(BeginRecord(g, context_->settings));
    while (!g.GameOver && g.GameActive && g.TurnCount < 2000) {
        PlayerMove();
        NoteSecondSideThought();
        if (options_.trace) {
            for (const QString& line : g.scratchpad.Lines())
                for (QChar c : line) trace_ = (trace_ ^ c.unicode()) * 1099511628211ull;
            trace_ = (trace_ ^ quint64(g.TurnCount)) * 1099511628211ull;
        }
        const QString fault = CheckTable();
        if (!fault.isEmpty()) {
            ++tally.violations;
            tally.firstViolation = QStringLiteral("seed %1, game %2, turn %3: %4")
                                       .arg(options_.seed)
                                       .arg(index)
                                       .arg(g.TurnCount)
                                       .arg(fault);
            return true;
        }
    }
    tally.computerTurns += g.TurnCount;
    if (record_) {
        WriteRecord(index);
        record_.reset();
    }
    if (options_.trace)
        std::fprintf(stderr, "game %d turns %d hash %016llx\n", index, g.TurnCount,
                     (unsigned long long)trace_);
    if (hooks_->stage == 8)
        ++tally.firstSideWon;
    else if (hooks_->stage == 9)
        ++tally.secondSideWon;
    else if (hooks_->stage == 10)
        ++tally.bothLost;
    else
        ++tally.unfinished;
    return true;
}

bool SelfPlay::PlayCampaign(int index, SelfPlayTally& tally) {
    // The three stages in a row, as the end-of-game window leads from one to the next; the
    // campaign's rules keep the tally of wins, and the losses here count unfinished stages too.
    Game& g = *game_;
    int lostFirst = 0, lostSecond = 0;
    for (int stage = 1; stage <= 3 && tally.violations == 0; ++stage) {
        options_.mode = stage;
        if (!PlayOne(index, tally)) return false;
        lostFirst += ShipsLost(g, kFirstSide);
        lostSecond += ShipsLost(g, kSecondSide);
    }
    ++tally.campaigns;
    if (g.FirstSideWins > g.SecondSideWins) ++tally.firstSideAhead;
    if (g.SecondSideWins > g.FirstSideWins) ++tally.secondSideAhead;
    tally.campaignLines << QStringLiteral(
                               "campaign %1 in region %2: games won %3 to %4, ships lost %5 to %6")
                               .arg(index + 1)
                               .arg(options_.campaign)
                               .arg(g.FirstSideWins)
                               .arg(g.SecondSideWins)
                               .arg(lostFirst)
                               .arg(lostSecond);
    return true;
}

bool SelfPlay::Run(SelfPlayTally& tally) {
    tally_ = &tally;
    QElapsedTimer timer;
    timer.start();
    for (int index = 0; index < options_.games && tally.violations == 0; ++index) {
        if (!(options_.campaign > 0 ? PlayCampaign(index, tally) : PlayOne(index, tally)))
            return false;
    }
    tally.seconds = timer.nsecsElapsed() / 1e9;
    return true;
}

}  // namespace kvd

namespace kvd {

RecordCheck CheckRecords(const QString& folder) {
    RecordCheck check;
    // The record's settings say which opponent answered; the Admiral's answers are the record's.
    OpponentChoice computer(0, ThinkBudget{});
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.kvr")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        ++check.records;
        QFile file(folder + QLatin1Char('/') + name);
        QString error;
        GameRecord record;
        Game game;
        Settings settings;
        if (!file.open(QIODevice::ReadOnly))
            error = QStringLiteral("cannot be read");
        else if (ReadRecord(QString::fromUtf8(file.readAll())
                                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
                            record, &error) &&
                 Replay(record, game, settings, &computer, -1, &error)) {
            ++check.reproduced;
            continue;
        }
        if (check.firstFailure.isEmpty()) check.firstFailure = name + QStringLiteral(": ") + error;
    }
    return check;
}

}  // namespace kvd
