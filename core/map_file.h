#pragma once
#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "core/unit_table.h"

namespace kvd {

class Files;

// A preset entry of a map: the first-side unit `code` starts on `cell` ("CCRR").
struct Preset {
    int code;
    QString cell;
};

// The lines of the running game's map file: header lines 0 to 3 (project name, picture path,
// home position letter, region letter; each value starts at column 13), then entries: land
// cells "CCRR", presets "[NN]CCRR", and "#" for a removed entry.
class MapLines {
  public:
    void Clear() { SetLines({}); }
    const QStringList& Lines() const { return lines_; }
    void SetLines(const QStringList& lines);

    // Column 13 of line 2: 'L', 'R', 'T' or 'B' on a valid map; a null character when missing.
    QChar HomePosition() const;
    // Column 13 of line 3: 'E' Europe, 'A' Asia / Pacific.
    QChar Region() const;
    // The picture path of line 1 (its first 12 characters removed).
    QString PicturePath() const;

    // A cell is land when any line after line 0 is exactly four characters, does not begin
    // with "[", and reads as that column and row.
    bool IsLand(int column, int row) const {
        return OnBoard(column, row) && land_[size_t(row * 10 + column)];
    }
    // Every cell's land at once (row * 10 + column), for a scan of many cells.
    const std::array<bool, 100>& Land() const { return land_; }
    // Any line after line 0 with "[" in column 1 and "]" in column 4.
    bool HasPresetLines() const;
    // The well-formed preset entries, in file order.
    std::vector<Preset> Presets() const;

  private:
    QStringList lines_;
    // The land cells, read once from the lines: every radar string asks for eight of them.
    std::array<bool, 100> land_{};
};

// "maps\" + name + ".map"
QString MapFileName(const QString& mapName);
// A map is named, never pointed at: letters and digits (a built-in one "$" first), up to 40 of
// them, so its file is always one in the maps folder.
bool IsMapName(const QString& mapName);
// The map played when the settings name none that could be: the standard one.
inline const QString kStandardMap = QStringLiteral("$STANDARD");
// A map's name as a player reads it: a built-in one without its "$" ("ICELAND").
QString ShownMapName(const QString& mapName);
// Built-in maps are named with a leading "$"; their picture is the built-in picture of the
// name without it.
bool IsBuiltInMap(const QString& mapName);
QString BuiltInPictureName(const QString& mapName);

// Why the lines of a map file would not make a playable game (empty when they would): fewer
// than four header lines, or a home position letter other than L, R, T, B. Entries of any
// other form than a land cell or a preset on the board are ignored, as every reader ignores
// them. The reason names the line (counting from 1, as an editor shows it).
QString CheckMapLines(const QStringList& lines);

// Loads "maps\NAME.map" into map. False with a reason naming the file (as the player's system
// writes its path) and line when the file is missing, unreadable or unplayable; map is left
// empty then.
bool LoadMap(const Files& files, const QString& mapName, MapLines& map, QString* error);

// The map list: every "maps\*.map" (letter case ignored) without its last four characters,
// in alphabetical order; a file whose name is no map name is left out.
QStringList MapList(const Files& files);

// Column 13 of line 3 of a map file; a null character when it cannot be read.
QChar MapRegion(const Files& files, const QString& mapName);

}  // namespace kvd
