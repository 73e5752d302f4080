#pragma once
#include <QString>
#include <vector>

namespace kvd {

struct BattleBand;
struct LanguageTexts;

// A line of the band's battle report, and whether it is good or bad news for the viewer.
struct BattleLine {
    enum Tone { Plain, Good, Bad };
    QString text;
    Tone tone = Plain;
};

// The state of the battle as the viewer knows it: the turn, the own ships afloat, the enemy's in
// sight and sunk; a line each.
std::vector<BattleLine> BattleStateLines(const BattleBand& band, const LanguageTexts& texts);
// The log's newest entries, newest first, at most `count`, each after its turn: the viewer's own
// units by name, the other side's with their kind, an opposing submarine or a minefield only by
// what it is.
std::vector<BattleLine> BattleLogLines(const BattleBand& band, const LanguageTexts& texts,
                                       int count);

}  // namespace kvd
