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
