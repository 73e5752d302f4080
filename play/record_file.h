#pragma once
#include <QString>

#include "play/game_record.h"

namespace kvd {

// A whole battle's record is some tens of kilobytes, and a game that ran to the simulator's turn
// limit has a few thousand moves; anything far beyond is no record of this game (a wrong file,
// or one grown by a fault) and is refused before it is read into memory.
constexpr qint64 kMaxRecordBytes = 1 << 20;
constexpr int kMaxRecordMoves = 10000;

// Reads the record in the file at path: false, with a reason a player can read, for a file
// that is missing, too large, not a record of this game or holds too many moves.
bool LoadRecordFile(const QString& path, GameRecord& record, QString* error);

}  // namespace kvd
