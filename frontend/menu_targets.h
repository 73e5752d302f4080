#pragma once

namespace kvd {

// What the main menu's entries open; the program wires them to its windows.
class MenuTargets {
  public:
    virtual ~MenuTargets() = default;
    virtual void StartGame() = 0;  // game set-up of a single game, mode already set
    virtual void ShowMultiPlayer() = 0;
    virtual void ShowCampaign() = 0;
    virtual void ShowMapMaker() = 0;
    virtual void ShowOptions() = 0;
    virtual void ShowAbout() = 0;
    virtual void ShowServiceRecord() {}
};

}  // namespace kvd
