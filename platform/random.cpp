#include "platform/random.h"

#include <chrono>
#include <sstream>

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

std::string Dice::State() const {
    std::ostringstream out;
    out << engine_;
    return out.str();
}

bool Dice::SetState(const std::string& state) {
    // Exactly the numbers of a state: 624 words and a position, nothing else.
    int numbers = 0;
    bool inNumber = false;
    for (char c : state) {
        if (c >= '0' && c <= '9') {
            numbers += !inNumber;
            inNumber = true;
        } else if (c == ' ') {
            inNumber = false;
        } else {
            return false;
        }
    }
    if (numbers != int(std::mt19937::state_size) + 1) return false;
    std::istringstream in(state);
    std::mt19937 engine;
    in >> engine;
    if (in.fail()) return false;
    engine_ = engine;
    script_.clear();
    return true;
}

void ClockRandom::Seed(Dice& dice) {
    dice.Seed(std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));
}

}  // namespace kvd
