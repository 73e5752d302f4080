#pragma once
#include <deque>
#include <functional>

namespace kvd {

class Pacing;

// Rules wait through Delay, which keeps the window alive, so a click, a key or a network
// message can arrive while a rule is half done. The guard says when a rule is running: the
// board then ignores clicks and keys (the quit corner and Esc follow their own rules), and
// network messages are held back and handled, in the order they came, once the rule is done.
// It also stops rules that outlive their game: once the game has been left or the program is
// closing, Delay returns at once and tells the rule to stop.
class RuleGuard {
  public:
    explicit RuleGuard(Pacing& pacing);
    RuleGuard(const RuleGuard&) = delete;
    RuleGuard& operator=(const RuleGuard&) = delete;

    // Marks a rule as running for its lifetime. Scopes nest; when the outermost one ends,
    // whatever was held back runs.
    class Scope {
      public:
        explicit Scope(RuleGuard& guard);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        RuleGuard& guard_;
    };

    bool Running() const { return depth_ > 0; }
    // Runs the task now when no rule is running, otherwise once the running rule has finished.
    void WhenIdle(std::function<void()> task);

    // Waits ms milliseconds while handling window events. False when the rule must stop: the
    // game was left or the program is closing, before or during the wait (which then ends
    // early). A game that ends by its rules is not left: what shows its end still plays.
    bool Delay(int ms);
    bool Stopped() const;
    // A wait outside any game (two programs finding each other): false only when the program
    // is closing.
    bool Pause(int ms);

    // A game starts: waits take their time again.
    void EnterGame() { left_ = false; }
    // The game was just left from an event handler: waits in progress end now, and every wait
    // until the next game returns at once.
    void LeaveGame();
    // The program is closing: every wait ends now and for good, and nothing held back runs.
    void Close();

  private:
    void Finished();

    Pacing& pacing_;
    bool left_ = false;
    int depth_ = 0;
    bool closing_ = false;
    bool draining_ = false;
    std::deque<std::function<void()>> held_;
};

}  // namespace kvd
