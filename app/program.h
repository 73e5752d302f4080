#pragma once
#include <functional>
#include <memory>
#include <optional>

#include "board/game_pictures.h"
#include "core/context.h"
#include "core/game.h"
#include "core/help_pages.h"
#include "core/program_flow.h"
#include "frontend/menu_targets.h"

namespace kvd {

class BoardDisplay;
class GameJournal;
class Replayer;
struct GameRecord;
class GameSetup;
class PlayerTurn;
class TIntroForm;
class TMainForm;
class OpponentChoice;
class AdmiralHint;
class TWinnerForm;
class TOptions;
class TAboutForm;
class THelpWindow;
class TMPForm;
class TMapForm;
class TCampForm;
class TServiceForm;

// The program: the shared state, the game, and its ten windows, created in a fixed order and
// kept for the whole run, wired to each other. It answers the windows' calls to the program as
// a whole and the main menu's entries. Two programs can live side by side (tests build several).
class Program : public ProgramFlow, public MenuTargets, public HelpPages {
  public:
    explicit Program(Platform& platform);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the start-up window; its checks have run when the program was created.
    void Start();
    // Shows a game record from a file on the board (korvald --replay FILE). False, after saying
    // why in a box, when it cannot be shown; the program then starts as usual.
    bool StartReplay(const QString& path);
    // The battle that has just ended, shown again from its start (the end-of-game window).
    void WatchReplay() override;
    bool ReplayAvailable() const override;
    // True once the program has asked to end (a failed start, Quit, Esc).
    bool Ended() const { return ended_; }
    // What the process returns: 1 after a failed start-up check, else 0.
    int ExitStatus() const;
    // Leaves the event loop; called once when the program ends.
    std::function<void()> OnEnd;

    // ProgramFlow
    void BackToMenu() override;
    void EndProgram() override;
    void HideMenu() override;
    // MenuTargets
    void StartGame() override;
    void ShowMultiPlayer() override;
    void ShowCampaign() override;
    void ShowMapMaker() override;
    void ShowOptions() override;
    void ShowAbout() override;
    void ShowServiceRecord() override;
    // HelpPages: the handbook over the window that asks, the menu or the map editor.
    void ShowHelp() override;

    Context& State() { return context_; }
    Game& TheGame() { return game_; }
    GameJournal& Journal() { return *journal_; }
    BoardDisplay& Display() { return *display_; }
    GamePictures& Pictures() { return pictures_; }
    TIntroForm& Intro() { return *intro_; }
    TMainForm& Board() { return *board_; }
    TOptions& Options() { return *options_; }
    TAboutForm& About() { return *about_; }
    THelpWindow& Help() { return *help_; }
    TMPForm& MultiPlayer() { return *multiPlayer_; }
    TMapForm& MapEditor() { return *mapEditor_; }
    TCampForm& CampaignMenu() { return *campaign_; }
    TWinnerForm& Winner() { return *winner_; }
    TServiceForm& ServiceBook() { return *service_; }
    Replayer& Replays() { return *replayer_; }
    // The computer opponent of single and campaign games, the standard one or the Admiral.
    OpponentChoice& Opponent() { return *opponent_; }

  private:
    void Wire();
    // Start Game and Campaign first offer the battle the program left unfinished. No discards
    // it and a new one begins; a question put away (Esc) keeps it and goes back to the menu. A
    // damaged save is reported, kept aside and discarded.
    enum class Unfinished { None, Resumed, NotNow };
    Unfinished ResumeUnfinished();
    // A battle left while its save cannot be written: said in a box, naming the file and why.
    void TellUnsaved();
    bool OpenReplay(const GameRecord& record);
    // Back to where the replay was asked for: the end-of-game window, or the menu.
    void ReplayClosed();
    // A battle has been decided: a line in the player's service record, with its replay.
    void NoteInServiceRecord();
    // The record of the battle that has just been decided, if the journal kept it.
    const GameRecord* DecidedRecord() const;
    // The replay's error box with the reason; false.
    bool ReplayRefused(const QString& error);

    Context context_;
    Game game_;
    GamePictures pictures_;
    bool ended_ = false;
    std::unique_ptr<TIntroForm> intro_;
    std::unique_ptr<TMainForm> board_;
    std::unique_ptr<BoardDisplay> display_;
    std::unique_ptr<OpponentChoice> opponent_;
    std::unique_ptr<AdmiralHint> hint_;
    std::unique_ptr<TWinnerForm> winner_;
    std::unique_ptr<TOptions> options_;
    std::unique_ptr<TAboutForm> about_;
    std::unique_ptr<THelpWindow> help_;
    std::unique_ptr<TMPForm> multiPlayer_;
    std::unique_ptr<TMapForm> mapEditor_;
    std::unique_ptr<TCampForm> campaign_;
    std::unique_ptr<TServiceForm> service_;
    std::unique_ptr<GameSetup> setup_;
    std::unique_ptr<PlayerTurn> playerTurn_;
    std::unique_ptr<GameJournal> journal_;
    std::unique_ptr<Replayer> replayer_;
    // The battle whose end-of-game window asked for the replay, while it runs.
    std::optional<Game> endedBattle_;
};

}  // namespace kvd
