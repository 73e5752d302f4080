#include "app/program.h"

#include <QApplication>
#include <QFile>

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
#include "mapeditor/map_form.h"
#include "net/mp_form.h"
#include "opponent/opponent_choice.h"
#include "platform/desktop/window_style.h"
#include "platform/platform.h"
#include "play/game_journal.h"

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
    hint_ = std::make_unique<AdmiralHint>(ThinkBudget{}, pause);
    winner_ = std::make_unique<TWinnerForm>(context_, game_, *setup_);
    options_ = std::make_unique<TOptions>(context_, game_);
    about_ = std::make_unique<TAboutForm>(context_);
    help_ = std::make_unique<THelpWindow>(context_);
    mapEditor_ = std::make_unique<TMapForm>(context_);
    campaign_ = std::make_unique<TCampForm>(context_, game_, *setup_);
    multiPlayer_ = std::make_unique<TMPForm>(context_, game_, *display_, *setup_);
    playerTurn_ = std::make_unique<PlayerTurn>(game_, context_, pictures_, *board_, *display_);
    journal_ = std::make_unique<GameJournal>(*platform.files, QStringLiteral(KORVALD_VERSION));
    display_->journal = journal_.get();
    replayer_ =
        std::make_unique<Replayer>(*board_, game_, context_, pictures_, *display_, *opponent_);
    replayer_->onClosed = [this] {
        // The stored settings again, as after a game; back to the menu.
        LoadSettings(*context_.platform.files, context_.settingsLines, context_.settings);
        game_.GameActive = false;
        game_.NetGame = false;  // a network game's replay leaves no network game behind
        game_.NetRole = net_role::kNone;
        board_->hide();
        BackToMenu();
    };
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
    display_->network.Wire(*multiPlayer_);
    mapEditor_->flow.Wire(*this);
    mapEditor_->help.Wire(*this);
    campaign_->flow.Wire(*this);
    winner_->flow.Wire(*this);
    winner_->network.Wire(*multiPlayer_);
    board_->flow.Wire(*this);
    board_->rules.Wire(*playerTurn_);
    setup_->flow.Wire(*this);
    playerTurn_->computer.Wire(*opponent_);
    playerTurn_->endOfGame.Wire(*winner_);
    playerTurn_->network.Wire(*multiPlayer_);
    playerTurn_->flow.Wire(*this);
    playerTurn_->hint.Wire(*hint_);

    // A call left unwired would otherwise surface only when a player first needs it.
    RequireWired({&intro_->menu,          &intro_->flow,           &intro_->help,
                  &mapEditor_->help,      &options_->flow,         &about_->flow,
                  &multiPlayer_->flow,    &display_->endOfGame,    &display_->network,
                  &campaign_->flow,       &mapEditor_->flow,       &winner_->flow,
                  &board_->flow,          &board_->rules,          &setup_->flow,
                  &playerTurn_->computer, &playerTurn_->endOfGame, &playerTurn_->network,
                  &playerTurn_->flow,     &playerTurn_->hint,      &winner_->network});
}

int Program::ExitStatus() const {
    return intro_->StartupFailed() ? 1 : 0;
}

void Program::BackToMenu() {
    if (ended_) return;
    intro_->setEnabled(true);
    intro_->show();
    TakeKeyboard(*intro_);
    intro_->FormShow();
    context_.platform.cursor->Set(intro_.get(), CursorShape::Arrow);
}

void Program::HideMenu() {
    intro_->hide();
}

void Program::StartGame() {
    if (!ResumeUnfinished()) setup_->GameInit();
}

bool Program::ResumeUnfinished() {
    Platform& p = context_.platform;
    GameRecord record;
    QString error;
    switch (journal_->Load(record, &error)) {
        case GameJournal::Saved::None:
            return false;
        case GameJournal::Saved::Damaged:
            break;
        case GameJournal::Saved::Readable: {
            const QString question = QStringLiteral("  ") +
                                     context_.texts.Text(text::kResumeUnfinished) +
                                     QStringLiteral("   ");
            if (p.boxes->Show(BoxKind::Confirmation, question, BoxButtons::YesNo) !=
                BoxAnswer::Yes) {
                journal_->Discard();
                return false;
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
            return true;
        }
    }
    p.boxes->Show(BoxKind::Error,
                  QStringLiteral("   ") + context_.texts.Text(text::kUnfinishedDiscarded) + error +
                      QStringLiteral("   "),
                  BoxButtons::Ok);
    journal_->Discard();
    return false;
}
void Program::ShowMultiPlayer() {
    multiPlayer_->ShowFullScreen();
}
void Program::ShowCampaign() {
    if (ResumeUnfinished()) return;
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
    QFile file(path);
    GameRecord record;
    QString error = QStringLiteral("the file cannot be read.");
    if (file.open(QIODevice::ReadOnly) && ReadRecord(DecodeLines(file.readAll()), record, &error))
        return OpenReplay(record);
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
    if (const GameRecord* last = journal_->LastRecord()) OpenReplay(*last);
}

void Program::Start() {
    const Screen& screen = *context_.platform.screen;
    intro_->setGeometry(0, 0, screen.Width(), screen.Height());
    intro_->showFullScreen();
}

void Program::EndProgram() {
    if (ended_) return;
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
