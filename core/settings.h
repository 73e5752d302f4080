#pragma once
#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace kvd {

class Files;

// The nine player settings as the game reads them. They are copied from the settings lines
// (the first character of lines 1, 2 and 4 to 9, the whole of line 3). Playing never changes
// them: a game keeps its own counts (the radar aircraft's launches among them) in Game.
struct Settings {
    QChar HomeNavy =
        QLatin1Char('E');  // 'E' Royal Navy, 'D' Kriegsmarine, 'U' US Navy, 'J' Japanese navy
    QChar Language = QLatin1Char('E');  // 'E' English, anything else German
    QString MapName = QStringLiteral("$STANDARD");
    QChar RevealOption = QLatin1Char('Y');
    QChar FlagTransfer = QLatin1Char('Y');
    QChar SoundOption = QLatin1Char('Y');
    QChar ReconPlanes = QLatin1Char('1');  // '0' to '3'
    QChar AdditionalDamage = QLatin1Char('N');
    QChar Opponent = QLatin1Char('S');  // the computer opponent: 'S' standard, 'A' the Admiral
};

// Whether the Admiral plays the second side in a game against the computer.
inline bool AdmiralPlays(const Settings& settings) {
    return settings.Opponent == QLatin1Char('A');
}

inline const QString kSettingsFile = QStringLiteral("config\\last.cfg");

// Lines of the settings file. Line 0 is free text; lines 1 to 9 hold one setting each, read
// from their first character (line 3, the map name, whole). Lines after 9 are kept as they are.
// Line 9, the opponent, came after the others: programs from before it keep it as one of the
// lines they do not read, and a file from before it plays against the standard opponent.
namespace settings_line {
constexpr int kHomeNavy = 1;
constexpr int kLanguage = 2;
constexpr int kMapName = 3;
constexpr int kReveal = 4;
constexpr int kFlagTransfer = 5;
constexpr int kSound = 6;
constexpr int kReconPlanes = 7;
constexpr int kAdditionalDamage = 8;
constexpr int kOpponent =
    9;  // 'A' the Admiral; 'S', anything else or nothing: the standard opponent
constexpr int kLast = kOpponent;
}  // namespace settings_line

// The lines of the settings file as the program holds them. A line the game never changes is
// written back with the very bytes it was read with, whatever their encoding; a changed line
// is written in UTF-8.
class SettingsLines {
  public:
    SettingsLines() = default;
    SettingsLines(const QStringList& lines)
        : lines_(lines) {}  // NOLINT: lines as a test writes them

    const QStringList& Lines() const { return lines_; }
    int size() const { return int(lines_.size()); }
    bool isEmpty() const { return lines_.isEmpty(); }
    const QString& operator[](int i) const { return lines_[i]; }
    // The first character of a line; a null character when the line is missing or empty.
    QChar First(int line) const;

    // Replaces only the first character of a setting line, keeping the rest of it. Missing
    // lines up to it are added empty first, so a short file still takes the setting.
    void SetChar(int line, QChar value);
    // Replaces a whole line (the map name), adding missing lines first.
    void SetLine(int line, const QString& value);

    // Reads the file; false (and nothing changed) when it cannot be read.
    bool Load(const Files& files);
    // Writes every line back, replacing the file only by a complete new one.
    bool Save(Files& files) const;
    // The lines from a file's bytes, and the bytes the lines are written back as.
    void Parse(const QByteArray& bytes);
    QByteArray Serialized() const;

  private:
    QStringList lines_;
    QList<QByteArray> read_;  // each line's bytes as read
    bool byteOrderMark_ = false;
};

// The map the settings line names; the standard map when the line is no map name (a path, a
// name grown by a fault), which is never opened.
QString MapNameOf(const SettingsLines& lines);
// Sets the variables from the settings lines. A line that is missing, or empty, leaves its
// variable as it was. A language other than English is German, and a map line that is no map
// name means the standard map. Any other letter the setting does not know is taken as it
// stands: the options window then selects nothing for it, and the rules read it as they read
// any other. The
// opponent is the exception: only an 'A' asks for the Admiral, and any other line, or none,
// means the standard opponent.
void ApplySettingsLines(const SettingsLines& lines, Settings& settings);

// Gives every setting line that is missing or empty the value its variable holds, so the
// next save writes all nine settings.
void CompleteSettingsLines(SettingsLines& lines, const Settings& settings);

// Loads "config\last.cfg" into lines, sets the variables, and completes the lines from the
// variables. False when the file cannot be read; lines and variables are then left as they were.
bool LoadSettings(const Files& files, SettingsLines& lines, Settings& settings);

// Writes every line back to "config\last.cfg". The old file is replaced only by a complete new
// one; false when that failed (the old file is then unchanged).
bool SaveSettings(Files& files, const SettingsLines& lines);

// The shorthands the options window changes the lines with.
inline void SetSettingChar(SettingsLines& lines, int line, QChar value) {
    lines.SetChar(line, value);
}
inline void SetSettingLine(SettingsLines& lines, int line, const QString& value) {
    lines.SetLine(line, value);
}

// A game read back from its record is played with the record's settings, but it speaks the
// player's language and sounds as the player chose.
void KeepPlayersChoices(Settings& played, const Settings& player);

}  // namespace kvd
