#pragma once
#include <QChar>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kvd {

class Files;
struct Platform;

inline const QString kEnglishTexts = QStringLiteral("config\\english.mes");
inline const QString kGermanTexts = QStringLiteral("config\\deutsch.mes");
inline const QString kTextsWorkingCopy = QStringLiteral("config\\message.mes");

// Shown when the language file cannot be copied at start-up; the program then ends.
inline const QString kLanguageFailureAtStart = QStringLiteral(
    "   I/O Operation failed with language file!   \r\r    Closing down Game...  Please reinstall "
    "Korvald!  ");
// Shown when the copy fails on a language change in the options; the game goes on.
inline const QString kLanguageFailureOnChange = QStringLiteral(
    "   I/O Operation failed with language file!   \r\r    Please restart Korvald or reinstall...! "
    " ");
// Neither language file holds a single text: at start-up the program ends, since it would have
// no words at all; on a change in the options the texts stay as they were.
inline const QString kNoLanguageAtStart = QStringLiteral(
    "   Both language files are missing or empty!   \r\r    Closing down Game...  Please reinstall "
    "Korvald!  ");
inline const QString kNoLanguageOnChange = QStringLiteral(
    "   Both language files are missing or empty!   \r\r    The texts stay as they were. Please "
    "reinstall Korvald!  ");

// Texts of the game's own that the language files hold besides those of the windows.
namespace text {
constexpr int kYesButton = 190;
constexpr int kNoButton = 191;
constexpr int kOkButton = 192;
constexpr int kGermanFileBroken = 193;   // said in English, the language the game falls back to
constexpr int kEnglishFileBroken = 194;  // said in German
}  // namespace text

// The numbered texts of the chosen language and the three shared slots a lookup writes into.
// Line n of the list holds text n after a three-character prefix.
struct LanguageTexts {
    QStringList MessageList;
    QString Msg1;
    QString Msg2;
    QString Msg3;

    // Text n (without its prefix) into slot 1, 2 or 3; any other slot stores nothing. A number
    // the list does not hold gives an empty text.
    void MO(int n, int slot);
    // Text n without touching the slots.
    QString Text(int n) const;
    // Text n, or the English words given when the list lacks it (a language file older than
    // the game), so a control never goes blank.
    QString TextOr(int n, const QString& english) const;
};

// The language file of a language: English for 'E', German for anything else.
QString LanguageFile(QChar language);

// Whether the lines of a language file hold any text at all (line 0 is a title, not a text).
bool HoldsTexts(const QStringList& lines);

enum class LanguageSwitch {
    Done,           // the chosen language's texts are loaded
    OtherLanguage,  // its file is missing or holds no text: the other language's texts are loaded
    CopyFailed,  // the working copy could not be written; the texts were read from the file itself
    NoTexts,     // neither file holds a text: the list is left as it was
};

// Replaces the working copy by the language file of `language` and loads it. A file that is
// missing or holds no text gives way to the other language, so the game never goes wordless.
LanguageSwitch SwitchLanguage(Files& files, QChar language, LanguageTexts& texts);

// The switch as the program makes it: the message boxes take the buttons' words of the language
// now spoken, and a language that gave way to the other is reported in one box. What a failed
// copy or a game without any texts means is left to the caller, whose answer differs.
LanguageSwitch ChangeLanguage(Platform& platform, QChar language, LanguageTexts& texts);

// Relabels controls in order with the caption chain: text n of each step is looked up into
// Msg1 and then given to the step's setter.
struct CaptionStep {
    int message;
    std::function<void(const QString&)> set;
};
void CaptionChain(LanguageTexts& texts, const std::vector<CaptionStep>& steps);

}  // namespace kvd
