#include "platform/random.h"

#include <chrono>

namespace kvd {

int Dice::Next(int n) {
    ++draws_;
    if (n < 1) return 0;
    if (!script_.empty()) {
        const int value = script_.front();
        script_.pop_front();
        return ((value % n) + n) % n;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

void ClockRandom::Seed(Dice& dice) {
    dice.Seed(std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));
}

}  // namespace kvd
