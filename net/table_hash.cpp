#include "net/table_hash.h"

#include "core/unit_table.h"

namespace kvd {

QString TableHash(const UnitTable& table) {
    // FNV-1a over every line, the identification column blanked, each line closed by a zero.
    quint32 hash = 2166136261u;
    auto mix = [&hash](quint32 value) {
        hash ^= value;
        hash *= 16777619u;
    };
    for (int i = 0; i < table.Count(); ++i) {
        const QString& line = table.Line(i);
        for (int k = 0; k < line.size(); ++k)
            mix(i > 0 && k == col::kRevealed - 1 ? 0u : line[k].unicode());
        mix(0u);
    }
    return QStringLiteral("%1").arg(hash, 8, 16, QLatin1Char('0'));
}

}  // namespace kvd
