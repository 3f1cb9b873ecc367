#pragma once
// A source of uniform numbers in [0, 1), seeded from the clock; tests script it.

#include <random>

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void seedFromClock() = 0;
};

class ClockRandom final : public RandomSource {
  public:
    ClockRandom();
    double next() override;
    void seedFromClock() override;

  private:
    std::mt19937 engine_;
};
