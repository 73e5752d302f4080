#include "core/kind_words.h"

#include "core/text_ids.h"

namespace kvd {

namespace {

struct KindWords {
    UnitKind kind;
    int nameText;
    const char* german;  // UTF-8
};

constexpr KindWords kKindWords[] = {
    {UnitKind::Supply, text::kKindSupplyShip, "Versorgungsschiff"},
    {UnitKind::Submarine, text::kKindSubmarine, "U-Boot"},
    {UnitKind::Corvette, text::kKindCorvette, "Korvette"},
    {UnitKind::Destroyer, text::kKindDestroyer, "Zerstörer"},
    {UnitKind::Frigate, text::kKindFrigate, "Fregatte"},
    {UnitKind::LightCruiser, text::kKindLightCruiser, "Kl. Kreuzer"},
    {UnitKind::HeavyCruiser, text::kKindHeavyCruiser, "Gr. Kreuzer"},
    {UnitKind::Battleship, text::kKindBattleship, "Schlachtschiff"},
    {UnitKind::Carrier, text::kKindCarrier, "Flugzeugträger"},
    {UnitKind::Minefield, 0, "Minen"},
    {UnitKind::Trooper, text::kKindConvoyShip, "Truppentransporter"},
    {UnitKind::Merchant1, text::kKindConvoyShip, "Frachter"},
    {UnitKind::Merchant2, text::kKindConvoyShip, "Frachter"},
    {UnitKind::Oiler, text::kKindConvoyShip, "Öltransporter"},
};

const KindWords* WordsOf(UnitKind kind) {
    for (const KindWords& w : kKindWords)
        if (w.kind == kind) return &w;
    return nullptr;
}

}  // namespace

int KindNameText(UnitKind kind) {
    const KindWords* w = WordsOf(kind);
    return w ? w->nameText : 0;
}

QString GermanKindName(UnitKind kind) {
    const KindWords* w = WordsOf(kind);
    return w ? QString::fromUtf8(w->german) : QString();
}

}  // namespace kvd
