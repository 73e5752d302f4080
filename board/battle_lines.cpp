#include "board/battle_lines.h"

#include "core/language_texts.h"
#include "core/text_ids.h"
#include "play/battle_notes.h"
#include "play/combat.h"

namespace kvd {

namespace {

using namespace outcome;

// The text of a kind's common name; 0 for a unit that is known by its name alone.
int KindText(UnitKind kind) {
    switch (kind) {
        case UnitKind::Supply:
            return 180;
        case UnitKind::Submarine:
            return 181;
        case UnitKind::Corvette:
            return 182;
        case UnitKind::Destroyer:
            return 183;
        case UnitKind::Frigate:
            return 184;
        case UnitKind::LightCruiser:
            return 185;
        case UnitKind::HeavyCruiser:
            return 186;
        case UnitKind::Battleship:
            return 187;
        case UnitKind::Carrier:
            return 188;
        case UnitKind::Trooper:
        case UnitKind::Merchant1:
        case UnitKind::Merchant2:
        case UnitKind::Oiler:
            return 189;
        case UnitKind::None:
        case UnitKind::ReconPlane:
        case UnitKind::Minefield:
            break;
    }
    return 0;
}

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
        if (unit.kind == UnitKind::Minefield) return T(176);
        const bool own = unit.side == band.viewer;
        // Nobody sees the opposing submarine that fired, only its torpedoes.
        if (!own && unit.kind == UnitKind::Submarine) return T(175);
        const int kind = KindText(unit.kind);
        if (own || kind == 0) return unit.name;
        return unit.name + QStringLiteral(" (") + T(kind) + QLatin1Char(')');
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
                return Befell(164, second, first);
            case kSecondWins:
                return Befell(first.code == 1 ? 169 : 164, first, second);
            case kBothLost:
                if (second.kind == UnitKind::Minefield) return Befell(166, first, second);
                if (first.kind == UnitKind::Minefield) return Befell(166, second, first);
                return {Fill(165, Name(first), Name(second)), BattleLine::Plain};
            case kSecondHit:
            case kMineHitsShip:
                return Befell(167, second, first);
            case kFirstHit:
            case kShipHitsMine:
                return Befell(167, first, second);
            case kBattleshipDuel:
                return {Fill(168, Name(first), Name(second)), BattleLine::Plain};
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
                return {Fill(170, Name(e.first)), own ? BattleLine::Good : BattleLine::Bad};
            case LogEntry::FlagTransfer:
                return {Fill(171, Name(e.first)), BattleLine::Plain};
            case LogEntry::Identified: {
                QString text = Fill(172, Name(e.first));
                if (e.more > 0 && !text.isEmpty()) text += Fill(173, QString::number(e.more));
                return {text, BattleLine::Plain};
            }
            case LogEntry::EscortFire:
                return {Fill(174, Name(e.first)), LossOf(e.first)};
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
