#pragma once
#include <QChar>
#include <QString>
#include <QStringList>

namespace kvd {

class Files;
class UnitTable;

// The working copy that is loaded: a copy of the selected fleet file, made before every game.
inline const QString kShipsWorkingCopy = QStringLiteral("config\\ships.cfg");

// Shown (error box, OK) when the fleet file cannot be copied to the working copy; the game
// then ends.
inline const QString kShipsFileFailure = QStringLiteral(
    "  I/O Operation failed with ships file!   \r\r   Closing down Game...  Please reinstall "
    "Korvald!  "
    " ");

// The fleet file of a game: "config\" + navy letter + "ships" + stage + ".cfg". Mode 1 and 2
// are the campaign stages 1 and 2; 0 (single game) and 3 (last stage) use the plain file.
// A hosted network game uses the plain file of its navy too.
QString FleetFileName(int gameMode, QChar homeNavy);

enum class FleetLoad {
    Ok,
    Missing,     // there is no such fleet file: report `error` and go back
    CopyFailed,  // the working copy could not be made: show kShipsFileFailure and end
    Malformed,   // loaded, but a line is not a valid unit line: report `error` and go back
};

// Loads a fleet: checks the fleet file is there, deletes the working copy, copies the fleet file
// over it, clears the table and loads every line of the copy, line 0 included. Then checks every
// line: each unit line must pass CheckUnitLine, codes must be unique, there may be at most 127
// lines after the header, and both sides must bring at least one unit. `error` names the file and
// line (counting from 1) of the first fault.
FleetLoad LoadFleet(Files& files, const QString& fleetFile, UnitTable& table, QString* error);

// The check LoadFleet makes, on lines as read (line 0 the header).
QString CheckFleetLines(const QString& fileName, const QStringList& lines);

}  // namespace kvd
