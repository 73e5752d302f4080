#pragma once
#include <QDateTime>
#include <cstdint>
#include <functional>
#include <vector>

class QEventLoop;

namespace kvd {

// Time as the game sees it: waits that keep the window alive, a millisecond tick count that
// wraps like a 32-bit counter, and the date and time for report lines.
class Pacing {
  public:
    virtual ~Pacing() = default;
    // Waits ms milliseconds while handling pending window events. Delay(0) returns at once
    // without handling any event.
    virtual void Delay(int ms) = 0;
    // Like Delay, but handles pending events at least once, even for 0 ms.
    virtual void Wait(int ms) = 0;
    // Ends every wait in progress at once (the game was left or the program is closing while
    // a rule waits). Waits that start afterwards are not affected.
    virtual void Interrupt() = 0;
    virtual std::uint32_t TickCount() const = 0;
    virtual QDateTime Now() const = 0;
};

// Real time. Waiting sleeps in a nested event loop, so timers, sockets and clicks are served
// without spinning a core. The tick source is injectable so the wrap of the counter can be
// tried; elapsed time is computed modulo 2^32, so a wrap neither hangs nor lengthens a wait.
class RealPacing : public Pacing {
  public:
    using TickSource = std::function<std::uint32_t()>;
    explicit RealPacing(TickSource ticks = {});
    void Delay(int ms) override;
    void Wait(int ms) override;
    void Interrupt() override;
    std::uint32_t TickCount() const override;
    QDateTime Now() const override;

  private:
    void WaitUntilElapsed(int ms);
    TickSource ticks_;
    std::uint64_t interruptions_ = 0;
    std::vector<QEventLoop*> loops_;  // the nested waits in progress, innermost last
};

// Virtual time for tests: a wait advances the clock at once and handles pending events once.
class VirtualPacing : public Pacing {
  public:
    explicit VirtualPacing(std::uint32_t startTick = 0,
                           QDateTime startTime = QDateTime(QDate(1942, 6, 4), QTime(9, 0)));
    void Delay(int ms) override;
    void Wait(int ms) override;
    // Virtual waits end at once anyway; counted so tests can see a rule was interrupted.
    void Interrupt() override { ++interrupts_; }
    int Interrupts() const { return interrupts_; }
    std::uint32_t TickCount() const override { return tick_; }
    QDateTime Now() const override;
    // The date and time from now on, the waits counting on from there.
    void SetNow(const QDateTime& now) { startTime_ = now.addMSecs(-elapsed_); }

    // Total milliseconds waited so far, and the number of waits.
    std::int64_t Elapsed() const { return elapsed_; }
    int Waits() const { return waits_; }

  private:
    void Advance(int ms);
    std::uint32_t tick_;
    QDateTime startTime_;
    std::int64_t elapsed_ = 0;
    int waits_ = 0;
    int interrupts_ = 0;
};

}  // namespace kvd
