#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/context.h"
#include "core/game.h"
#include "platform/platform.h"
#include "play/showing.h"

namespace kvd {

class ComputerOpponent;
class ComputerTurn;
class ContactMemory;
struct GameRecord;
class GameSetup;
struct Rules;

struct ThinkBudget;

// One run of the self-play simulator: the settings every game is played with.
struct SelfPlayOptions {
    int games = 100;
    std::uint32_t seed = 1;
    int mode = 0;      // 0 single game, 1 to 3 a campaign stage
    int campaign = 0;  // 1 to 8: every game is a whole campaign of three stages in that region
    QChar navy = QLatin1Char('E');
    QString map = QStringLiteral("$STANDARD");
    QChar planes = QLatin1Char('1');
    QChar reveal = QLatin1Char('Y');
    QChar flag = QLatin1Char('Y');
    QChar damage = QLatin1Char('N');
    // Prints a line per game with a running checksum of the table after every turn of every
    // game so far, to tell whether a change of the code changed any game.
    bool trace = false;
    // A folder to write each game's record into, or empty for none.
    QString recordFolder;
    // Who plays: the first side the scripted player or the Admiral, the second the standard
    // computer opponent or the Admiral; and the Admiral's time to think over a move.
    bool firstAdmiral = false;
    bool secondAdmiral = false;
    int thinkMs = 250;
    // Worlds a move with no time limit, in place of thinkMs (0: from thinkMs).
    int worlds = 0;
};

// The Admiral's budget for a move: the time to think the options give it, or their count of
// worlds with no time limit.
ThinkBudget AdmiralBudget(const SelfPlayOptions& options);

// What the games came to.
struct SelfPlayTally {
    int games = 0;
    int firstSideWon = 0;
    int secondSideWon = 0;
    int bothLost = 0;
    int unfinished = 0;
    long long computerTurns = 0;
    int violations = 0;
    QString firstViolation;  // with the seed, the game and the turn
    double seconds = 0;
    // Campaigns played, and which side won more of their three stages.
    int campaigns = 0;
    int firstSideAhead = 0;
    int secondSideAhead = 0;
    QStringList campaignLines;  // one a campaign: its wins and losses
    // The Admiral's moves and the time it thought over each, when it plays.
    std::vector<double> thinkMs;
    // The first side's Admiral: enemy submarines beside its flagship, summed over its moves, in
    // its worlds and in the real games; and its moves into a position it had stood in lately.
    double worldSubmarinesBeside = 0, realSubmarinesBeside = 0;
    long long repeatedMoves = 0;
    double ThinkMedian() const;
    double ThinkLongest() const;
    // "games N, first side won ..., N games per second"; with the Admiral playing, its average
    // time to think over a move comes before the games per second.
    QString Summary() const;
    // "campaigns N, first side ahead A, second side ahead B, level C"
    QString CampaignSummary() const;
};

// Plays whole games headless: the real set-up, turn rules and computer opponent, with nothing
// shown and waits that take no time. The first side is moved by a simple scripted player.
// After every turn the unit table is checked.
class SelfPlay {
  public:
    // dataFolder: the game's program folder (config/ and maps/), copied to a scratch folder.
    SelfPlay(const QString& dataFolder, const SelfPlayOptions& options);
    ~SelfPlay();

    // Plays every game; stops early at the first broken invariant. False when a game could
    // not be set up (the reason is in Error()).
    bool Run(SelfPlayTally& tally);
    QString Error() const { return error_; }

    // One computer turn on the game as it stands (for the benchmark).
    bool StartGame(int index);
    void ComputerTurn();
    Game& TheGame() { return *game_; }

  private:
    void NoteSecondSideThought();
    bool PlayOne(int index, SelfPlayTally& tally);
    bool PlayCampaign(int index, SelfPlayTally& tally);
    void PlayerMove();
    Rules TheRules();
    QString CheckTable() const;
    void WriteRecord(int index);

    SelfPlayOptions options_;
    QTemporaryDir folder_;
    Platform platform_;
    std::unique_ptr<Context> context_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<GameSetup> setup_;
    std::unique_ptr<ComputerOpponent> opponent_;
    std::unique_ptr<kvd::ComputerTurn> secondSide_;  // the player of the second side
    SelfPlayTally* tally_ = nullptr;
    std::unique_ptr<ContactMemory> memory_;  // what the first-side Admiral remembers of the board
    std::uint32_t admiralMoves_ = 0;
    int secondSideMovesNoted_ =
        0;  // the second-side Admiral's moves whose think times are tallied  // the first-side
            // Admiral's moves so far: each thinks from its own draw                  // the run's,
            // for the Admiral's think times
    Showing nothingShown_{false};
    struct Hooks;
    std::unique_ptr<Hooks> hooks_;
    QString error_;
    quint64 trace_ = 1469598103934665603ull;
    std::unique_ptr<GameRecord> record_;  // the game under way, when records are written
};

// The records of a folder played again headless: how many there were, how many reproduced
// every table they hold, and why the first that did not failed.
struct RecordCheck {
    int records = 0;
    int reproduced = 0;
    QString firstFailure;
};
RecordCheck CheckRecords(const QString& folder);

}  // namespace kvd
