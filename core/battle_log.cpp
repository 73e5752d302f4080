#include "core/battle_log.h"

namespace kvd {

void BattleLog::Add(LogEntry entry) {
    entry.turn = turn;
    Keep(std::move(entry));
}

void BattleLog::Keep(LogEntry entry) {
    ring_[next_] = std::move(entry);
    next_ = (next_ + 1) % kKept;
    if (size_ < kKept) ++size_;
}

const LogEntry& BattleLog::Newest(int k) const {
    return ring_[(next_ - 1 - k + 2 * kKept) % kKept];
}

}  // namespace kvd
