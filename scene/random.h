// The random generator of scene playback: the 15-bit rand()/srand() of the Windows C runtime,
// so that a seeded pick gives the same colour or position on every platform.
#pragma once

#include <cstdint>

namespace vl {

class RandomGenerator {
  public:
    static constexpr int kMax = 0x7FFF;

    explicit RandomGenerator(std::uint32_t seed = 1) : state_(seed) {}
    void Seed(std::uint32_t seed) { state_ = seed; }
    // 0..32767.
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

  private:
    std::uint32_t state_;
};

// The run-time seed a new colour or motion record takes: the next value of one process-wide
// generator that starts like the C runtime's (seed 1). Called on the user-interface thread only.
std::uint32_t NextCreationSeed();

}  // namespace vl
