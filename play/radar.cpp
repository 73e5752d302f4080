#include "play/radar.h"

#include <array>
#include <cstdint>

#include "core/game.h"
#include "core/unit_codes.h"

namespace kvd {

bool RadarScan::contains(QChar c) const {
    for (QChar cell : cells_)
        if (cell == c) return true;
    return false;
}

RadarScan Radar(const Game& game, int column, int row) {
    RadarScan radar;
    const UnitTable& table = game.scratchpad;
    for (int k = 1; k <= 8; ++k) {
        const Offset o = DirectionOffset(k);
        const int c = column + o.dc, r = row + o.dr;
        // The aircraft never blocks; land and the edge override units.
        if (!OnBoard(c, r) || game.MemoPad.IsLand(c, r))
            radar[k - 1] = QLatin1Char('X');
        else if (const std::optional<Side> side = table.OccupantSide(c, r))
            radar[k - 1] = SideLetter(*side);
        else
            radar[k - 1] = QChar(u'0' + k);
    }
    return radar;
}

bool HasOpenWaterBeside(const Game& game, int column, int row) {
    const auto& occupants = game.scratchpad.Occupants();
    const auto& land = game.MemoPad.Land();
    for (int k = 1; k <= 8; ++k) {
        const Offset o = DirectionOffset(k);
        const int c = column + o.dc, r = row + o.dr;
        if (!OnBoard(c, r)) continue;
        const size_t at = size_t(r * kBoardSize + c);
        if (!land[at] && !UnitTable::LastSideOn(occupants[at])) return true;
    }
    return false;
}

bool HoldsUnitOf(const Game& game, Side side, int column, int row) {
    return game.scratchpad.Holds(side, column, row);
}

namespace {
// One side's lookouts (every unit but its minefields and convoy ships) mark which units of the
// other side they have identified: those on or next to their cell that they can see. What a
// lookout sees depends only on whether it is an escort, so each cell counts the escorts and the
// other lookouts that watch it, and every unit then reads its own cell. Returns the
// identifications made (a unit seen by two counts twice).
template <class EscortSees, class OtherSees>
int RevealPass(Game& game, Side seer, EscortSees escortSees, OtherSees otherSees) {
    UnitTable& table = game.scratchpad;
    // Nothing has changed since the same pass ran: it would mark what it marked then.
    const Game::RevealMemo& last = game.lastReveal;
    if (table.Revision() != 0 && last.revision == table.Revision() && last.seer == seer)
        return game.RevealCount = last.count;
    // The board with a margin of one cell all round, so a lookout on the edge stamps its nine
    // cells without a bounds check.
    constexpr int kWide = kBoardSize + 2;
    constexpr int kAround[9] = {-kWide - 1, -kWide,    -kWide + 1, -1,       0,
                                1,          kWide - 1, kWide,      kWide + 1};
    auto at = [](int column, int row) { return size_t((row + 1) * kWide + column + 1); };
    std::array<std::int16_t, kWide * kWide> escorts{}, others{};
    for (int i = 1; i < table.Count(); ++i) {
        const int code = table.Code(i), column = table.PosX(i), row = table.PosY(i);
        if (table.Side(i) != seer || IsMinefield(code) || IsConvoyCode(code) ||
            !OnBoard(column, row))
            continue;
        std::int16_t* watch = (IsEscort(code) ? escorts : others).data() + at(column, row);
        for (int d : kAround) ++watch[d];
    }
    const Side seenSide = OtherSide(seer);
    game.RevealCount = 0;
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != seenSide) continue;
        const int code = table.Code(i), column = table.PosX(i), row = table.PosY(i);
        int seenBy = 0;
        if (OnBoard(column, row))
            seenBy = (escortSees(code) ? escorts[at(column, row)] : 0) +
                     (otherSees(code) ? others[at(column, row)] : 0);
        game.RevealCount += seenBy;
        // A unit unseen loses its mark; one that holds no mark of either kind keeps what it holds.
        if (seenBy > 0 || table.IsRevealed(i))
            table.SetRevealed(i, QLatin1Char(seenBy > 0 ? '1' : '0'));
    }
    game.lastReveal = {table.Revision(), seer, game.RevealCount};
    return game.RevealCount;
}
}  // namespace

int RevealEnemy(Game& game) {
    // Lambdas, not the functions' addresses, so the pass is made with the questions inlined.
    return RevealPass(
        game, kFirstSide, [](int code) { return EscortIdentifies(code); },
        [](int code) { return LookoutIdentifies(code); });
}

int RevealSeen(Game& game) {
    return game.NetRole == net_role::kJoining ? RevealAllied(game) : RevealEnemy(game);
}

int RevealAllied(Game& game) {
    // Escorts make out every ship and submarine; the others every surface unit.
    return RevealPass(
        game, kSecondSide,
        [](int code) { return IsSupply(code) || IsSubmarine(code) || IsWarship(code); },
        [](int code) {
            return IsSupply(code) || IsWarship(code) || IsMinefield(code) || IsConvoyCode(code);
        });
}

}  // namespace kvd
