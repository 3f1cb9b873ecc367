#include "platform/random.h"

#include <chrono>

ClockRandom::ClockRandom() { seedFromClock(); }

double ClockRandom::next() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

void ClockRandom::seedFromClock() {
    engine_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
}
