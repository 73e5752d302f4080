#include "app/program.h"

#include <QApplication>

#include "app/admiral_hint.h"
#include "board/board_display.h"
#include "board/main_form.h"
#include "board/player_turn.h"
#include "board/replayer.h"
#include "campaign/camp_form.h"
#include "campaign/winner_form.h"
#include "core/game_setup.h"
#include "core/settings.h"
#include "core/text_ids.h"
#include "frontend/about_form.h"
#include "frontend/help_window.h"
#include "frontend/intro_form.h"
#include "frontend/options_form.h"
#include "frontend/service_form.h"
#include "mapeditor/map_form.h"
#include "net/mp_form.h"
#include "opponent/opponent_choice.h"
#include "platform/desktop/window_style.h"
#include "platform/platform.h"
#include "play/campaign_tally.h"
#include "play/game_journal.h"
#include "play/record_file.h"

namespace kvd {

Program::Program(Platform& platform) : context_(platform) {
    intro_ = std::make_unique<TIntroForm>(context_, game_);
    board_ = std::make_unique<TMainForm>(context_, game_, pictures_);
    display_ = std::make_unique<BoardDisplay>(*board_, game_, pictures_, context_);
    setup_ = std::make_unique<GameSetup>(game_, context_, *display_);
    // The Admiral's own draws, apart from the game's dice; its moves go into the game's record.
    Dice admiralSeed;
    platform.random->Seed(admiralSeed);
    const auto pause = [this](int ms) { return context_.guard.Delay(ms); };
    opponent_ =
        std::make_unique<OpponentChoice>(std::uint32_t(admiralSeed.Next(1 << 30)), ThinkBudget{});
    opponent_->Admiral().pause = pause;
    hint_ = std::make_unique<AdmiralHint>(ThinkBudget{}, pause, context_.texts);
    winner_ = std::make_unique<TWinnerForm>(context_, game_, *setup_);
    options_ = std::make_unique<TOptions>(context_, game_);
    about_ = std::make_unique<TAboutForm>(context_);
    help_ = std::make_unique<THelpWindow>(context_);
    mapEditor_ = std::make_unique<TMapForm>(context_);
    campaign_ = std::make_unique<TCampForm>(context_, game_, *setup_);
    service_ = std::make_unique<TServiceForm>(context_);
    multiPlayer_ = std::make_unique<TMPForm>(context_, game_, *display_, *setup_);
    playerTurn_ = std::make_unique<PlayerTurn>(game_, context_, pictures_, *board_, *display_);
    journal_ = std::make_unique<GameJournal>(*platform.files, QStringLiteral(KORVALD_VERSION));
    display_->journal = journal_.get();
    replayer_ =
        std::make_unique<Replayer>(*board_, game_, context_, pictures_, *display_, *opponent_);
    replayer_->onClosed = [this] { ReplayClosed(); };
    playerTurn_->journal = journal_.get();
    multiPlayer_->Network().journal = journal_.get();
    Wire();
    intro_->FormCreate();
}

Program::~Program() = default;

void Program::Wire() {
    intro_->menu.Wire(*this);
    intro_->flow.Wire(*this);
    intro_->help.Wire(*this);
    options_->flow.Wire(*this);
    about_->flow.Wire(*this);
    multiPlayer_->flow.Wire(*this);
    display_->endOfGame.Wire(*winner_);
    mapEditor_->flow.Wire(*this);
    mapEditor_->help.Wire(*this);
    campaign_->flow.Wire(*this);
    winner_->flow.Wire(*this);
    winner_->network.Wire(*multiPlayer_);
    winner_->battleDecided = [this] { NoteInServiceRecord(); };
    service_->flow.Wire(*this);
    service_->watchReplay = [this](const QString& file) {
        if (!StartReplay(context_.platform.files->Resolve(file))) BackToMenu();
    };
    winner_->courseOfLastBattle = [this]() -> std::optional<BattleCourse> {
        const GameRecord* last = DecidedRecord();
        if (!last) return std::nullopt;
        QString error;
        return CourseOf(*last, opponent_.get(), &error);
    };
    board_->flow.Wire(*this);
    board_->rules.Wire(*playerTurn_);
    setup_->flow.Wire(*this);
    playerTurn_->computer.Wire(*opponent_);
    playerTurn_->endOfGame.Wire(*winner_);
    playerTurn_->network.Wire(*multiPlayer_);
    playerTurn_->flow.Wire(*this);
    playerTurn_->hint.Wire(*hint_);

    // A call left unwired would otherwise surface only when a player first needs it.
    RequireWired({&intro_->menu,           &intro_->flow,         &intro_->help,
                  &mapEditor_->help,       &options_->flow,       &about_->flow,
                  &multiPlayer_->flow,     &display_->endOfGame,  &campaign_->flow,
                  &mapEditor_->flow,       &winner_->flow,        &board_->flow,
                  &board_->rules,          &setup_->flow,         &playerTurn_->computer,
                  &playerTurn_->endOfGame, &playerTurn_->network, &playerTurn_->flow,
                  &playerTurn_->hint,      &winner_->network,     &service_->flow});
}

int Program::ExitStatus() const {
    return intro_->StartupFailed() ? 1 : 0;
}

void Program::BackToMenu() {
    if (ended_) return;
    TellUnsaved();
    intro_->setEnabled(true);
    intro_->show();
    TakeKeyboard(*intro_);
    intro_->FormShow();
    context_.platform.cursor->Set(intro_.get(), CursorShape::Arrow);
}

void Program::TellUnsaved() {
    const auto trouble = journal_->TakeTrouble();
    if (!trouble) return;
    context_.platform.boxes->Show(
        BoxKind::Warning,
        QStringLiteral("   ") +
            context_.texts
                .TextOr(text::kLeftUnsaved, QStringLiteral("The battle could not be saved to %1 "
                                                           "(%2)."))
                .arg(trouble->file, trouble->reason) +
            QStringLiteral("   "),
        BoxButtons::Ok);
}

void Program::HideMenu() {
    intro_->hide();
}

void Program::StartGame() {
    switch (ResumeUnfinished()) {
        case Unfinished::None:
            setup_->GameInit();
            break;
        case Unfinished::Resumed:
            break;
        case Unfinished::NotNow:
            BackToMenu();
            break;
    }
}

Program::Unfinished Program::ResumeUnfinished() {
    Platform& p = context_.platform;
    GameRecord record;
    QString error;
    switch (journal_->Load(record, &error)) {
        case GameJournal::Saved::None:
            return Unfinished::None;
        case GameJournal::Saved::Damaged:
            break;
        case GameJournal::Saved::Readable: {
            const QString question = QStringLiteral("  ") +
                                     context_.texts.Text(text::kResumeUnfinished) +
                                     QStringLiteral("   ");
            switch (p.boxes->Show(BoxKind::Confirmation, question, BoxButtons::YesNo)) {
                case BoxAnswer::Yes:
                    break;
                case BoxAnswer::No:
                    journal_->Discard();
                    return Unfinished::None;
                default:
                    return Unfinished::NotNow;
            }
            // The battle is played again, unseen, up to its last move.
            Game resumed;
            Settings settings;
            if (!Replay(record, resumed, settings, opponent_.get(), -1, &error)) break;
            RuleGuard::Scope running(context_.guard);
            context_.guard.EnterGame();
            game_ = resumed;
            KeepPlayersChoices(settings, context_.settings);
            context_.settings = settings;
            if (!display_->ShowResumedGame(&error)) {
                game_.GameActive = false;
                break;
            }
            journal_->Continue(record);
            display_->TellSaveTrouble();
            return Unfinished::Resumed;
        }
    }
    // Kept for a look at what went wrong before the next battle writes over it.
    const QString kept = journal_->PutAside();
    const QString where =
        kept.isEmpty()
            ? context_.texts.TextOr(text::kDamagedNotKept,
                                    QStringLiteral("It could not be kept aside."))
            : context_.texts.TextOr(text::kDamagedKept, QStringLiteral("It is kept as %1."))
                  .arg(kept);
    p.boxes->Show(BoxKind::Error,
                  QStringLiteral("   ") + context_.texts.Text(text::kUnfinishedDiscarded) + error +
                      QStringLiteral("\r\r   ") + where + QStringLiteral("   "),
                  BoxButtons::Ok);
    journal_->Discard();
    return Unfinished::None;
}
void Program::ShowMultiPlayer() {
    multiPlayer_->ShowFullScreen();
}
void Program::ShowCampaign() {
    switch (ResumeUnfinished()) {
        case Unfinished::None:
            break;
        case Unfinished::Resumed:
            return;
        case Unfinished::NotNow:
            BackToMenu();
            return;
    }
    const Screen& screen = *context_.platform.screen;
    campaign_->setGeometry(0, 0, screen.Width(), screen.Height());
    campaign_->showFullScreen();
}
void Program::ShowMapMaker() {
    mapEditor_->ShowCentred();
}
void Program::ShowOptions() {
    options_->show();
}
void Program::ShowAbout() {
    about_->ShowCentred();
}
void Program::ShowServiceRecord() {
    service_->FormShow();
}

const GameRecord* Program::DecidedRecord() const {
    // The journal's last record is this battle's when it ends where the battle stands; a battle
    // the journal could not keep must not be charted or kept with another one's record.
    const GameRecord* last = journal_->LastRecord();
    if (!last || last->moves.empty() ||
        last->moves.back().checksum != RecordChecksum(last->format, game_.scratchpad))
        return nullptr;
    return last;
}

void Program::NoteInServiceRecord() {
    const Game& g = game_;
    const Settings& settings = context_.settings;
    const bool joining = g.NetRole == net_role::kJoining;
    const Side own = joining ? kSecondSide : kFirstSide;
    ServiceEntry entry;
    entry.date = context_.platform.pacing->Now();
    entry.map = settings.MapName;
    // The home navy is this program's own side's, the joining program's too.
    entry.navy = settings.HomeNavy;
    entry.opponent = g.NetGame ? multiPlayer_->Commander(joining) : QString(settings.Opponent);
    if (entry.opponent.trimmed().isEmpty()) entry.opponent = QStringLiteral("?");
    const int ownWin = own == kFirstSide ? stage::kFirstSideWon : stage::kSecondSideWon;
    entry.result = g.Gamestage == ownWin                      ? ServiceEntry::Won
                   : g.Gamestage == stage::kBothFlagshipsLost ? ServiceEntry::Drawn
                                                              : ServiceEntry::Lost;
    entry.turns = g.battleLog.turn;
    entry.ownLost = ShipsLost(g, own);
    entry.enemyLost = ShipsLost(g, OtherSide(own));
    entry.stage = g.GameMode;
    // The campaign's tally has counted its last stage already: best of three.
    if (g.GameMode == mode::kLastStage)
        entry.campaign = g.FirstSideWins > g.SecondSideWins ? ServiceEntry::CampaignWon
                                                            : ServiceEntry::CampaignLost;
    const GameRecord* last = DecidedRecord();
    ServiceRecord(*context_.platform.files)
        .Add(entry, last ? RecordLines(*last, QStringLiteral(KORVALD_VERSION)) : QStringList());
}

void Program::ShowHelp() {
    QWidget* asking = QApplication::activeWindow();
    help_->ShowPage(asking ? asking : intro_.get());
}

bool Program::OpenReplay(const GameRecord& record) {
    QString error;
    if (!replayer_->Open(record, &error)) return ReplayRefused(error);
    winner_->hide();
    return true;
}

bool Program::StartReplay(const QString& path) {
    GameRecord record;
    QString error;
    if (LoadRecordFile(path, record, &error)) return OpenReplay(record);
    return ReplayRefused(error);
}

bool Program::ReplayRefused(const QString& error) {
    context_.platform.boxes->Show(BoxKind::Error,
                                  QStringLiteral("   ") +
                                      context_.texts.Text(text::kReplayImpossible) + error +
                                      QStringLiteral("   "),
                                  BoxButtons::Ok);
    return false;
}

bool Program::ReplayAvailable() const {
    return journal_->LastRecord() != nullptr;
}

void Program::WatchReplay() {
    const GameRecord* last = journal_->LastRecord();
    if (!last) return;
    // The battle as it ended comes back with its end-of-game window after the replay.
    endedBattle_ = game_;
    if (!OpenReplay(*last)) ReplayClosed();
}

void Program::ReplayClosed() {
    // The stored settings again, as after a game.
    LoadSettings(*context_.platform.files, context_.settingsLines, context_.settings);
    board_->hide();
    if (endedBattle_) {
        game_ = *endedBattle_;
        endedBattle_.reset();
        winner_->ShowAgain();
        return;
    }
    game_.GameActive = false;
    game_.NetGame = false;  // a network game's replay leaves no network game behind
    game_.NetRole = net_role::kNone;
    // A replay the program began with leads to the menu, not to the intro: through the end of
    // the battle when it was watched to the end.
    intro_->SkipIntro();
    if (replayer_->Moves() > 0 && replayer_->Shown() == replayer_->Moves() &&
        game_.Gamestage >= stage::kEnded && !ended_) {
        QString error;
        // The window names the navies as the battle had them; the menu reads the player's back.
        context_.settings.HomeNavy = replayer_->Record().settings.HomeNavy;
        winner_->ShowReplayEnd(CourseOf(replayer_->Record(), opponent_.get(), &error));
        return;
    }
    BackToMenu();
}

void Program::Start() {
    const Screen& screen = *context_.platform.screen;
    intro_->setGeometry(0, 0, screen.Width(), screen.Height());
    intro_->showFullScreen();
}

void Program::EndProgram() {
    if (ended_) return;
    TellUnsaved();
    ended_ = true;
    // A rule waiting in the middle of a fight or a turn stops instead of drawing on.
    context_.guard.Close();
    for (QWidget* window : std::initializer_list<QWidget*>{
             board_.get(), options_.get(), about_.get(), help_.get(), multiPlayer_.get(),
             mapEditor_.get(), campaign_.get(), winner_.get()})
        window->hide();
    if (OnEnd) OnEnd();
}

}  // namespace kvd
