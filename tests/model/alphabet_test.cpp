#include "model/alphabet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "model/random_source.h"

namespace tesselo {
namespace {

using Samples = std::vector<int>;

Samples Negated(Samples samples) {
  for (int& s : samples) s = -s;
  return samples;
}

int SumOfSquares(const Samples& samples) {
  int sum = 0;
  for (int s : samples) sum += s * s;
  return sum;
}

// An alphabet built from the random source's initial state, as at program start.
class AlphabetTest : public testing::Test {
 protected:
  void SetUp() override {
    random_source::Seed(1);
    alphabet.Build();
  }
  const Samples& Letter(int n) const { return alphabet.letters[n].samples; }

  Alphabet alphabet;
};

TEST_F(AlphabetTest, HasTwentyOneLettersOfTwentySamples) {
  EXPECT_EQ(alphabet.AlSize, 21);
  EXPECT_EQ(alphabet.letterLength, 20);
  EXPECT_EQ(alphabet.maxAmplitude, 150);
  ASSERT_EQ(alphabet.letters.size(), 22u);
  for (int n = 1; n <= 21; ++n) {
    EXPECT_EQ(alphabet.letters[n].length, 20) << n;
    ASSERT_EQ(Letter(n).size(), 20u) << n;
    for (int s : Letter(n)) EXPECT_LE(std::abs(s), alphabet.maxAmplitude) << n;
  }
}

TEST_F(AlphabetTest, FixedLettersMatchTheirFormulas) {
  const Samples halfSine = {0, 14, 28, 41, 53, 64, 72, 79, 84, 86, 86, 84, 79, 72, 64, 53, 41, 28, 14, 0};
  const Samples dampedSine = {0, 96, 137, 117, 55, -17, -69, -85, -65, -22,
                              20, 48, 51, 34, 7, -18, -31, -30, -17, 0};
  const Samples ramp = {-104, -94, -84, -73, -63, -52, -42, -32, -21, -11,
                        0, 10, 20, 31, 41, 52, 62, 72, 83, 93};
  const Samples gentleRamp = {30, 32, 35, 38, 41, 44, 47, 50, 53, 56,
                              59, 62, 64, 67, 70, 73, 76, 79, 82, 85};
  const Samples peak = {14, 17, 20, 25, 32, 41, 53, 68, 86, 103, 110, 103, 86, 68, 53, 41, 32, 25, 20, 17};
  const Samples riseAndDecay = {0, 116, 139, 118, 93, 72, 57, 45, 37, 30, 26, 22, 19, 16, 14, 12, 11, 10, 9, 8};
  Samples alternating;
  for (int i = 0; i < 20; ++i) alternating.push_back(i % 2 == 0 ? -60 : 60);

  const Samples expected[] = {
      Samples(20, 60), Samples(20, -60), halfSine,     Negated(halfSine),     dampedSine,
      Negated(dampedSine), ramp,       Negated(ramp), gentleRamp,           Negated(gentleRamp),
      peak,            Negated(peak),  riseAndDecay, Negated(riseAndDecay), alternating,
  };
  for (int n = 1; n <= 15; ++n) EXPECT_EQ(Letter(n), expected[n - 1]) << "letter " << n;
}

TEST_F(AlphabetTest, RandomLettersComeFromTheInitialState) {
  // Derived independently from the drawing rules (tests/tools/reference_generator.py).
  const Samples expected[] = {
      {14, 58, 11, 35, 94, 43, 27, 91, 92, 57, 1, 86, 63, 9, 21, 67, 104, 85, 9, 12},
      {102, 71, 0, 53, 102, 28, 7, 40, 76, 33, 16, 44, 24, 48, 24, 39, 58, 70, 82, 103},
      {-68, -41, 92, -47, 17, 15, -88, -80, -7, 77, -5, 98, 97, 13, 21, -49, -98, 23, -2, 31},
      {-45, 29, 54, 58, 45, -50, -9, 48, 76, -45, -11, 48, 71, 62, 60, -77, 78, -94, -26, 104},
      {-98, -30, -55, -12, -53, -57, -87, -94, -45, -17, -17, -85, -48, -42, -57, -44, -71, -65, -2, -81},
      {-52, -95, -50, -60, -81, -69, -36, -52, -73, -95, -40, -15, -68, -43, -70, -22, 0, -63, -53, -51},
  };
  for (int n = 16; n <= 21; ++n) EXPECT_EQ(Letter(n), expected[n - 16]) << "letter " << n;
}

TEST_F(AlphabetTest, LettersShareAnEnergyNear72000) {
  for (int n : {1, 2, 15}) EXPECT_EQ(SumOfSquares(Letter(n)), 72000) << n;
  for (int n = 1; n <= 15; ++n) EXPECT_NEAR(SumOfSquares(Letter(n)), 72000, 1440) << n;
  for (int n = 16; n <= 21; ++n) {
    // Truncation only shrinks a scaled sample.
    EXPECT_LE(SumOfSquares(Letter(n)), 72000) << n;
    EXPECT_GT(SumOfSquares(Letter(n)), 70000) << n;
  }
}

TEST_F(AlphabetTest, RandomLettersKeepTheirSign) {
  for (int n : {16, 17})
    for (int s : Letter(n)) EXPECT_GE(s, 0) << n;
  for (int n : {20, 21})
    for (int s : Letter(n)) EXPECT_LE(s, 0) << n;
}

TEST(MakeShape, UnknownShapeIsSilent) {
  for (int shape : {-1, 10, 99}) {
    Sequence letter;
    letter.MakeShape(shape, 20, 60, 1.0);
    EXPECT_EQ(letter.samples, Samples(20, 0)) << shape;
    EXPECT_EQ(letter.amplitude, 60);
  }
}

TEST(MakeShape, RandomLetterWithoutEnergyIsSilent) {
  // A seed whose first draw is a multiple of 300 gives a one-sample letter with S = 0.
  std::uint32_t seed = 0;
  do {
    random_source::Seed(++seed);
  } while (random_source::Draw() % 300 != 0);
  for (int shape : {5, 7}) {
    random_source::Seed(seed);
    Sequence letter;
    letter.MakeShape(shape, 1, 0, 0.0);
    EXPECT_EQ(letter.samples, Samples{0}) << shape;
  }
}

TEST(MakeShape, ClipsRandomSamplesJustInsideTheLimit) {
  // Scaled to a sum of squares of 72000, a two-sample letter has a sample of at least
  // sqrt(36000) > 150 in magnitude, which clipping redraws into 121..150.
  random_source::Seed(3);
  for (int trial = 0; trial < 100; ++trial) {
    for (int shape : {5, 6, 7}) {
      Sequence letter;
      letter.MakeShape(shape, 2, 0, 0.0);
      const int larger = std::abs(letter.samples[0]) > std::abs(letter.samples[1])
                             ? letter.samples[0]
                             : letter.samples[1];
      EXPECT_GE(std::abs(larger), 121) << shape;
      EXPECT_LE(std::abs(larger), 150) << shape;
      if (shape == 5) {
        EXPECT_GT(larger, 0);
      }
      if (shape == 7) {
        EXPECT_LT(larger, 0);
      }
    }
  }
}

}  // namespace
}  // namespace tesselo
