#include "frontend/fight_chart.h"

#include <optional>
#include <vector>

#include "core/language_texts.h"
#include "core/text_ids.h"
#include "core/unit_codes.h"
#include "core/unit_table.h"
#include "play/combat.h"

namespace kvd {

namespace {

struct Chartered {
    UnitKind kind;
    int name;  // its text
};

// The kinds a battle brings to sea, in the handbook's order.
constexpr Chartered kKinds[] = {
    {UnitKind::Supply, text::kKindSupplyShip},
    {UnitKind::Submarine, text::kKindSubmarine},
    {UnitKind::Corvette, text::kKindCorvette},
    {UnitKind::Destroyer, text::kKindDestroyer},
    {UnitKind::Frigate, text::kKindFrigate},
    {UnitKind::LightCruiser, text::kKindLightCruiser},
    {UnitKind::HeavyCruiser, text::kKindHeavyCruiser},
    {UnitKind::Battleship, text::kKindBattleship},
    {UnitKind::Carrier, text::kKindCarrier},
    {UnitKind::Minefield, text::kChartMinefield},
};

struct Representative {
    int code = 0;
    int strength = 0;
};

// The last unit of a kind a side brings: the first side's first submarine meets nobody in the
// rules, so a kind is shown by a unit that fights.
std::optional<Representative> UnitOfKind(const UnitTable& fleet, Side side, UnitKind kind) {
    std::optional<Representative> found;
    for (int i = 1; i < fleet.Count(); ++i)
        if (fleet.Side(i) == side && KindOfCode(fleet.Code(i)) == kind)
            found = Representative{fleet.Code(i), fleet.Strength(i)};
    return found;
}

// A cell's words and its tone, as the handbook's own table colours them.
std::pair<int, const char*> Cell(int outcome) {
    using namespace outcome;
    switch (outcome) {
        case kFirstWins:
            return {text::kChartSinks, "win"};
        case kSecondWins:
            return {text::kChartSunk, "lose"};
        case kBothLost:
            return {text::kChartBothSunk, "both"};
        case kSecondHit:
        case kMineHitsShip:
            return {text::kChartDamages, "dmg"};
        case kFirstHit:
        case kShipHitsMine:
            return {text::kChartDamaged, "dmg"};
        case kBattleshipDuel:
            return {text::kChartBothDamaged, "dmg"};
        default:
            return {0, ""};
    }
}

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

}  // namespace

QString FightChartHtml(const UnitTable& fleet, const LanguageTexts& texts) {
    std::vector<std::pair<const Chartered*, Representative>> rows, columns;
    for (const Chartered& kind : kKinds) {
        if (const auto own = UnitOfKind(fleet, kFirstSide, kind.kind))
            rows.push_back({&kind, *own});
        if (const auto enemy = UnitOfKind(fleet, kSecondSide, kind.kind))
            columns.push_back({&kind, *enemy});
    }
    // Eleven columns: every cell in a smaller hand, and a kind's name kept on its line, so no
    // word breaks on a narrow screen.
    const QString small = QStringLiteral(" style=\"font-size: 12px\"");
    const QString kind = QStringLiteral(" style=\"font-size: 12px; white-space: nowrap\"");
    QString html = QStringLiteral("<table class=\"fight\"><thead><tr><th class=\"rowhead\"") +
                   small + QLatin1Char('>') + Escaped(texts.Text(text::kChartCorner)) +
                   QStringLiteral("</th>");
    for (const auto& [chartered, unit] : columns)
        html += QStringLiteral("<th%1>%2<br>(%3)</th>")
                    .arg(small, Escaped(texts.Text(chartered->name)))
                    .arg(unit.strength);
    html += QStringLiteral("</tr></thead><tbody>");
    for (const auto& [chartered, own] : rows) {
        html += QStringLiteral("<tr><td class=\"rowhead\"%1>%2 (%3)</td>")
                    .arg(kind, Escaped(texts.Text(chartered->name)))
                    .arg(own.strength);
        for (const auto& [other, enemy] : columns) {
            const auto [words, tone] = Cell(
                FightOutcome(own.code, enemy.code, own.strength, enemy.strength, false, false));
            html += words == 0 ? QStringLiteral("<td%1>&ndash;</td>").arg(small)
                               : QStringLiteral("<td class=\"%1\"%2>%3</td>")
                                     .arg(QLatin1String(tone), small, Escaped(texts.Text(words)));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</tbody></table>");
}

}  // namespace kvd
