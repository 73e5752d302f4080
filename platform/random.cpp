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
    // Exactly a state: 624 words of 32 bits and a position within them, nothing else. Anything
    // more would put the generator outside its own range, or read past its words.
    std::istringstream in(state);
    std::ostringstream checked;
    std::string number;
    int count = 0;
    while (in >> number) {
        if (number.size() > 10 || number.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const unsigned long long value = std::stoull(number);
        const bool position = count == int(std::mt19937::state_size);
        if (value > (position ? std::mt19937::state_size : 0xFFFFFFFFull)) return false;
        checked << (count ? " " : "") << value;
        ++count;
    }
    if (count != int(std::mt19937::state_size) + 1) return false;
    for (char c : state)
        if (c != ' ' && (c < '0' || c > '9')) return false;
    std::istringstream words(checked.str());
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
