#include "state/random.h"

namespace quorrel {

void Random::Seed(uint64_t seed) { state_ = seed; }

double Random::Next() {
    // splitmix64: small, fast and well distributed; 53 bits make a double strictly below 1.
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

int32_t Random::Below(int32_t n) {
    if (n <= 0) return 0;
    int32_t k = static_cast<int32_t>(n * Next());
    return k < n ? k : n - 1;  // guards the rounding of n * u for very large n
}

}  // namespace quorrel
