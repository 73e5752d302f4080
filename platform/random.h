#pragma once
#include <cstdint>
#include <deque>
#include <random>

namespace kvd {

// Uniform whole numbers 0 to n - 1 from one generator.
class Random {
public:
    virtual ~Random() = default;
    // Seeds the generator from the clock (game set-up does this once per game).
    virtual void Seed() = 0;
    // A whole number from 0 to n - 1; 0 when n < 1.
    virtual int Next(int n) = 0;
};

class ClockRandom : public Random {
public:
    ClockRandom();
    void Seed() override;
    int Next(int n) override;

private:
    std::mt19937 engine_;
};

// Deterministic random for tests: scripted values are handed out first (each taken modulo n),
// then a generator with a fixed seed. Seed() does not reseed, so a test controls the sequence.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::uint32_t seed = 1942) : engine_(seed) {}
    void Script(std::initializer_list<int> values) { script_.insert(script_.end(), values); }
    void Seed() override { ++seeds_; }
    int Next(int n) override;
    int Seeds() const { return seeds_; }
    int Draws() const { return draws_; }

private:
    std::mt19937 engine_;
    std::deque<int> script_;
    int seeds_ = 0;
    int draws_ = 0;
};

}  // namespace kvd
