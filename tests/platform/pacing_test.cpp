#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "platform/pacing.h"

namespace {
// Counts how often a queued event is handled.
struct EventCounter {
    int handled = 0;
    void Post(int n) {
        for (int i = 0; i < n; ++i)
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [this] { ++handled; }, Qt::QueuedConnection);
    }
};
}  // namespace

TEST(Pacing, ZeroDelayHandlesNoEventButWaitHandlesThem) {
    for (int kind = 0; kind < 2; ++kind) {
        std::unique_ptr<kvd::Pacing> pacing;
        if (kind == 0)
            pacing = std::make_unique<kvd::RealPacing>();
        else
            pacing = std::make_unique<kvd::VirtualPacing>();
        EventCounter counter;
        counter.Post(1);
        pacing->Delay(0);
        EXPECT_EQ(counter.handled, 0) << "kind " << kind;
        pacing->Wait(0);
        EXPECT_EQ(counter.handled, 1) << "kind " << kind;
    }
}

TEST(Pacing, RealDelayServesEventsAndTimersWhileWaiting) {
    kvd::RealPacing pacing;
    EventCounter counter;
    counter.Post(3);
    bool timerFired = false;
    QTimer::singleShot(5, [&] { timerFired = true; });
    QElapsedTimer clock;
    clock.start();
    pacing.Delay(40);
    EXPECT_GE(clock.elapsed(), 40);
    EXPECT_EQ(counter.handled, 3);
    EXPECT_TRUE(timerFired);
}

TEST(Pacing, RealDelayAcrossTheCounterWrapNeitherHangsNorOverruns) {
    // A tick counter 20 ms short of its wrap, moving with real time.
    QElapsedTimer real;
    real.start();
    kvd::RealPacing pacing(
        [&] { return std::uint32_t(0xFFFFFFFFu - 20u + std::uint32_t(real.elapsed())); });
    QElapsedTimer clock;
    clock.start();
    pacing.Delay(60);
    EXPECT_GE(clock.elapsed(), 60);
    EXPECT_LT(clock.elapsed(), 60 + 5000) << "the wrap must not stretch the wait";
    // Also a counter near the signed limit.
    QElapsedTimer real2;
    real2.start();
    kvd::RealPacing signedEdge(
        [&] { return std::uint32_t(0x7FFFFFF0u + std::uint32_t(real2.elapsed())); });
    clock.restart();
    signedEdge.Delay(40);
    EXPECT_GE(clock.elapsed(), 40);
    EXPECT_LT(clock.elapsed(), 40 + 5000);
}

TEST(Pacing, VirtualClockAdvancesAtOnceAndWraps) {
    kvd::VirtualPacing pacing(0xFFFFFFF0u);
    EventCounter counter;
    counter.Post(2);
    const QDateTime start = pacing.Now();
    pacing.Delay(1500);
    EXPECT_EQ(counter.handled, 2);
    EXPECT_EQ(pacing.Elapsed(), 1500);
    EXPECT_EQ(pacing.TickCount(), 0xFFFFFFF0u + 1500u);  // wrapped modulo 2^32
    EXPECT_EQ(start.msecsTo(pacing.Now()), 1500);
    pacing.Delay(0);
    pacing.Delay(-5);
    EXPECT_EQ(pacing.Elapsed(), 1500);
    EXPECT_EQ(pacing.Waits(), 1);
}

TEST(RealPacing, InterruptEndsAWaitInProgress) {
    // A clock that never moves: without the interruption this wait would never end (and the
    // test would run into its time limit).
    kvd::RealPacing pacing([] { return std::uint32_t(7); });
    QTimer::singleShot(0, [&] { pacing.Interrupt(); });
    pacing.Delay(20);
    SUCCEED();
}
