#include "core/unit_codes.h"

namespace kvd {

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

}  // namespace kvd
