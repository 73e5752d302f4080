#pragma once
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <random>
#include <string>

namespace kvd {

// The draws of one game: uniform whole numbers 0 to n - 1 from a generator that is a plain
// value, so a copy of a game draws on from the same point without disturbing the original.
// A test may script the next draws; they come first (each taken modulo n).
class Dice {
  public:
    explicit Dice(std::uint32_t seed = 1942) : engine_(seed) {}
    void Seed(std::uint32_t seed) { engine_.seed(seed); }
    // A whole number from 0 to n - 1; 0 when n < 1.
    int Next(int n);
    void Script(std::initializer_list<int> values) { script_.insert(script_.end(), values); }
    int Draws() const { return draws_; }
    // The generator's whole state as one line of numbers, and back: a game saved and read
    // again draws on exactly where it stopped. False for a line that is not such a state.
    std::string State() const;
    bool SetState(const std::string& state);

  private:
    std::mt19937 engine_;
    std::deque<int> script_;
    int draws_ = 0;
};

// How a game's dice are seeded when a game is set up.
class Random {
  public:
    virtual ~Random() = default;
    // Game set-up does this once per game.
    virtual void Seed(Dice& dice) = 0;
};

// From the clock: every game draws differently.
class ClockRandom : public Random {
  public:
    void Seed(Dice& dice) override;
};

// Never reseeds, so a test or a self-play run controls the whole sequence; counts the seedings.
class ScriptedRandom : public Random {
  public:
    void Seed(Dice&) override { ++seeds_; }
    int Seeds() const { return seeds_; }

  private:
    int seeds_ = 0;
};

}  // namespace kvd
