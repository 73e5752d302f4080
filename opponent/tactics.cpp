#include "opponent/tactics.h"

#include "core/game.h"
#include "core/unit_codes.h"
#include "opponent/opponent_state.h"
#include "platform/random.h"

namespace kvd {

namespace {

// The sixteen cells two away from a cell, in ring order.
constexpr int kRing[16][2] = {{-2, -2}, {-1, -2}, {0, -2}, {1, -2}, {2, -2}, {-2, -1}, {2, -1}, {-2, 0},
                              {2, 0},   {-2, 1},  {2, 1},  {-2, 2}, {-1, 2}, {0, 2},  {1, 2},  {2, 2}};

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
        if (table.Side(i) != QLatin1Char('E')) continue;
        const int k = RingSlot(table.PosX(i) - column, table.PosY(i) - row);
        if (k < 0) continue;
        const int code = table.Code(i);
        if (CodeIn(code, 3, 8)) ring[k] = QLatin1Char('A');
        else if (CodeIn(code, 9, 15)) ring[k] = QLatin1Char('B');
        else if (CodeIn(code, 16, 22)) ring[k] = QLatin1Char('C');
    }
    return ring;
}

QString UbootRetract(Game& game) {
    game.SideToMove = QLatin1Char('D');
    QString ring(24, QLatin1Char('0'));
    const UnitTable& table = game.scratchpad;
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != QLatin1Char('E')) continue;
        const int dc = table.PosX(i) - game.PlayerX, dr = table.PosY(i) - game.PlayerY;
        int k = DirectionTo(0, 0, dc, dr) - 1;
        if (k < 0) {
            k = RingSlot(dc, dr);
            if (k < 0) continue;
            k += 8;
        }
        ring[k] = CodeIn(table.Code(i), 9, 15) ? QLatin1Char('H') : QLatin1Char('0');
    }
    return ring;
}

int PriorityRule(int a, int t, Dice& random) {
    int digit = 0;
    auto rule = [&](bool holds, int d) {
        if (holds) digit = d;
    };
    rule(CodeIn(a, 26, 46) && t > 49, 7);
    rule(a == 26, 8);
    // A new draw for every line the rule meets, whatever the line ends with.
    if (CodeIn(a, 27, 32) && CodeIn(t, 4, 8)) rule(random.Next(4) > 1, 9);
    rule(CodeIn(a, 27, 32) && CodeIn(t, 16, 20), 4);
    rule(CodeIn(a, 27, 32) && (t == 2 || t == 21 || t == 22), 2);
    rule(CodeIn(a, 27, 32) && CodeIn(t, 9, 15), 8);
    rule(a == 33 || (a == 34 && CodeIn(t, 11, 22)), 9);
    rule(CodeIn(a, 37, 39) || (CodeIn(a, 33, 36) && CodeIn(t, 11, 22)), 8);
    rule(a == 35 || (a == 36 && CodeIn(t, 11, 22)), 7);
    rule(CodeIn(a, 33, 39) && t < 9, 3);
    rule(a == 35 || (a == 36 && CodeIn(t, 13, 15)), 4);
    rule(a == 35 || (a == 36 && CodeIn(t, 9, 10)), 3);
    rule(CodeIn(a, 37, 39) && t < 16, 2);
    rule(CodeIn(a, 40, 46) && CodeIn(t, 3, 8), 8);
    rule(CodeIn(a, 40, 42) && CodeIn(t, 19, 22), 7);
    rule(CodeIn(a, 43, 44) && CodeIn(t, 21, 22), 6);
    rule(a == 46 && t == 21, 5);
    rule(CodeIn(a, 40, 46) && (CodeIn(t, 9, 15) || t == 2), 4);
    rule(CodeIn(a, 43, 46) && (CodeIn(t, 16, 18) || t == 2), 2);
    rule(CodeIn(a, 45, 46) && (CodeIn(t, 16, 20) || t == 2), 1);
    rule(a == 45 && CodeIn(t, 9, 22), 2);
    rule(CodeIn(a, 45, 46) && CodeIn(t, 3, 8), 7);
    return digit;
}

bool Fights(int a, int t, int playerStrength, int enemyStrength) {
    const bool asStrong = playerStrength <= enemyStrength;
    if (CodeIn(a, 27, 32)) return !CodeIn(t, 9, 15);
    if (CodeIn(a, 33, 39)) return asStrong || CodeIn(t, 2, 8);
    if (CodeIn(a, 40, 46)) return asStrong && !CodeIn(t, 4, 8);
    return false;
}

void BattleStations(Game& g, OpponentState& state, Dice& random) {
    QStringList& news = state.EnemyNews;
    auto usable = [](const QString& line) { return line.size() > 51 && line[0] == QLatin1Char('E'); };
    if (news.size() >= 2) {
        int best = -1, bestDigit = 10;
        for (QString& line : news) {
            if (line.size() <= 51) continue;
            const int digit = PriorityRule(ReadNumber(line, col::kAttackerCode, 2), ReadNumber(line, col::kCode, 2), random);
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
    g.EnemyCode = ReadNumber(chosen, col::kAttackerCode, 2);
    g.PlayerCode = ReadNumber(chosen, col::kCode, 2);
    g.EnemyX = g.PlayerX = ReadNumber(chosen, col::kPosX, 2);
    g.EnemyY = g.PlayerY = ReadNumber(chosen, col::kPosY, 2);
    g.PlayerStrength = ReadNumber(chosen, col::kStrength, 1);

    const UnitTable& table = g.scratchpad;
    const int attacker = table.FindSide(g.EnemyCode, QLatin1Char('D'));
    if (attacker >= 0) {
        g.EnemyStrength = table.Strength(attacker);
        state.EnemyHeading = table.Heading(attacker);
        g.OldEnemyX = table.PosX(attacker);
        g.OldEnemyY = table.PosY(attacker);
    }
    if (g.EnemyCode == 26) state.AvoidFlag = 1;
    if (state.AvoidFlag == 0)
        state.AvoidFlag = Fights(g.EnemyCode, g.PlayerCode, g.PlayerStrength, g.EnemyStrength) ? 0 : 1;
    if (state.AvoidFlag == 0 && attacker >= 0) {
        g.EnemyName = CutName(table.UnitName(attacker));
        g.EnemyType = CutName(table.KindName(attacker));
        g.EnemyStrength = table.Strength(attacker);
    }
}

}  // namespace kvd
