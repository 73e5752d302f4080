#pragma once
#include <QChar>
#include <QString>
#include <QStringList>
#include <array>

namespace kvd {

// A kind of ship the editor places: the language text of its list entry, how
// many the first side brings, and the unit code written for it while its counter shows 3, 2
// or 1 (0: never).
struct EditorShipKind {
    int entry;
    int count;
    std::array<int, 3> codes;  // for the counter at 3, 2, 1
};
extern const std::array<EditorShipKind, 10> kEditorShipKinds;

// The map file being made in the editor: the four header lines, then land cells "CCRR" and
// ship places "[NN]CCRR" in the order they were clicked; an undone entry becomes "#" and
// stays. Also the land count and the ship counters the editor's steps go by.
class MapSheet {
  public:
    static constexpr int kMaxLand = 18;
    MapSheet() { Reset(); }

    const QStringList& Lines() const { return lines_; }
    // The four empty header lines and nothing else.
    void Reset();

    // 1 + the land entries so far (the editor refreshes LandCount with it on land clicks).
    int CountLand() const;
    int LandCount = 0;

    bool IsLand(int column, int row) const;
    // False when the cell is land already.
    bool AddLand(int column, int row);
    // Every entry of the cell becomes "#".
    void UndoLand(int column, int row);

    // A ship stands on the cell.
    bool HasShip(int column, int row) const;
    // Whether a cell lies in the home band of an edge (four columns or rows from it).
    static bool InHomeBand(QChar home, int column, int row);
    // Places a ship of the kind on the cell: the code written, or 0 when none is left.
    int PlaceShip(int kind, int column, int row);
    // Every ship entry becomes "#" and every counter starts again.
    void UndoShips();
    void ResetCounters();
    const std::array<int, 10>& Counters() const { return counters_; }
    bool AllShipsPlaced() const;

    // The lines as stored: the header completed with the name, the picture path, the home
    // letter and 'E' (Europe) or 'A' (Asia / Pacific), each after its 12-character key.
    QStringList Stored(const QString& name, const QString& picturePath, QChar home,
                       bool europe) const;

    // Names a map may not be stored under: the built-in maps' and any beginning with "$".
    static bool Reserved(const QString& name);
    // The picture's path as a map names it: from the first of the folders that holds the
    // picture, with backslashes as the game names its files, so the folder may move with the
    // map; the whole path when none holds it.
    static QString PictureEntry(const QString& picture, const QStringList& folders);
    // The cell index of a window coordinate: the grid starts at `origin`, cells are `size`
    // wide, anything before the first line is cell 0, and a coordinate on a grid line or
    // past the last cell gives `previous`.
    static int CellOf(int coordinate, int origin, int size, int previous);

  private:
    QStringList lines_;
    std::array<int, 10> counters_{};
};

}  // namespace kvd
