#include "play/game_journal.h"

#include "core/game.h"
#include "platform/files.h"
#include "play/record_file.h"

namespace kvd {

GameJournal::GameJournal(Files& files, QString programVersion)
    : files_(files), version_(std::move(programVersion)) {}

void GameJournal::Begin(const Game& game, const Settings& settings, const QDateTime& now) {
    record_ = BeginRecord(game, settings);
    record_->began = now;
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
        const bool written = Write(kLastFile, RecordLines(*record_, version_));
        last_ = std::move(record_);
        record_.reset();
        // The save's trouble is over with the battle; the last record's is not.
        if (written) trouble_.reset();
        if (!network) Discard();
        return;
    }
    if (!network) Save();
}

void GameJournal::Save() {
    // A save that cannot be written leaves the last one in place; the game goes on.
    if (Write(kSaveFile, RecordLines(*record_, version_))) trouble_.reset();
}

bool GameJournal::Write(const QString& name, const QStringList& lines) {
    QString why;
    if (files_.SaveLines(name, lines, &why)) return true;
    if (!trouble_) told_ = false;
    trouble_ = Trouble{ShownPath(files_.Resolve(name)), why};
    return false;
}

std::optional<GameJournal::Trouble> GameJournal::TakeTrouble() {
    std::optional<Trouble> trouble = std::move(trouble_);
    trouble_.reset();
    return trouble;
}

std::optional<GameJournal::Trouble> GameJournal::TakeNews() {
    if (!trouble_ || told_) return std::nullopt;
    told_ = true;
    return trouble_;
}

GameJournal::Saved GameJournal::Load(GameRecord& record, QString* error) const {
    if (!files_.Exists(kSaveFile)) return Saved::None;
    return LoadRecordFile(files_.Resolve(kSaveFile), record, error) ? Saved::Readable
                                                                    : Saved::Damaged;
}

void GameJournal::Discard() {
    // A save left behind would offer a decided battle again: that is trouble to tell as well.
    if (!files_.Delete(kSaveFile) && !trouble_) {
        told_ = false;
        trouble_ = Trouble{ShownPath(files_.Resolve(kSaveFile)),
                           QStringLiteral("the file cannot be removed.")};
    }
}

QString GameJournal::PutAside() {
    if (!files_.Exists(kSaveFile)) return {};
    if (!files_.Delete(kDamagedFile) || !files_.Copy(kSaveFile, kDamagedFile)) return {};
    return ShownPath(files_.Resolve(kDamagedFile));
}

}  // namespace kvd
