#include "play/battle_course.h"

#include <QSet>

#include "core/game.h"
#include "core/unit_codes.h"
#include "play/battle_notes.h"
#include "play/game_record.h"

namespace kvd {

namespace {

// The battleships and carriers of both sides, by side and name (a carrier that takes over the
// flag changes its code, never its name).
QSet<QString> CapitalShips(const Game& game) {
    QSet<QString> ships;
    const UnitTable& table = game.scratchpad;
    for (int i = 1; i < table.Count(); ++i)
        if (table.IsUnit(i) && IsCapitalShip(table.Code(i)))
            ships.insert(QString::number(int(*table.Side(i))) + table.ShownName(i));
    return ships;
}

}  // namespace

std::optional<BattleCourse> CourseOf(const GameRecord& record, ComputerTurn* computer,
                                     QString* error) {
    BattleCourse course;
    QSet<QString> capitals;
    bool transferred[2] = {false, false};
    int turn = 0;  // the turn the next move is played in
    const auto each = [&](const Game& g, int move) {
        const std::array<int, 2> afloat{ShipsOf(g, kFirstSide), ShipsOf(g, kSecondSide)};
        if (move == 0) {
            course.afloat.push_back(afloat);
            capitals = CapitalShips(g);
            transferred[0] = g.ETransferred, transferred[1] = g.DTransferred;
            turn = 1;
            return;
        }
        if (int(course.afloat.size()) <= turn) course.afloat.resize(size_t(turn) + 1);
        course.afloat[size_t(turn)] = afloat;
        const QSet<QString> now = CapitalShips(g);
        for (const QString& ship : capitals)
            if (!now.contains(ship))
                course.marks.push_back(
                    {BattleCourse::Mark::CapitalSunk, turn,
                     ship.startsWith(QLatin1Char('0')) ? kFirstSide : kSecondSide, ship.mid(1)});
        capitals = now;
        const bool flags[2] = {g.ETransferred, g.DTransferred};
        for (int side = 0; side < 2; ++side) {
            if (flags[side] && !transferred[side])
                course.marks.push_back({BattleCourse::Mark::FlagTransfer, turn,
                                        side == 0 ? kFirstSide : kSecondSide, QString()});
            transferred[side] = flags[side];
        }
        // A turn is one move of the first side and the answer to it: the log counts them.
        turn = qMax(turn, g.battleLog.turn);
    };
    Game game;
    Settings settings;
    if (!Replay(record, game, settings, computer, -1, error, each)) return std::nullopt;
    return course;
}

}  // namespace kvd
