// A map file as anyone may write or share it: read, checked, and asked what the game asks.
#include "core/map_file.h"
#include "core/unit_codes.h"
#include "core/unit_table.h"
#include "platform/files.h"
#include "tools/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = kvd::DecodeLines(FuzzBytes(data, size));
    const QString fault = kvd::CheckMapLines(lines);
    kvd::MapLines map;
    map.SetLines(lines);
    // A map the check lets through has a home edge a set-up can place fleets on.
    if (fault.isEmpty()) FUZZ_CHECK(QStringLiteral("LRTB").contains(map.HomePosition()));
    map.PicturePath();
    map.Region();
    map.HasPresetLines();
    int land = 0;
    for (int column = -1; column <= 10; ++column)
        for (int row = -1; row <= 10; ++row) {
            const bool isLand = map.IsLand(column, row);
            FUZZ_CHECK(!isLand || (column >= 0 && column <= 9 && row >= 0 && row <= 9));
            land += isLand;
        }
    FUZZ_CHECK(land <= 100);
    for (const kvd::Preset& preset : map.Presets()) {
        // Set-up reads the preset's cell as two numbers; they must be cells of the board.
        FUZZ_CHECK(preset.cell.size() == 4);
        const int column = kvd::ReadNumber(preset.cell, 1, 2),
                  row = kvd::ReadNumber(preset.cell, 3, 2);
        FUZZ_CHECK(column >= 0 && column <= 9 && row >= 0 && row <= 9);
    }
    return 0;
}
