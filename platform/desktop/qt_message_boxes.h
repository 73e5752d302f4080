#pragma once
#include "platform/message_box.h"

namespace kvd {

// Modal Qt message boxes over the active window.
class QtMessageBoxes : public MessageBoxes {
  public:
    BoxAnswer Show(BoxKind kind, const QString& text, BoxButtons buttons) override;
};

}  // namespace kvd
