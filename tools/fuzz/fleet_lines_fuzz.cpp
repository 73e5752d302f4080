// A fleet file as anyone may write it: a fleet that passes the checks must be a table every
// rule can work on.
#include <set>

#include "core/fleet_file.h"
#include "core/game.h"
#include "core/unit_codes.h"
#include "platform/files.h"
#include "platform/pacing.h"
#include "play/radar.h"
#include "tools/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = kvd::DecodeLines(FuzzBytes(data, size));
    if (!kvd::CheckFleetLines(QStringLiteral("fuzz.cfg"), lines).isEmpty()) return 0;
    kvd::Game game;
    kvd::UnitTable& table = game.scratchpad;
    table.SetLines(lines);
    FUZZ_CHECK(table.Count() >= 2 && table.Count() <= kvd::kMaxUnitLines + 1);
    std::set<int> codes;
    bool first = false, second = false;
    for (int i = 1; i < table.Count(); ++i) {
        // Blank lines may stand between the units; every scan passes over them.
        if (table.Line(i).trimmed().isEmpty()) {
            FUZZ_CHECK(table.Side(i) != kvd::kFirstSide && table.Side(i) != kvd::kSecondSide);
            continue;
        }
        FUZZ_CHECK(kvd::CheckUnitLine(table.Line(i)).isEmpty());
        const int code = table.Code(i);
        FUZZ_CHECK(codes.insert(code).second);
        FUZZ_CHECK(kvd::SideOfCode(code) == table.Side(i));
        FUZZ_CHECK(table.PosX(i) >= 0 && table.PosX(i) <= 9 && table.PosY(i) >= 0 &&
                   table.PosY(i) <= 9);
        FUZZ_CHECK(table.Strength(i) >= 0 && table.DamageState(i) >= 0 &&
                   table.DamageState(i) <= 2);
        first = first || table.Side(i) == kvd::kFirstSide;
        second = second || table.Side(i) == kvd::kSecondSide;
        kvd::Radar(game, table.PosX(i), table.PosY(i));
    }
    FUZZ_CHECK(first && second);
    kvd::RevealEnemy(game);
    kvd::RevealAllied(game);
    FUZZ_CHECK(table.Count() == lines.size());
    return 0;
}
