#include "platform/message_box.h"

namespace kvd {

BoxAnswer ScriptedMessageBoxes::Show(BoxKind kind, const QString& text, BoxButtons buttons) {
    shown_.push_back({kind, text, buttons});
    BoxAnswer answer = buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
    if (!script_.empty()) {
        answer = script_.front();
        script_.pop_front();
    }
    return answer;
}

}  // namespace kvd
