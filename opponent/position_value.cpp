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
// The weights of the terms below the material.
constexpr double kChance = 0.6;
constexpr double kThreat = 0.45;
constexpr double kApproach = 0.25;
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
}  // namespace

double UnitWorth(int code, int strength) {
    double kind = 4;
    switch (KindOfCode(code)) {
        case UnitKind::ReconPlane:
            kind = 4;
            break;
        // The supply ship keeps the big ships in repair: without it a battleship wears down.
        case UnitKind::Supply:
            kind = 14;
            break;
        case UnitKind::Submarine:
            kind = 7;
            break;
        case UnitKind::Corvette:
            kind = 3;
            break;
        case UnitKind::Destroyer:
            kind = 5;
            break;
        case UnitKind::Frigate:
            kind = 4;
            break;
        case UnitKind::LightCruiser:
            kind = 6;
            break;
        case UnitKind::HeavyCruiser:
            kind = 8;
            break;
        // The flagship is the game; the carrier may take the flag over.
        case UnitKind::Battleship:
            kind = 60;
            break;
        case UnitKind::Carrier:
            kind = 22;
            break;
        case UnitKind::Minefield:
            kind = 3;
            break;
        case UnitKind::Trooper:
        case UnitKind::Merchant1:
        case UnitKind::Merchant2:
        case UnitKind::Oiler:
            kind = 12;
            break;
        case UnitKind::None:
            kind = 0;
            break;
    }
    // A flagship's strength is what stands between it and the hits that sink it.
    const double perPoint = KindOfCode(code) == UnitKind::Battleship ? 6 : 1.5;
    return kind + perPoint * std::max(strength, 0);
}

double MeetingGain(const Game& g, int first, int second) {
    using namespace outcome;
    const UnitTable& t = g.scratchpad;
    const double firstWorth = UnitWorth(t.Code(first), t.Strength(first));
    const double secondWorth = UnitWorth(t.Code(second), t.Strength(second));
    // A hit costs a ship what two points of its strength are worth to it.
    auto hit = [&](int line) {
        return UnitWorth(t.Code(line), t.Strength(line)) -
               UnitWorth(t.Code(line), t.Strength(line) - 2);
    };
    switch (FightOutcome(t.Code(first), t.Code(second), t.Strength(first), t.Strength(second),
                         g.DTransferred, false)) {
        case kFirstWins:
            return secondWorth;
        case kSecondWins:
            return -firstWorth;
        case kBothLost:
            return secondWorth - firstWorth;
        case kSecondHit:
        case kMineHitsShip:
            return hit(second);
        case kFirstHit:
        case kShipHitsMine:
            return -hit(first);
        case kBattleshipDuel:
            return 0;
        default:
            return 0;
    }
}

double PositionValue(const Game& g, Side side) {
    const bool first = side == kFirstSide;
    const double sign = first ? 1 : -1;
    // Gamestage 8: the first side has won, 9 the second, 10 both flagships are lost.
    if (g.Gamestage == stage::kFirstSideWon) return sign * kWon;
    if (g.Gamestage == stage::kSecondSideWon) return -sign * kWon;
    if (g.Gamestage == stage::kBothFlagshipsLost) return -kWon / 2;

    const UnitTable& t = g.scratchpad;
    std::vector<int> firsts, seconds;
    double material = 0;
    for (int i = 1; i < t.Count(); ++i) {
        if (!t.IsUnit(i)) continue;
        const bool ofFirst = t.Side(i) == kFirstSide;
        material += (ofFirst ? 1 : -1) * UnitWorth(t.Code(i), t.Strength(i));
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
            const double gain = sign * MeetingGain(g, e, d);
            const int distance = Distance(t.PosX(e), t.PosY(e), t.PosX(d), t.PosY(d));
            const int own = first ? e : d, theirs = first ? d : e;
            if (gain > 0 && Goes(t.Code(own))) {
                nearest[size_t(own)] = std::min(nearest[size_t(own)], distance);
                if (distance == 1) bestChance = std::max(bestChance, gain);
            }
            if (gain < 0 && distance == 1 && Goes(t.Code(theirs))) threats += gain;
        }
    }
    // Fighting ships draw toward what they can beat; the flagship and the supply ship keep back.
    double approach = 0;
    for (int mover : first ? firsts : seconds) {
        const UnitKind kind = KindOfCode(t.Code(mover));
        if (kind == UnitKind::Battleship || kind == UnitKind::Supply ||
            nearest[size_t(mover)] == kOutOfReach)
            continue;
        approach -= std::min(nearest[size_t(mover)], 9);
    }
    // The open flanks of the side's flagship (the carrier's code once it has taken the flag).
    double open = 0;
    const int flagship = t.FindSide(first ? 21 : 45, side);
    if (flagship >= 0) {
        for (int direction = 1; direction <= 8; ++direction) {
            const Offset o = DirectionOffset(direction);
            const int x = t.PosX(flagship) + o.dc, y = t.PosY(flagship) + o.dr;
            if (OnBoard(x, y) && !g.MemoPad.IsLand(x, y) && !t.Holds(side, x, y)) open += 1;
        }
    }
    return sign * material + kChance * bestChance + kThreat * threats + kApproach * approach -
           kOpenFlank * open;
}

}  // namespace kvd
