#pragma once
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>
#include "core/side.h"

namespace kvd {

// Unit line columns (1-based, as the file format counts them).
namespace col {
constexpr int kSide = 1;
constexpr int kStrength = 3;
constexpr int kDamageState = 5;
constexpr int kHeading = 10;
constexpr int kAttackPriority = 12;  // read only in the computer opponent's copies
constexpr int kBlocked = 15;
constexpr int kRevealed = 18;
constexpr int kName = 20;  // 18 characters
constexpr int kNameWidth = 18;
constexpr int kRepairCount = 38;
constexpr int kKindName = 40;  // 10 characters
constexpr int kKindNameWidth = 10;
constexpr int kPrevX = 50;
constexpr int kPrevY = 52;
constexpr int kPosX = 55;
constexpr int kPosY = 57;
constexpr int kAttackerCode = 65;  // read only in the computer opponent's copies
constexpr int kCode = 69;
}  // namespace col

constexpr int kUnitLineLength = 70;
constexpr int kMaxUnitLines = 127;
constexpr int kBoardSize = 10;

// Directions '1' to '8' number the neighbour cells: 1 NW, 2 N, 3 NE, 4 W, 5 E, 6 SW, 7 S, 8 SE.
struct Offset {
    int dc;
    int dr;
};
// The tables live at namespace scope: one inside a function may be built on the stack at every
// call, and these are asked for every neighbour of every unit, every turn.
inline constexpr Offset kDirectionOffsets[9] = {{0, 0}, {-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                                {1, 0}, {-1, 1},  {0, 1},  {1, 1}};
inline constexpr int kDirectionCodes[3][3] = {{1, 2, 3}, {4, 0, 5}, {6, 7, 8}};
// The offset of a direction code 1 to 8 ({0, 0} for any other number).
constexpr Offset DirectionOffset(int direction) {
    return direction >= 1 && direction <= 8 ? kDirectionOffsets[direction] : Offset{0, 0};
}
// The direction code from one cell to a neighbour cell, or 0 when they are not neighbours.
constexpr int DirectionTo(int fromColumn, int fromRow, int toColumn, int toRow) {
    const int dc = toColumn - fromColumn, dr = toRow - fromRow;
    if (dc < -1 || dc > 1 || dr < -1 || dr > 1) return 0;
    return kDirectionCodes[dr + 1][dc + 1];
}
// Columns and rows differ by at most one and the cells are not the same.
constexpr bool AreNeighbours(int column1, int row1, int column2, int row2) {
    const int dc = column1 - column2, dr = row1 - row2;
    return dc >= -1 && dc <= 1 && dr >= -1 && dr <= 1 && (dc != 0 || dr != 0);
}
constexpr bool OnBoard(int column, int row) {
    return column >= 0 && column < kBoardSize && row >= 0 && row < kBoardSize;
}

// The table of every unit of both sides: fixed-width text lines, line 0 a header. The lines
// are the storage and the file and wire form; the accessors read and write single fields so
// no rule counts columns by hand. Reading a field that does not hold digits (or lies past the
// end of a short line) gives -1, never a crash; writing to a short line pads it with blanks.
// The fields of every line are also kept parsed, and kept in step with every write, so the
// rules read numbers, not text.
class UnitTable {
  public:
    UnitTable();  // line 0 only: the header a table has before any game

    // Removes every line, line 0 included (loading a fleet then supplies line 0).
    void Clear();
    // Back to the state before any game.
    void Reset();

    int Count() const { return int(lines_.size()); }
    // Index of the last line (0 when only the header is there).
    int Last() const { return Count() - 1; }
    const QString& Line(int i) const { return lines_[i]; }
    void SetLine(int i, const QString& line);
    void Append(const QString& line);
    void Remove(int i);
    const QStringList& Lines() const { return lines_; }
    void SetLines(const QStringList& lines);

    // A unit line starts with a side letter; scans skip any other line (it has no side).
    std::optional<kvd::Side> Side(int i) const { return fields_[size_t(i)].side; }
    bool IsUnit(int i) const { return Side(i).has_value(); }

    int Strength(int i) const { return fields_[size_t(i)].strength; }
    int DamageState(int i) const { return fields_[size_t(i)].damage; }
    int Heading(int i) const { return fields_[size_t(i)].heading; }
    QChar Blocked(int i) const { return fields_[size_t(i)].blocked; }
    QChar Revealed(int i) const { return fields_[size_t(i)].revealed; }
    bool IsRevealed(int i) const { return Revealed(i) == QLatin1Char('1'); }
    QString UnitName(int i) const;  // all 18 characters, padded
    int RepairCount(int i) const { return fields_[size_t(i)].repairs; }
    QString KindName(int i) const;  // all 10 characters, padded
    // The name and the kind's name as they are shown (see CutName).
    QString ShownName(int i) const;
    QString ShownKindName(int i) const;
    int PrevX(int i) const { return fields_[size_t(i)].prevX; }
    int PrevY(int i) const { return fields_[size_t(i)].prevY; }
    int PosX(int i) const { return fields_[size_t(i)].posX; }
    int PosY(int i) const { return fields_[size_t(i)].posY; }
    int Code(int i) const { return fields_[size_t(i)].code; }

    void SetStrength(int i, int strength);
    void SetDamageState(int i, int state);
    void SetHeading(int i, int heading);
    void SetBlocked(int i, QChar c);
    void SetRevealed(int i, QChar c);
    void SetRepairCount(int i, int count);
    void SetPrev(int i, int column, int row);
    void SetPos(int i, int column, int row);
    // Writes one character at a 1-based column (padding a short line).
    void SetChar(int i, int column, QChar c);

    // Changes with every change of any line (0 for a table never written): a rule that reads
    // the whole table can tell that it has not changed since it last read it.
    std::uint64_t Revision() const { return revision_; }

    // Index of the unit line with this code (the last such line, as a scan of the table finds
    // it; codes are unique), or -1. FindSide also requires the side letter.
    int Find(int code) const {
        if (!IsIndexedCode(code)) return FindByScan(code);
        if (codesStale_) MakeCodeIndex();
        return std::max(lineOf_[0][size_t(code)], lineOf_[1][size_t(code)]);
    }
    int FindSide(int code, kvd::Side side) const {
        if (!IsIndexedCode(code)) return FindSideByScan(code, side);
        if (codesStale_) MakeCodeIndex();
        return lineOf_[side == kFirstSide ? 0 : 1][size_t(code)];
    }
    // Index of the first unit line standing on a cell, or -1.
    bool UnitExists(int code) const { return Find(code) >= 0; }
    // Units of either side, other than `code`, on the cell of the unit with that code
    // (0 when there is no such unit).
    int CountCellMates(int code) const;

    // Who stands on a cell, the radar aircraft left out (it flies above the ships): the side of
    // the last such unit in table order (none for an empty cell, or off the board), and
    // whether a unit of a side is there.
    std::optional<kvd::Side> OccupantSide(int column, int row) const {
        const Cell* cell = Occupant(column, row);
        if (!cell) return std::nullopt;
        return LastSideOn(*cell);
    }
    bool Holds(kvd::Side side, int column, int row) const {
        const Cell* cell = Occupant(column, row);
        return cell && HoldsOn(*cell, side);
    }
    // The same questions for a scan of many cells: the occupants of every cell at once
    // (row * kBoardSize + column), read once and asked per cell.
    using Cell = std::uint8_t;
    const std::array<Cell, kBoardSize * kBoardSize>& Occupants() const {
        if (cellsStale_) MakeCells();
        return cells_;
    }
    static std::optional<kvd::Side> LastSideOn(Cell cell) {
        if (!(cell & (kLastFirst | kLastSecond))) return std::nullopt;
        return (cell & kLastFirst) ? kFirstSide : kSecondSide;
    }
    static bool HoldsOn(Cell cell, kvd::Side side) {
        return cell & (side == kFirstSide ? kFirstThere : kSecondThere);
    }

  private:
    // A line's fields as the accessors give them.
    struct Fields {
        std::optional<kvd::Side> side;
        QChar blocked, revealed;
        int strength, damage, heading, repairs, prevX, prevY, posX, posY, code;
    };
    static Fields Parse(const QString& line);
    void SetNumber(int i, int column, int width, int value, int Fields::*field);
    void Reparse(int i) {
        Fields& f = fields_[size_t(i)];
        const Fields was = f;
        f = Parse(lines_[i]);
        // Only who stands where makes the occupants stale.
        if (f.side != was.side || f.code != was.code || f.posX != was.posX || f.posY != was.posY)
            cellsStale_ = true;
        if (f.side != was.side || f.code != was.code) codesStale_ = true;
    }
    void MarkStale() { cellsStale_ = codesStale_ = true; }
    void ReparseAll();

    // The cells' occupants, made afresh on the first look after a change.
    // A cell is one byte, so clearing the board is one small fill: whether a unit of each side
    // is there, and the side of the last in table order.
    enum CellBits : std::uint8_t {
        kFirstThere = 1,
        kSecondThere = 2,
        kLastFirst = 4,
        kLastSecond = 8
    };
    const Cell* Occupant(int column, int row) const {
        if (!OnBoard(column, row)) return nullptr;
        if (cellsStale_) MakeCells();
        return &cells_[size_t(row * kBoardSize + column)];
    }
    void MakeCells() const;
    // Every change of a line gives the table a revision number never given before, so two
    // tables with one revision are one table and its unchanged copy.
    void Touch();
    std::uint64_t revision_ = 0;

    QStringList lines_;
    std::vector<Fields> fields_;  // one a line, in step with lines_
    // Made afresh on the first look after a change (so a copy of the table costs no allocation).
    mutable std::array<Cell, kBoardSize * kBoardSize> cells_{};
    mutable bool cellsStale_ = true;

    // The line of each code on each side (-1 none; the last such line, as a scan finds it),
    // made afresh on the first look after a unit's side or code changed or a line came or went.
    // The rules look units up by code many times a turn.
    static constexpr int kIndexedCodes = 100;
    static constexpr bool IsIndexedCode(int code) { return code >= 0 && code < kIndexedCodes; }
    void MakeCodeIndex() const;
    int FindByScan(int code) const;
    int FindSideByScan(int code, kvd::Side side) const;
    mutable std::array<std::array<int, kIndexedCodes>, 2> lineOf_{};
    mutable bool codesStale_ = true;
};

// A unit of one side with its code and cell, read once for rules that pair every unit of
// one side with every unit of the other.
struct UnitPlace {
    int line;
    int code;
    int column;
    int row;
};
// The unit lines of a side, in table order.
std::vector<UnitPlace> UnitsOf(const UnitTable& table, Side side);
// How many units of a side have a code each `is` picks, in one reading of the table.
template <typename... Is>
std::array<int, sizeof...(Is)> CountUnitsBy(const UnitTable& table, Side side, Is... is) {
    std::array<int, sizeof...(Is)> n{};
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != side) continue;
        const int code = table.Code(i);
        size_t k = 0;
        ((n[k++] += is(code)), ...);
    }
    return n;
}
// How many units of a side have a code `is` picks.
template <typename Is>
int CountUnits(const UnitTable& table, Side side, Is is) {
    return CountUnitsBy(table, side, is)[0];
}

// The header a table holds before any game.
inline const QString kEmptyTableHeader = QStringLiteral("ScratchPad........");

// Reads a run of decimal digits at a 1-based column; -1 when the run is not all digits or
// lies past the end of the line.
int ReadNumber(const QString& line, int column, int width);
// Writes a number as `width` decimal digits (leading zeros) at a 1-based column, padding a
// short line with blanks. Two-digit fields: 9 is written "09".
void WriteNumber(QString& line, int column, int width, int value);
QString TwoDigits(int value);

// A padded name field as it is shown: NULs go, runs of blanks shrink to one, a blank at the
// end goes. "HMS  Hood         " gives "HMS Hood".
QString CutName(QStringView name);
inline QString CutName(const QString& name) {
    return CutName(QStringView(name));
}

// Why a line cannot be a unit line of a fleet file (an empty text when it can): a side letter
// in column 1, at least 70 characters, digits in every column the game reads as a number,
// and a code from the code table on the side its letter names.
QString CheckUnitLine(const QString& line);

}  // namespace kvd
