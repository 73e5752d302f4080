#include "play/move.h"

#include "core/unit_codes.h"
#include "core/unit_table.h"

namespace kvd {

int SupplyShipOf(Side side) {
    return side == kSecondSide ? kSecondSupplyCode : kFirstSupplyCode;
}

QString MoveDigits(const Move& m) {
    return TwoDigits(m.code) + TwoDigits(m.toColumn) + TwoDigits(m.toRow) +
           TwoDigits(m.fromColumn) + TwoDigits(m.fromRow);
}

bool ReadMoveDigits(const QString& text, int at, Move& m) {
    int numbers[5];
    for (int k = 0; k < 5; ++k)
        if ((numbers[k] = ReadNumber(text, at + 1 + 2 * k, 2)) < 0) return false;
    m.code = numbers[0];
    m.toColumn = numbers[1];
    m.toRow = numbers[2];
    m.fromColumn = numbers[3];
    m.fromRow = numbers[4];
    return true;
}

QString MoveRecord(const Move& m) {
    return QStringLiteral("[Move]=") + MoveDigits(m);
}

QString RepairRecord(const Move& m) {
    return QStringLiteral("[Repair]=") + TwoDigits(SupplyShipOf(m.side)) + TwoDigits(m.code);
}

QString PeerRecord(const Move& m) {
    return m.kind == MoveKind::Repair ? RepairRecord(m) : MoveRecord(m);
}

Move MoveOfPeerRecord(const QString& record, Side side) {
    Move m;
    m.side = side;
    if (record.size() == 13 && record.startsWith(QLatin1String("[Repair]="))) {
        const int supply = ReadNumber(record, 10, 2), target = ReadNumber(record, 12, 2);
        if (supply != SupplyShipOf(side) || target < 0) return Move{side};
        m.code = target;
        m.kind = MoveKind::Repair;
        return m;
    }
    if (record.size() != 17 || !record.startsWith(QLatin1String("[Move]=")) ||
        !ReadMoveDigits(record, 7, m))
        return Move{side};
    m.kind = MoveKind::Step;
    return m;
}

}  // namespace kvd
