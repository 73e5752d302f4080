#include "core/language_texts.h"

#include "platform/files.h"

namespace kvd {

QString LanguageTexts::Text(int n) const {
    if (n < 0 || n >= MessageList.size()) return {};
    return MessageList[n].mid(3);
}

void LanguageTexts::MO(int n, int slot) {
    switch (slot) {
        case 1: Msg1 = Text(n); break;
        case 2: Msg2 = Text(n); break;
        case 3: Msg3 = Text(n); break;
        default: break;
    }
}

bool SwitchLanguage(Files& files, QChar language, LanguageTexts& texts) {
    files.Delete(kTextsWorkingCopy);
    const QString source = language == QLatin1Char('E') ? kEnglishTexts : kGermanTexts;
    const bool copied = files.Copy(source, kTextsWorkingCopy);
    texts.MessageList.clear();
    files.LoadLines(kTextsWorkingCopy, texts.MessageList);
    return copied;
}

void CaptionChain(LanguageTexts& texts, const std::vector<CaptionStep>& steps) {
    // Each control takes the slot's text, then the next control's text is looked up.
    if (steps.empty()) return;
    texts.MO(steps.front().message, 1);
    for (size_t k = 0; k < steps.size(); ++k) {
        steps[k].set(texts.Msg1);
        if (k + 1 < steps.size()) texts.MO(steps[k + 1].message, 1);
    }
}

}  // namespace kvd
