#include "core/fleet_placement.h"

#include <vector>

#include "core/fleet_file.h"
#include "core/game.h"
#include "core/unit_codes.h"
#include "platform/files.h"

namespace kvd {

QRect HomeBand(QChar homePosition, Side side) {
    const bool first = side == kFirstSide;
    switch (homePosition.unicode()) {
        case 'L':
            return first ? QRect(0, 0, 4, 10) : QRect(6, 0, 4, 10);
        case 'R':
            return first ? QRect(6, 0, 4, 10) : QRect(0, 0, 4, 10);
        case 'T':
            return first ? QRect(0, 0, 10, 4) : QRect(0, 6, 10, 4);
        case 'B':
            return first ? QRect(0, 6, 10, 4) : QRect(0, 0, 10, 4);
        default:
            return QRect();
    }
}

bool PlaceInBand(Game& game, Side side, bool writePrev, const std::function<bool(int)>& place) {
    UnitTable& table = game.scratchpad;
    const QRect band = HomeBand(game.HomePosition, side);
    // Every unit of the side counts where it stands now, the ones still to be drawn too.
    auto taken = [&](int column, int row) {
        for (int k = 1; k < table.Count(); ++k)
            if (table.Side(k) == side && table.PosX(k) == column && table.PosY(k) == row)
                return true;
        return game.MemoPad.IsLand(column, row);
    };
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != side || !place(i)) continue;
        if (side == kFirstSide && table.Code(i) == 1) continue;  // the aircraft flies
        // Drawing goes on until a free cell comes up; make sure there is one.
        bool room = false;
        for (int col = band.left(); col <= band.right() && !room; ++col)
            for (int row = band.top(); row <= band.bottom() && !room; ++row)
                room = !taken(col, row);
        if (!room) return false;
        int column, row;
        do {
            column = band.left() + game.dice.Next(band.width());
            row = band.top() + game.dice.Next(band.height());
        } while (taken(column, row));
        table.SetPos(i, column, row);
        if (writePrev) table.SetPrev(i, column, row);
    }
    return true;
}

namespace {
// The preset cells of a user map, used as they stand: neither land nor other units are
// checked. Marks the lines of the units placed so.
void ApplyPresets(Game& game, std::vector<bool>& placed) {
    UnitTable& table = game.scratchpad;
    for (const Preset& preset : game.MemoPad.Presets()) {
        if (preset.code == 1) continue;  // the aircraft is never placed
        for (int i = 1; i < table.Count(); ++i) {
            if (table.Side(i) != kFirstSide || table.Code(i) != preset.code) continue;
            table.SetPos(i, ReadNumber(preset.cell, 1, 2), ReadNumber(preset.cell, 3, 2));
            placed[size_t(i)] = true;
        }
    }
}
}  // namespace

bool PlaceFleets(Game& game, bool presets, Side* crowded) {
    auto full = [&](Side side) {
        if (crowded) *crowded = side;
        return false;
    };
    if (!PlaceInBand(game, kSecondSide, true, [](int) { return true; })) return full(kSecondSide);
    std::vector<bool> placed(size_t(game.scratchpad.Count()), false);
    if (presets) ApplyPresets(game, placed);
    if (!PlaceInBand(game, kFirstSide, false, [&](int i) { return !placed[size_t(i)]; }))
        return full(kFirstSide);
    return true;
}

bool MapLeavesRoom(const MapLines& map, const UnitTable& fleet, Side* crowded) {
    // Whether a band has room does not hang on the draws: each unit drawn takes one free cell
    // and gives back the cell it stood on, whichever cell it draws. Any dice serve.
    Game trial;
    trial.MemoPad = map;
    trial.scratchpad = fleet;
    trial.HomePosition = map.HomePosition();
    return PlaceFleets(trial, map.HasPresetLines(), crowded);
}

QChar CrowdedEdge(const Files& files, const MapLines& map) {
    for (QChar navy : QStringLiteral("EDUJ")) {
        const QString file = FleetFileName(0, navy);
        QStringList lines;
        if (!files.LoadLines(file, lines) || !CheckFleetLines(file, lines).isEmpty()) continue;
        UnitTable fleet;
        fleet.SetLines(lines);
        Side side = kFirstSide;
        if (MapLeavesRoom(map, fleet, &side)) continue;
        const QChar home = map.HomePosition();
        if (side == kFirstSide) return home;
        const int k = QStringLiteral("LRTB").indexOf(home);
        return k < 0 ? home : QStringLiteral("RLBT")[k];
    }
    return QChar();
}

}  // namespace kvd
