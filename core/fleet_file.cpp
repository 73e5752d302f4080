#include "core/fleet_file.h"

#include <QSet>

#include "core/unit_table.h"
#include "platform/files.h"

namespace kvd {

QString FleetFileName(int gameMode, QChar homeNavy) {
    QString stage;
    if (gameMode == 1) stage = QStringLiteral("1");
    if (gameMode == 2) stage = QStringLiteral("2");
    return QStringLiteral("config\\") + homeNavy + QStringLiteral("ships") + stage +
           QStringLiteral(".cfg");
}

QString CheckFleetLines(const QString& name, const QStringList& lines) {
    const QString fileName = ShownPath(name);
    if (lines.isEmpty()) return QStringLiteral("%1 is empty.").arg(fileName);
    if (lines.size() - 1 > kMaxUnitLines)
        return QStringLiteral("%1 has %2 unit lines; at most %3 fit.")
            .arg(fileName)
            .arg(lines.size() - 1)
            .arg(kMaxUnitLines);
    QSet<int> codes;
    int firstSide = 0, secondSide = 0;
    for (int i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        // Lines that are not unit lines are skipped by every scan; blank ones are harmless.
        if (line.trimmed().isEmpty()) continue;
        QString fault = CheckUnitLine(line);
        const int code = ReadNumber(line, col::kCode, 2);
        if (fault.isEmpty() && codes.contains(code))
            fault = QStringLiteral("unit code %1 is used twice").arg(code);
        if (!fault.isEmpty())
            return QStringLiteral("%1, line %2: %3.").arg(fileName).arg(i + 1).arg(fault);
        codes.insert(code);
        (SideOfLetter(line[0]) == kFirstSide ? firstSide : secondSide)++;
    }
    // A game needs both fleets; a file cut short after its header would give an empty sea.
    if (firstSide == 0)
        return QStringLiteral("%1 holds no unit of the player's fleet.").arg(fileName);
    if (secondSide == 0)
        return QStringLiteral("%1 holds no unit of the opposing fleet.").arg(fileName);
    return {};
}

FleetLoad LoadFleet(Files& files, const QString& fleetFile, UnitTable& table, QString* error) {
    // A file that is not there at all is a missing file, not a failed copy.
    if (!files.Exists(fleetFile)) {
        if (error)
            *error = QStringLiteral("The fleet file %1 is missing.").arg(ShownPath(fleetFile));
        return FleetLoad::Missing;
    }
    files.Delete(kShipsWorkingCopy);
    if (!files.Copy(fleetFile, kShipsWorkingCopy)) {
        if (error) *error = kShipsFileFailure;
        return FleetLoad::CopyFailed;
    }
    QStringList lines;
    table.Clear();
    if (!files.LoadLines(kShipsWorkingCopy, lines)) {
        if (error) *error = kShipsFileFailure;
        return FleetLoad::CopyFailed;
    }
    table.SetLines(lines);
    const QString fault = CheckFleetLines(fleetFile, lines);
    if (!fault.isEmpty()) {
        if (error) *error = QStringLiteral("The fleet file is damaged: %1").arg(fault);
        return FleetLoad::Malformed;
    }
    return FleetLoad::Ok;
}

}  // namespace kvd
