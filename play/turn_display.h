#pragma once
#include <QString>

#include "platform/cursor.h"

namespace kvd {

class Showing;

// What the callers of the turn rules need of the board that shows the game: playing what the
// rules noted, a report line, a sound, the pointer, and the board composed and shown. The board
// implements it; a network game reaches the board only through it.
class TurnDisplay {
  public:
    virtual ~TurnDisplay() = default;
    // Plays what the rules noted, in order; false when it was cut short (the game was left or
    // the program closes).
    virtual bool Show(const Showing& show) = 0;
    // A line in the report box of the band.
    virtual void Report(const QString& text) = 0;
    // A sound, as the sound setting decides.
    virtual void Sound(const QString& name, bool wait) = 0;
    virtual void SetCursor(CursorShape shape) = 0;
    // The board of a game just set up, composed and shown full screen.
    virtual void ShowBoard() = 0;
    // The board composed anew from the game (with the reveal pass) and put on the window.
    virtual void Redraw() = 0;
    virtual bool Shown() const = 0;
};

}  // namespace kvd
