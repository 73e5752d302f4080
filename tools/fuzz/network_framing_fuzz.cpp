// What a peer sends, cut into reads however the network cuts it, as far as the message reader
// and the move-record check: the reader hands over exactly the lines of the stream, whatever
// the cuts, and a record the check lets through names a unit of the sender on board cells.
// Cheap enough for millions of inputs; network_fuzz takes the same bytes through the whole
// exchange of a running program.
#include <algorithm>

#include "core/fleet_file.h"
#include "core/game.h"
#include "core/unit_codes.h"
#include "net/message_reader.h"
#include "platform/files.h"
#include "platform/pacing.h"
#include "play/legal_moves.h"
#include "play/move.h"
#include "tools/fuzz/fuzz_check.h"

namespace {

// A game on the shipped fleet of the Royal Navy and the Kriegsmarine.
kvd::Game& FleetGame() {
    static kvd::Game& game = []() -> kvd::Game& {
        auto* made = new kvd::Game();
        kvd::Files files(QStringLiteral(KORVALD_SOURCE_DIR "/data"));
        QStringList lines;
        FUZZ_CHECK(files.LoadLines(QStringLiteral("config/Eships.cfg"), lines));
        made->scratchpad.SetLines(lines);
        return *made;
    }();
    return game;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const QByteArray stream = FuzzBytes(data + 2, size - 2);

    // The lines of the stream as they stand, each without its line end.
    QList<QByteArray> expected = stream.split('\n');
    const bool unfinished = !stream.endsWith('\n');
    expected.removeLast();  // what follows the last line end is not a message yet

    kvd::MessageReader reader;
    QStringList messages;
    const uint8_t cuts = data[1];
    for (qsizetype at = 0, read = 0; at < stream.size(); ++read) {
        const qsizetype length = std::min(
            stream.size() - at, qsizetype(1 + ((cuts >> (read % 6)) & 7) * (1 + data[0] % 64)));
        reader.Feed(QByteArray::fromRawData(stream.constData() + at, length));
        at += length;
        QString message;
        while (reader.Next(message)) messages << message;
        if (reader.Overflowed()) break;
    }

    if (reader.Overflowed()) {
        // Only a line longer than the limit, finished or not, gives the connection up, and
        // every line before it was handed over.
        FUZZ_CHECK(messages.size() <= expected.size());
        const qsizetype longLine = messages.size();
        const qsizetype longest = longLine < expected.size()
                                      ? expected[longLine].size()
                                      : stream.size() - stream.lastIndexOf('\n') - 1;
        FUZZ_CHECK(longest > kvd::MessageReader::kLongestLine);
    } else {
        FUZZ_CHECK(messages.size() == expected.size());
        if (unfinished)
            FUZZ_CHECK(stream.size() - stream.lastIndexOf('\n') - 1 <=
                       kvd::MessageReader::kLongestLine);
    }
    for (qsizetype i = 0; i < messages.size(); ++i) {
        QByteArray line = expected[i];
        if (line.endsWith('\r')) line.chop(1);
        FUZZ_CHECK(messages[i] == QString::fromLatin1(line));
        FUZZ_CHECK(kvd::Framed(messages[i]) == line + "\r\n");
    }

    // A record the rules let through can be applied: its unit is the sender's, both cells are
    // on the board, and it is one of the moves the sender's board offers.
    const kvd::Game& game = FleetGame();
    for (const QString& message : messages) {
        for (kvd::Side side : {kvd::kFirstSide, kvd::kSecondSide}) {
            const kvd::Move move = kvd::MoveOfPeerRecord(message, side);
            if (move.kind == kvd::MoveKind::Pass || !kvd::IsLegal(game, move)) continue;
            FUZZ_CHECK(kvd::SideOfCode(move.code) == side);
            FUZZ_CHECK(game.scratchpad.FindSide(move.code, side) > 0);
            if (move.kind == kvd::MoveKind::Repair) continue;
            FUZZ_CHECK(kvd::OnBoard(move.fromColumn, move.fromRow));
            FUZZ_CHECK(kvd::OnBoard(move.toColumn, move.toRow));
            const std::vector<kvd::Move> legal = kvd::LegalMoves(game, side);
            FUZZ_CHECK(std::any_of(legal.begin(), legal.end(), [&](const kvd::Move& m) {
                return m.code == move.code && m.toColumn == move.toColumn && m.toRow == move.toRow;
            }));
        }
    }
    return 0;
}
