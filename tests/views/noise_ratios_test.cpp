#include "views/noise_ratios.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace tesselo {
namespace {

// Ten samples with fragments of two at 2 and 6: samples 0, 1, 4, 5, 8 and 9 lie outside.
struct SmallExperiment {
  FragmentSequence unobservable;
  Sequence noise;

  SmallExperiment() {
    unobservable.length = noise.length = 10;
    unobservable.samples = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    unobservable.count = 2;
    unobservable.starts = {0, 2, 6};
    noise.samples = {100, 0, 1, -2, 100, 100, 3, 0, 100, 100};
  }
};

TEST(NoiseToSignal, SumsFragmentSamplesApartFromTheWholeSequence) {
  const SmallExperiment e;
  const NoiseRatios ratios = NoiseToSignal(e.unobservable, e.noise, 10, 2);
  // Fragments: noise 1 + 4 + 9 + 0, signal 9 + 16 + 49 + 64.
  EXPECT_DOUBLE_EQ(*ratios.fragments, 14.0 / 138.0);
  // Whole: noise 14 + 5 * 10000, signal 385.
  EXPECT_DOUBLE_EQ(*ratios.all, 50014.0 / 385.0);
}

TEST(NoiseToSignal, SilentNoiseGivesZeroAndASilentSignalGivesNoRatio) {
  SmallExperiment e;
  e.noise.samples.assign(10, 0);
  NoiseRatios ratios = NoiseToSignal(e.unobservable, e.noise, 10, 2);
  EXPECT_EQ(ratios.fragments, 0.0);
  EXPECT_EQ(ratios.all, 0.0);

  e.unobservable.samples = {5, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // energy outside the fragments
  ratios = NoiseToSignal(e.unobservable, e.noise, 10, 2);
  EXPECT_FALSE(ratios.fragments.has_value());
  EXPECT_EQ(ratios.all, 0.0);
}

TEST(NoiseToSignal, NeverReadsPastTheSequencesOrTheirStarts) {
  SmallExperiment e;
  const NoiseRatios expected = NoiseToSignal(e.unobservable, e.noise, 10, 2);
  // A refused run may have made N larger than the last experiment's sequences.
  const NoiseRatios longer = NoiseToSignal(e.unobservable, e.noise, 1200, 2);
  EXPECT_EQ(longer.fragments, expected.fragments);
  EXPECT_EQ(longer.all, expected.all);
  // A count with fewer recorded starts counts only the recorded fragments.
  e.unobservable.count = 5;
  EXPECT_EQ(NoiseToSignal(e.unobservable, e.noise, 10, 2).fragments, expected.fragments);
}

TEST(NoiseToSignal, SumsOfSquaresOfExtremeSamplesStayExact) {
  // 200 squares of 2^31 - 1 exceed the 64-bit range many times over.
  FragmentSequence unobservable;
  Sequence noise;
  unobservable.samples.assign(200, 1);
  unobservable.count = 1;
  unobservable.starts = {0, 0};
  noise.samples.assign(200, INT_MAX);
  noise.samples[0] = INT_MIN;  // (-2^31)^2 inside the fragment
  const NoiseRatios ratios = NoiseToSignal(unobservable, noise, 200, 20);
  const double max2 = 4611686014132420609.0;  // (2^31 - 1)^2
  const double min2 = 4611686018427387904.0;  // 2^62
  EXPECT_DOUBLE_EQ(*ratios.fragments, (min2 + 19 * max2) / 20);
  EXPECT_DOUBLE_EQ(*ratios.all, (min2 + 199 * max2) / 200);
}

}  // namespace
}  // namespace tesselo
