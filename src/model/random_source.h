#pragma once
#include <cstdint>

// The process-wide random source. It behaves like the classic C runtime generator
// (linear congruential, 15-bit draws, state 1 at start) on every platform, so a seeded
// experiment is reproducible to the sample. Everything random in the program draws here.
namespace tesselo::random_source {

inline constexpr int kDrawMax = 32767;

// Restarts the sequence of draws; seeding with 1 restores the state at program start.
void Seed(std::uint32_t seed);

// The next draw, 0..kDrawMax.
int Draw();

}  // namespace tesselo::random_source
