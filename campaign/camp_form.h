#pragma once
#include "core/pending_window.h"

namespace kvd {

// The campaign menu.
class TCampForm : public PendingWindow {
public:
    explicit TCampForm(Context& context, QWidget* parent = nullptr) : PendingWindow(context, 72, parent) {}
};

}  // namespace kvd
