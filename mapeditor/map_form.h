#pragma once
#include "core/pending_window.h"

namespace kvd {

// The map editor.
class TMapForm : public PendingWindow {
public:
    explicit TMapForm(Context& context, QWidget* parent = nullptr) : PendingWindow(context, 8, parent) {}
};

}  // namespace kvd
