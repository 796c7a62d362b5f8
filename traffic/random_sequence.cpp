#include "traffic/random_sequence.h"

void RandomSequence::reseed(unsigned seed) {
    // Seed 0 would leave every word 0.
    std::int32_t word = seed == 0 ? 1 : static_cast<std::int32_t>(seed);
    state_[0] = static_cast<std::uint32_t>(word);
    for (int i = 1; i < Degree; ++i) {
        // 16807 * word mod (2^31 - 1) without overflow (Schrage), signed as glibc has it:
        // a seed above 2^31 - 1 starts negative, and the sequence follows that.
        const std::int32_t hi = word / 127773;
        const std::int32_t lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0) word += 2147483647;
        state_[i] = static_cast<std::uint32_t>(word);
    }
    front_ = Separation;
    rear_ = 0;
    // The first outputs still show the seed's pattern; glibc drops ten rounds of them.
    for (int i = 0; i < 10 * Degree; ++i) next();
}

int RandomSequence::next() {
    state_[front_] += state_[rear_];  // modulo 2^32
    const auto result = static_cast<int>(state_[front_] >> 1);
    front_ = (front_ + 1) % Degree;
    rear_ = (rear_ + 1) % Degree;
    return result;
}

namespace {
RandomSequence& programSequence() {
    static RandomSequence sequence;
    return sequence;
}
}  // namespace

void seedRandom(unsigned seed) {
    programSequence().reseed(seed);
}

int nextRandom() {
    return programSequence().next();
}
