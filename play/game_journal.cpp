#include "play/game_journal.h"

#include "core/game.h"
#include "platform/files.h"

namespace kvd {

GameJournal::GameJournal(Files& files, QString programVersion)
    : files_(files), version_(std::move(programVersion)) {}

void GameJournal::Begin(const Game& game, const Settings& settings) {
    record_ = BeginRecord(game, settings);
    if (!game.NetGame) Save();
}

void GameJournal::Continue(const GameRecord& record) {
    record_ = record;
    Save();
}

void GameJournal::Played(const Move& move, const Game& game, std::optional<Move> answer) {
    if (!record_) return;
    record_->moves.push_back({move, RecordChecksum(record_->format, game.scratchpad), 0, answer});
    const bool network = game.NetGame;
    if (!game.GameActive || game.GameOver) {
        // The battle is decided: nothing is left to resume, and it can be watched again.
        files_.SaveLines(kLastFile, RecordLines(*record_, version_));
        last_ = std::move(record_);
        record_.reset();
        if (!network) Discard();
        return;
    }
    if (!network) Save();
}

void GameJournal::Save() {
    // A save that cannot be written (a full disk) leaves the last one in place; the game goes on.
    files_.SaveLines(kSaveFile, RecordLines(*record_, version_));
}

GameJournal::Saved GameJournal::Load(GameRecord& record, QString* error) const {
    if (!files_.Exists(kSaveFile)) return Saved::None;
    QStringList lines;
    if (!files_.LoadLines(kSaveFile, lines)) {
        if (error) *error = QStringLiteral("the file cannot be read.");
        return Saved::Damaged;
    }
    return ReadRecord(lines, record, error) ? Saved::Readable : Saved::Damaged;
}

void GameJournal::Discard() {
    files_.Delete(kSaveFile);
}

}  // namespace kvd
