#include "net/battle_log_message.h"

#include "core/side.h"
#include "net/shown_name.h"
#include "play/combat.h"

namespace kvd {

namespace {

const QString kBattle = QStringLiteral("[Battle]=");
const QString kLogged = QStringLiteral("[Logged]=");
constexpr int kLongestLoggedName = 30;
constexpr int kBitsIdentified = 65;

void AddUnit(QStringList& fields, const LoggedUnit& unit) {
    QString name = unit.name.left(kLongestLoggedName);
    name.replace(QLatin1Char('|'), QLatin1Char('/'));
    fields << QString::number(unit.code) << QString(SideLetter(unit.side))
           << QString::number(int(unit.kind)) << name;
}

// A whole number from min to max, or -1.
int Number(const QString& text, int min, int max) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && text.size() <= 6 && n >= min && n <= max ? n : -1;
}

bool ReadUnit(const QStringList& fields, int at, LoggedUnit& unit) {
    const int code = Number(fields[at], 0, kBitsIdentified - 1);
    const std::optional<Side> side =
        fields[at + 1].size() == 1 ? SideOfLetter(fields[at + 1][0]) : std::nullopt;
    const int kind = Number(fields[at + 2], 0, int(UnitKind::Oiler));
    if (code < 0 || !side || kind < 0) return false;
    unit.code = code;
    unit.side = *side;
    unit.kind = UnitKind(kind);
    unit.name = ShownName(fields[at + 3], kLongestLoggedName);
    return true;
}

bool KnownOutcome(int n) {
    using namespace outcome;
    return (n >= kNothing && n <= kShipHitsMine) || n == kBattleshipDuel || n == kTurnOver;
}

}  // namespace

QStringList BattleLogMessages(const BattleLog& log) {
    QStringList messages;
    QString identified;
    for (int code = 0; code < kBitsIdentified; ++code)
        identified += log.identified[size_t(code)] ? QLatin1Char('1') : QLatin1Char('0');
    messages << kBattle + QString::number(log.shipsLost[0]) + QLatin1Char('|') +
                    QString::number(log.shipsLost[1]) + QLatin1Char('|') + identified;
    for (int k = log.Size() - 1; k >= 0; --k) {
        const LogEntry& e = log.Newest(k);
        QStringList fields{QString::number(int(e.kind)), QString::number(e.turn),
                           QString::number(e.outcome), QString::number(e.more)};
        AddUnit(fields, e.first);
        AddUnit(fields, e.second);
        messages << kLogged + fields.join(QLatin1Char('|'));
    }
    return messages;
}

bool TakeBattleLogMessage(const QString& message, BattleLog& log) {
    if (message.size() > 400) return false;
    if (message.startsWith(kBattle)) {
        const QStringList fields = message.mid(kBattle.size()).split(QLatin1Char('|'));
        if (fields.size() != 3 || fields[2].size() != kBitsIdentified) return false;
        const int first = Number(fields[0], 0, 99), second = Number(fields[1], 0, 99);
        if (first < 0 || second < 0) return false;
        std::bitset<kBitsIdentified> identified;
        for (int code = 0; code < kBitsIdentified; ++code) {
            const QChar c = fields[2][code];
            if (c != QLatin1Char('0') && c != QLatin1Char('1')) return false;
            identified[size_t(code)] = c == QLatin1Char('1');
        }
        log.shipsLost[0] = first;
        log.shipsLost[1] = second;
        // The host's identifications are its own board's: this board tells its own again as
        // its reveal finds them.
        return true;
    }
    if (!message.startsWith(kLogged)) return false;
    const QStringList fields = message.mid(kLogged.size()).split(QLatin1Char('|'));
    if (fields.size() != 12) return false;
    LogEntry e;
    const int kind = Number(fields[0], 0, LogEntry::EscortFire);
    e.turn = Number(fields[1], 0, 999999);
    e.outcome = Number(fields[2], 0, 99);
    e.more = Number(fields[3], 0, kBitsIdentified);
    if (kind < 0 || e.turn < 0 || !KnownOutcome(e.outcome) || e.more < 0 ||
        !ReadUnit(fields, 4, e.first) || !ReadUnit(fields, 8, e.second))
        return false;
    e.kind = LogEntry::Kind(kind);
    // What the host's board identified is not what this board did: those entries stay home.
    if (e.kind == LogEntry::Identified) return true;
    log.Keep(e);
    return true;
}

}  // namespace kvd
