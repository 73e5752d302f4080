#pragma once
#include <QChar>
#include <QString>
#include <array>
#include <cstdint>

#include "core/side.h"

namespace kvd {

// What a unit is, by its code. First-side codes are 1 to 25 and 50 to 54; the second side
// uses the first-side code plus 24 (for 2 to 25) or plus 10 (for 50 to 54).
enum class UnitKind : std::uint8_t {
    None,
    ReconPlane,    // 1
    Supply,        // 2, 26
    Submarine,     // 3-8, 27-32
    Corvette,      // 9-10, 33-34
    Destroyer,     // 11-12, 35-36
    Frigate,       // 13-15, 37-39
    LightCruiser,  // 16-18, 40-42
    HeavyCruiser,  // 19-20, 43-44
    Battleship,    // 21, 45
    Carrier,       // 22, 46
    Minefield,     // 23-25, 47-49
    Trooper,       // 50, 60
    Merchant1,     // 51, 54, 61, 64
    Merchant2,     // 52, 62
    Oiler,         // 53, 63
};

// Codes that stand for one unit each. A carrier that takes the flag over takes its side's
// flagship code.
constexpr int kReconPlaneCode = 1;
constexpr int kFirstSupplyCode = 2, kSecondSupplyCode = 26;
constexpr int kFirstFlagshipCode = 21, kFirstCarrierCode = 22;
constexpr int kSecondFlagshipCode = 45, kSecondCarrierCode = 46;
// No unit: what a fighter's code or the computer's last mover holds between steps.
constexpr int kNoUnit = 99;

// A code within low to high, both included.
constexpr bool CodeIn(int code, int low, int high) {
    return code >= low && code <= high;
}

// The one kind table: what every code from 0 to 99 is, worked out once by the compiler from the
// code ranges below, so that every question the rules ask about a code is one array read. The
// rules ask these questions for every pair of units on every turn; a chain of calls per question
// made the whole game several times slower.
namespace code_table {

// The groups of kinds the rules ask about, one bit each.
enum Group : std::uint16_t {
    kShip = 1 << 0,         // every unit but the radar aircraft and the minefields
    kConvoy = 1 << 1,       // the convoy's ships (50-54, 60-64)
    kEscort = 1 << 2,       // corvettes, destroyers and frigates
    kCruiser = 1 << 3,      // light and heavy cruisers
    kCapital = 1 << 4,      // the battleship and the carrier
    kSupportFire = 1 << 5,  // destroyers and every surface warship after them
    kHiddenToFoe = 1 << 6,  // submarines and minefields: never drawn on the other side's board
};

struct Entry {
    UnitKind kind = UnitKind::None;
    std::uint8_t side = 0;  // 0 none, 1 the first side, 2 the second
    std::uint8_t firstSideCode = 0;
    std::uint16_t groups = 0;
};

constexpr int kSize = 100;

// The side of a code: the first for 1-25 and 50-54, the second for 26-49 and 60-64.
constexpr std::uint8_t SideNumber(int code) {
    if (CodeIn(code, 1, 25) || CodeIn(code, 50, 54)) return 1;
    if (CodeIn(code, 26, 49) || CodeIn(code, 60, 64)) return 2;
    return 0;
}

constexpr int FirstCode(int code) {
    if (SideNumber(code) == 0) return 0;
    if (CodeIn(code, 26, 49)) return code - 24;
    if (code >= 60) return code - 10;
    return code;
}

constexpr UnitKind KindOfFirstCode(int c) {
    if (c == 1) return UnitKind::ReconPlane;
    if (c == 2) return UnitKind::Supply;
    if (CodeIn(c, 3, 8)) return UnitKind::Submarine;
    if (CodeIn(c, 9, 10)) return UnitKind::Corvette;
    if (CodeIn(c, 11, 12)) return UnitKind::Destroyer;
    if (CodeIn(c, 13, 15)) return UnitKind::Frigate;
    if (CodeIn(c, 16, 18)) return UnitKind::LightCruiser;
    if (CodeIn(c, 19, 20)) return UnitKind::HeavyCruiser;
    if (c == 21) return UnitKind::Battleship;
    if (c == 22) return UnitKind::Carrier;
    if (CodeIn(c, 23, 25)) return UnitKind::Minefield;
    if (c == 50) return UnitKind::Trooper;
    if (c == 51 || c == 54) return UnitKind::Merchant1;
    if (c == 52) return UnitKind::Merchant2;
    if (c == 53) return UnitKind::Oiler;
    return UnitKind::None;
}

constexpr std::uint16_t GroupsOf(int code, UnitKind kind) {
    std::uint16_t g = 0;
    const bool escort =
        kind == UnitKind::Corvette || kind == UnitKind::Destroyer || kind == UnitKind::Frigate;
    const bool cruiser = kind == UnitKind::LightCruiser || kind == UnitKind::HeavyCruiser;
    const bool capital = kind == UnitKind::Battleship || kind == UnitKind::Carrier;
    if (kind != UnitKind::None && kind != UnitKind::ReconPlane && kind != UnitKind::Minefield)
        g |= kShip;
    if (kind != UnitKind::None && code >= 50) g |= kConvoy;
    if (escort) g |= kEscort;
    if (cruiser) g |= kCruiser;
    if (capital) g |= kCapital;
    if ((escort || cruiser || capital) && kind != UnitKind::Corvette) g |= kSupportFire;
    if (kind == UnitKind::Submarine || kind == UnitKind::Minefield) g |= kHiddenToFoe;
    return g;
}

constexpr std::array<Entry, kSize> Make() {
    std::array<Entry, kSize> table{};
    for (int code = 0; code < kSize; ++code) {
        const UnitKind kind = KindOfFirstCode(FirstCode(code));
        table[size_t(code)] = {kind, SideNumber(code), std::uint8_t(FirstCode(code)),
                               GroupsOf(code, kind)};
    }
    return table;
}

inline constexpr std::array<Entry, kSize> kTable = Make();

// Any number outside the table (a field that did not read, a corrupt line) is no unit.
constexpr const Entry& At(int code) {
    return kTable[size_t(unsigned(code) < unsigned(kSize) ? code : 0)];
}
constexpr bool In(int code, std::uint16_t groups) {
    return (At(code).groups & groups) != 0;
}

}  // namespace code_table

// The side a code belongs to: the first for 1-25 and 50-54, the second for 26-49 and 60-64,
// none for any other number.
constexpr std::optional<Side> SideOfCode(int code) {
    switch (code_table::At(code).side) {
        case 1:
            return kFirstSide;
        case 2:
            return kSecondSide;
        default:
            return std::nullopt;
    }
}
constexpr bool IsValidCode(int code) {
    return code_table::At(code).side != 0;
}
constexpr UnitKind KindOfCode(int code) {
    return code_table::At(code).kind;
}
// The first-side code of the same unit slot (26 gives 2, 60 gives 50); the code itself on the
// first side; 0 for invalid codes.
constexpr int FirstSideCode(int code) {
    return code_table::At(code).firstSideCode;
}
// Ships are every unit but the radar aircraft and the minefields.
constexpr bool IsShipCode(int code) {
    return code_table::In(code, code_table::kShip);
}
constexpr bool IsConvoyCode(int code) {
    return code_table::In(code, code_table::kConvoy);
}
// A ship of the battle fleets: every ship but the convoy's.
constexpr bool IsFleetShip(int code) {
    return (code_table::At(code).groups & (code_table::kShip | code_table::kConvoy)) ==
           code_table::kShip;
}

// Kinds and groups of kinds by code, on either side: what a rule means where it asks what a unit
// is. (A few rules single out some codes of a kind; they say why where they do.)
constexpr bool IsKind(int code, UnitKind kind) {
    return KindOfCode(code) == kind;
}
constexpr bool IsSupply(int code) {
    return IsKind(code, UnitKind::Supply);
}
constexpr bool IsSubmarine(int code) {
    return IsKind(code, UnitKind::Submarine);
}
constexpr bool IsMinefield(int code) {
    return IsKind(code, UnitKind::Minefield);
}
// Corvettes, destroyers and frigates.
constexpr bool IsEscort(int code) {
    return code_table::In(code, code_table::kEscort);
}
// Light and heavy cruisers.
constexpr bool IsCruiser(int code) {
    return code_table::In(code, code_table::kCruiser);
}
// The battleship and the carrier: the flagship and the ship that may take the flag over.
constexpr bool IsCapitalShip(int code) {
    return code_table::In(code, code_table::kCapital);
}
// Cruisers and capital ships.
constexpr bool IsMajorWarship(int code) {
    return code_table::In(code, code_table::kCruiser | code_table::kCapital);
}
// Escorts and major warships: every fighting surface ship.
constexpr bool IsWarship(int code) {
    return code_table::In(code, code_table::kEscort | code_table::kCruiser | code_table::kCapital);
}
// The ships that give supporting fire: destroyers and every surface warship after them in the
// fleet's order (frigates, cruisers, capital ships); corvettes do not.
constexpr bool GivesSupportFire(int code) {
    return code_table::In(code, code_table::kSupportFire);
}
// Whether a side's board ever draws an opposing unit of this code: submarines and minefields
// never are, identified or not.
constexpr bool DrawnToOpponent(int code) {
    return !code_table::In(code, code_table::kHiddenToFoe);
}
// The first picture set's sprite name of a kind ("AUX", "SUB", ...; "JSTARS" for the aircraft).
QString SpriteName(UnitKind kind);

}  // namespace kvd
