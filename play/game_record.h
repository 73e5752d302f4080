#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "core/settings.h"
#include "play/move.h"

namespace kvd {

class ComputerTurn;
class Game;
class UnitTable;

// The record's format; a record of a higher number is refused. From format 2 on a record ends
// with an end mark, so one cut short anywhere (a save the disk could not finish) is refused, and
// its checksums are the table's as both programs of a network game hold it (TableHash: what
// each side has identified left out, since that is its own view). A record of format 1, written
// before, has no end mark and checksums over every column, and is read, resumed and written
// again as it stands.
constexpr int kRecordFormat = 2;

// A game as a text: how it stood when it began (the settings, the map's lines, the unit table,
// every game variable and the state of its dice) and then the first side's moves, each with a
// checksum of the table once the computer has answered it. Applying the moves to the game as
// it began plays the same game again: the standard opponent's turns follow from the dice. The
// Admiral thinks within a time limit, so a machine under load may choose differently: a game
// against it keeps each of its moves beside the move it answered ("[Answer]="), and says so in
// its settings ("[Opponent]=A"). A record of the standard opponent has neither line and reads as
// before; a program from before the Admiral refuses a record of it rather than play it wrong. A
// save is the record of the game so far.
struct GameRecord {
    struct Played {
        Move move;
        QString checksum;  // the table after the move and the computer's turn
        // A draw of the game's dice the player made to choose the move (a self-play player
        // does), by its range; 0 for none.
        int draw = 0;
        // The computer's move that answered it, where the opponent's choice does not follow
        // from the dice (the Admiral's).
        std::optional<Move> answer;
    };
    Settings settings;
    QStringList mapLines;
    QStringList table;
    QStringList variables;
    QString dice;
    std::vector<Played> moves;
    // When the battle began, as its reports told the time ("[Began]="); a record from before
    // the line has none.
    QDateTime began;
    int format = kRecordFormat;  // the format it was written in, kept when written again
};

// A record of a game as it stands now, with no move yet.
GameRecord BeginRecord(const Game& game, const Settings& settings);
// The table's checksum as a record of the format keeps it after each move.
QString RecordChecksum(int format, const UnitTable& table);

QStringList RecordLines(const GameRecord& record, const QString& programVersion);
// False, with a reason a player can read, for a record that is broken or from a newer version;
// nothing of it is taken then.
bool ReadRecord(const QStringList& lines, GameRecord& record, QString* error);

// The game as the record began it: its table, map lines, variables and dice.
bool StartFromRecord(const GameRecord& record, Game& game, Settings& settings, QString* error);

// Plays one of the first side's moves as the board would: the unit selected, then stepped or
// asked for a repair (of the supply ship where it stands), and the computer's turn after it; a
// pass is the computer's turn alone. False for a move the rules do not allow: the unit is left
// selected, as a click would leave it, and nothing else changes.
bool PlayFirstSideMove(struct Rules& rules, const Move& move);

// Plays a recorded move of either kind of game: against the computer as PlayFirstSideMove; in a
// network game as the recording program made it, its own steps handed over to the peer, the
// peer's steps fought at its turn token, repairs on either side.
bool PlayRecordedMove(struct Rules& rules, const Move& move);
// One of a record's moves: the draw its player made of the game's dice, then the move played.
bool PlayRecorded(struct Rules& rules, const GameRecord::Played& played);

// Plays a record's moves (the first `count`, or all when negative) on a game started from it,
// with nothing shown. False at the first move the rules refuse or whose table differs from the
// record's checksum, with the move's number in the reason.
// Each game, when given, is looked at as the record began it (move 0) and after each move.
bool Replay(const GameRecord& record, Game& game, Settings& settings, ComputerTurn* computer,
            int count, QString* error,
            const std::function<void(const Game& game, int move)>& each = {});

}  // namespace kvd
