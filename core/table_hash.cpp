#include "core/table_hash.h"

#include "core/unit_table.h"

namespace kvd {

QString TableHash(const UnitTable& table) {
    // FNV-1a over every line, the identification column blanked, each line closed by a zero.
    quint32 hash = 2166136261u;
    auto mix = [&hash](const QChar* from, const QChar* to) {
        for (; from < to; ++from) hash = (hash ^ from->unicode()) * 16777619u;
    };
    for (int i = 0; i < table.Count(); ++i) {
        const QString& line = table.Line(i);
        const QChar* begin = line.constData();
        const QChar* end = begin + line.size();
        const QChar* mark = begin + (col::kRevealed - 1);
        if (i > 0 && mark < end) {
            mix(begin, mark);
            hash = (hash ^ 0u) * 16777619u;  // the column as each side's own view: blank
            mix(mark + 1, end);
        } else {
            mix(begin, end);
        }
        hash = (hash ^ 0u) * 16777619u;
    }
    return QStringLiteral("%1").arg(hash, 8, 16, QLatin1Char('0'));
}

}  // namespace kvd
