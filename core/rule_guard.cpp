#include "core/rule_guard.h"

#include "platform/pacing.h"

namespace kvd {

RuleGuard::RuleGuard(Pacing& pacing) : pacing_(pacing) {}

RuleGuard::Scope::Scope(RuleGuard& guard) : guard_(guard) {
    ++guard_.depth_;
}

RuleGuard::Scope::~Scope() {
    if (--guard_.depth_ == 0) guard_.Finished();
}

void RuleGuard::WhenIdle(std::function<void()> task) {
    if (closing_) return;
    held_.push_back(std::move(task));
    if (!Running()) Finished();
}

void RuleGuard::Finished() {
    // A held task may itself be a rule that holds back more; the outer loop runs those too,
    // and a task arriving while the queue drains waits its turn instead of jumping ahead.
    if (draining_) return;
    draining_ = true;
    while (!held_.empty() && !Running() && !closing_) {
        std::function<void()> task = std::move(held_.front());
        held_.pop_front();
        task();
    }
    draining_ = false;
}

bool RuleGuard::Stopped() const {
    return closing_ || left_;
}

bool RuleGuard::Delay(int ms) {
    if (Stopped()) return false;
    pacing_.Delay(ms);
    return !Stopped();
}

bool RuleGuard::Pause(int ms) {
    if (closing_) return false;
    pacing_.Delay(ms);
    return !closing_;
}

void RuleGuard::LeaveGame() {
    left_ = true;
    pacing_.Interrupt();
}

void RuleGuard::Close() {
    closing_ = true;
    held_.clear();
    pacing_.Interrupt();
}

}  // namespace kvd
