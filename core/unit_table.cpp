#include "core/unit_table.h"

#include <atomic>
#include <cstdlib>

#include "core/unit_codes.h"

namespace kvd {

int ReadNumber(const QString& line, int column, int width) {
    if (column < 1 || width < 1 || column - 1 + width > line.size()) return -1;
    int value = 0;
    for (int k = 0; k < width; ++k) {
        const QChar c = line[column - 1 + k];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

namespace {
void PadTo(QString& line, int length) {
    if (line.size() < length) line += QString(length - line.size(), QLatin1Char(' '));
}
}  // namespace

void WriteNumber(QString& line, int column, int width, int value) {
    // A value that does not fit keeps its lowest digits; a negative value is written as 0.
    if (value < 0) value = 0;
    PadTo(line, column - 1 + width);
    QChar* digits = line.data() + column - 1;  // one detach, not one a digit
    for (int k = width - 1; k >= 0; --k) {
        digits[k] = QChar(u'0' + value % 10);
        value /= 10;
    }
}

std::vector<UnitPlace> UnitsOf(const UnitTable& table, Side side) {
    std::vector<UnitPlace> units;
    units.reserve(size_t(table.Count()));
    for (int i = 1; i < table.Count(); ++i)
        if (table.Side(i) == side)
            units.push_back({i, table.Code(i), table.PosX(i), table.PosY(i)});
    return units;
}

QString TwoDigits(int value) {
    QString text(2, QLatin1Char('0'));
    WriteNumber(text, 1, 2, value);
    return text;
}

UnitTable::UnitTable() {
    Reset();
}

namespace {
QChar CharAt(const QString& line, int column) {
    return column - 1 < line.size() ? line[column - 1] : QChar();
}
}  // namespace

UnitTable::Fields UnitTable::Parse(const QString& line) {
    Fields f;
    f.side = line.isEmpty() ? std::nullopt : SideOfLetter(line[0]);
    f.blocked = CharAt(line, col::kBlocked);
    f.revealed = CharAt(line, col::kRevealed);
    f.strength = ReadNumber(line, col::kStrength, 1);
    f.damage = ReadNumber(line, col::kDamageState, 1);
    f.heading = ReadNumber(line, col::kHeading, 1);
    f.repairs = ReadNumber(line, col::kRepairCount, 1);
    f.prevX = ReadNumber(line, col::kPrevX, 2);
    f.prevY = ReadNumber(line, col::kPrevY, 2);
    f.posX = ReadNumber(line, col::kPosX, 2);
    f.posY = ReadNumber(line, col::kPosY, 2);
    f.code = ReadNumber(line, col::kCode, 2);
    return f;
}

void UnitTable::Touch() {
    static std::atomic<std::uint64_t> revisions{0};
    revision_ = revisions.fetch_add(1, std::memory_order_relaxed) + 1;
}

void UnitTable::ReparseAll() {
    Touch();
    MarkStale();
    fields_.clear();
    fields_.reserve(size_t(lines_.size()));
    for (const QString& line : lines_) fields_.push_back(Parse(line));
}

void UnitTable::Clear() {
    lines_.clear();
    fields_.clear();
    Touch();
    MarkStale();
}

void UnitTable::Reset() {
    lines_ = QStringList{kEmptyTableHeader};
    ReparseAll();
}

void UnitTable::SetLine(int i, const QString& line) {
    lines_[i] = line;
    Touch();
    Reparse(i);
}

void UnitTable::Append(const QString& line) {
    // Parsed first: `line` may be one of this table's own lines, which the append can move.
    const Fields parsed = Parse(line);
    lines_.append(line);
    fields_.push_back(parsed);
    Touch();
    MarkStale();
}

void UnitTable::Remove(int i) {
    lines_.removeAt(i);
    fields_.erase(fields_.begin() + i);
    Touch();
    MarkStale();
}

void UnitTable::MakeCells() const {
    cells_.fill(Cell(0));
    for (size_t i = 1; i < fields_.size(); ++i) {
        const Fields& f = fields_[i];
        const bool first = f.side == kFirstSide;
        if (!f.side || (first && f.code == kReconPlaneCode) || !OnBoard(f.posX, f.posY)) continue;
        Cell& cell = cells_[size_t(f.posY * kBoardSize + f.posX)];
        cell = Cell((cell & (kFirstThere | kSecondThere)) |
                    (first ? kFirstThere | kLastFirst : kSecondThere | kLastSecond));
    }
    cellsStale_ = false;
}

void UnitTable::SetLines(const QStringList& lines) {
    lines_ = lines;
    ReparseAll();
}

QString UnitTable::UnitName(int i) const {
    return lines_[i].mid(col::kName - 1, col::kNameWidth);
}
QString UnitTable::KindName(int i) const {
    return lines_[i].mid(col::kKindName - 1, col::kKindNameWidth);
}
QString UnitTable::ShownName(int i) const {
    return CutName(QStringView(lines_[i]).mid(col::kName - 1, col::kNameWidth));
}
QString UnitTable::ShownKindName(int i) const {
    return CutName(QStringView(lines_[i]).mid(col::kKindName - 1, col::kKindNameWidth));
}

// Most writes of a turn rewrite what a field already holds, and a table's lines are shared
// with its copies until one is written: a field that holds the number already is left alone.
// (A parsed field equals a value from 0 up only where its digits are that value's.)
void UnitTable::SetNumber(int i, int column, int width, int value, int Fields::*field) {
    Fields& f = fields_[size_t(i)];
    if (value >= 0 && f.*field == value) return;
    Touch();
    QString& line = lines_[i];
    const bool whole = line.size() >= column - 1 + width;
    WriteNumber(line, column, width, value);
    if (!whole) {
        Reparse(i);  // padded: the blanks may stand where other fields were missing
        return;
    }
    f.*field = ReadNumber(line, column, width);
    if (field == &Fields::posX || field == &Fields::posY) cellsStale_ = true;
}

void UnitTable::SetStrength(int i, int strength) {
    SetNumber(i, col::kStrength, 1, strength, &Fields::strength);
}
void UnitTable::SetDamageState(int i, int state) {
    SetNumber(i, col::kDamageState, 1, state, &Fields::damage);
}
void UnitTable::SetHeading(int i, int heading) {
    SetNumber(i, col::kHeading, 1, heading, &Fields::heading);
}
void UnitTable::SetBlocked(int i, QChar c) {
    SetChar(i, col::kBlocked, c);
}
void UnitTable::SetRevealed(int i, QChar c) {
    SetChar(i, col::kRevealed, c);
}
void UnitTable::SetRepairCount(int i, int count) {
    SetNumber(i, col::kRepairCount, 1, count, &Fields::repairs);
}
void UnitTable::SetPrev(int i, int column, int row) {
    SetNumber(i, col::kPrevX, 2, column, &Fields::prevX);
    SetNumber(i, col::kPrevY, 2, row, &Fields::prevY);
}
void UnitTable::SetPos(int i, int column, int row) {
    SetNumber(i, col::kPosX, 2, column, &Fields::posX);
    SetNumber(i, col::kPosY, 2, row, &Fields::posY);
}
void UnitTable::SetChar(int i, int column, QChar c) {
    const QString& now = lines_.at(i);
    if (column >= 1 && column <= now.size() && now.at(column - 1) == c) return;
    Touch();
    QString& line = lines_[i];
    const bool padded = line.size() < column;
    PadTo(line, column);
    line[column - 1] = c;
    // The marks the rules set most often change one field alone.
    Fields& f = fields_[size_t(i)];
    if (!padded && column == col::kBlocked)
        f.blocked = c;
    else if (!padded && column == col::kRevealed)
        f.revealed = c;
    else
        Reparse(i);
}

int UnitTable::FindByScan(int code) const {
    // The whole table is scanned, as every rule does; codes are unique, so this is the one line.
    int found = -1;
    for (int i = 1; i < Count(); ++i)
        if (IsUnit(i) && Code(i) == code) found = i;
    return found;
}

int UnitTable::FindSideByScan(int code, kvd::Side side) const {
    int found = -1;
    for (int i = 1; i < Count(); ++i)
        if (Side(i) == side && Code(i) == code) found = i;
    return found;
}

void UnitTable::MakeCodeIndex() const {
    for (auto& side : lineOf_) side.fill(-1);
    for (size_t i = 1; i < fields_.size(); ++i) {
        const Fields& f = fields_[i];
        if (f.side && IsIndexedCode(f.code))
            lineOf_[*f.side == kFirstSide ? 0 : 1][size_t(f.code)] = int(i);
    }
    codesStale_ = false;
}

int UnitTable::CountCellMates(int code) const {
    const int self = Find(code);
    if (self < 0) return 0;
    const int x = PosX(self), y = PosY(self);
    int mates = 0;
    for (int i = 1; i < Count(); ++i)
        if (i != self && IsUnit(i) && PosX(i) == x && PosY(i) == y) ++mates;
    return mates;
}

QString CutName(QStringView name) {
    // Written into one buffer of the name's size: the fights and the battle log ask for names
    // on every turn.
    QString out(name.size(), Qt::Uninitialized);
    QChar* to = out.data();
    qsizetype n = 0;
    for (qsizetype k = 0; k < name.size(); ++k) {
        const QChar c = name[k];
        if (c.isNull()) continue;
        if (c == QLatin1Char(' ') && k + 1 < name.size() && name[k + 1] == QLatin1Char(' '))
            continue;
        to[n++] = c;
    }
    if (n > 0 && to[n - 1] == QLatin1Char(' ')) --n;
    out.truncate(n);
    return out;
}

QString CheckUnitLine(const QString& line) {
    if (line.isEmpty() || !SideOfLetter(line[0]))
        return QStringLiteral("no side letter E or D in column 1");
    if (line.size() < kUnitLineLength)
        return QStringLiteral("%1 characters, a unit line has at least %2")
            .arg(line.size())
            .arg(kUnitLineLength);
    struct Field {
        int column;
        int width;
        const char* what;
    };
    static const Field fields[] = {
        {col::kStrength, 1, "strength"},
        {col::kDamageState, 1, "damage state"},
        {col::kHeading, 1, "heading"},
        {col::kAttackPriority, 1, "attack priority"},
        {col::kRevealed, 1, "identified flag"},
        {col::kRepairCount, 1, "repair count"},
        {col::kPrevX, 2, "previous column"},
        {col::kPrevY, 2, "previous row"},
        {col::kPosX, 2, "column"},
        {col::kPosY, 2, "row"},
        {col::kCode, 2, "unit code"},
    };
    for (const Field& f : fields) {
        if (ReadNumber(line, f.column, f.width) < 0)
            return QStringLiteral("the %1 (column %2) is not a number")
                .arg(QLatin1String(f.what))
                .arg(f.column);
    }
    const int heading = ReadNumber(line, col::kHeading, 1);
    if (heading < 1 || heading > 8)
        return QStringLiteral("the heading (column %1) is not a direction 1 to 8")
            .arg(col::kHeading);
    if (ReadNumber(line, col::kDamageState, 1) > 2)
        return QStringLiteral("the damage state (column %1) is above 2").arg(col::kDamageState);
    for (int column : {col::kPrevX, col::kPrevY, col::kPosX, col::kPosY}) {
        if (ReadNumber(line, column, 2) >= kBoardSize)
            return QStringLiteral("the cell in column %1 is off the board").arg(column);
    }
    const int code = ReadNumber(line, col::kCode, 2);
    if (SideOfCode(code) != SideOfLetter(line[0]))
        return QStringLiteral("unit code %1 is not a code of side %2").arg(code).arg(line[0]);
    return {};
}

}  // namespace kvd
