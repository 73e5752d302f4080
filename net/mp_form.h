#pragma once
#include "core/pending_window.h"

namespace kvd {

// The multi-player window.
class TMPForm : public PendingWindow {
public:
    explicit TMPForm(Context& context, QWidget* parent = nullptr) : PendingWindow(context, 12, parent) {}
};

}  // namespace kvd
