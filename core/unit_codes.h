#pragma once
#include <QChar>
#include <QString>

#include "core/side.h"

namespace kvd {

// What a unit is, by its code. First-side codes are 1 to 25 and 50 to 54; the second side
// uses the first-side code plus 24 (for 2 to 25) or plus 10 (for 50 to 54).
enum class UnitKind {
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
inline bool CodeIn(int code, int low, int high) {
    return code >= low && code <= high;
}

// The side a code belongs to: the first for 1-25 and 50-54, the second for 26-49 and 60-64,
// none for any other number.
std::optional<Side> SideOfCode(int code);
bool IsValidCode(int code);
UnitKind KindOfCode(int code);
// The first-side code of the same unit slot (26 gives 2, 60 gives 50); the code itself on the
// first side; 0 for invalid codes.
int FirstSideCode(int code);
// Ships are every unit but the radar aircraft and the minefields.
bool IsShipCode(int code);
bool IsConvoyCode(int code);
// A ship of the battle fleets: every ship but the convoy's.
bool IsFleetShip(int code);

// Kinds and groups of kinds by code, on either side: what a rule means where it asks what a unit
// is. (A few rules single out some codes of a kind; they say why where they do.)
bool IsKind(int code, UnitKind kind);
bool IsSupply(int code);
bool IsSubmarine(int code);
bool IsMinefield(int code);
// Corvettes, destroyers and frigates.
bool IsEscort(int code);
// Light and heavy cruisers.
bool IsCruiser(int code);
// The battleship and the carrier: the flagship and the ship that may take the flag over.
bool IsCapitalShip(int code);
// Cruisers and capital ships.
bool IsMajorWarship(int code);
// Escorts and major warships: every fighting surface ship.
bool IsWarship(int code);
// The ships that give supporting fire: destroyers and every surface warship after them in the
// fleet's order (frigates, cruisers, capital ships); corvettes do not.
bool GivesSupportFire(int code);
// Whether a side's board ever draws an opposing unit of this code: submarines and minefields
// never are, identified or not.
bool DrawnToOpponent(int code);
// The first picture set's sprite name of a kind ("AUX", "SUB", ...; "JSTARS" for the aircraft).
QString SpriteName(UnitKind kind);

}  // namespace kvd
