#include "mapeditor/map_sheet.h"

#include <QDir>
#include <QFileInfo>

#include "core/built_in_maps.h"
#include "core/fleet_placement.h"
#include "core/unit_table.h"

namespace kvd {

const std::array<EditorShipKind, 10> kEditorShipKinds = {{
    {250, 1, {0, 0, 2}},
    {251, 2, {0, 10, 9}},
    {252, 3, {13, 14, 15}},
    {253, 2, {0, 11, 12}},
    {254, 3, {16, 17, 18}},
    {255, 2, {0, 19, 20}},
    {256, 1, {0, 0, 22}},
    {257, 1, {0, 0, 21}},
    {258, 2, {0, 5, 6}},
    {259, 3, {23, 24, 25}},
}};

namespace {
const QStringList kKeys = {QStringLiteral("[ProjName] ="), QStringLiteral("[Map]      ="),
                           QStringLiteral("[Position] ="), QStringLiteral("[Location] =")};

QString Cell(int column, int row) {
    return TwoDigits(column) + TwoDigits(row);
}
}  // namespace

void MapSheet::Reset() {
    lines_ = kKeys;
}

int MapSheet::CountLand() const {
    int land = 0;
    for (int i = 1; i < lines_.size(); ++i)
        if (!lines_[i].startsWith(QLatin1Char('[')) && !lines_[i].startsWith(QLatin1Char('#')))
            ++land;
    return 1 + land;
}

bool MapSheet::IsLand(int column, int row) const {
    return lines_.contains(Cell(column, row));
}

bool MapSheet::AddLand(int column, int row) {
    if (IsLand(column, row)) return false;
    lines_ << Cell(column, row);
    return true;
}

void MapSheet::UndoLand(int column, int row) {
    const QString cell = Cell(column, row);
    for (QString& line : lines_)
        if (line == cell) line = QStringLiteral("#");
}

bool MapSheet::HasShip(int column, int row) const {
    const QString cell = Cell(column, row);
    for (const QString& line : lines_)
        if (line.startsWith(QLatin1Char('[')) && line.mid(4) == cell) return true;
    return false;
}

bool MapSheet::InHomeBand(QChar home, int column, int row) {
    return HomeBand(home, kFirstSide).contains(column, row);
}

int MapSheet::PlaceShip(int kind, int column, int row) {
    if (kind < 0 || kind >= int(counters_.size())) return 0;
    int& left = counters_[size_t(kind)];
    if (left < 1 || left > 3) return 0;
    const int code = kEditorShipKinds[size_t(kind)].codes[size_t(3 - left)];
    lines_ << QLatin1Char('[') + TwoDigits(code) + QLatin1Char(']') + Cell(column, row);
    --left;
    return code;
}

void MapSheet::UndoShips() {
    for (int i = 1; i < lines_.size(); ++i) {
        const QString& line = lines_[i];
        if (line.size() >= 4 && line[0] == QLatin1Char('[') && line[3] == QLatin1Char(']'))
            lines_[i] = QStringLiteral("#");
    }
    ResetCounters();
}

void MapSheet::ResetCounters() {
    for (size_t k = 0; k < counters_.size(); ++k) counters_[k] = kEditorShipKinds[k].count;
}

bool MapSheet::AllShipsPlaced() const {
    for (int left : counters_)
        if (left != 0) return false;
    return true;
}

QStringList MapSheet::Stored(const QString& name, const QString& picturePath, QChar home,
                             bool europe) const {
    QStringList stored = lines_;
    stored[0] = kKeys[0] + name;
    stored[1] = kKeys[1] + picturePath;
    stored[2] = kKeys[2] + home;
    stored[3] = kKeys[3] + (europe ? QLatin1Char('E') : QLatin1Char('A'));
    return stored;
}

bool MapSheet::Reserved(const QString& name) {
    // The built-in maps' names, with and without their "$", and any name starting with "$".
    return name.startsWith(QLatin1Char('$')) || BuiltInMaps().contains(QLatin1Char('$') + name);
}

QString MapSheet::PictureEntry(const QString& picture, const QStringList& folders) {
    const QString file = QFileInfo(picture).canonicalFilePath();
    for (const QString& folder : folders) {
        const QString root = QDir(folder).canonicalPath();
        if (file.isEmpty() || root.isEmpty() || !file.startsWith(root + QLatin1Char('/'))) continue;
        return file.mid(root.size() + 1).replace(QLatin1Char('/'), QLatin1Char('\\'));
    }
    return picture;
}

int MapSheet::CellOf(int coordinate, int origin, int size, int previous) {
    const int x = coordinate - origin;
    if (x < size) return 0;
    for (int c = 1; c <= 9; ++c)
        if (x > size * c && x < size * (c + 1)) return c;
    return previous;
}

}  // namespace kvd
