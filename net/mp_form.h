#pragma once
#include "core/pending_window.h"
#include "play/network_board.h"

namespace kvd {

// The multi-player window. Until network games can be set up, no board ever asks it anything.
class TMPForm : public PendingWindow, public NetworkBoard {
public:
    explicit TMPForm(Context& context, QWidget* parent = nullptr) : PendingWindow(context, 12, parent) {}
    void PlayerSleep() override {}
    void ClientSleep() override {}
    void SendLastMove() override {}
    void ResendTable() override {}
    QString Commander(bool) const override { return {}; }
    void ResetConnection() override {}
};

}  // namespace kvd
