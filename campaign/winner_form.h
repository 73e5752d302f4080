#pragma once
#include "core/pending_window.h"
#include "play/end_of_game.h"

namespace kvd {

// The end-of-game window.
class TWinnerForm : public PendingWindow, public EndOfGame {
public:
    explicit TWinnerForm(Context& context, QWidget* parent = nullptr) : PendingWindow(context, 14, parent) {}
    void ShowEndOfGame() override { ShowFullScreen(); }
};

}  // namespace kvd
