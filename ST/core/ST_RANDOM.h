#pragma once
#include <cstdint>

namespace ZEL {

// Two seeded generators sharing one state, and a stateless hash-like one. The results are
// bit-exact on every machine: the puzzle cut is reproduced from a seed.
class ST_RANDOM {
public:
    int GetRandomI(int lo, int hi, unsigned seed);
    float GetRandomF(float lo, float hi, unsigned seed);
    void Seed(float s);
    static int Rand(int x);
    static bool RandB(int x);

    std::uint32_t GetState() const { return state; }

private:
    void Step(unsigned seed);
    std::uint32_t state = 0;
};

} // namespace ZEL
