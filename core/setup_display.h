#pragma once

namespace kvd {

// What game set-up shows: the board once the game is ready, and nothing when it fails.
class SetupDisplay {
public:
    virtual ~SetupDisplay() = default;
    // Composes the board of the new game and shows it full screen with the arrow cursor.
    virtual void ShowBoard() = 0;
    virtual void HideBoard() = 0;
};

}  // namespace kvd
