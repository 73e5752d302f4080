#pragma once
#include <QChar>
#include <QString>
#include <QStringList>

namespace kvd {

class Files;
struct Settings;

inline const QString kSettingsFile = QStringLiteral("config\\last.cfg");

// Lines of the settings file. Line 0 is free text; lines 1 to 8 hold one setting each, read
// from their first character (line 3, the map name, whole). Lines after 8 are kept as they are.
namespace settings_line {
constexpr int kHomeNavy = 1;
constexpr int kLanguage = 2;
constexpr int kMapName = 3;
constexpr int kReveal = 4;
constexpr int kFlagTransfer = 5;
constexpr int kSound = 6;
constexpr int kReconPlanes = 7;
constexpr int kAdditionalDamage = 8;
}  // namespace settings_line

// Sets the variables from the settings lines. A line that is missing, or empty, leaves its
// variable as it was.
void ApplySettingsLines(const QStringList& lines, Settings& settings);

// Loads "config\last.cfg" into lines (Memo1) and sets the variables. False when the file cannot
// be read; lines and variables are then left as they were.
bool LoadSettings(const Files& files, QStringList& lines, Settings& settings);

// Writes every line back to "config\last.cfg". The old file is replaced only by a complete new
// one; false when that failed (the old file is then unchanged).
bool SaveSettings(Files& files, const QStringList& lines);

// Replaces only the first character of a settings line, keeping the rest of it. Missing lines
// up to it are added empty first, so a short file still takes the setting.
void SetSettingChar(QStringList& lines, int line, QChar value);
// Replaces a whole line (the map name), adding missing lines first.
void SetSettingLine(QStringList& lines, int line, const QString& value);

}  // namespace kvd
