#pragma once

#include <cstdint>
#include <random>

// The game's one source of chance. random(n) is 0 for n <= 0, otherwise 0 .. n-1.
class Random {
  public:
    virtual ~Random() = default;
    virtual int32_t random(int32_t n) = 0;
};

// The generator of a real game, seeded once from the clock at start-up.
class SeededRandom final : public Random {
  public:
    explicit SeededRandom(uint32_t seed) : engine_(seed) {}
    int32_t random(int32_t n) override;

  private:
    std::minstd_rand engine_;  // yields non-negative 31-bit integers
};
