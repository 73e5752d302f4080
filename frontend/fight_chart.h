#pragma once
#include <QString>

namespace kvd {

class UnitTable;
struct LanguageTexts;

// Where the handbook's pages take the chart of what beats what.
inline const QString kFightChartMark = QStringLiteral("<!--fight-chart-->");

// What beats what, kind against kind, as the fight rules decide it for the units of a fleet at
// the strengths they start with: a row for each of the first side's kinds, a column for each of
// the second side's, in the language of the texts. It is made from the rules each time the
// handbook is read, so it never says other than they do.
QString FightChartHtml(const UnitTable& fleet, const LanguageTexts& texts);

}  // namespace kvd
