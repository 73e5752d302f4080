#include "opponent/position_value.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/game.h"
#include "core/unit_codes.h"
#include "play/combat.h"

namespace kvd {

namespace {
constexpr double kWon = 100000;
// A flag life: losing the last one loses the game, so the one before it is worth nearly as
// much. The carrier's is a reserve: it counts only while the flag may still pass to it.
constexpr double kFlagLife = 150;
constexpr double kReserveLife = 90;
// The worth of the hits a capital ship can still take, by how many: the last one is dearest.
constexpr double kHitsLeftWorth[] = {0, 34, 52, 62, 68, 71};
// Submarines wear down the big ships no surface ship of the side can beat; minefields bar the
// water without anything to lose but themselves.
constexpr double kWearingSubmarine = 9;
constexpr double kMinefield = 5;
// The weights of the terms below the material.
constexpr double kChance = 0.6;
constexpr double kThreat = 0.45;
constexpr double kApproach = 0.25;
// The pull toward the enemy grows by its weight again every this many turns, up to kMostPull.
constexpr double kPullTurns = 80;
constexpr double kMostPull = 4;
// Every neighbour cell of the flagship open to the enemy: unseen submarines wear a flagship
// down hit by hit, and a flagship whose neighbours are land, the board's edge and its own ships
// can only be reached through them.
constexpr double kOpenFlank = 2.5;

int Distance(int c1, int r1, int c2, int r2) {
    return std::max(std::abs(c1 - c2), std::abs(r1 - r2));
}

// Whether a unit goes to meet anybody: minefields lie where they are, and a supply ship
// never picks a fight.
bool Goes(int code) {
    const UnitKind kind = KindOfCode(code);
    return kind != UnitKind::Minefield && kind != UnitKind::Supply && kind != UnitKind::ReconPlane;
}

double KindWorth(UnitKind kind) {
    switch (kind) {
        // The supply ship keeps the big ships in repair: without it a battleship wears down.
        case UnitKind::Supply:
            return 14;
        case UnitKind::Submarine:
            return 7;
        case UnitKind::Corvette:
            return 3;
        case UnitKind::Destroyer:
            return 5;
        case UnitKind::LightCruiser:
            return 6;
        case UnitKind::HeavyCruiser:
            return 8;
        // The flag lives carry most of the worth of the two big ships.
        case UnitKind::Battleship:
            return 20;
        case UnitKind::Carrier:
            return 16;
        case UnitKind::Minefield:
            return kMinefield;
        case UnitKind::Trooper:
        case UnitKind::Merchant1:
        case UnitKind::Merchant2:
        case UnitKind::Oiler:
            return 12;
        case UnitKind::None:
            return 0;
        case UnitKind::ReconPlane:
        case UnitKind::Frigate:
            return 4;
    }
    return 4;
}

// What the position tells about each side once, for the worth of every unit in it.
struct Stakes {
    bool mayPass[2] = {false, false};   // the side's flag may still pass to its carrier
    bool armoured[2] = {false, false};  // the side has a capital ship only a submarine wears down
};

int SideIndex(Side side) {
    return side == kFirstSide ? 0 : 1;
}

Stakes StakesOf(const Game& g) {
    Stakes s;
    s.mayPass[0] = g.FlagTransfer == QLatin1Char('Y') && !g.ETransferred;
    s.mayPass[1] = g.FlagTransferSecond == QLatin1Char('Y') && !g.DTransferred;
    const UnitTable& t = g.scratchpad;
    for (int i = 1; i < t.Count(); ++i)
        if (t.IsUnit(i) && IsCapitalShip(t.Code(i)) && t.Strength(i) >= 5)
            s.armoured[t.Side(i) == kFirstSide ? 0 : 1] = true;
    return s;
}

// Everything a unit of the side is worth at a strength: its kind and strength, a flag life
// with the hits it can take when it carries one, a submarine's work while there is armour
// to wear down.
double Worth(const Stakes& s, Side side, int code, int strength) {
    const UnitKind kind = KindOfCode(code);
    double worth = KindWorth(kind) + 1.5 * std::max(strength, 0);
    const bool flagship = code == kFirstFlagshipCode || code == kSecondFlagshipCode;
    const bool reserve =
        (code == kFirstCarrierCode || code == kSecondCarrierCode) && s.mayPass[SideIndex(side)];
    if (flagship || reserve)
        worth +=
            (flagship ? kFlagLife : kReserveLife) + kHitsLeftWorth[std::min(HitsLeft(strength), 5)];
    // The first side's first submarine meets nobody to any end.
    if (kind == UnitKind::Submarine && code != 3 && s.armoured[SideIndex(OtherSide(side))])
        worth += kWearingSubmarine;
    return worth;
}

double LineWorth(const Stakes& s, const UnitTable& t, int line, int strengthLost = 0) {
    return Worth(s, t.Side(line) == kFirstSide ? kFirstSide : kSecondSide, t.Code(line),
                 t.Strength(line) - strengthLost);
}

double Gain(const Game& g, const Stakes& s, int first, int second) {
    using namespace outcome;
    const UnitTable& t = g.scratchpad;
    // A hit takes two points of strength.
    auto hit = [&](int line) { return LineWorth(s, t, line) - LineWorth(s, t, line, 2); };
    switch (FightOutcome(t.Code(first), t.Code(second), t.Strength(first), t.Strength(second),
                         g.DTransferred, false)) {
        case kFirstWins:
            return LineWorth(s, t, second);
        case kSecondWins:
            return -LineWorth(s, t, first);
        case kBothLost:
            return LineWorth(s, t, second) - LineWorth(s, t, first);
        case kSecondHit:
        case kMineHitsShip:
            return hit(second);
        case kFirstHit:
        case kShipHitsMine:
            return -hit(first);
        default:
            return 0;
    }
}
}  // namespace

int HitsLeft(int strength) {
    // Two points a hit, and a ship below five is sunk by the next.
    return strength >= 5 ? (strength - 5) / 2 + 1 : 0;
}

double MeetingGain(const Game& g, int first, int second) {
    return Gain(g, StakesOf(g), first, second);
}

double PositionValue(const Game& g, Side side) {
    const bool first = side == kFirstSide;
    const double sign = first ? 1 : -1;
    // Gamestage 8: the first side has won, 9 the second, 10 both flagships are lost.
    if (g.Gamestage == stage::kFirstSideWon) return sign * kWon;
    if (g.Gamestage == stage::kSecondSideWon) return -sign * kWon;
    if (g.Gamestage == stage::kBothFlagshipsLost) return -kWon / 2;

    const Stakes stakes = StakesOf(g);
    const UnitTable& t = g.scratchpad;
    std::vector<int> firsts, seconds;
    double material = 0;
    for (int i = 1; i < t.Count(); ++i) {
        if (!t.IsUnit(i)) continue;
        const bool ofFirst = t.Side(i) == kFirstSide;
        material += (ofFirst ? 1 : -1) * LineWorth(stakes, t, i);
        // Minefields and the radar aircraft do not go to meet anybody.
        if (t.Code(i) == 1) continue;
        (ofFirst ? firsts : seconds).push_back(i);
    }

    // Side by side: the mover's best chance, and every threat it leaves standing.
    double bestChance = 0, threats = 0;
    constexpr int kOutOfReach = 99;  // no unit it can beat
    std::vector<int> nearest(size_t(t.Count()), kOutOfReach);
    for (int e : firsts) {
        for (int d : seconds) {
            const double gain = sign * Gain(g, stakes, e, d);
            const int distance = Distance(t.PosX(e), t.PosY(e), t.PosX(d), t.PosY(d));
            const int own = first ? e : d, theirs = first ? d : e;
            if (gain > 0 && Goes(t.Code(own))) {
                nearest[size_t(own)] = std::min(nearest[size_t(own)], distance);
                if (distance == 1) bestChance = std::max(bestChance, gain);
            }
            if (gain < 0 && distance == 1 && Goes(t.Code(theirs))) threats += gain;
        }
    }
    // Fighting ships draw toward what they can beat, so a worn-down battleship of the enemy's is
    // hunted by the submarines and cruisers that now beat it; the flagship and the supply ship
    // keep back.
    double approach = 0;
    for (int mover : first ? firsts : seconds) {
        const UnitKind kind = KindOfCode(t.Code(mover));
        if (kind == UnitKind::Battleship || kind == UnitKind::Supply ||
            nearest[size_t(mover)] == kOutOfReach)
            continue;
        approach -= std::min(nearest[size_t(mover)], 9);
    }
    const double pull = std::min(kMostPull, 1 + g.TurnCount / kPullTurns);
    // The open flanks of the side's flagship (the carrier's code once it has taken the flag).
    double open = 0;
    const int flagship = t.FindSide(first ? kFirstFlagshipCode : kSecondFlagshipCode, side);
    if (flagship >= 0) {
        for (int direction = 1; direction <= 8; ++direction) {
            const Offset o = DirectionOffset(direction);
            const int x = t.PosX(flagship) + o.dc, y = t.PosY(flagship) + o.dr;
            if (OnBoard(x, y) && !g.MemoPad.IsLand(x, y) && !t.Holds(side, x, y)) open += 1;
        }
    }
    return sign * material + kChance * bestChance + kThreat * threats +
           kApproach * pull * approach - kOpenFlank * open;
}

}  // namespace kvd
