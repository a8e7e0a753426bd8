#include "model/random_source.h"

namespace tesselo::random_source {
namespace {

std::uint32_t state = 1;

}  // namespace

void Seed(std::uint32_t seed) { state = seed; }

int Draw() {
  state = state * 214013u + 2531011u;  // modulo 2^32 by unsigned wrap-around
  return static_cast<int>((state >> 16) & 0x7fffu);
}

}  // namespace tesselo::random_source
