#include "opponent/repetition.h"

#include "core/unit_codes.h"
#include "core/unit_table.h"

namespace kvd {

std::uint64_t Placement(const QStringList& own, const Move* m) {
    // FNV-1a over code, cell and strength of every unit in table order.
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](int value) {
        h ^= std::uint64_t(value & 0xff);
        h *= 1099511628211ull;
    };
    for (const QString& line : own) {
        const int code = ReadNumber(line, col::kCode, 2);
        int x = ReadNumber(line, col::kPosX, 2), y = ReadNumber(line, col::kPosY, 2);
        if (m && m->code == code && m->kind == MoveKind::Step) x = m->toColumn, y = m->toRow;
        mix(code);
        mix(x);
        mix(y);
        mix(ReadNumber(line, col::kStrength, 1));
    }
    return h;
}

bool MovesTheFlagshipOrItsScreen(const QStringList& own, Side side, const Move& m) {
    const int flagCode = side == kFirstSide ? kFirstFlagshipCode : kSecondFlagshipCode;
    int fx = -9, fy = -9;
    for (const QString& line : own)
        if (ReadNumber(line, col::kCode, 2) == flagCode)
            fx = ReadNumber(line, col::kPosX, 2), fy = ReadNumber(line, col::kPosY, 2);
    return m.code == flagCode || AreNeighbours(m.fromColumn, m.fromRow, fx, fy);
}

}  // namespace kvd
