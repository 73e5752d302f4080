#pragma once
#include <QString>

#include "core/unit_table.h"

namespace kvd::test {

// A unit table line as a test wants it: side letter, code, strength and cell (its previous cell
// too), the rest as a fleet file would have it; the name, when given, takes the name column. The
// side a table letter stands for, as the tests' rows write it.
inline Side SideOf(char letter) {
    return *SideOfLetter(QLatin1Char(letter));
}

inline QString UnitLine(QChar side, int code, int strength, int column, int row,
                        const QString& name = QStringLiteral("Unit")) {
    QString line =
        QStringLiteral("E 5 0    3 5  0  0 Unit              0 Kind      0000 0000          00");
    line[0] = side;
    line.replace(19, 18, name.leftJustified(18, QLatin1Char(' '), true));
    WriteNumber(line, 3, 1, strength);
    WriteNumber(line, 50, 2, column);
    WriteNumber(line, 52, 2, row);
    WriteNumber(line, 55, 2, column);
    WriteNumber(line, 57, 2, row);
    WriteNumber(line, 69, 2, code);
    return line;
}

}  // namespace kvd::test
