#pragma once
#include "core/pending_window.h"

namespace kvd {

// The end-of-game window.
class TWinnerForm : public PendingWindow {
public:
    explicit TWinnerForm(Context& context, QWidget* parent = nullptr) : PendingWindow(context, 14, parent) {}
};

}  // namespace kvd
