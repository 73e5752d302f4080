#pragma once
#include "platform/cursor.h"

namespace kvd {

// The mouse cursor of a Qt window.
class QtCursor : public Cursor {
  public:
    void Set(QWidget* window, CursorShape shape) override;
};

}  // namespace kvd
