#pragma once
#include <QChar>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kvd {

class Files;

inline const QString kEnglishTexts = QStringLiteral("config\\english.mes");
inline const QString kGermanTexts = QStringLiteral("config\\deutsch.mes");
inline const QString kTextsWorkingCopy = QStringLiteral("config\\message.mes");

// Shown when the language file cannot be copied at start-up; the program then ends.
inline const QString kLanguageFailureAtStart = QStringLiteral(
    "   I/O Operation failed with language file!   \r\r    Closing down Game...  Please reinstall KVD!  ");
// Shown when the copy fails on a language change in the options; the game goes on.
inline const QString kLanguageFailureOnChange = QStringLiteral(
    "   I/O Operation failed with language file!   \r\r    Please restart KVD or reinstall...!  ");

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
};

// Replaces the working copy by the language file of `language` ('E' English, anything else
// German) and loads it. False when the copy failed; the list is then loaded from whatever the
// working copy holds (empty when there is none).
bool SwitchLanguage(Files& files, QChar language, LanguageTexts& texts);

// Relabels controls in order with the caption chain: text n of each step is looked up into
// Msg1 and then given to the step's setter.
struct CaptionStep {
    int message;
    std::function<void(const QString&)> set;
};
void CaptionChain(LanguageTexts& texts, const std::vector<CaptionStep>& steps);

}  // namespace kvd
