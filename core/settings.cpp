#include "core/settings.h"

#include "core/map_file.h"

#include "platform/files.h"

namespace kvd {

namespace {
const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// The variable of each one-letter setting line.
struct LetterLine {
    int line;
    QChar Settings::*variable;
};
constexpr LetterLine kLetterLines[] = {
    {settings_line::kHomeNavy, &Settings::HomeNavy},
    {settings_line::kLanguage, &Settings::Language},
    {settings_line::kReveal, &Settings::RevealOption},
    {settings_line::kFlagTransfer, &Settings::FlagTransfer},
    {settings_line::kSound, &Settings::SoundOption},
    {settings_line::kReconPlanes, &Settings::ReconPlanes},
    {settings_line::kAdditionalDamage, &Settings::AdditionalDamage},
};
}  // namespace

QChar SettingsLines::First(int line) const {
    if (line < 0 || line >= lines_.size() || lines_[line].isEmpty()) return QChar();
    return lines_[line][0];
}

void SettingsLines::SetChar(int line, QChar value) {
    while (lines_.size() <= line) lines_ << QString();
    if (lines_[line].isEmpty())
        lines_[line] = QString(value);
    else
        lines_[line][0] = value;
}

void SettingsLines::SetLine(int line, const QString& value) {
    while (lines_.size() <= line) lines_ << QString();
    lines_[line] = value;
}

bool SettingsLines::Load(const Files& files) {
    QByteArray bytes;
    if (!files.LoadBytes(kSettingsFile, bytes)) return false;
    Parse(bytes);
    return true;
}

void SettingsLines::Parse(const QByteArray& bytes) {
    byteOrderMark_ = bytes.startsWith(kByteOrderMark);
    read_ = SplitLines(bytes);
    lines_.clear();
    for (const QByteArray& line : read_) lines_ << DecodeLine(line);
}

bool SettingsLines::Save(Files& files) const {
    return files.SaveBytes(kSettingsFile, Serialized());
}

QByteArray SettingsLines::Serialized() const {
    QByteArray bytes = byteOrderMark_ ? kByteOrderMark : QByteArray();
    for (int i = 0; i < lines_.size(); ++i) {
        // Unchanged text goes back as the bytes it came from, so a Latin-1 comment stays Latin-1.
        const bool unchanged = i < read_.size() && DecodeLine(read_[i]) == lines_[i];
        bytes += unchanged ? read_[i] : lines_[i].toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

QString MapNameOf(const SettingsLines& lines) {
    const QString line =
        lines.size() > settings_line::kMapName ? lines[settings_line::kMapName] : QString();
    return IsMapName(line) ? line : kStandardMap;
}

void ApplySettingsLines(const SettingsLines& lines, Settings& settings) {
    for (const LetterLine& l : kLetterLines)
        if (!lines.First(l.line).isNull()) settings.*l.variable = lines.First(l.line);
    if (!lines.First(settings_line::kMapName).isNull()) settings.MapName = MapNameOf(lines);
    // The texts of a letter other than 'E' are German: so is everything else then.
    if (settings.Language != QLatin1Char('E')) settings.Language = QLatin1Char('D');
    settings.Opponent = lines.First(settings_line::kOpponent) == QLatin1Char('A')
                            ? QLatin1Char('A')
                            : QLatin1Char('S');
}

void CompleteSettingsLines(SettingsLines& lines, const Settings& settings) {
    if (lines.isEmpty()) lines.SetLine(0, QString());
    for (const LetterLine& l : kLetterLines)
        if (lines.First(l.line).isNull()) lines.SetChar(l.line, settings.*l.variable);
    if (lines.First(settings_line::kMapName).isNull())
        lines.SetLine(settings_line::kMapName, settings.MapName);
    if (lines.First(settings_line::kOpponent).isNull())
        lines.SetChar(settings_line::kOpponent, settings.Opponent);
}

bool LoadSettings(const Files& files, SettingsLines& lines, Settings& settings) {
    SettingsLines loaded;
    if (!loaded.Load(files)) return false;
    lines = loaded;
    ApplySettingsLines(lines, settings);
    CompleteSettingsLines(lines, settings);
    return true;
}

bool SaveSettings(Files& files, const SettingsLines& lines) {
    return lines.Save(files);
}

void KeepPlayersChoices(Settings& played, const Settings& player) {
    played.Language = player.Language;
    played.SoundOption = player.SoundOption;
}

}  // namespace kvd
