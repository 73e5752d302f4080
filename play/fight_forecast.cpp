#include "play/fight_forecast.h"

#include "core/game.h"
#include "core/language_texts.h"
#include "core/settings.h"
#include "core/text_ids.h"
#include "core/unit_codes.h"
#include "play/apply_move.h"
#include "play/rules.h"
#include "play/showing.h"

namespace kvd {

namespace {

// The opposing unit a step onto the cell meets (the last one there, never the radar aircraft),
// and the one the board draws there (the last that is neither a submarine nor a minefield).
struct Occupant {
    int met = -1, shown = -1;
};

Occupant OccupantOf(const Game& game, Side mover, int column, int row) {
    const UnitTable& table = game.scratchpad;
    Occupant o;
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != OtherSide(mover) || table.Code(i) == kReconPlaneCode ||
            table.PosX(i) != column || table.PosY(i) != row)
            continue;
        o.met = i;
        if (!IsSubmarine(table.Code(i)) && !IsMinefield(table.Code(i))) o.shown = i;
    }
    return o;
}

// A unit's strength in a table, found by side and name (a carrier that takes over the flag
// changes its code, never its name); -1 once it is gone.
int StrengthOf(const UnitTable& table, Side side, const QString& name) {
    for (int i = 1; i < table.Count(); ++i)
        if (table.Side(i) == side && table.UnitName(i) == name) return table.Strength(i);
    return -1;
}

// The move played on a copy of the game whose first draw is `coin`; nothing is shown.
ForecastBranch PlayOut(const Game& game, const Settings& settings, const Move& move, int coin,
                       const QString& moverName, const QString& metName, bool* drew) {
    Game copy = game;
    Settings copySettings = settings;
    const LanguageTexts noTexts;
    Showing nothing(false);
    Rules rules{copy, copySettings, noTexts, nothing, nullptr};
    const int draws = copy.dice.Draws();
    copy.dice.Script({coin});
    ApplyMove(rules, move);
    if (drew) *drew = copy.dice.Draws() > draws;
    ForecastBranch branch;
    branch.moverStrength = StrengthOf(copy.scratchpad, move.side, moverName);
    branch.metStrength = StrengthOf(copy.scratchpad, OtherSide(move.side), metName);
    branch.stage = copy.GameOver ? copy.Gamestage : int(stage::kOn);
    return branch;
}

bool SameOutcome(const ForecastBranch& a, const ForecastBranch& b) {
    return a.moverStrength == b.moverStrength && a.metStrength == b.metStrength &&
           a.stage == b.stage;
}

}  // namespace

FightForecast ForecastFight(const Game& game, const Settings& settings, const Move& move) {
    FightForecast forecast;
    if (move.kind != MoveKind::Step && move.kind != MoveKind::Attack) return forecast;
    const UnitTable& table = game.scratchpad;
    const int mover = table.FindSide(move.code, move.side);
    const Occupant there = OccupantOf(game, move.side, move.toColumn, move.toRow);
    if (mover < 0 || there.shown < 0 || move.Stays()) return forecast;
    const int moverCode = table.Code(mover);
    if (IsSubmarine(moverCode) || IsMinefield(moverCode)) return forecast;
    forecast.moverName = table.ShownName(mover);
    forecast.moverStrength = table.Strength(mover);
    // A hidden submarine or minefield under a ship the board shows is met first: the board
    // cannot tell, so neither does the forecast.
    if (there.met != there.shown || settings.RevealOption != QLatin1Char('Y') ||
        !table.IsRevealed(there.shown)) {
        forecast.kind = FightForecast::Kind::Unknown;
        return forecast;
    }
    forecast.kind = FightForecast::Kind::Known;
    forecast.metName = table.ShownName(there.met);
    forecast.metStrength = table.Strength(there.met);
    const QString moverLine = table.UnitName(mover), metLine = table.UnitName(there.met);
    bool coin = false;
    const ForecastBranch heads = PlayOut(game, settings, move, 0, moverLine, metLine, &coin);
    forecast.branches.push_back(heads);
    if (!coin) return forecast;
    const ForecastBranch tails = PlayOut(game, settings, move, 1, moverLine, metLine, nullptr);
    if (SameOutcome(heads, tails)) return forecast;
    forecast.branches = {heads, tails};
    for (ForecastBranch& branch : forecast.branches) branch.chance = 50;
    return forecast;
}

namespace {

QString Effects(const FightForecast& f, const ForecastBranch& b, const LanguageTexts& texts,
                Side viewer) {
    QStringList parts;
    if (b.moverStrength < 0 && b.metStrength < 0) {
        parts << texts.TextOr(text::kForecastBothSunk, QStringLiteral("both are sunk"));
    } else {
        const QString sunk = texts.TextOr(text::kForecastSunk, QStringLiteral("%1 is sunk"));
        const QString hit = texts.TextOr(text::kForecastHit, QStringLiteral("%1 down to %2"));
        if (b.metStrength < 0) parts << sunk.arg(f.metName);
        if (b.moverStrength < 0) parts << sunk.arg(f.moverName);
        if (b.moverStrength >= 0 && b.moverStrength != f.moverStrength)
            parts << hit.arg(f.moverName, QString::number(b.moverStrength));
        if (b.metStrength >= 0 && b.metStrength != f.metStrength)
            parts << hit.arg(f.metName, QString::number(b.metStrength));
    }
    if (b.stage >= stage::kEnded) {
        const bool won =
            b.stage == (viewer == kFirstSide ? stage::kFirstSideWon : stage::kSecondSideWon);
        const bool lost =
            b.stage == (viewer == kFirstSide ? stage::kSecondSideWon : stage::kFirstSideWon);
        if (won) parts << texts.TextOr(text::kForecastWon, QStringLiteral("the battle is won"));
        if (lost) parts << texts.TextOr(text::kForecastLost, QStringLiteral("the battle is lost"));
        if (!won && !lost)
            parts << texts.TextOr(text::kForecastDrawn, QStringLiteral("the battle ends drawn"));
    }
    if (parts.isEmpty())
        parts << texts.TextOr(text::kForecastNothing, QStringLiteral("nothing happens"));
    return parts.join(QStringLiteral(", "));
}

}  // namespace

QString ForecastText(const FightForecast& f, const LanguageTexts& texts, Side viewer) {
    switch (f.kind) {
        case FightForecast::Kind::None:
            return {};
        case FightForecast::Kind::Unknown:
            return texts
                .TextOr(text::kForecastUnknown, QStringLiteral("%1 against an unknown ship"))
                .arg(f.moverName);
        case FightForecast::Kind::Known:
            break;
    }
    QString outcomes;
    if (f.branches.size() == 1) {
        outcomes = Effects(f, f.branches.front(), texts, viewer);
    } else {
        QStringList told;
        const QString chance =
            texts.TextOr(text::kForecastChance, QStringLiteral("%1 (%2 in 100)"));
        for (const ForecastBranch& b : f.branches)
            told << chance.arg(Effects(f, b, texts, viewer), QString::number(b.chance));
        outcomes = told.join(texts.TextOr(text::kForecastOr, QStringLiteral(" or ")));
    }
    return texts.TextOr(text::kForecast, QStringLiteral("%1 (%2) against %3 (%4): %5"))
        .arg(f.moverName, QString::number(f.moverStrength), f.metName,
             QString::number(f.metStrength), outcomes);
}

}  // namespace kvd
