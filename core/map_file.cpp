#include "core/map_file.h"

#include <algorithm>

#include "core/unit_codes.h"
#include "core/unit_table.h"
#include "platform/files.h"

namespace kvd {

namespace {
constexpr int kValueColumn = 13;  // every header value starts here
constexpr int kHeaderLines = 4;

QChar ValueLetter(const QStringList& lines, int index) {
    if (index >= lines.size() || lines[index].size() < kValueColumn) return QChar();
    return lines[index][kValueColumn - 1];
}

bool IsLandForm(const QString& line) {
    return line.size() == 4 && !line.startsWith(QLatin1Char('['));
}

bool IsPresetForm(const QString& line) {
    return line.size() >= 4 && line[0] == QLatin1Char('[') && line[3] == QLatin1Char(']');
}

bool ValidCell(const QString& cell) {
    return cell.size() == 4 && OnBoard(ReadNumber(cell, 1, 2), ReadNumber(cell, 3, 2));
}
}  // namespace

QChar MapLines::HomePosition() const {
    return ValueLetter(lines_, 2);
}
QChar MapLines::Region() const {
    return ValueLetter(lines_, 3);
}

QString MapLines::PicturePath() const {
    return lines_.size() > 1 ? lines_[1].mid(kValueColumn - 1) : QString();
}

void MapLines::SetLines(const QStringList& lines) {
    lines_ = lines;
    land_.fill(false);
    for (int i = 1; i < lines_.size(); ++i) {
        const QString& line = lines_[i];
        const int column = ReadNumber(line, 1, 2), row = ReadNumber(line, 3, 2);
        if (IsLandForm(line) && OnBoard(column, row)) land_[size_t(row * 10 + column)] = true;
    }
}

bool MapLines::HasPresetLines() const {
    for (int i = 1; i < lines_.size(); ++i)
        if (IsPresetForm(lines_[i])) return true;
    return false;
}

std::vector<Preset> MapLines::Presets() const {
    std::vector<Preset> presets;
    for (int i = 1; i < lines_.size(); ++i) {
        const QString& line = lines_[i];
        if (!IsPresetForm(line) || line.size() != 8) continue;
        const int code = ReadNumber(line, 2, 2);
        const QString cell = line.mid(4, 4);
        if (code >= 0 && ValidCell(cell)) presets.push_back({code, cell});
    }
    return presets;
}

QString MapFileName(const QString& mapName) {
    return QStringLiteral("maps\\") + mapName + QStringLiteral(".map");
}

bool IsMapName(const QString& mapName) {
    const QStringView name = IsBuiltInMap(mapName) ? QStringView(mapName).mid(1) : mapName;
    if (name.isEmpty() || name.size() > 40) return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

QString ShownMapName(const QString& mapName) {
    return IsBuiltInMap(mapName) ? mapName.mid(1) : mapName;
}

bool IsBuiltInMap(const QString& mapName) {
    return mapName.startsWith(QLatin1Char('$'));
}

QString BuiltInPictureName(const QString& mapName) {
    return IsBuiltInMap(mapName) ? mapName.mid(1) : mapName;
}

QString CheckMapLines(const QStringList& lines) {
    // Entries that are neither a land cell nor a preset of the board are passed over by every
    // reader, so only what would leave a game without a home edge refuses a map.
    if (lines.size() < kHeaderLines)
        return QStringLiteral("the map has %1 lines, it needs the four header lines")
            .arg(lines.size());
    const QChar home = ValueLetter(lines, 2);
    if (home.isNull() || !QStringLiteral("LRTB").contains(home))
        return QStringLiteral("line 3: the home position is not L, R, T or B");
    return {};
}

bool LoadMap(const Files& files, const QString& mapName, MapLines& map, QString* error) {
    map.Clear();
    if (!IsMapName(mapName)) {
        if (error)
            *error = QStringLiteral("\"%1\" is not the name of a map.").arg(mapName.left(60));
        return false;
    }
    const QString fileName = MapFileName(mapName);
    const QString shown = ShownPath(fileName);
    QStringList lines;
    if (!files.LoadLines(fileName, lines)) {
        if (error)
            *error = QStringLiteral("The map file %1 is missing or cannot be read.").arg(shown);
        return false;
    }
    const QString fault = CheckMapLines(lines);
    if (!fault.isEmpty()) {
        if (error) *error = QStringLiteral("The map file %1 is damaged: %2.").arg(shown, fault);
        return false;
    }
    map.SetLines(lines);
    return true;
}

QStringList MapList(const Files& files) {
    QStringList names;
    for (const QString& file : files.List(QStringLiteral("maps"), QStringLiteral("*.MAP")))
        if (IsMapName(file.left(file.size() - 4))) names << file.left(file.size() - 4);
    return names;
}

QChar MapRegion(const Files& files, const QString& mapName) {
    QStringList lines;
    if (!files.LoadLines(MapFileName(mapName), lines)) return QChar();
    return ValueLetter(lines, 3);
}

}  // namespace kvd
