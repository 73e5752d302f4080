#include "core/built_in_maps.h"

namespace kvd {

const QStringList& RegionMaps(int region) {
    static const QStringList maps[kRegions] = {
        {"$ICELAND", "$IRELAND", "$CORK", "$LANDSEND"},
        {"$FAROE", "$SKAGERRACK", "$SHETLAND", "$STAVANGER", "$BOME"},
        {"$CHANNEL", "$LANDSEND", "$PLYMOUTH", "$WIGHT", "$PORTLAND"},
        {"$MALTA", "$ALGIERS", "$TUNIS", "$TRIPOLI", "$LISBON"},
        {"$NSOLOMON", "$SSOLOMON", "$ESOLOMON", "$WSOLOMON"},
        {"$NPHILLIPINE", "$SPHILLIPINE", "$EPHILLIPINE", "$WPHILLIPINE"},
        {"$GUAM", "$CAROLINE", "$MARSHALL", "$HAWAII", "$EHAWAII", "$SHAWAII", "$BATAN"},
        {"$NOKINAWA", "$SOKINAWA", "$NRYUKYU", "$SRYUKYU"},
    };
    return maps[region - 1];
}

const QStringList& BuiltInMaps() {
    static const QStringList all = [] {
        QStringList names{QStringLiteral("$STANDARD")};
        for (int region = 1; region <= kRegions; ++region)
            for (const QString& map : RegionMaps(region))
                if (!names.contains(map)) names << map;
        return names;
    }();
    return all;
}

}  // namespace kvd
