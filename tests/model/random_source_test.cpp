#include "model/random_source.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tesselo {
namespace {

std::vector<int> Draws(int count) {
  std::vector<int> draws;
  for (int i = 0; i < count; ++i) draws.push_back(random_source::Draw());
  return draws;
}

TEST(RandomSource, StateOneGivesTheClassicSequence) {
  random_source::Seed(1);
  EXPECT_EQ(Draws(10), (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358,
                                          26962, 24464}));
}

TEST(RandomSource, ReseedingRepeatsTheSequence) {
  random_source::Seed(12345);
  const std::vector<int> first = Draws(100);
  random_source::Seed(12345);
  EXPECT_EQ(Draws(100), first);
}

TEST(RandomSource, FollowsTheCongruentialRuleOverTheWholeStateRange) {
  // The state wraps modulo 2^32 and a draw is bits 16..30 of the new state.
  for (std::uint32_t seed : {0u, 0x7fffffffu, 0x80000000u, 0xffffffffu}) {
    random_source::Seed(seed);
    const std::uint64_t next = (std::uint64_t{seed} * 214013 + 2531011) % (std::uint64_t{1} << 32);
    EXPECT_EQ(random_source::Draw(), static_cast<int>((next / 65536) % 32768)) << seed;
  }
}

TEST(RandomSource, DrawsStayWithinFifteenBits) {
  random_source::Seed(7);
  int lowest = random_source::kDrawMax;
  int highest = 0;
  for (int draw : Draws(200000)) {
    lowest = std::min(lowest, draw);
    highest = std::max(highest, draw);
  }
  EXPECT_EQ(lowest, 0);
  EXPECT_EQ(highest, random_source::kDrawMax);
}

}  // namespace
}  // namespace tesselo
