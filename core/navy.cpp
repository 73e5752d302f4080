#include "core/navy.h"

#include "core/language_texts.h"
#include "core/text_ids.h"

namespace kvd {

namespace {
// The navies' names, in the order of kNavyLetters, with their English for an old language file.
const char* const kEnglishNames[] = {"Royal Navy", "Kriegsmarine", "US Navy", "Japanese Navy"};
}  // namespace

QChar OpposingNavy(QChar navy) {
    switch (navy.unicode()) {
        case 'E':
            return QLatin1Char('D');
        case 'D':
            return QLatin1Char('E');
        case 'U':
            return QLatin1Char('J');
        default:
            return QLatin1Char('U');
    }
}

QString NavyName(QChar navy, const LanguageTexts& texts) {
    const int k = std::max(0, int(kNavyLetters.indexOf(navy)));
    return texts.TextOr(text::kFirstNavyName + k, QString::fromLatin1(kEnglishNames[k]));
}

}  // namespace kvd
