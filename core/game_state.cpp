#include "core/game_state.h"

#include <QSet>

#include "core/game.h"

namespace kvd {

namespace {

// Where a variable lives: a member of the game, or a field of one of its two fighters.
template <typename T>
struct Place {
    constexpr Place() = default;
    constexpr Place(T Game::*member) : member(member) {}
    constexpr Place(Fighter Game::*fighter, T Fighter::*field) : fighter(fighter), field(field) {}
    template <typename G>
    auto& In(G& game) const {
        return member ? game.*member : (game.*fighter).*field;
    }
    T Game::*member = nullptr;
    Fighter Game::*fighter = nullptr;
    T Fighter::*field = nullptr;
};

// A number in a range, or a flag kept as 0 or 1.
struct Number {
    const char* name;
    Place<int> place;
    int low, high;
    Place<bool> flag = {};
};
constexpr Number Flag(const char* name, bool Game::*member) {
    return Number{name, {}, 0, 1, member};
}
// A letter from a set, or a side kept as its letter.
struct Letter {
    const char* name;
    Place<QChar> place;
    const char* allowed;
    // Saves made before the variable was kept lack it; it then keeps the value it had.
    bool optional = false;
    Place<Side> side = {};
};
struct Text {
    const char* name;
    Place<QString> place;
    int longest;
};

constexpr Number kNumbers[] = {
    {"GameMode", &Game::GameMode, 0, 3},
    {"CampaignRegion", &Game::CampaignRegion, 0, 8},
    {"NetRole", &Game::NetRole, 0, 2},
    Flag("NetGame", &Game::NetGame),
    {"FirstSideShips", &Game::FirstSideShips, 0, 127},
    {"SecondSideShips", &Game::SecondSideShips, 0, 127},
    {"PlaneLaunches", &Game::PlaneLaunches, 0, 9},
    {"PatrolWaypoint", &Game::PatrolWaypoint, 0, 9},
    {"LastEnemyCode", &Game::LastEnemyCode, 0, 99},
    {"ClickColumn", &Game::ClickColumn, 0, 9},
    {"ClickRow", &Game::ClickRow, 0, 9},
    Flag("UnitSelected", &Game::UnitSelected),
    {"PlayerCode", {&Game::Player, &Fighter::Code}, 0, 99},
    {"PlayerX", {&Game::Player, &Fighter::X}, -1, 99},
    {"PlayerY", {&Game::Player, &Fighter::Y}, -1, 99},
    {"OldPlayerX", {&Game::Player, &Fighter::OldX}, -1, 99},
    {"OldPlayerY", {&Game::Player, &Fighter::OldY}, -1, 99},
    {"PlayerStrength", {&Game::Player, &Fighter::Strength}, -1, 9},
    {"EnemyCode", {&Game::Enemy, &Fighter::Code}, 0, 99},
    {"EnemyX", {&Game::Enemy, &Fighter::X}, -1, 99},
    {"EnemyY", {&Game::Enemy, &Fighter::Y}, -1, 99},
    {"OldEnemyX", {&Game::Enemy, &Fighter::OldX}, -1, 99},
    {"OldEnemyY", {&Game::Enemy, &Fighter::OldY}, -1, 99},
    {"EnemyStrength", {&Game::Enemy, &Fighter::Strength}, -1, 9},
    Flag("RepairReady", &Game::RepairReady),
    {"RepairCellX", &Game::RepairCellX, -1, 99},
    {"RepairCellY", &Game::RepairCellY, -1, 99},
    Flag("PlayerTurn", &Game::PlayerTurn),
    Flag("OpponentTurn", &Game::OpponentTurn),
    Flag("GameActive", &Game::GameActive),
    Flag("GameOver", &Game::GameOver),
    {"TurnCount", &Game::TurnCount, 0, 100000000},
    {"Winner", &Game::Winner, 0, 99},
    {"Looser", &Game::Loser, 0, 99},
    {"Gamestage", &Game::Gamestage, 0, 12},
    Flag("SupportFire", &Game::SupportFire),
    Flag("SubRetreat", &Game::SubRetreat),
    Flag("ETransfered", &Game::ETransferred),
    Flag("DTransfered", &Game::DTransferred),
    {"RevealCount", &Game::RevealCount, 0, 100000},
    Flag("SweepAllowed", &Game::SweepAllowed),
    {"FirstSideWins", &Game::FirstSideWins, 0, 100000000},
    {"SecondSideWins", &Game::SecondSideWins, 0, 100000000},
    {"CampaignLossesFirst", &Game::CampaignLossesFirst, 0, 100000000},
    {"CampaignLossesSecond", &Game::CampaignLossesSecond, 0, 100000000},
};
constexpr Letter kLetters[] = {
    {"HasPresets", &Game::HasPresets, "YN"},
    {"HomePosition", &Game::HomePosition, "LRTB"},
    {"SideToMove", {}, "ED", false, &Game::SideToMove},
    {"FlagTransfer", &Game::FlagTransfer, "YN"},
    {"FlagTransferSecond", &Game::FlagTransferSecond, "YN"},
    {"PlaneAllowance", &Game::PlaneAllowance, "0123456789", true},
};
constexpr Text kTexts[] = {
    {"PlayerName", {&Game::Player, &Fighter::Name}, 18},
    {"PlayerKindName", {&Game::Player, &Fighter::KindName}, 18},
    {"EnemyName", {&Game::Enemy, &Fighter::Name}, 18},
    {"EnemyType", {&Game::Enemy, &Fighter::KindName}, 18},
    {"MoveTargets", &Game::MoveTargets, 39},
};

}  // namespace

QStringList GameVariables(const Game& game) {
    QStringList lines;
    for (const Number& n : kNumbers)
        lines << QLatin1String(n.name) + QLatin1Char('=') +
                     QString::number(n.flag.member ? int(n.flag.In(game)) : n.place.In(game));
    for (const Letter& l : kLetters)
        lines << QLatin1String(l.name) + QLatin1Char('=') +
                     (l.side.member ? QChar(SideLetter(l.side.In(game))) : l.place.In(game));
    for (const Text& t : kTexts)
        lines << QLatin1String(t.name) + QLatin1Char('=') + (t.place.In(game));
    return lines;
}

bool SetGameVariables(Game& game, const QStringList& lines, QString* error) {
    Game set = game;
    QSet<QString> seen;
    qsizetype retired = 0;
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 1) return fail(QStringLiteral("\"%1\" is no variable").arg(line.left(40)));
        const QString name = line.left(equals), value = line.mid(equals + 1);
        if (seen.contains(name))
            return fail(QStringLiteral("%1 is given twice").arg(name.left(40)));
        // Records of earlier versions kept the last step sent to the peer; it is read past.
        if (name == QLatin1String("MoveMessage")) {
            if (value.size() > 24)
                return fail(QStringLiteral("%1 is longer than 24 characters").arg(name));
            seen.insert(name);
            ++retired;
            continue;
        }
        bool known = false;
        for (const Number& n : kNumbers) {
            if (name != QLatin1String(n.name)) continue;
            bool ok = false;
            const int v = value.toInt(&ok);
            if (!ok || v < n.low || v > n.high)
                return fail(QStringLiteral("%1 is not a number from %2 to %3")
                                .arg(name)
                                .arg(n.low)
                                .arg(n.high));
            if (n.flag.member)
                n.flag.In(set) = v == 1;
            else
                n.place.In(set) = v;
            known = true;
        }
        for (const Letter& l : kLetters) {
            if (name != QLatin1String(l.name)) continue;
            if (value.size() != 1 || !QLatin1String(l.allowed).contains(value[0]))
                return fail(
                    QStringLiteral("%1 is not one of %2").arg(name, QLatin1String(l.allowed)));
            if (l.side.member)
                l.side.In(set) = *SideOfLetter(value[0]);
            else
                l.place.In(set) = value[0];
            known = true;
        }
        for (const Text& t : kTexts) {
            if (name != QLatin1String(t.name)) continue;
            if (value.size() > t.longest)
                return fail(
                    QStringLiteral("%1 is longer than %2 characters").arg(name).arg(t.longest));
            for (QChar c : value)
                if (!c.isPrint())
                    return fail(QStringLiteral("%1 holds a character that is not text").arg(name));
            t.place.In(set) = value;
            known = true;
        }
        if (!known)
            return fail(QStringLiteral("%1 is not a variable of the game").arg(name.left(40)));
        seen.insert(name);
    }
    qsizetype all = std::size(kNumbers) + std::size(kLetters) + std::size(kTexts), required = all;
    for (const Letter& l : kLetters)
        if (l.optional && !seen.contains(QLatin1String(l.name))) --all;
    for (const Letter& l : kLetters) required -= l.optional;
    if (seen.size() - retired != all)
        return fail(QStringLiteral("%1 of the game's %2 variables are missing")
                        .arg(all - seen.size())
                        .arg(required));
    game = set;
    return true;
}

}  // namespace kvd
