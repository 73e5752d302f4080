#include "board/battle_lines.h"

#include "core/kind_words.h"
#include "core/language_texts.h"
#include "core/text_ids.h"
#include "play/battle_notes.h"
#include "play/combat.h"

namespace kvd {

namespace {

using namespace outcome;

struct Teller {
    const BattleBand& band;
    const LanguageTexts& texts;

    QString T(int n) const { return texts.Text(n); }
    // Text n with its places filled; nothing when a language file lacks it.
    QString Fill(int n, const QString& a, const QString& b = QString()) const {
        const QString text = T(n);
        if (!text.contains(QStringLiteral("%1"))) return {};
        return text.contains(QStringLiteral("%2")) ? text.arg(a, b) : text.arg(a);
    }

    QString Name(const LoggedUnit& unit) const {
        if (unit.kind == UnitKind::Minefield) return T(text::kLogMinefield);
        const bool own = unit.side == band.viewer;
        // Nobody sees the opposing submarine that fired, only its torpedoes.
        if (!own && unit.kind == UnitKind::Submarine) return T(text::kLogUnknownSubmarine);
        const int kind = KindNameText(unit.kind);
        if (own || kind == 0) return unit.name;
        return unit.name + QStringLiteral(" (") + T(kind) + QLatin1Char(')');
    }

    // A unit nobody fought: an opposing one by its name only once the viewer has identified it.
    QString Seen(const LoggedUnit& unit) const {
        const bool identified = unit.code >= 0 && size_t(unit.code) < band.log.identified.size() &&
                                band.log.identified[size_t(unit.code)];
        if (unit.side != band.viewer && !identified)
            return texts.TextOr(text::kLogUnknownShip, QStringLiteral("an enemy ship"));
        return Name(unit);
    }

    BattleLine::Tone LossOf(const LoggedUnit& unit) const {
        return unit.side == band.viewer ? BattleLine::Bad : BattleLine::Good;
    }

    // What befell `victim`, by `by`, in the words of text n.
    BattleLine Befell(int n, const LoggedUnit& victim, const LoggedUnit& by) const {
        return {Fill(n, Name(victim), Name(by)), LossOf(victim)};
    }

    BattleLine Fight(const LogEntry& e) const {
        const LoggedUnit &first = e.first, &second = e.second;
        switch (e.outcome) {
            case kFirstWins:
                return Befell(text::kLogSunk, second, first);
            case kSecondWins:
                return Befell(first.code == 1 ? text::kLogAircraftDown : text::kLogSunk, first,
                              second);
            case kBothLost:
                if (second.kind == UnitKind::Minefield)
                    return Befell(text::kLogMinefieldSank, first, second);
                if (first.kind == UnitKind::Minefield)
                    return Befell(text::kLogMinefieldSank, second, first);
                return {Fill(text::kLogBothLost, Name(first), Name(second)), BattleLine::Plain};
            case kSecondHit:
            case kMineHitsShip:
                return Befell(text::kLogDamaged, second, first);
            case kFirstHit:
            case kShipHitsMine:
                return Befell(text::kLogDamaged, first, second);
            case kBattleshipDuel:
                return {Fill(text::kLogBattleshipsHit, Name(first), Name(second)),
                        BattleLine::Plain};
            default:
                return {};
        }
    }

    BattleLine Line(const LogEntry& e) const {
        const bool own = e.first.side == band.viewer;
        switch (e.kind) {
            case LogEntry::Fight:
                return Fight(e);
            case LogEntry::Repair:
                return {Fill(text::kLogRepaired, Seen(e.first)),
                        own ? BattleLine::Good : BattleLine::Bad};
            case LogEntry::FlagTransfer:
                return {Fill(text::kLogFlagTaken, Seen(e.first)), BattleLine::Plain};
            case LogEntry::Identified: {
                // Every ship by its name: the line wraps in the log's box as far as it needs.
                QString names = Name(e.first);
                for (size_t k = 0; k < e.others.size(); ++k)
                    names += (k + 1 == e.others.size()
                                  ? texts.TextOr(text::kLogIdentifiedMore, QStringLiteral(" and "))
                                  : QStringLiteral(", ")) +
                             Name(e.others[k]);
                return {Fill(text::kLogIdentified, names), BattleLine::Plain};
            }
            case LogEntry::EscortFire:
                return {Fill(text::kLogEscortFire, Name(e.first)), LossOf(e.first)};
        }
        return {};
    }
};

}  // namespace

std::vector<BattleLine> BattleStateLines(const BattleBand& band, const LanguageTexts& texts) {
    const int enemy = band.viewer == kFirstSide ? 1 : 0;
    return {
        {texts.Text(text::kTurn) + QLatin1Char(' ') + QString::number(band.log.turn),
         BattleLine::Plain},
        {texts.Text(text::kOurShipsCount) + QString::number(band.ownShips), BattleLine::Plain},
        {texts.Text(text::kEnemyInSight) + QString::number(band.enemyContacts), BattleLine::Plain},
        {texts.Text(text::kEnemySunk) + QString::number(band.log.shipsLost[enemy]),
         BattleLine::Plain},
    };
}

std::vector<BattleLine> BattleLogLines(const BattleBand& band, const LanguageTexts& texts,
                                       int count) {
    const Teller teller{band, texts};
    std::vector<BattleLine> lines;
    for (int k = 0; k < band.log.Size() && int(lines.size()) < count; ++k) {
        const LogEntry& entry = band.log.Newest(k);
        BattleLine line = teller.Line(entry);
        if (line.text.isEmpty()) continue;
        line.text = QString::number(entry.turn) + QStringLiteral(": ") + line.text;
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace kvd
