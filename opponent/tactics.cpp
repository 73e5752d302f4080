#include "opponent/tactics.h"

#include "core/game.h"
#include "core/unit_codes.h"
#include "opponent/opponent_state.h"
#include "platform/random.h"

namespace kvd {

namespace {

// The sixteen cells two away from a cell, in ring order.
constexpr int kRing[16][2] = {{-2, -2}, {-1, -2}, {0, -2}, {1, -2}, {2, -2}, {-2, -1},
                              {2, -1},  {-2, 0},  {2, 0},  {-2, 1}, {2, 1},  {-2, 2},
                              {-1, 2},  {0, 2},   {1, 2},  {2, 2}};

int RingSlot(int dc, int dr) {
    for (int k = 0; k < 16; ++k)
        if (kRing[k][0] == dc && kRing[k][1] == dr) return k;
    return -1;
}

constexpr int kPriorityColumn = col::kAttackPriority;
}  // namespace

QString RadarPlus(const Game& game, int column, int row) {
    QString ring(16, QLatin1Char('0'));
    const UnitTable& table = game.scratchpad;
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != kFirstSide) continue;
        const int k = RingSlot(table.PosX(i) - column, table.PosY(i) - row);
        if (k < 0) continue;
        const int code = table.Code(i);
        if (IsSubmarine(code))
            ring[k] = QLatin1Char('A');
        else if (IsEscort(code))
            ring[k] = QLatin1Char('B');
        else if (IsMajorWarship(code))
            ring[k] = QLatin1Char('C');
    }
    return ring;
}

QString UbootRetract(Game& game) {
    game.SideToMove = kSecondSide;
    QString ring(24, QLatin1Char('0'));
    const UnitTable& table = game.scratchpad;
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != kFirstSide) continue;
        const int dc = table.PosX(i) - game.Player.X, dr = table.PosY(i) - game.Player.Y;
        int k = DirectionTo(0, 0, dc, dr) - 1;
        if (k < 0) {
            k = RingSlot(dc, dr);
            if (k < 0) continue;
            k += 8;
        }
        ring[k] = IsEscort(table.Code(i)) ? QLatin1Char('H') : QLatin1Char('0');
    }
    return ring;
}

int PriorityRule(int a, int t, Dice& random) {
    // The attacker a is the computer's unit, the target t the player's. The table singles out the
    // first and second unit of a kind by code where it treats them apart.
    int digit = 0;
    auto rule = [&](bool holds, int d) {
        if (holds) digit = d;
    };
    auto kind = [](int code, UnitKind k) { return IsKind(code, k); };
    const bool smallTarget =
        kind(t, UnitKind::ReconPlane) || IsSupply(t) || IsSubmarine(t);  // codes 1 to 8
    // The first side's first submarine (code 3) draws no submarine's rule.
    const bool huntedSubmarine = IsSubmarine(t) && t != 3;
    rule((IsSupply(a) || IsSubmarine(a) || IsWarship(a)) && IsConvoyCode(t), 7);
    rule(a == kSecondSupplyCode, 8);
    // A new draw for every line the rule meets, whatever the line ends with.
    if (IsSubmarine(a) && huntedSubmarine) rule(random.Next(4) > 1, 9);
    rule(IsSubmarine(a) && IsCruiser(t), 4);
    rule(IsSubmarine(a) && (IsSupply(t) || IsCapitalShip(t)), 2);
    rule(IsSubmarine(a) && IsEscort(t), 8);
    rule(a == 33 || (a == 34 && GivesSupportFire(t)), 9);
    rule(kind(a, UnitKind::Frigate) ||
             ((kind(a, UnitKind::Corvette) || kind(a, UnitKind::Destroyer)) && GivesSupportFire(t)),
         8);
    rule(a == 35 || (a == 36 && GivesSupportFire(t)), 7);
    rule(IsEscort(a) && smallTarget, 3);
    rule(a == 35 || (a == 36 && kind(t, UnitKind::Frigate)), 4);
    rule(a == 35 || (a == 36 && kind(t, UnitKind::Corvette)), 3);
    rule(kind(a, UnitKind::Frigate) && (smallTarget || IsEscort(t)), 2);
    rule(IsMajorWarship(a) && IsSubmarine(t), 8);
    rule(kind(a, UnitKind::LightCruiser) && (kind(t, UnitKind::HeavyCruiser) || IsCapitalShip(t)),
         7);
    rule(kind(a, UnitKind::HeavyCruiser) && IsCapitalShip(t), 6);
    rule(a == kSecondCarrierCode && t == kFirstFlagshipCode, 5);
    rule(IsMajorWarship(a) && (IsEscort(t) || IsSupply(t)), 4);
    rule((kind(a, UnitKind::HeavyCruiser) || IsCapitalShip(a)) &&
             (kind(t, UnitKind::LightCruiser) || IsSupply(t)),
         2);
    rule(IsCapitalShip(a) && (IsCruiser(t) || IsSupply(t)), 1);
    rule(a == kSecondFlagshipCode && IsWarship(t), 2);
    rule(IsCapitalShip(a) && IsSubmarine(t), 7);
    return digit;
}

bool Fights(int a, int t, int playerStrength, int enemyStrength) {
    const bool asStrong = playerStrength <= enemyStrength;
    if (IsSubmarine(a)) return !IsEscort(t);
    if (IsEscort(a)) return asStrong || IsSupply(t) || IsSubmarine(t);
    // The first side's first submarine (code 3) does not keep a major warship away.
    if (IsMajorWarship(a)) return asStrong && !(IsSubmarine(t) && t != 3);
    return false;
}

void BattleStations(Game& g, OpponentState& state, Dice& random) {
    QStringList& news = state.EnemyNews;
    auto usable = [](const QString& line) {
        return line.size() > 51 && SideOfLetter(line[0]) == kFirstSide;
    };
    if (news.size() >= 2) {
        int best = -1, bestDigit = 10;
        for (QString& line : news) {
            if (line.size() <= 51) continue;
            const int digit = PriorityRule(ReadNumber(line, col::kAttackerCode, 2),
                                           ReadNumber(line, col::kCode, 2), random);
            if (digit > 0) line[kPriorityColumn - 1] = QChar(u'0' + digit);
        }
        for (int i = 0; i < news.size(); ++i) {
            if (!usable(news[i])) continue;
            const QChar d = news[i][kPriorityColumn - 1];
            if (d >= QLatin1Char('1') && d <= QLatin1Char('9') && d.digitValue() < bestDigit) {
                bestDigit = d.digitValue();
                best = i;
            }
        }
        if (best < 0)
            for (int i = 0; i < news.size(); ++i)
                if (usable(news[i])) best = i;
        if (best >= 0) news = QStringList{news[best]};
    }
    if (news.isEmpty()) return;
    const QString chosen = news.first();
    news.clear();
    g.Enemy.Code = ReadNumber(chosen, col::kAttackerCode, 2);
    g.Player.Code = ReadNumber(chosen, col::kCode, 2);
    g.Enemy.X = g.Player.X = ReadNumber(chosen, col::kPosX, 2);
    g.Enemy.Y = g.Player.Y = ReadNumber(chosen, col::kPosY, 2);
    g.Player.Strength = ReadNumber(chosen, col::kStrength, 1);

    const UnitTable& table = g.scratchpad;
    const int attacker = table.FindSide(g.Enemy.Code, kSecondSide);
    if (attacker >= 0) {
        g.Enemy.Strength = table.Strength(attacker);
        state.EnemyHeading = table.Heading(attacker);
        g.Enemy.OldX = table.PosX(attacker);
        g.Enemy.OldY = table.PosY(attacker);
    }
    if (g.Enemy.Code == kSecondSupplyCode) state.AvoidFlag = true;
    if (!state.AvoidFlag)
        state.AvoidFlag = !Fights(g.Enemy.Code, g.Player.Code, g.Player.Strength, g.Enemy.Strength);
    if (!state.AvoidFlag && attacker >= 0) {
        g.Enemy.Name = table.ShownName(attacker);
        g.Enemy.KindName = table.ShownKindName(attacker);
        g.Enemy.Strength = table.Strength(attacker);
    }
}

}  // namespace kvd
