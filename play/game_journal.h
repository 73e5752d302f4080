#pragma once
#include <QString>
#include <optional>

#include "play/game_record.h"

namespace kvd {

class Files;
class Game;

// The running game kept as its record. A single game or campaign stage is saved after every
// move in the folder the game writes to, written whole and then put in place of the last save:
// however the program ends during a battle, the save holds it up to the last move, and a battle
// that ends takes its save with it. A network game is recorded, but not saved to be resumed.
// Every decided battle's record is written as the last one, for its replay.
class GameJournal {
  public:
    GameJournal(Files& files, QString programVersion);

    static inline const QString kSaveFile = QStringLiteral("battle.kvr");
    static inline const QString kLastFile = QStringLiteral("last.kvr");

    // A game has just been set up: its record starts, and is saved.
    void Begin(const Game& game, const Settings& settings);
    // A resumed game goes on with the record it was read from.
    void Continue(const GameRecord& record);
    // A move has been made (against the computer: the first side's, and the computer has
    // answered, with its answer where the record keeps it; in a network game: either side's);
    // once the game is over the save is gone.
    void Played(const Move& move, const Game& game, std::optional<Move> answer = std::nullopt);
    // No game is kept any more (the battle was left for good or its save refused).
    void Stop() { record_.reset(); }
    bool Keeping() const { return record_.has_value(); }
    const GameRecord* Record() const { return record_ ? &*record_ : nullptr; }
    // The record of the last battle that was decided, for its replay.
    const GameRecord* LastRecord() const { return last_ ? &*last_ : nullptr; }

    // The save of an unfinished battle.
    enum class Saved { None, Readable, Damaged };
    Saved Load(GameRecord& record, QString* error) const;
    void Discard();

  private:
    void Save();

    Files& files_;
    QString version_;
    std::optional<GameRecord> record_;
    std::optional<GameRecord> last_;
};

}  // namespace kvd
