// The program's one generator of random numbers: the GNU C library's srand/rand
// sequence, computed here so that a seed gives the same town in every edition, also
// where the platform's C library has another generator (the browser's).
#pragma once

#include <array>
#include <cstdint>

// An additive feedback generator over 31 words, seeded with a multiplicative
// congruential sequence, as glibc's rand (its TYPE_3) gives it.
class RandomSequence {
public:
    static constexpr int Max = 2147483647;  // RAND_MAX of glibc

    explicit RandomSequence(unsigned seed = 1) { reseed(seed); }
    void reseed(unsigned seed);
    int next();  // 0..Max

private:
    static constexpr int Degree = 31;
    static constexpr int Separation = 3;
    std::array<std::uint32_t, Degree> state_{};
    int front_ = Separation;
    int rear_ = 0;
};

// The program's generator, as srand and rand would be; unseeded it runs as seed 1.
void seedRandom(unsigned seed);
int nextRandom();
