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
//
// A save that cannot be written (a full disk, a folder the player may not write) leaves the last
// one in place and is tried again after the next move; the journal keeps what went wrong until a
// save succeeds, so the board can say it once and again when the battle is left.
class GameJournal {
  public:
    GameJournal(Files& files, QString programVersion);

    static inline const QString kSaveFile = QStringLiteral("battle.kvr");
    static inline const QString kLastFile = QStringLiteral("last.kvr");
    // Where a save that could not be read is kept for a look at it (the last such one).
    static inline const QString kDamagedFile = QStringLiteral("battle.kvr.damaged");

    // A file the journal could not write, as the player's system names it, and why.
    struct Trouble {
        QString file;
        QString reason;
    };

    // A game has just been set up: its record starts, and is saved, with the time it began.
    void Begin(const Game& game, const Settings& settings, const QDateTime& now = {});
    // A resumed game goes on with the record it was read from.
    void Continue(const GameRecord& record);
    // A move has been made (against the computer: the first side's, and the computer has
    // answered, with its answer where the record keeps it; in a network game: either side's);
    // once the game is over the save is gone.
    void Played(const Move& move, const Game& game, std::optional<Move> answer = std::nullopt);
    // No game is kept any more (the battle was left for good or its save refused).
    void Stop() {
        record_.reset();
        trouble_.reset();
    }
    bool Keeping() const { return record_.has_value(); }
    const GameRecord* Record() const { return record_ ? &*record_ : nullptr; }
    // The record of the last battle that was decided, for its replay.
    const GameRecord* LastRecord() const { return last_ ? &*last_ : nullptr; }

    // The save of an unfinished battle.
    enum class Saved { None, Readable, Damaged };
    Saved Load(GameRecord& record, QString* error) const;
    void Discard();
    // Moves a save that could not be read aside, in place of the last one so kept, before a
    // new battle writes over it: where it is now, as the player's system names it, or empty
    // when it could not be moved.
    QString PutAside();

    // The save or last record the journal could not write, while it cannot.
    const std::optional<Trouble>& Failing() const { return trouble_; }
    // The trouble once, the first time it is asked for after it began.
    std::optional<Trouble> TakeNews();
    // The trouble, said when the battle is left, and then forgotten: the next save tells anew.
    std::optional<Trouble> TakeTrouble();

  private:
    void Save();
    // Writes one of the journal's files, keeping what went wrong.
    bool Write(const QString& name, const QStringList& lines);

    Files& files_;
    QString version_;
    std::optional<GameRecord> record_;
    std::optional<GameRecord> last_;
    std::optional<Trouble> trouble_;
    bool told_ = false;
};

}  // namespace kvd
