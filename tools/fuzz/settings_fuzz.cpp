// A settings file as anyone may edit it: every setting gets a value, the file is completed,
// and what is written back reads as the same lines.
#include "core/settings.h"
#include "tools/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = FuzzBytes(data, size);
    kvd::SettingsLines lines;
    lines.Parse(bytes);
    kvd::Settings settings;
    kvd::ApplySettingsLines(lines, settings);
    kvd::CompleteSettingsLines(lines, settings);
    for (QChar letter :
         {settings.HomeNavy, settings.Language, settings.RevealOption, settings.FlagTransfer,
          settings.SoundOption, settings.ReconPlanes, settings.AdditionalDamage})
        FUZZ_CHECK(!letter.isNull());
    FUZZ_CHECK(!settings.MapName.isEmpty());
    FUZZ_CHECK(lines.size() > kvd::settings_line::kLast);
    for (int line = 1; line <= kvd::settings_line::kLast; ++line)
        FUZZ_CHECK(!lines.First(line).isNull());
    // Written and read again, the file says the same.
    kvd::SettingsLines again;
    again.Parse(lines.Serialized());
    FUZZ_CHECK(again.Lines() == lines.Lines());
    return 0;
}
