#include "platform/message_box.h"

namespace kvd {

void MessageBoxes::SetButtonTexts(const BoxButtonTexts& texts) {
    const BoxButtonTexts english;
    buttonTexts_.yes = texts.yes.isEmpty() ? english.yes : texts.yes;
    buttonTexts_.no = texts.no.isEmpty() ? english.no : texts.no;
    buttonTexts_.ok = texts.ok.isEmpty() ? english.ok : texts.ok;
}

QStringList MessageBoxes::Captions(BoxButtons buttons) const {
    if (buttons == BoxButtons::YesNo) return {buttonTexts_.yes, buttonTexts_.no};
    return {buttonTexts_.ok};
}

QString FittedBoxText(const QString& text) {
    constexpr int kLongestWord = 80;
    constexpr int kLongestText = 1200;
    const QChar ellipsis(0x2026);
    QString fitted;
    qsizetype start = 0;
    // Words are cut at blanks and line ends, which the box wraps at.
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !text[i].isSpace()) continue;
        const QStringView word = QStringView(text).mid(start, i - start);
        if (word.size() > kLongestWord)
            fitted += word.left(kLongestWord / 2 - 1).toString() + ellipsis +
                      word.right(kLongestWord / 2).toString();
        else
            fitted += word;
        if (i < text.size()) fitted += text[i];
        start = i + 1;
    }
    if (fitted.size() > kLongestText) fitted = fitted.left(kLongestText - 1) + ellipsis;
    return fitted;
}

BoxAnswer ScriptedMessageBoxes::Show(BoxKind kind, const QString& text, BoxButtons buttons) {
    shown_.push_back({kind, text, buttons, Captions(buttons)});
    BoxAnswer answer = buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
    if (!script_.empty()) {
        answer = script_.front();
        script_.pop_front();
    }
    return answer;
}

}  // namespace kvd
