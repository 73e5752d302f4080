#include "play/repair.h"

#include "core/game.h"
#include "core/language_texts.h"
#include "core/text_ids.h"
#include "core/unit_codes.h"
#include "play/battle_notes.h"
#include "play/rules.h"
#include "play/showing.h"

namespace kvd {

RepairDone RepairUnit(Game& game, int repairerCode, int targetCode) {
    UnitTable& table = game.scratchpad;
    const int repairer = table.Find(repairerCode);
    const int target = table.Find(targetCode);
    if (repairer < 0 || target < 0) return {};
    if (table.RepairCount(target) >= 2) return {};
    const QPoint from(table.PosX(repairer), table.PosY(repairer));
    const QPoint to(table.PosX(target), table.PosY(target));
    if (!AreNeighbours(from.x(), from.y(), to.x(), to.y())) return {};
    const int strength = table.Strength(target);
    if (strength >= 8) return {};
    if (strength >= 2) {
        table.SetStrength(target, strength + 1);
        // Mended to "damaged" at best; a repair never marks a sound ship as damaged.
        table.SetDamageState(target, qMin(table.DamageState(target), 1));
    }
    table.SetRepairCount(target, table.RepairCount(target) + 1);
    return {true, from, to};
}

bool Repair(Rules& r, int repairerCode, int targetCode) {
    const RepairDone done = RepairUnit(r.game, repairerCode, targetCode);
    if (!done.repaired) return false;
    NoteRepair(r.game, targetCode);
    r.show.Battle(r.game);
    r.show.Report(r.texts.Text(text::kSupplyShipRepaired), 15, 12, 95);
    r.show.Sound(QStringLiteral("hammer"), false);
    r.show.RepairHammers(done.repairer, done.target);
    r.show.Wait(500);
    return true;
}

namespace {
QString SupplyScan(Game& game, int selectedCode, int supplyCode, int column, int row) {
    QString result = QStringLiteral("12345678");
    UnitTable& table = game.scratchpad;
    const std::optional<Side> side = SideOfCode(selectedCode);
    const int unit = side ? table.FindSide(selectedCode, *side) : -1;
    if (unit < 0 || table.DamageState(unit) == 0 || table.RepairCount(unit) != 0) return result;
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != side || table.Code(i) != supplyCode) continue;
        game.RepairCellX = table.PosX(i);
        game.RepairCellY = table.PosY(i);
        const int k = DirectionTo(column, row, game.RepairCellX, game.RepairCellY);
        if (k > 0) result[k - 1] = QLatin1Char('A');
    }
    return result;
}
}  // namespace

bool MayAskForRepair(int code) {
    return IsSupply(code) || IsSubmarine(code) || IsEscort(code) || IsCruiser(code);
}

QString RadarAux(Game& game, int column, int row) {
    return SupplyScan(game, game.Player.Code, kFirstSupplyCode, column, row);
}

QString AxisRepairScan(Game& game, int column, int row) {
    return SupplyScan(game, game.Enemy.Code, kSecondSupplyCode, column, row);
}

}  // namespace kvd
