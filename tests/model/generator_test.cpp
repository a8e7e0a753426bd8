#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/int_math.h"
#include "model/random_source.h"
#include "model/series_model.h"
#include "support/experiment_setup.h"

namespace tesselo {
namespace {

using test_support::StartAlphabet;

// A model with a preset and a pattern word, ready to generate.
SeriesModel PresetModel(int N, std::vector<int> letters) {
  SeriesModel m;
  m.SetParameters(N, 40, 135, 20);
  m.word = std::make_unique<Word>();
  m.word->Assign(letters);
  return m;
}

void RunExperiment(SeriesModel& m, std::uint32_t seed, double sigma) {
  const Alphabet& alphabet = StartAlphabet();
  random_source::Seed(seed);
  ASSERT_TRUE(m.Generate(alphabet));
  m.observable.MakeObservation(sigma, m.unobservable, m.noise);
}

std::vector<int> Slice(const std::vector<int>& values, int first, int last) {
  return {values.begin() + first, values.begin() + last + 1};
}

std::int64_t Sum(const std::vector<int>& values, bool squared = false) {
  std::int64_t sum = 0;
  for (int v : values) sum += squared ? std::int64_t{v} * v : v;
  return sum;
}

// Every rule of a generated series: start windows, distances, series ends, the count's
// range, and samples that are letter copies inside fragments and 0 outside.
void ExpectValidSeries(const SeriesModel& m) {
  const FragmentSequence& s = m.unobservable;
  const Word& word = *m.word;
  const int M = s.count;
  ASSERT_EQ(M, m.M);
  EXPECT_GE(M, std::max(m.M_min, word.length));
  EXPECT_LE(M, m.M_max);
  EXPECT_EQ(s.length, m.N);
  EXPECT_EQ(s.starts[0], 0);
  EXPECT_GE(s.starts[1], m.A_minus);
  EXPECT_LE(s.starts[1], m.A_plus);
  EXPECT_GE(s.starts[M], m.B_minus);
  EXPECT_LE(s.starts[M], m.B);
  for (int k = 2; k <= M; ++k) {
    EXPECT_GE(s.starts[k] - s.starts[k - 1], m.T_min) << k;
    EXPECT_LE(s.starts[k] - s.starts[k - 1], m.T_max) << k;
  }
  ASSERT_EQ(static_cast<int>(s.seriesEnds.size()), word.length + 1);
  EXPECT_EQ(s.seriesEnds[0], 0);
  EXPECT_EQ(s.seriesEnds[word.length], M);
  for (int e = 1; e <= word.length; ++e) EXPECT_LT(s.seriesEnds[e - 1], s.seriesEnds[e]) << e;

  std::vector<int> expected(m.N, 0);
  for (int e = 1; e <= word.length; ++e)
    for (int k = s.seriesEnds[e - 1] + 1; k <= s.seriesEnds[e]; ++k)
      for (int d = 0; d < 20; ++d)
        expected[s.starts[k] + d] = StartAlphabet().letters[word.letters[e]].samples[d];
  EXPECT_EQ(s.samples, expected);
}

TEST(Generator, SeededRunReproducesTheIndependentReference) {
  // Derived independently from the drawing rules (tests/tools/reference_generator.py).
  SeriesModel m = PresetModel(200, {3, 11, 16});
  RunExperiment(m, 12345, 60);
  EXPECT_EQ(m.M, 3);
  EXPECT_EQ(Slice(m.unobservable.starts, 1, 3), (std::vector<int>{10, 56, 130}));
  EXPECT_EQ(Slice(m.unobservable.seriesEnds, 1, 3), (std::vector<int>{1, 2, 3}));
  ExpectValidSeries(m);
  const std::vector<int> noise = {
      40,   -20, 27,  -2,   18,  -57,  35,  84,  21,   80,  -111, -70,  -54, -66, -51, 62,   147,
      -125, -34, 8,   63,   43,  37,   96,  -38, -28,  34,  -43,  -66,  28,  10,  -58, 10,   6,
      123,  18,  43,  63,   36,  -16,  -23, 87,  24,   14,  -17,  -59,  66,  -83, 30,  -21,  -83,
      47,   77,  14,  -72,  -48, 15,   -167, 20, 82,   16,  -20,  -47,  45,  -110, -52, 19,  -3,
      -11,  -129, 16, -152, -47, -3,   60,  -45, 17,   -65, -18,  -19,  -36, 36,  -30, 16,   -24,
      -74,  178, 79,  42,   -69, 71,   17,  23,  -15,  -4,  61,   -27,  -49, 61,  -29, -100, -103,
      121,  -63, -17, 26,   -20, 16,   28,  -18, -30,  52,  81,   -85,  46,  -55, -35, -91,  -17,
      18,   6,   13,  -15,  136, 44,   5,   -136, 46,  34,  16,   -9,   -46, 45,  -21, -36,  -54,
      -13,  -133, 22, -36,  -1,  -16,  10,  15,  22,   25,  38,   52,   -103, -28, 27, -55,  13,
      -33,  39,  59,  -54,  -170, 17,  52,  42,  -57,  6,   -28,  -140, 9,   57,  -60, -61,  -19,
      4,    64,  -6,  7,    -117, 6,   -23, -75, 27,   73,  73,   -4,   38,  151, 23,  20,   -13,
      -19,  -21, -72, 29,   102, 93,   0,   50,  46,   38,  9,    50,   -78};
  EXPECT_EQ(m.noise.samples, noise);
  ASSERT_EQ(m.observable.length, 200);
  for (int i = 0; i < 200; ++i)
    EXPECT_EQ(m.observable.samples[i], m.unobservable.samples[i] + noise[i]) << i;
  EXPECT_EQ(random_source::Draw(), 7489) << "the run consumed exactly the reference's draws";
}

TEST(Generator, RepairedRunReproducesTheIndependentReference) {
  // The first draws put the last start at 410, below B- = 465: the repair moves it.
  SeriesModel m = PresetModel(600, {5, 18, 21});
  RunExperiment(m, 7, 30);
  EXPECT_EQ(m.M, 5);
  EXPECT_EQ(Slice(m.unobservable.starts, 1, 5), (std::vector<int>{22, 109, 223, 358, 482}));
  EXPECT_EQ(Slice(m.unobservable.seriesEnds, 1, 3), (std::vector<int>{3, 4, 5}));
  ExpectValidSeries(m);
  EXPECT_EQ(Sum(m.noise.samples), 167);
  EXPECT_EQ(Sum(m.noise.samples, true), 517081);
  EXPECT_EQ(Sum(m.observable.samples), -289);
  EXPECT_EQ(random_source::Draw(), 26245);
}

TEST(Generator, EverySeriesObeysTheRules) {
  const std::vector<std::vector<int>> words = {{1}, {21, 4}, {3, 3, 3}, {16, 8, 12, 2, 19}};
  for (int N : {200, 600, 1200}) {
    for (const std::vector<int>& letters : words) {
      for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        SeriesModel m = PresetModel(N, letters);
        SCOPED_TRACE(testing::Message() << "N " << N << ", L " << letters.size() << ", seed " << seed);
        RunExperiment(m, seed, 90);
        ExpectValidSeries(m);
        if (testing::Test::HasFailure()) return;
      }
    }
  }
}

TEST(Generator, EdgeCountsOfSeries) {
  // A single letter: one series of every fragment, no series-end draw.
  SeriesModel single = PresetModel(1200, {7});
  RunExperiment(single, 5, 0);
  EXPECT_EQ(single.unobservable.seriesEnds, (std::vector<int>{0, single.M}));

  // As many letters as the greatest count: every series holds one fragment.
  SeriesModel full = PresetModel(200, {1, 2, 3, 4, 5});
  RunExperiment(full, 5, 0);
  EXPECT_EQ(full.M, 5);
  EXPECT_EQ(full.unobservable.seriesEnds, (std::vector<int>{0, 1, 2, 3, 4, 5}));
  ExpectValidSeries(full);
}

TEST(Generator, OneFragmentLandsInBothStartWindows) {
  int singles = 0;
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    SeriesModel m = PresetModel(200, {15});
    RunExperiment(m, seed, 0);
    if (m.M != 1) continue;
    ++singles;
    EXPECT_GE(m.unobservable.starts[1], 65);
    EXPECT_LE(m.unobservable.starts[1], 115);
  }
  EXPECT_GT(singles, 10);
}

TEST(MakeObservation, ZeroNoiseStillAdvancesTheRandomSource) {
  SeriesModel quiet = PresetModel(600, {9, 10});
  RunExperiment(quiet, 99, 0);
  const int drawAfterQuiet = random_source::Draw();
  EXPECT_EQ(quiet.noise.samples, std::vector<int>(600, 0));
  EXPECT_EQ(quiet.observable.samples, quiet.unobservable.samples);

  SeriesModel noisy = PresetModel(600, {9, 10});
  RunExperiment(noisy, 99, 60);
  EXPECT_EQ(random_source::Draw(), drawAfterQuiet);
  EXPECT_EQ(noisy.unobservable.samples, quiet.unobservable.samples);
}

TEST(MakeObservation, HugeNoiseSaturatesInsteadOfOverflowing) {
  SeriesModel m = PresetModel(1200, {1, 2});
  RunExperiment(m, 3, 2147483647.0);
  int saturated = 0;
  for (int i = 0; i < m.N; ++i) {
    const int noise = m.noise.samples[i];
    saturated += noise == kIntMax || noise == kIntMin;
    EXPECT_EQ(m.observable.samples[i], SaturateToInt(std::int64_t{m.unobservable.samples[i]} + noise));
  }
  EXPECT_GT(saturated, 0);
}

TEST(DrawCount, RefusesWordsLongerThanTheGreatestCount) {
  SeriesModel m = PresetModel(200, {1, 2, 3, 4, 5, 6});
  m.M = 4;
  random_source::Seed(11);
  EXPECT_FALSE(m.unobservable.DrawCount(m, 6));
  EXPECT_EQ(m.M, 4);
  random_source::Seed(11);
  const int firstDraw = random_source::Draw();
  random_source::Seed(11);
  m.unobservable.DrawCount(m, 6);
  EXPECT_EQ(random_source::Draw(), firstDraw) << "nothing was drawn";
}

TEST(Generator, BoundsWithoutASeriesEndTheRunInsteadOfLooping) {
  // Starts 40..45 apart from a first start at 0 never reach 60..70: no count fits.
  SeriesModel noCount = PresetModel(200, {1});
  noCount.SetRanges(90, 0, 60, 40, 45, 20);
  random_source::Seed(1);
  EXPECT_FALSE(noCount.Generate(StartAlphabet()));

  // A count whose last start cannot reach B-..B: the repair gives up at once.
  SeriesModel m = PresetModel(200, {1});
  m.SetRanges(90, 0, 60, 40, 45, 20);
  m.M = 2;
  random_source::Seed(1);
  m.unobservable.DrawStarts(m);
  EXPECT_EQ(m.unobservable.count, 2);
  int left = 0;
  int right = 0;
  EXPECT_FALSE(m.Omega(2, left, right));
}

}  // namespace
}  // namespace tesselo
