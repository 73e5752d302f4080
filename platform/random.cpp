#include "platform/random.h"

#include <algorithm>
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
    // Exactly a state: 624 words of 32 bits and a position within them, blanks between, nothing
    // else. Anything more would put the generator outside its own range, or read past its
    // words. Read by hand, since a record's replay reads a state for every game it checks.
    std::string checked;
    checked.reserve(state.size());
    int count = 0;
    for (size_t at = 0; at < state.size();) {
        if (state[at] == ' ') {
            ++at;
            continue;
        }
        const size_t end = std::min(state.find(' ', at), state.size());
        if (end - at > 10) return false;
        unsigned long long value = 0;
        for (size_t k = at; k < end; ++k) {
            if (state[k] < '0' || state[k] > '9') return false;
            value = value * 10 + unsigned(state[k] - '0');
        }
        const bool position = count == int(std::mt19937::state_size);
        if (count > int(std::mt19937::state_size) ||
            value > (position ? std::mt19937::state_size : 0xFFFFFFFFull))
            return false;
        if (count) checked += ' ';
        checked += std::to_string(value);
        ++count;
        at = end;
    }
    if (count != int(std::mt19937::state_size) + 1) return false;
    std::istringstream words(checked);
    std::mt19937 engine;
    words >> engine;
    if (words.fail()) return false;
    engine_ = engine;
    script_.clear();
    return true;
}

void ClockRandom::Seed(Dice& dice) {
    dice.Seed(std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));
}

}  // namespace kvd
