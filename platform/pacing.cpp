#include "platform/pacing.h"

#include <time.h>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>

namespace kvd {

namespace {
std::uint32_t MonotonicMilliseconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    // Truncated to 32 bits on purpose: the counter wraps like the game's tick count always has.
    return std::uint32_t(std::uint64_t(ts.tv_sec) * 1000u + std::uint64_t(ts.tv_nsec) / 1000000u);
}
}  // namespace

RealPacing::RealPacing(TickSource ticks) : ticks_(std::move(ticks)) {
    if (!ticks_) ticks_ = MonotonicMilliseconds;
}

std::uint32_t RealPacing::TickCount() const {
    return ticks_();
}

QDateTime RealPacing::Now() const {
    return QDateTime::currentDateTime();
}

void RealPacing::Delay(int ms) {
    if (ms <= 0) return;
    WaitUntilElapsed(ms);
}

void RealPacing::Wait(int ms) {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
    if (ms > 0) WaitUntilElapsed(ms);
}

void RealPacing::Interrupt() {
    ++interruptions_;
    for (QEventLoop* loop : loops_) loop->quit();
}

void RealPacing::WaitUntilElapsed(int ms) {
    const std::uint64_t interruptions = interruptions_;
    const std::uint32_t start = ticks_();
    while (interruptions == interruptions_) {
        // Unsigned difference: correct across the wrap of the 32-bit counter.
        const std::uint32_t elapsed = ticks_() - start;
        if (elapsed >= std::uint32_t(ms)) return;
        const int remaining = int(std::uint32_t(ms) - elapsed);
        if (!QCoreApplication::instance() || QCoreApplication::closingDown()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(remaining));
            continue;
        }
        // Sleep in a nested event loop until the time is due: timers, sockets and input are
        // served meanwhile and no core is spun.
        QEventLoop loop;
        QTimer::singleShot(remaining, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loops_.push_back(&loop);
        const int result = loop.exec();
        loops_.pop_back();
        // -1: the program is ending and no loop runs any more; waiting on is pointless then.
        if (result == -1) return;
    }
}

VirtualPacing::VirtualPacing(std::uint32_t startTick, QDateTime startTime)
    : tick_(startTick), startTime_(std::move(startTime)) {}

QDateTime VirtualPacing::Now() const {
    return startTime_.addMSecs(elapsed_);
}

void VirtualPacing::Advance(int ms) {
    ++waits_;
    tick_ += std::uint32_t(ms);
    elapsed_ += ms;
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void VirtualPacing::Delay(int ms) {
    if (ms <= 0) return;
    Advance(ms);
}

void VirtualPacing::Wait(int ms) {
    Advance(ms < 0 ? 0 : ms);
}

}  // namespace kvd
