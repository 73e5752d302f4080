#pragma once
#include <QString>

#include "play/move.h"

namespace kvd {

struct LanguageTexts;
struct SideView;

// Why the Admiral suggests a move, in a few words, from the same things its weighing of a
// position counts, as far as the side's board shows them: a fight the table wins, a ship taken
// out of reach of a submarine that has struck or of a contact that beats it, a repair, and
// otherwise the way toward enemies its ships can beat.
QString HintReason(const SideView& view, const Move& move, const LanguageTexts& texts);

}  // namespace kvd
