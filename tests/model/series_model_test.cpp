#include "model/series_model.h"

#include <gtest/gtest.h>

namespace tesselo {
namespace {

struct Bounds {
  int N, M_min, M_max, A_plus, B_minus, B;
};

void ExpectBounds(const SeriesModel& m, const Bounds& expected) {
  EXPECT_EQ(m.N, expected.N);
  EXPECT_EQ(m.M_min, expected.M_min);
  EXPECT_EQ(m.M_max, expected.M_max);
  EXPECT_EQ(m.A_minus, 0);
  EXPECT_EQ(m.A_plus, expected.A_plus);
  EXPECT_EQ(m.B_minus, expected.B_minus);
  EXPECT_EQ(m.B, expected.B);
}

class PresetTest : public testing::TestWithParam<Bounds> {};

TEST_P(PresetTest, BothSettersDeriveThePresetBounds) {
  const Bounds& preset = GetParam();
  SeriesModel byParameters;
  byParameters.M = 7;
  EXPECT_EQ(byParameters.SetParameters(preset.N, 40, 135, 20), 1);
  ExpectBounds(byParameters, preset);
  EXPECT_EQ(byParameters.M, 7) << "the count of the last experiment is kept";
  EXPECT_EQ(byParameters.T_min, 40);
  EXPECT_EQ(byParameters.T_max, 135);
  EXPECT_EQ(byParameters.q, 20);

  SeriesModel byRanges;
  EXPECT_EQ(byRanges.SetRanges(preset.N, preset.A_plus, preset.B_minus, 40, 135, 20), 1);
  ExpectBounds(byRanges, preset);
}

INSTANTIATE_TEST_SUITE_P(StandardLengths, PresetTest,
                         testing::Values(Bounds{200, 1, 5, 115, 65, 180},
                                         Bounds{600, 4, 15, 115, 465, 580},
                                         Bounds{1200, 9, 30, 115, 1065, 1180}));

TEST(SetRanges, DerivesCountsFromCustomBounds) {
  struct Case {
    int N, A_plus, B_minus, T_min, T_max;
    Bounds expected;
  };
  const Case cases[] = {
      // B- <= A+: one fragment can lie in both windows.
      {200, 115, 65, 40, 135, {200, 1, 5, 115, 65, 180}},
      // floor(484 / 135) + 1 steps from A+ to B-.
      {600, 115, 465, 40, 135, {600, 4, 15, 115, 465, 580}},
      // B - A- divisible by T_min: the last start may lie at B itself.
      {220, 115, 85, 40, 135, {220, 1, 6, 115, 85, 200}},
      // A+ = 0, B- = 270: floor(404 / 135) + 1.
      {400, 0, 270, 40, 135, {400, 3, 10, 0, 270, 380}},
      // A long custom series.
      {100020, 115, 99865, 21, 135, {100020, 740, 4762, 115, 99865, 100000}},
      // Sums past the 32-bit range are formed in 64 bits.
      {2147483647, 0, 2147483600, 21, 2147483647, {2147483647, 2, 102261126, 0, 2147483600, 2147483627}},
  };
  for (const Case& c : cases) {
    SeriesModel m;
    m.SetRanges(c.N, c.A_plus, c.B_minus, c.T_min, c.T_max, 20);
    SCOPED_TRACE(testing::Message() << "N = " << c.N << ", B- = " << c.B_minus);
    ExpectBounds(m, c.expected);
    EXPECT_EQ(m.T_min, c.T_min);
    EXPECT_EQ(m.T_max, c.T_max);
  }
}

TEST(SeriesModel, StartsEmpty) {
  SeriesModel m;
  EXPECT_EQ(m.N, 0);
  EXPECT_EQ(m.M, 0);
  EXPECT_EQ(m.noiseLevel, 0);
  EXPECT_EQ(m.word, nullptr);
  EXPECT_EQ(m.alphabet, nullptr);
  EXPECT_EQ(m.words, nullptr);
  EXPECT_EQ(m.unobservable.length, 0);
  EXPECT_TRUE(m.unobservable.samples.empty());
  EXPECT_TRUE(m.estimation.starts.empty());
  EXPECT_EQ(&Model(), &Model()) << "one model for the process";
}

TEST(Word, UnfilledWordHasNoLetters) {
  Word word;
  EXPECT_EQ(word.length, -9999);
  int visited = 0;
  for (int e = 1; e <= word.length; ++e) ++visited;
  EXPECT_EQ(visited, 0);

  const int letters[] = {4, 21, 1};
  word.Assign(letters);
  EXPECT_EQ(word.length, 3);
  EXPECT_EQ(word.letters, (std::vector<int>{0, 4, 21, 1}));
}

}  // namespace
}  // namespace tesselo
