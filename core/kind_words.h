#pragma once
#include <QString>

#include "core/unit_codes.h"

namespace kvd {

// The words for a kind of unit, in one table: the language files' common name of the kind (the
// battle log's, in either language; 0 for units known by their names alone), and the German
// kind name the unit panel and the fight report give with the German texts (empty where the
// fleet file's own name stands).
int KindNameText(UnitKind kind);
QString GermanKindName(UnitKind kind);

}  // namespace kvd
