#include "core/unit_codes.h"

namespace kvd {

std::optional<Side> SideOfCode(int code) {
    if ((code >= 1 && code <= 25) || (code >= 50 && code <= 54)) return kFirstSide;
    if ((code >= 26 && code <= 49) || (code >= 60 && code <= 64)) return kSecondSide;
    return std::nullopt;
}

bool IsValidCode(int code) {
    return SideOfCode(code).has_value();
}

int FirstSideCode(int code) {
    if (!IsValidCode(code)) return 0;
    if (code >= 26 && code <= 49) return code - 24;
    if (code >= 60) return code - 10;
    return code;
}

UnitKind KindOfCode(int code) {
    const int c = FirstSideCode(code);
    if (c == 1) return UnitKind::ReconPlane;
    if (c == 2) return UnitKind::Supply;
    if (c >= 3 && c <= 8) return UnitKind::Submarine;
    if (c <= 10 && c >= 9) return UnitKind::Corvette;
    if (c <= 12 && c >= 11) return UnitKind::Destroyer;
    if (c <= 15 && c >= 13) return UnitKind::Frigate;
    if (c <= 18 && c >= 16) return UnitKind::LightCruiser;
    if (c <= 20 && c >= 19) return UnitKind::HeavyCruiser;
    if (c == 21) return UnitKind::Battleship;
    if (c == 22) return UnitKind::Carrier;
    if (c >= 23 && c <= 25) return UnitKind::Minefield;
    if (c == 50) return UnitKind::Trooper;
    if (c == 51 || c == 54) return UnitKind::Merchant1;
    if (c == 52) return UnitKind::Merchant2;
    if (c == 53) return UnitKind::Oiler;
    return UnitKind::None;
}

bool IsShipCode(int code) {
    const UnitKind kind = KindOfCode(code);
    return kind != UnitKind::None && kind != UnitKind::ReconPlane && kind != UnitKind::Minefield;
}

bool IsConvoyCode(int code) {
    return code >= 50 && IsValidCode(code);
}

bool IsFleetShip(int code) {
    return IsShipCode(code) && !IsConvoyCode(code);
}

bool IsKind(int code, UnitKind kind) {
    return KindOfCode(code) == kind;
}
bool IsSupply(int code) {
    return IsKind(code, UnitKind::Supply);
}
bool IsSubmarine(int code) {
    return IsKind(code, UnitKind::Submarine);
}
bool IsMinefield(int code) {
    return IsKind(code, UnitKind::Minefield);
}

bool IsEscort(int code) {
    const UnitKind kind = KindOfCode(code);
    return kind == UnitKind::Corvette || kind == UnitKind::Destroyer || kind == UnitKind::Frigate;
}

bool IsCruiser(int code) {
    const UnitKind kind = KindOfCode(code);
    return kind == UnitKind::LightCruiser || kind == UnitKind::HeavyCruiser;
}

bool IsCapitalShip(int code) {
    const UnitKind kind = KindOfCode(code);
    return kind == UnitKind::Battleship || kind == UnitKind::Carrier;
}

bool IsMajorWarship(int code) {
    return IsCruiser(code) || IsCapitalShip(code);
}
bool IsWarship(int code) {
    return IsEscort(code) || IsMajorWarship(code);
}
bool GivesSupportFire(int code) {
    return IsWarship(code) && !IsKind(code, UnitKind::Corvette);
}

QString SpriteName(UnitKind kind) {
    switch (kind) {
        case UnitKind::ReconPlane:
            return QStringLiteral("JSTARS");
        case UnitKind::Supply:
            return QStringLiteral("AUX");
        case UnitKind::Submarine:
            return QStringLiteral("SUB");
        case UnitKind::Corvette:
            return QStringLiteral("CORVETTE");
        case UnitKind::Destroyer:
            return QStringLiteral("DESTROYER");
        case UnitKind::Frigate:
            return QStringLiteral("FRIGATE");
        case UnitKind::LightCruiser:
            return QStringLiteral("LTCRUISER");
        case UnitKind::HeavyCruiser:
            return QStringLiteral("CRUISER");
        case UnitKind::Battleship:
            return QStringLiteral("BATTLESHIP");
        case UnitKind::Carrier:
            return QStringLiteral("CARRIER");
        case UnitKind::Minefield:
            return QStringLiteral("MINES");
        case UnitKind::Trooper:
            return QStringLiteral("TROOPER");
        case UnitKind::Merchant1:
            return QStringLiteral("MERCHANT1");
        case UnitKind::Merchant2:
            return QStringLiteral("MERCHANT2");
        case UnitKind::Oiler:
            return QStringLiteral("OILER");
        case UnitKind::None:
            break;
    }
    return {};
}

bool DrawnToOpponent(int code) {
    const UnitKind kind = KindOfCode(code);
    return kind != UnitKind::Submarine && kind != UnitKind::Minefield;
}

}  // namespace kvd
