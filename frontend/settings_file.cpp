#include "frontend/settings_file.h"

#include "core/settings.h"
#include "platform/files.h"

namespace kvd {

void ApplySettingsLines(const QStringList& lines, Settings& settings) {
    using namespace settings_line;
    auto first = [&](int line, QChar& variable) {
        if (line < lines.size() && !lines[line].isEmpty()) variable = lines[line][0];
    };
    first(kHomeNavy, settings.HomeNavy);
    first(kLanguage, settings.Language);
    if (kMapName < lines.size()) settings.MapName = lines[kMapName];
    first(kReveal, settings.RevealOption);
    first(kFlagTransfer, settings.FlagTransfer);
    first(kSound, settings.SoundOption);
    first(kReconPlanes, settings.ReconPlanes);
    first(kAdditionalDamage, settings.AdditionalDamage);
}

bool LoadSettings(const Files& files, QStringList& lines, Settings& settings) {
    QStringList loaded;
    if (!files.LoadLines(kSettingsFile, loaded)) return false;
    lines = loaded;
    ApplySettingsLines(lines, settings);
    return true;
}

bool SaveSettings(Files& files, const QStringList& lines) {
    return files.SaveLines(kSettingsFile, lines);
}

void SetSettingChar(QStringList& lines, int line, QChar value) {
    while (lines.size() <= line) lines << QString();
    if (lines[line].isEmpty()) lines[line] = QString(value);
    else lines[line][0] = value;
}

void SetSettingLine(QStringList& lines, int line, const QString& value) {
    while (lines.size() <= line) lines << QString();
    lines[line] = value;
}

}  // namespace kvd
