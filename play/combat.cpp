#include "play/combat.h"

#include "play/apply_move.h"
#include "play/battle_notes.h"

#include "core/game.h"
#include "core/game_setup.h"
#include "core/kind_words.h"
#include "core/settings.h"
#include "core/unit_codes.h"

namespace kvd {

namespace {
int Compare(int playerStrength, int enemyStrength) {
    if (playerStrength == enemyStrength) return outcome::kBothLost;
    return playerStrength > enemyStrength ? outcome::kFirstWins : outcome::kSecondWins;
}
}  // namespace

int FightOutcome(int p, int e, int ps, int es, bool dTransferred, bool netGame) {
    using namespace outcome;
    if (p == kReconPlaneCode) {
        const int flagCarrier = !dTransferred ? kSecondCarrierCode : kSecondFlagshipCode;
        return !netGame && e == flagCarrier ? kSecondWins : kNothing;
    }
    if (IsSupply(p) || IsConvoyCode(p))
        return IsSupply(e) || IsMinefield(e) || IsConvoyCode(e) ? kBothLost : kSecondWins;
    // The first side's first submarine (code 3) has no row of its own: its meetings come to
    // nothing.
    if (IsSubmarine(p) && p != 3) {
        if (IsSupply(e) || IsConvoyCode(e)) return kFirstWins;
        if (IsSubmarine(e)) return kBothLost;
        if (IsEscort(e)) return kSecondWins;
        if (IsMinefield(e)) return kBothLost;
        if (IsMajorWarship(e)) return es < 5 ? kFirstWins : kSecondHit;
        return kNothing;
    }
    if (IsEscort(p)) {
        if (IsSupply(e) || IsSubmarine(e) || IsConvoyCode(e)) return kFirstWins;
        if (IsMinefield(e)) return kBothLost;
        return Compare(ps, es);
    }
    if (IsMajorWarship(p)) {
        if (IsSupply(e) || IsConvoyCode(e)) return kFirstWins;
        if (IsSubmarine(e)) return ps < 5 ? kSecondWins : kFirstHit;
        if (IsMinefield(e)) return ps < 5 ? kBothLost : kShipHitsMine;
        if (p == kFirstFlagshipCode && e == kSecondFlagshipCode && ps == es)
            return ps < 5 ? kBothLost : kBattleshipDuel;
        return Compare(ps, es);
    }
    if (IsMinefield(p)) {
        if (IsSupply(e) || IsSubmarine(e)) return kBothLost;
        if (IsConvoyCode(e)) return kFirstWins;
        if (IsWarship(e)) return es < 5 ? kBothLost : kMineHitsShip;
        return Compare(ps, es);
    }
    return kNothing;  // code 3, and anything the table does not know
}

int LastUnitOn(const UnitTable& table, Side side, int column, int row) {
    int found = -1;
    for (int i = 1; i < table.Count(); ++i)
        if (table.Side(i) == side && table.PosX(i) == column && table.PosY(i) == row) found = i;
    return found;
}

void TakeFighter(Game& g, int line) {
    const UnitTable& table = g.scratchpad;
    const int column = table.PosX(line), row = table.PosY(line);
    Fighter& f = g.FighterOf(table.Side(line).value_or(kSecondSide));
    f.Code = table.Code(line);
    f.Name = table.ShownName(line);
    f.KindName = table.ShownKindName(line);
    f.X = f.OldX = column;
    f.Y = f.OldY = row;
    f.Strength = table.Strength(line);
}

void MultiCombat(Game& g) {
    g.SupportFire = false;
    if (IsSubmarine(g.Player.Code) || IsSubmarine(g.Enemy.Code)) return;
    const bool joining = g.NetRole == net_role::kJoining;
    const bool firstSideTurn = g.PlayerTurn;
    // Small ships fight alone: the mover's own side must bring a destroyer or bigger.
    if (!joining &&
        ((firstSideTurn && g.Player.Code <= 10) || (!firstSideTurn && g.Enemy.Code <= 34)))
        return;
    if (joining &&
        ((firstSideTurn && g.Enemy.Code <= 34) || (!firstSideTurn && g.Player.Code <= 10)))
        return;
    const UnitTable& table = g.scratchpad;
    int supporters = 0;
    for (int i = 1; i < table.Count(); ++i) {
        const int code = table.Code(i);
        if (g.SideToMove == kSecondSide && table.Side(i) == kFirstSide && GivesSupportFire(code) &&
            code != g.Player.Code &&
            AreNeighbours(table.PosX(i), table.PosY(i), g.Enemy.X, g.Enemy.Y))
            ++supporters;
        if (g.SideToMove == kFirstSide && GivesSupportFire(g.Player.Code) &&
            table.Side(i) == kSecondSide && GivesSupportFire(code) && code != g.Enemy.Code &&
            AreNeighbours(table.PosX(i), table.PosY(i), g.Player.X, g.Player.Y))
            ++supporters;
    }
    if (supporters > 0) g.SupportFire = true;
}

QString GermanKindName(int code, const Game& g) {
    const bool second = SideOfCode(code) == kSecondSide;
    const UnitKind kind = KindOfCode(code);
    // The battleship's code passes to the carrier that takes the flag over.
    if (kind == UnitKind::Battleship && (second ? g.DTransferred : g.ETransferred))
        return GermanKindName(UnitKind::Carrier);
    // The opponent's convoy keeps its fleet-file names.
    if (second && IsConvoyCode(code)) return {};
    return GermanKindName(kind);
}

void FightNames(Game& g, const Settings& s) {
    if (s.Language == QLatin1Char('D')) {
        const QString player = GermanKindName(g.Player.Code, g),
                      enemy = GermanKindName(g.Enemy.Code, g);
        if (!player.isEmpty()) g.Player.KindName = player;
        if (!enemy.isEmpty()) g.Enemy.KindName = enemy;
    }
    const QChar navy = s.HomeNavy;
    const bool host = g.NetRole == net_role::kNone || g.NetRole == net_role::kHosting,
               joining = g.NetRole == net_role::kJoining;
    if (g.Player.Code == 20) {
        if ((navy == QLatin1Char('E') && host) || (navy == QLatin1Char('D') && joining))
            g.Player.Name = QStringLiteral("Prince Of Wales");
        if ((navy == QLatin1Char('U') && g.NetRole == net_role::kNone) ||
            (navy == QLatin1Char('J') && joining))
            g.Player.Name = QStringLiteral("Indianapolis");
    }
    if (g.Enemy.Code == 44) {
        if ((navy == QLatin1Char('D') && host) || (navy == QLatin1Char('E') && joining))
            g.Enemy.Name = QStringLiteral("Prince Of Wales");
        if ((navy == QLatin1Char('J') && g.NetRole == net_role::kNone) ||
            (navy == QLatin1Char('U') && joining))
            g.Enemy.Name = QStringLiteral("Indianapolis");
    }
}

void HitUnit(UnitTable& table, int index) {
    if (index < 0) return;
    const int strength = table.Strength(index);
    if (strength >= 3) table.SetStrength(index, strength - 2);
    const int damage = table.DamageState(index);
    table.SetDamageState(index, qMin(2, qMax(0, damage) + 1));
}

namespace {
void RemoveCode(UnitTable& table, int code) {
    const int i = table.Find(code);
    if (i >= 0) table.Remove(i);
}

// The radar aircraft goes back onto its carrier while launches remain; else it is gone.
void AircraftLost(Game& g) {
    UnitTable& table = g.scratchpad;
    const bool carrier = table.UnitExists(!g.ETransferred ? 22 : 21);
    if (g.PlaneAllowance != QLatin1Char('0') && carrier &&
        g.PlaneAllowance.digitValue() != g.PlaneLaunches) {
        const int plane = table.FindSide(kReconPlaneCode, kFirstSide);
        if (const std::optional<QPoint> cell = CountReconPlaneLaunch(g); cell && plane >= 0)
            FlyAircraft(g, Move{kFirstSide, kReconPlaneCode, table.PosX(plane), table.PosY(plane),
                                cell->x(), cell->y(), MoveKind::Step});
        return;
    }
    RemoveCode(table, 1);
    g.PlaneAllowance = QLatin1Char('0');
}
}  // namespace

void ApplyOutcome(Game& g) {
    using namespace outcome;
    UnitTable& table = g.scratchpad;
    switch (g.Winner) {
        case kFirstWins:
            RemoveCode(table, g.Enemy.Code);
            g.Loser = g.Enemy.Code;
            if (g.Enemy.Code == 45) g.Gamestage = stage::kFirstSideWon;
            if (g.Enemy.Code == 46) g.FlagTransferSecond = QLatin1Char('N');
            break;
        case kSecondWins:
            g.Loser = g.Player.Code;
            if (g.Player.Code == 1) {
                AircraftLost(g);
                break;
            }
            RemoveCode(table, g.Player.Code);
            if (g.Player.Code == 21) g.Gamestage = stage::kSecondSideWon;
            if (g.Player.Code == 22) g.FlagTransfer = QLatin1Char('N');
            break;
        case kBothLost:
            RemoveCode(table, g.Player.Code);
            RemoveCode(table, g.Enemy.Code);
            if (g.Enemy.Code == 45 && g.Player.Code != 21) g.Gamestage = stage::kFirstSideWon;
            if (g.Player.Code == 21 && g.Enemy.Code != 45) g.Gamestage = stage::kSecondSideWon;
            if (g.Player.Code == 21 && g.Enemy.Code == 45) g.Gamestage = stage::kBothFlagshipsLost;
            if (g.Player.Code == 22) g.FlagTransfer = QLatin1Char('N');
            if (g.Enemy.Code == 46) g.FlagTransferSecond = QLatin1Char('N');
            break;
        case kSecondHit:
            HitUnit(table, table.Find(g.Enemy.Code));
            g.SubRetreat = true;
            break;
        case kMineHitsShip:
            RemoveCode(table, g.Player.Code);
            HitUnit(table, table.Find(g.Enemy.Code));
            g.Loser = g.Player.Code;
            break;
        case kFirstHit:
            HitUnit(table, table.Find(g.Player.Code));
            g.SubRetreat = true;
            break;
        case kShipHitsMine:
            RemoveCode(table, g.Enemy.Code);
            HitUnit(table, table.Find(g.Player.Code));
            g.Loser = g.Enemy.Code;
            break;
        case kBattleshipDuel:
            HitUnit(table, table.Find(g.Player.Code));
            HitUnit(table, table.Find(g.Enemy.Code));
            break;
        default:
            break;
    }
}

void ExtraDamage(Game& g) {
    // The winner: the opposing unit after outcome 2, the player's after outcome 1.
    Fighter& winner = g.Winner == outcome::kSecondWins ? g.Enemy : g.Player;
    const int code = winner.Code;
    int& strength = winner.Strength;
    UnitTable& table = g.scratchpad;
    const int i = table.Find(code);
    if (i < 0) return;
    strength = qMax(0, table.Strength(i) - 1);
    table.SetStrength(i, strength);
}

bool ConvoyLost(const Game& g) {
    const UnitTable& table = g.scratchpad;
    for (int i = 1; i < table.Count(); ++i)
        if (table.Side(i) == kFirstSide && IsConvoyCode(table.Code(i))) return false;
    return true;
}

bool TransferFlag(Game& g, bool firstSide) {
    UnitTable& table = g.scratchpad;
    const int carrier = table.Find(firstSide ? 22 : 46);
    if (carrier < 0) return false;
    table.SetChar(carrier, col::kCode + 1, firstSide ? QLatin1Char('1') : QLatin1Char('5'));
    NoteFlagTransfer(g, carrier);
    return true;
}

}  // namespace kvd
