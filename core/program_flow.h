#pragma once

namespace kvd {

// What any window asks of the program as a whole: back to the main menu, or the end.
class ProgramFlow {
  public:
    virtual ~ProgramFlow() = default;
    // Shows and enables the main menu again, relabelled in the current language.
    virtual void BackToMenu() = 0;
    virtual void EndProgram() = 0;
    // Takes the main menu off the screen (the board's hiding key).
    virtual void HideMenu() = 0;
    // The battle that has just ended, shown again from its start; nothing where none is kept.
    virtual void WatchReplay() {}
    virtual bool ReplayAvailable() const { return false; }
};

}  // namespace kvd
