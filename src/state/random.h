// The game's one random-number source: uniform in [0, 1), seeded once.
#pragma once

#include <cstdint>

namespace quorrel {

class Random {
  public:
    explicit Random(uint64_t seed = 1) { Seed(seed); }
    void Seed(uint64_t seed);
    // Never returns 1.0, so floor(n * Next()) is always below n.
    double Next();
    // floor(n * Next()): an index in 0..n-1 for n > 0, else 0.
    int32_t Below(int32_t n);

  private:
    uint64_t state_ = 0;
};

}  // namespace quorrel
