// A game record or a save as anyone may write, damage or share it: read, checked, and played
// again for its first moves.
#include "core/fleet_file.h"
#include "core/game.h"
#include "opponent/computer_opponent.h"
#include "platform/files.h"
#include "play/game_record.h"
#include "tools/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = kvd::DecodeLines(FuzzBytes(data, size));
    kvd::GameRecord record;
    QString error;
    if (!kvd::ReadRecord(lines, record, &error)) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    // What the check lets through starts a game on a sound table, and reads back the same.
    kvd::GameRecord again;
    FUZZ_CHECK(kvd::ReadRecord(kvd::RecordLines(record, QStringLiteral("0.1")), again, &error));
    FUZZ_CHECK(again.moves.size() == record.moves.size() && again.table == record.table);
    kvd::Game game;
    kvd::Settings settings;
    if (!kvd::StartFromRecord(record, game, settings, &error)) return 0;
    FUZZ_CHECK(kvd::CheckFleetLines(QStringLiteral("fuzz"), game.scratchpad.Lines()).isEmpty());
    kvd::ComputerOpponent computer;
    const bool whole = kvd::Replay(record, game, settings, &computer, 6, &error);
    FUZZ_CHECK(whole || !error.isEmpty());
    return 0;
}
