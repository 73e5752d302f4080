#include "opponent/hint_reason.h"

#include <algorithm>

#include "core/kind_words.h"
#include "core/language_texts.h"
#include "core/text_ids.h"
#include "core/unit_codes.h"
#include "core/unit_table.h"
#include "opponent/side_view.h"
#include "play/combat.h"

namespace kvd {

namespace {

QString KindWord(const LanguageTexts& texts, int code) {
    const int words = KindNameText(KindOfCode(code));
    return words > 0 ? texts.Text(words) : QString();
}

int Distance(int c1, int r1, int c2, int r2) {
    return std::max(std::abs(c1 - c2), std::abs(r1 - r2));
}

bool Beside(int c1, int r1, int c2, int r2) {
    return Distance(c1, r1, c2, r2) == 1;
}

// A meeting's outcome for the side, by the table, with the side's unit as the first side's or
// the second's as the table wants them.
int OutcomeFor(const SideView& view, int ownCode, int ownStrength, const Contact& contact) {
    const bool first = view.side == kFirstSide;
    return first ? FightOutcome(ownCode, contact.code, ownStrength, contact.strength,
                                view.dTransferred, false)
                 : FightOutcome(contact.code, ownCode, contact.strength, ownStrength,
                                view.dTransferred, false);
}

bool OwnLoss(const SideView& view, int outcome) {
    const bool first = view.side == kFirstSide;
    return outcome == outcome::kBothLost ||
           outcome == (first ? outcome::kSecondWins : outcome::kFirstWins);
}

bool OwnWin(const SideView& view, int outcome) {
    const bool first = view.side == kFirstSide;
    return outcome == (first ? outcome::kFirstWins : outcome::kSecondWins) ||
           outcome == (first ? outcome::kSecondHit : outcome::kFirstHit);
}

}  // namespace

QString HintReason(const SideView& view, const Move& move, const LanguageTexts& texts) {
    UnitTable own;
    own.SetLines(QStringList{view.header} + view.own);
    const int line = own.Find(move.code);
    if (line < 0) return {};
    const QString name = own.ShownName(line);
    const int strength = own.Strength(line);
    if (move.kind == MoveKind::Repair) return texts.Text(text::kHintRepair).arg(name);

    // A fight: what the table says of it, where the contact is known.
    for (const Contact& contact : view.contacts) {
        if (contact.column != move.toColumn || contact.row != move.toRow) continue;
        if (contact.code == 0) return texts.Text(text::kHintUnknownContact).arg(name);
        if (OwnWin(view, OutcomeFor(view, move.code, strength, contact)))
            return texts.Text(text::kHintWins)
                .arg(KindWord(texts, move.code), KindWord(texts, contact.code));
    }
    // Away from a submarine that has just struck a ship there: it lies unseen beside that ship.
    for (const int cell : view.submarineStruck) {
        const int column = cell % 10, row = cell / 10;
        const int from = Distance(column, row, move.fromColumn, move.fromRow);
        if (from > 1 || Distance(column, row, move.toColumn, move.toRow) <= from) continue;
        QString struck = name;
        for (int i = 1; i < own.Count(); ++i)
            if (own.PosX(i) == column && own.PosY(i) == row) struck = own.ShownName(i);
        return texts.Text(text::kHintSubmarineStruck).arg(struck);
    }
    // Out of reach of a contact that would beat it.
    for (const Contact& contact : view.contacts)
        if (contact.code != 0 &&
            Beside(contact.column, contact.row, move.fromColumn, move.fromRow) &&
            !Beside(contact.column, contact.row, move.toColumn, move.toRow) &&
            OwnLoss(view, OutcomeFor(view, move.code, strength, contact)))
            return texts.Text(text::kHintThreat)
                .arg(KindWord(texts, contact.code), KindWord(texts, move.code));
    return texts.Text(text::kHintCloser).arg(name);
}

}  // namespace kvd
